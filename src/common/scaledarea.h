// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing/userscale.h"

#include <QPointF>
#include <QRect>

namespace vendral {

// A user scale on `area` of a widget, in the widget's own pixels.
inline QPointF scaledToPixel(const UserScale &scale, const QRect &area, double x, double y)
{
    const Point p = scale.toPixel(Size{double(area.width()), double(area.height())}, x, y);
    return QPointF(p.x, p.y) + area.topLeft();
}

inline QPointF scaledToUser(const UserScale &scale, const QRect &area, const QPointF &widgetPos)
{
    const QPointF local = widgetPos - area.topLeft();
    const Point p = scale.toUser(Size{double(area.width()), double(area.height())}, Point{local.x(), local.y()});
    return QPointF(p.x, p.y);
}

} // namespace vendral
