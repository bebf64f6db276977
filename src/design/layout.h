// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design/twipsscale.h"

#include <string_view>

// Where the design's containers go on a screen, and how much the design
// inside them shrinks.
namespace vendral::design {

// The share of the screen a top-level container takes, as fractions of the
// screen's width (left, width) and height (top, height).
struct ScreenShare
{
    std::string_view name;
    double top, left, width, height;
};

inline constexpr ScreenShare kScreenShares[] = {
    {"Frame3", 0.005, 0.02, 0.32, 0.51},
    {"Frame4", 0.52, 0.02, 0.32, 0.39},
    {"picSee", 0.015, 0.36, 0.62, 0.84},
    {"Frame2", 0.85, 0.36, 0.62, 0.06},
};

// A container's place for a screen of W x H twips, in twips, in single
// precision as the design computes it; all 0 for a name without a share.
struct ContainerLayout
{
    float top, left, width, height;
};
ContainerLayout layoutFor(std::string_view container, double screenWidthTwips, double screenHeightTwips);

// The same in whole pixels, for a screen of this many (logical) pixels.
PixelRect containerPlace(std::string_view container, double screenWidthPixels, double screenHeightPixels);

// The design's scale for a screen of this many logical pixels: the largest
// factor, at most 1, at which every top-level container's design place fits
// the room its share of that screen gives it.
double designScaleFor(double screenWidthPixels, double screenHeightPixels);

struct PixelSize
{
    double width = 0;
    double height = 0;
};

// The chart's drawing area, inside its border, on the 1024 x 768 screen the
// design was drawn for: the markers' design sizes are their sizes there.
PixelSize designChartArea(int border);

// How much larger than their design size the markers are drawn on a chart
// drawing area of this size, so that they keep their size in sm. A point at
// a fixed distance in sm from a marker's corner then lies, measured in the
// marker's own picture, at most as far from the corner on either axis as on
// the design's chart, so a point on the picture there stays on it on any
// chart. The smaller ratio would push such points out of the picture on a
// wide screen. 1 for an empty area.
double markerMagnification(PixelSize chart, PixelSize design);

// Where the chart's fixed controls go, in pixels from the corner of its
// drawing area: the read-outs one below the other at the left, the button
// "x" at the right. What the design gives in twips follows its scale; the
// chart's own width comes from the screen.
struct ChartControlPlaces
{
    PixelRect distance;  // txtAbstand
    PixelRect bearing;   // txtFdW
    PixelRect travelled; // txtReiseweg
    int buttonLeft = 0;  // Command4, at the top
};
ChartControlPlaces chartControlPlaces(const TwipsScale &scale, int chartWidth, int border, int buttonWidth);

} // namespace vendral::design
