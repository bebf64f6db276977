// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing/dialface.h"

#include "drawing/surface.h"

#include <cmath>

namespace vendral {
namespace {

// The angle step of the faces divides this constant, not 2 pi.
constexpr double kFullTurn = 6.2828;
constexpr int kPointerWidth = 5;

// Spokes from the centre for i = 0 .. last, a `divisions`-th of the turn apart.
// Angles in double precision, end points handed on in single precision.
void drawSpokes(Surface &dial, int divisions, int last, double radius, Rgb colour)
{
    const double step = kFullTurn / divisions;
    for (int i = 0; i <= last; ++i)
        dial.line(0, 0, static_cast<float>(radius * std::sin(i * step)),
                  static_cast<float>(radius * std::cos(i * step)), colour);
}

} // namespace

void drawDialFace(Surface &dial, const DialFace &face)
{
    dial.setDrawStyle(DrawStyle::Solid);
    dial.setDrawWidth(2);
    dial.circle(0, 0, 0.9, face.ring);
    drawSpokes(dial, 4, 3, 1.0, face.cardinalSpokes);
    drawSpokes(dial, 8, 8, 0.9, face.eighthSpokes);
    dial.setDrawWidth(face.fineWidth);
    drawSpokes(dial, face.fineCount, face.fineCount, face.fineRadius, face.fineSpokes);
    dial.setDrawWidth(face.hubWidth);
    dial.circle(0, 0, 0.1, face.hub);
}

void drawDialPointer(Surface &dial, const DialFace &face, double ux, double uy)
{
    dial.setDrawStyle(DrawStyle::Solid);
    dial.setDrawWidth(kPointerWidth);
    dial.line(0, 0, static_cast<float>(1.1 * ux), static_cast<float>(1.1 * uy), face.pointer);
}

} // namespace vendral
