// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineF>
#include <QRectF>

namespace vendral {

// Cuts the segment `line` down to the part inside `area` (Cohen-Sutherland,
// in extended precision). Returns false when nothing of it lies inside, or
// when an end point is not a finite number. End points may lie arbitrarily
// far away (1E+300 pixels), which the raster engine must never see.
bool clipLine(QLineF &line, const QRectF &area);

// Rounds a pixel coordinate to an int that a widget can be moved to,
// saturating far outside any screen instead of overflowing.
int pixelCoordinate(double value);

} // namespace vendral
