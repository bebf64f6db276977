// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "design/twipsscale.h"

#include <algorithm>
#include <cmath>

namespace vendral {

TwipsScale::TwipsScale(double factor)
    : factor_(std::clamp(factor, 0.0, 1.0))
{
}

int TwipsScale::pixels(double twips) const { return static_cast<int>(std::lround(twips * factor_ / kTwipsPerPixel)); }

PixelRect TwipsScale::rect(const TwipsRect &twips) const
{
    const int x = pixels(twips.left);
    const int y = pixels(twips.top);
    return {x, y, pixels(twips.left + twips.width) - x, pixels(twips.top + twips.height) - y};
}

} // namespace vendral
