// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dials/dialface.h"

#include "common/canvas.h"

#include <cmath>

namespace vendral {
namespace {

// The angle step of the faces divides this constant, not 2 pi.
constexpr double kFullTurn = 6.2828;
constexpr int kPointerWidth = 5;

// Spokes from the centre for i = 0 .. last, a `divisions`-th of the turn apart.
// Angles in double precision, end points handed on in single precision.
void drawSpokes(Canvas &dial, int divisions, int last, double radius, const QColor &colour)
{
    const double step = kFullTurn / divisions;
    for (int i = 0; i <= last; ++i)
        dial.line(0, 0, static_cast<float>(radius * std::sin(i * step)),
                  static_cast<float>(radius * std::cos(i * step)), colour);
}

} // namespace

const DialFace &courseDialFace()
{
    static const DialFace face{QColor(0, 0, 255), QColor(0, 0, 255),   QColor(255, 5, 5), 72, 0.7, 1,
                               QColor(255, 255, 255), 7, QColor(0, 0, 0)};
    return face;
}

const DialFace &currentDialFace()
{
    static const DialFace face{QColor(150, 150, 255), QColor(200, 200, 255), QColor(255, 255, 255), 16, 0.3, 1,
                               QColor(0, 0, 255),     9,                     QColor(250, 250, 250)};
    return face;
}

void drawDialFace(Canvas &dial, const DialFace &face)
{
    dial.setDrawStyle(Canvas::DrawStyle::Solid);
    dial.setDrawWidth(2);
    dial.circle(0, 0, 0.9, face.ring);
    drawSpokes(dial, 4, 3, 1.0, QColor(0, 0, 0));
    drawSpokes(dial, 8, 8, 0.9, face.eighthSpokes);
    dial.setDrawWidth(face.fineWidth);
    drawSpokes(dial, face.fineCount, face.fineCount, face.fineRadius, face.fineSpokes);
    dial.setDrawWidth(face.hubWidth);
    dial.circle(0, 0, 0.1, face.hub);
}

void drawDialPointer(Canvas &dial, const DialFace &face, double ux, double uy)
{
    dial.setDrawStyle(Canvas::DrawStyle::Solid);
    dial.setDrawWidth(kPointerWidth);
    dial.line(0, 0, static_cast<float>(1.1 * ux), static_cast<float>(1.1 * uy), face.pointer);
}

} // namespace vendral
