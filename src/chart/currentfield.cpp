// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/currentfield.h"

#include "chart/marker.h"
#include "common/canvas.h"
#include "common/fields.h"
#include "common/form.h"
#include "common/numbers.h"
#include "common/picturebox.h"
#include "dials/currentdial.h"
#include "window/scrollbars.h"

#include <QScrollBar>

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

void drawChartGrid(Form &form)
{
    Canvas &chart = form.picSee->canvas();
    for (int i = 0; i <= 9; ++i)
        for (int j = 0; j <= 9; ++j) {
            chart.setDrawWidth(1);
            chart.setDrawStyle(Canvas::DrawStyle::Dot);
            chart.box(10 * i, 10 * j, 10 * i + 10, 10 * j + 10, kGrid);
        }
}

void drawCurrentField(Form &form)
{
    Canvas &chart = form.picSee->canvas();
    chart.clear();
    drawChartGrid(form);
    for (int a = 0; a <= 12; ++a)
        for (int b = 0; b <= 12; ++b) {
            const float x = static_cast<float>(form.rnd.next() * 100);
            const double y = std::nearbyint(form.rnd.next() * 100); // ties to even
            chart.setDrawWidth(1);
            chart.setDrawStyle(Canvas::DrawStyle::Solid);
            if (!(number(form.txtStromv) > 0))
                continue;
            const double sx = number(form.txtStromx);
            const double v = number(form.txtStromv);
            const double sy = number(form.txtStromy);
            const double length = held(v + 1);
            const float ex = toSingle(x - held(length * sx));
            const float ey = toSingle(y - held(length * sy));
            chart.line(x, y, ex, ey, kStreak);
            chart.setDrawWidth(3);
            chart.point(ex, ey, kWhite);
        }
    // The island marker is a control above the drawing; it only has to be shown.
    form.image2->show();
    chart.setForeColor(kWhite);
    printAt(chart, 0, 3, QStringLiteral("0"));
    chart.setForeColor(kWhite);
    printAt(chart, 91, 3, QStringLiteral("100 sm"));
    chart.setForeColor(kWhite);
    printAt(chart, 0, 99, QStringLiteral("100 sm"));
}

void currentSpeedChanged(Form &form)
{
    write(form.txtStromv, toText(scrollValue(form.hscstromv)));
    drawCurrentField(form);
}

void redrawChart(Form &form)
{
    Canvas &chart = form.picSee->canvas();
    chart.clear();
    const double x = number(form.txtStromx);
    const float y = toSingle(number(form.txtStromy));
    chart.setForeColor(kWhite);
    setCurrent(form, x, y);
    drawCurrentField(form);
}

} // namespace vendral
