// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPainter;
class QRect;

namespace vendral {

// The border of a picture box with a sunken look: 2 pixels wide, dark above
// and left, light below and right. What the box shows lies inside it.
constexpr int kSunkenBorder = 2;
void drawSunkenBorder(QPainter &painter, const QRect &outer);

} // namespace vendral
