// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSizeF>

namespace vendral {

class DesignScale;
struct Form;
class FormVoyage;

// Runs once before the window is first shown: scales of dials and chart, the
// dial faces, the layout from the screen size (in device-independent
// pixels), the markers' size on the chart, the initial state, the distance
// read-out and the first current field. The controls on the chart are placed
// at the design's scale.
void startUp(Form &form, FormVoyage &voyage, const QSizeF &screenPixels, const DesignScale &scale);

// The design's scale for a screen of this many device-independent pixels.
double designScaleFor(const QSizeF &screenPixels);

} // namespace vendral
