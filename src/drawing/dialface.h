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

// The course dial's face and the current dial's.
inline constexpr DialFace kCourseDialFace{Rgb{0, 0, 255},     Rgb{0, 0, 0}, Rgb{0, 0, 255}, Rgb{255, 5, 5}, 72, 0.7, 1,
                                          Rgb{255, 255, 255}, 7,            Rgb{0, 0, 0}};
inline constexpr DialFace kCurrentDialFace{Rgb{150, 150, 255}, Rgb{0, 0, 0}, Rgb{200, 200, 255}, Rgb{255, 255, 255}, 16,
                                           0.3,                1,            Rgb{0, 0, 255},     9,
                                           Rgb{250, 250, 250}};

// Draws the face over whatever the surface shows, in dial coordinates
// (origin at the centre, x east, y north). Leaves the pen solid, as wide as
// the hub.
void drawDialFace(Surface &dial, const DialFace &face);

// Draws the pointer from the centre to 1.1 times the unit vector (ux, uy).
void drawDialPointer(Surface &dial, const DialFace &face, double ux, double uy);

} // namespace vendral
