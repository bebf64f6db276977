// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/pen.h"

namespace vendral {

class Random;
class Surface;
class VoyageFields;

struct CurrentFieldColours
{
    Rgb grid;
    Rgb streak;
    Rgb streakEnd;
    Rgb labels;
};

// The chart's own: pale blue grid and streaks, white streak ends and labels.
inline constexpr CurrentFieldColours kChartFieldColours{Rgb{135, 135, 255}, Rgb{160, 160, 255}, Rgb{255, 255, 255},
                                                        Rgb{255, 255, 255}};

// Dotted 10-sm grid over the whole chart, in chart units.
void drawChartGrid(Surface &chart, Rgb colour);

// Draws over the chart the grid, 169 current streaks at random places from
// `random` and the three scale labels; each streak reads the current from
// txtStromx, txtStromy and txtStromv and ends upstream in a dot. The places
// are drawn from `random` whether or not there is a current to show. Leaves
// the pen solid in the labels' colour, its width 3 if the last place drew a
// streak and 1 otherwise.
void drawCurrentField(Surface &chart, Random &random, const VoyageFields &fields, const CurrentFieldColours &colours);

} // namespace vendral
