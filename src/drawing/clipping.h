// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing/geometry.h"

namespace vendral {

// Cuts `line` down to the part inside `area` (Cohen-Sutherland, in extended
// precision). Returns false when nothing of it lies inside, or when an end
// point is not a finite number. End points may lie arbitrarily far away
// (1E+300 pixels), which a raster engine must never see.
bool clipLine(Segment &line, const Area &area);

// Rounds a pixel coordinate to an int that a widget can be moved to,
// saturating at the far-away limit instead of overflowing.
int pixelCoordinate(double value);

} // namespace vendral
