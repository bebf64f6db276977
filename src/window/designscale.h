// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>
#include <QRect>

namespace vendral {

// Twips of the design: 15 to a (logical) pixel.
constexpr double kTwipsPerPixel = 15.0;

// How the design's twips and points become pixels and fonts on this screen:
// 15 twips to a logical pixel, times a factor of at most 1 that shrinks
// positions, sizes and fonts together where the screen leaves the design less
// room than it was drawn for. At factor 1 every design value lands on the
// pixel it always did.
class DesignScale
{
public:
    explicit DesignScale(double factor = 1.0);

    double factor() const { return factor_; }

    // A design length in twips, in whole pixels.
    int pixels(double twips) const;
    // A design rectangle in twips, in pixels: its edges are rounded, so that
    // controls that do not touch in the design do not overlap on screen.
    QRect rect(double left, double top, double width, double height) const;
    // The design's font ("MS Sans Serif" or a metric-compatible stand-in) at
    // a design size in points.
    QFont font(double points, bool bold) const;

private:
    double factor_;
};

} // namespace vendral
