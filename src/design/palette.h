// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/pen.h"

// The colours of the design's controls.
namespace vendral::palette {

// The sea chart's blue: the chart, the current panel's fields and the chart's
// read-outs; where a marker's picture shows it, the marker is clear.
inline constexpr Rgb kChartBlue{0, 0, 255};
inline constexpr Rgb kPale{246, 246, 246};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kReadout{255, 255, 128};
inline constexpr Rgb kSpeed{128, 128, 128};
inline constexpr Rgb kSail{255, 255, 192};
inline constexpr Rgb kStop{255, 0, 0};
inline constexpr Rgb kStep{192, 192, 255};
inline constexpr Rgb kAutoStop{192, 192, 0};
// The bearing line, orange over the chart's blue.
inline constexpr Rgb kBearingLine{255, 140, 0};

} // namespace vendral::palette
