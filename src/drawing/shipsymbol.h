// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/pen.h"

namespace vendral {

class Surface;

// The ship symbol on a surface scaled from (-1, -1) at the top left to
// (1, 1) at the bottom right, y pointing down: a stroke across it along the
// heading, from the bow at (hx, -hy) / 1000 to the stern, and a small ring a
// third of the way toward the stern. The heading is in whole thousandths, as
// its fields hold it (x east, y north).
void drawShipSymbol(Surface &symbol, double hx, double hy, Rgb colour);

} // namespace vendral
