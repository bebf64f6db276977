// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/shipmarker.h"

#include "common/canvas.h"
#include "drawing/shipsymbol.h"

#include <QPainter>

namespace vendral {

void ShipMarker::setHeading(double hx, double hy)
{
    if (hasHeading_ && hx == hx_ && hy == hy_)
        return;
    hasHeading_ = true;
    hx_ = hx;
    hy_ = hy;
    update();
}

void ShipMarker::paintEvent(QPaintEvent *)
{
    Canvas symbol(size(), devicePixelRatioF());
    symbol.setBackColor(backColor());
    symbol.setSmooth(true);
    symbol.setScale(UserScale(-1, -1, 1, 1));
    symbol.clear();
    if (hasHeading_)
        drawShipSymbol(symbol, hx_, hy_, Rgb{255, 255, 255});
    QPainter painter(this);
    painter.drawImage(QPoint(), symbol.image());
    paintFocus(painter);
}

} // namespace vendral
