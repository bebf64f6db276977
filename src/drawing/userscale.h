// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing/geometry.h"

#include <cmath>

namespace vendral {

// A user coordinate scale on an area of pixels, given by the user coordinates
// of the area's top-left and bottom-right corners; either axis may point
// either way. Pixel positions are relative to the area's top-left corner.
// Without a scale, user units are pixels.
class UserScale
{
public:
    UserScale() = default;
    UserScale(double left, double top, double right, double bottom)
        : left_(left), top_(top), right_(right), bottom_(bottom), set_(true)
    {
    }

    Point toPixel(const Size &area, double x, double y) const
    {
        if (!set_)
            return {x, y};
        return {(x - left_) * area.width / (right_ - left_), (y - top_) * area.height / (bottom_ - top_)};
    }

    Point toUser(const Size &area, const Point &pixel) const
    {
        if (!set_ || area.width <= 0 || area.height <= 0)
            return pixel;
        return {left_ + pixel.x * (right_ - left_) / area.width, top_ + pixel.y * (bottom_ - top_) / area.height};
    }

    double pixelsPerUnitX(const Size &area) const { return set_ ? std::abs(area.width / (right_ - left_)) : 1.0; }

    bool operator==(const UserScale &) const = default;

private:
    double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
    bool set_ = false;
};

} // namespace vendral
