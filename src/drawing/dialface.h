// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/pen.h"

namespace vendral {

class Surface;

// What tells one dial face from the other. Both have a ring of radius 0.9,
// four cardinal spokes to radius 1, nine eighth spokes to 0.9, a fan of
// fine spokes and a hub of radius 0.1, drawn in that order, and a pointer to
// radius 1.1 drawn over them.
struct DialFace
{
    Rgb ring;
    Rgb cardinalSpokes;
    Rgb eighthSpokes;
    Rgb fineSpokes;
    int fineCount = 0; // fine spokes are drawn for i = 0 .. fineCount
    double fineRadius = 0;
    int fineWidth = 1;
    Rgb hub;
    int hubWidth = 1;
    Rgb pointer;
};

// Draws the face over whatever the surface shows, in dial coordinates
// (origin at the centre, x east, y north). Leaves the pen solid, as wide as
// the hub.
void drawDialFace(Surface &dial, const DialFace &face);

// Draws the pointer from the centre to 1.1 times the unit vector (ux, uy).
void drawDialPointer(Surface &dial, const DialFace &face, double ux, double uy);

} // namespace vendral
