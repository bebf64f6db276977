// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vendral::web {

// The border of the chart and the dials, in pixels, as on the desktop.
inline constexpr int kBorder = 2;
// The island picture's own size in pixels.
inline constexpr int kIslandWidth = 57;
inline constexpr int kIslandHeight = 46;

// The window laid out for a page of `width` by `height` CSS pixels below its
// menu bar, by the desktop's maths, as JSON: the design's scale, the markers'
// magnification, the window's font, and every control of the design's table
// in its order with its place relative to its parent (the chart's controls
// and markers relative to the chart's drawing area, the compass letters to
// the dial's), its texts, colours, font and flags; the reading order, the
// menu, and the names and descriptions a screen reader gives the controls.
std::string pageLayout(double width, double height);

} // namespace vendral::web
