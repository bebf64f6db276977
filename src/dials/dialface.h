// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

namespace vendral {

class Canvas;

// What tells one dial face from the other. Both have a ring of radius 0.9,
// four black cardinal spokes to radius 1, nine eighth spokes to 0.9, a fan of
// fine spokes and a hub of radius 0.1, drawn in that order, and a pointer to
// radius 1.1 drawn over them.
struct DialFace
{
    QColor ring;
    QColor eighthSpokes;
    QColor fineSpokes;
    int fineCount = 0; // fine spokes are drawn for i = 0 .. fineCount
    double fineRadius = 0;
    int fineWidth = 1;
    QColor hub;
    int hubWidth = 1;
    QColor pointer;
};

const DialFace &courseDialFace();
const DialFace &currentDialFace();

// Draws the face over whatever the canvas shows, in dial coordinates; it does
// not clear. Leaves the pen solid, as wide as the hub.
void drawDialFace(Canvas &dial, const DialFace &face);

// Draws the pointer from the centre to 1.1 times the unit vector (ux, uy).
void drawDialPointer(Canvas &dial, const DialFace &face, double ux, double uy);

} // namespace vendral
