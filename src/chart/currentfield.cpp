// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/currentfield.h"

#include "common/canvas.h"
#include "common/random.h"
#include "simulation/voyage.h"

#include <cmath>

namespace vendral {
namespace {

const QColor kGrid(135, 135, 255);
const QColor kStreak(160, 160, 255);
const QColor kWhite(255, 255, 255);

void printAt(Canvas &chart, double x, double y, const QString &text)
{
    chart.setCurrentPos(x, y);
    chart.print(text);
}

} // namespace

void drawChartGrid(Canvas &chart)
{
    for (int i = 0; i <= 9; ++i)
        for (int j = 0; j <= 9; ++j) {
            chart.setDrawWidth(1);
            chart.setDrawStyle(Canvas::DrawStyle::Dot);
            chart.box(10 * i, 10 * j, 10 * i + 10, 10 * j + 10, kGrid);
        }
}

void drawCurrentField(Canvas &chart, Random &random, const VoyageFields &fields)
{
    chart.clear();
    drawChartGrid(chart);
    for (int a = 0; a <= 12; ++a)
        for (int b = 0; b <= 12; ++b) {
            const float x = static_cast<float>(random.next() * 100);
            const double y = std::nearbyint(random.next() * 100); // ties to even
            chart.setDrawWidth(1);
            chart.setDrawStyle(Canvas::DrawStyle::Solid);
            if (!(number(fields, Field::txtStromv) > 0))
                continue;
            const double sx = number(fields, Field::txtStromx);
            const double v = number(fields, Field::txtStromv);
            const double sy = number(fields, Field::txtStromy);
            const double length = held(v + 1);
            const float ex = toSingle(x - held(length * sx));
            const float ey = toSingle(y - held(length * sy));
            chart.line(x, y, ex, ey, kStreak);
            chart.setDrawWidth(3);
            chart.point(ex, ey, kWhite);
        }
    chart.setForeColor(kWhite);
    printAt(chart, 0, 3, QStringLiteral("0"));
    chart.setForeColor(kWhite);
    printAt(chart, 91, 3, QStringLiteral("100 sm"));
    chart.setForeColor(kWhite);
    printAt(chart, 0, 99, QStringLiteral("100 sm"));
}

} // namespace vendral
