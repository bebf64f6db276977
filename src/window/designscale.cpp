// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/designscale.h"

#include <algorithm>
#include <cmath>

namespace vendral {

DesignScale::DesignScale(double factor)
    : factor_(std::clamp(factor, 0.0, 1.0))
{
}

int DesignScale::pixels(double twips) const
{
    return static_cast<int>(std::lround(twips * factor_ / kTwipsPerPixel));
}

QRect DesignScale::rect(double left, double top, double width, double height) const
{
    const int x = pixels(left);
    const int y = pixels(top);
    return QRect(x, y, pixels(left + width) - x, pixels(top + height) - y);
}

QFont DesignScale::font(double points, bool bold) const
{
    QFont font;
    // Where the classic font is missing, a metric-compatible sans serif.
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points * factor_);
    font.setBold(bold);
    // Plain Latin read-outs need no shaping; a continuous run rewrites
    // several of them thousands of times a second.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace vendral
