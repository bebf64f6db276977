// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing/shipsymbol.h"

#include "drawing/surface.h"

namespace vendral {

void drawShipSymbol(Surface &symbol, double hx, double hy, Rgb colour)
{
    symbol.setDrawWidth(3);
    symbol.line(0, 0, static_cast<float>(hx / 1000), static_cast<float>(-hy / 1000), colour);
    symbol.line(0, 0, static_cast<float>(-hx / 1000), static_cast<float>(hy / 1000), colour);
    symbol.setDrawWidth(2);
    symbol.circle(static_cast<float>(-hx / 3000), static_cast<float>(hy / 3000), 0.3, colour);
}

} // namespace vendral
