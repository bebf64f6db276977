// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

// Twips of the design: 15 to a (logical) pixel.
constexpr double kTwipsPerPixel = 15.0;

// A place of the design, in twips.
struct TwipsRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// A place on screen, in whole logical pixels.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect &) const = default;
};

// How the design's twips become pixels on this screen: 15 twips to a
// logical pixel, times a factor of at most 1 that shrinks positions and sizes
// together where the screen leaves the design less room than it was drawn
// for. At factor 1 every design value lands on the pixel it always did.
class TwipsScale
{
public:
    // The factor is kept within 0 to 1.
    explicit TwipsScale(double factor = 1.0);

    double factor() const { return factor_; }

    // A design length in twips, in whole pixels, rounded half away from 0.
    int pixels(double twips) const;
    // A design rectangle in pixels: its edges are rounded, so that controls
    // that do not touch in the design do not overlap on screen.
    PixelRect rect(const TwipsRect &twips) const;

private:
    double factor_;
};

} // namespace vendral
