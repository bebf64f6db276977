// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing/currentfield.h"

#include "drawing/random.h"
#include "drawing/surface.h"
#include "simulation/numbers.h"
#include "simulation/voyage.h"

#include <cmath>
#include <string_view>

namespace vendral {
namespace {

void printAt(Surface &chart, double x, double y, Rgb colour, std::string_view text)
{
    chart.setForeColor(colour);
    chart.setCurrentPos(x, y);
    chart.print(text);
}

// A streak runs from its place against the current, as long as the speed
// plus one; the place itself is the downstream end.
void drawStreak(Surface &chart, float x, double y, const VoyageFields &fields, const CurrentFieldColours &colours)
{
    const double sx = number(fields, Field::txtStromx);
    const double v = number(fields, Field::txtStromv);
    const double sy = number(fields, Field::txtStromy);
    const double length = held(v + 1);
    const float ex = toSingle(x - held(length * sx));
    const float ey = toSingle(y - held(length * sy));
    chart.line(x, y, ex, ey, colours.streak);
    chart.setDrawWidth(3);
    chart.point(ex, ey, colours.streakEnd);
}

} // namespace

void drawChartGrid(Surface &chart, Rgb colour)
{
    for (int i = 0; i <= 9; ++i)
        for (int j = 0; j <= 9; ++j) {
            chart.setDrawWidth(1);
            chart.setDrawStyle(DrawStyle::Dot);
            chart.box(10 * i, 10 * j, 10 * i + 10, 10 * j + 10, colour);
        }
}

void drawCurrentField(Surface &chart, Random &random, const VoyageFields &fields, const CurrentFieldColours &colours)
{
    drawChartGrid(chart, colours.grid);
    for (int a = 0; a <= 12; ++a)
        for (int b = 0; b <= 12; ++b) {
            const float x = static_cast<float>(random.next() * 100);
            const double y = std::nearbyint(random.next() * 100); // ties to even
            chart.setDrawWidth(1);
            chart.setDrawStyle(DrawStyle::Solid);
            if (number(fields, Field::txtStromv) > 0)
                drawStreak(chart, x, y, fields, colours);
        }
    printAt(chart, 0, 3, colours.labels, "0");
    printAt(chart, 91, 3, colours.labels, "100 sm");
    printAt(chart, 0, 99, colours.labels, "100 sm");
}

} // namespace vendral
