// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design/twipsscale.h"
#include "simulation/pen.h"

#include <QColor>
#include <QFont>
#include <QRect>

namespace vendral {

// The design's twips, points and colours on this screen: twips become pixels
// as TwipsScale has them, and fonts shrink by the same factor.
class DesignScale
{
public:
    explicit DesignScale(double factor = 1.0)
        : twips_(factor)
    {
    }

    double factor() const { return twips_.factor(); }
    const TwipsScale &twips() const { return twips_; }

    // A design rectangle in twips, in pixels.
    QRect rect(const TwipsRect &twips) const;
    // The design's font ("MS Sans Serif" or a metric-compatible stand-in) at
    // a design size in points.
    QFont font(double points, bool bold) const;

private:
    TwipsScale twips_;
};

inline QRect toQRect(const PixelRect &r) { return QRect(r.left, r.top, r.width, r.height); }
inline QColor toQColor(const Rgb &c) { return QColor(c.red, c.green, c.blue); }

} // namespace vendral
