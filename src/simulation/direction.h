// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Directions as the dials set them and the direction fields show them.
namespace vendral {

// A direction as the dials set it: the unit vector (x east, y north) and its
// components cut down to thousandths (hx, hy are whole thousandths from -1000
// to 1000), as the direction fields hold them.
struct DialDirection
{
    double ux = 0;
    double uy = 0;
    double hx = 0;
    double hy = 0;
};

// The direction of (x, y); (0, 0) and vectors that are not finite have none
// and give false. y arrives in single precision, as the dials hand it on.
bool dialDirection(double x, float y, DialDirection &direction);

// The angle in whole degrees from north, clockwise, that the direction fields
// show for the direction (x, y): 0 to 359, with 0, 90, 180 and 270 on the
// axes. The formula cuts down and converts with 6.283 rather than 2 pi, so it
// often shows one degree less than the nearest.
int angleDegrees(double x, float y);
// The same as text: " 180°".
std::string angleText(double x, float y);

// A vector in sm or knots, x east and y north.
struct Vector
{
    double x = 0;
    double y = 0;
};

// The unit vector (x east, y north) closest to the whole-degree angle
// `degrees` that the direction fields show as exactly that angle; a turn by
// keys lands on it, so that the fields count whole degrees.
Vector keyDirection(int degrees);

// The keys a dial answers, and the turn in whole degrees clockwise that each
// asks for: Right and Up 1, Left and Down -1, PageUp 10, PageDown -10.
enum class DialKey { Right, Up, Left, Down, PageUp, PageDown };
int keyTurn(DialKey key);

} // namespace vendral
