// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
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

// The design's scale for a screen of this many device-independent pixels:
// the largest factor, at most 1, at which every top-level container's design
// place fits the room the layout gives it on that screen.
double designScaleFor(const QSizeF &screenPixels);

// The chart's drawing area in pixels on the 1024 x 768 screen the design was
// drawn for: the markers' design sizes are their sizes there.
QSize designChartArea();

// The containers' places in the window for a screen of W x H twips, as
// fractions of the screen; exposed for the layout tests.
struct ContainerLayout
{
    float top, left, width, height; // twips
};
ContainerLayout layoutFor(const char *container, double screenWidthTwips, double screenHeightTwips);

} // namespace vendral
