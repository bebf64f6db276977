// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

struct Form;

// Dotted 10-sm grid over the whole chart.
void drawChartGrid(Form &form);

// Clears the chart and draws the grid, 169 current streaks at random places
// and the three scale labels. Leaves the chart's pen white and solid, its width
// 3 if the last pass drew a streak and 1 otherwise.
void drawCurrentField(Form &form);

// Change of hscstromv: the current speed into txtStromv, then a new field.
void currentSpeedChanged(Form &form);

// Click of the chart's "x": wipes the chart (and the track with it), brings
// the typed current vector back to unit length and draws a new field.
void redrawChart(Form &form);

} // namespace vendral
