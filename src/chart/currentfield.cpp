// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/currentfield.h"

#include "common/canvas.h"

namespace vendral {

void drawCurrentField(Canvas &chart, Random &random, const VoyageFields &fields)
{
    static constexpr CurrentFieldColours colours{Rgb{135, 135, 255}, Rgb{160, 160, 255}, Rgb{255, 255, 255},
                                                 Rgb{255, 255, 255}};
    chart.clear();
    drawCurrentField(chart, random, fields, colours);
}

} // namespace vendral
