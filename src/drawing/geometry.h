// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

// Drawings whose extent in pixels exceeds this lie on no screen; positions
// beyond it are saturated or left out before a toolkit sees them.
constexpr double kFarAway = 1.0e6;

struct Point
{
    double x = 0;
    double y = 0;

    bool operator==(const Point &) const = default;
};

struct Size
{
    double width = 0;
    double height = 0;
};

struct Segment
{
    Point from;
    Point to;

    bool operator==(const Segment &) const = default;
};

// An area of pixels, its edges included; y grows downward.
struct Area
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

} // namespace vendral
