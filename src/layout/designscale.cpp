// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout/designscale.h"

#include <QStringList>

namespace vendral {

QRect DesignScale::rect(const TwipsRect &twips) const { return toQRect(twips_.rect(twips)); }

QFont DesignScale::font(double points, bool bold) const
{
    QFont font;
    // Where the classic font is missing, a metric-compatible sans serif.
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points * factor());
    font.setBold(bold);
    // Plain Latin read-outs need no shaping; a continuous run rewrites
    // several of them thousands of times a second.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace vendral
