// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

class Canvas;
class Random;
class VoyageFields;

// Dotted 10-sm grid over the whole chart.
void drawChartGrid(Canvas &chart);

// Clears the chart and draws the grid, 169 current streaks at random places
// from `random` and the three scale labels; each streak reads the current
// from txtStromx, txtStromy and txtStromv. Leaves the chart's pen white and
// solid, its width 3 if the last pass drew a streak and 1 otherwise.
void drawCurrentField(Canvas &chart, Random &random, const VoyageFields &fields);

} // namespace vendral
