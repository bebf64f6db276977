// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/shipmarker.h"

#include "common/canvas.h"

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

// The marker's own coordinates run from (-1, -1) at the top left to (1, 1) at
// the bottom right: y points down, so the bow lies at (hx, -hy).
void ShipMarker::paintEvent(QPaintEvent *)
{
    Canvas symbol(size(), devicePixelRatioF());
    symbol.setBackColor(backColor());
    symbol.setSmooth(true);
    symbol.setScale(UserScale(-1, -1, 1, 1));
    symbol.clear();
    if (hasHeading_) {
        const QColor white(255, 255, 255);
        symbol.setDrawWidth(3);
        symbol.line(0, 0, static_cast<float>(hx_ / 1000), static_cast<float>(-hy_ / 1000), white);
        symbol.line(0, 0, static_cast<float>(-hx_ / 1000), static_cast<float>(hy_ / 1000), white);
        symbol.setDrawWidth(2);
        symbol.circle(static_cast<float>(-hx_ / 3000), static_cast<float>(hy_ / 3000), 0.3, white);
    }
    QPainter painter(this);
    painter.drawImage(QPoint(), symbol.image());
    paintFocus(painter);
}

} // namespace vendral
