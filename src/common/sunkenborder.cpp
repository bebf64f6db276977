// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/sunkenborder.h"

#include <QColor>
#include <QPainter>
#include <QRect>

namespace vendral {

void drawSunkenBorder(QPainter &painter, const QRect &outer)
{
    const auto frame = [&painter](const QRect &r, const QColor &upperLeft, const QColor &lowerRight) {
        painter.setPen(upperLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(lowerRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    frame(outer, QColor(128, 128, 128), QColor(255, 255, 255));
    frame(outer.adjusted(1, 1, -1, -1), QColor(64, 64, 64), QColor(212, 208, 200));
}

} // namespace vendral
