// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing/currentfield.h"

namespace vendral {

class Canvas;

// Clears the chart and draws the current field over it in the chart's
// colours, white labels and streak ends.
void drawCurrentField(Canvas &chart, Random &random, const VoyageFields &fields);

} // namespace vendral
