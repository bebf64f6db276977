// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pen every drawing of the program is made with.
namespace vendral {

// A wide pen draws solid whatever its style.
enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2 };

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb &) const = default;
};

} // namespace vendral
