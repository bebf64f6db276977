// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/bearingline.h"

#include "common/picturebox.h"
#include "drawing/clipping.h"

#include <QPainter>

namespace vendral {

BearingLine::BearingLine(PictureBox *chart)
    : QWidget(chart)
    , chart_(chart)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    connect(chart, &PictureBox::scaleChanged, this, &BearingLine::relocate);
}

void BearingLine::setLine(float x1, float y1, float x2, float y2)
{
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_)
        return;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    relocate();
}

// The widget covers only the visible part of the line, so that it never
// paints more of the chart than it must and stays small however far off the
// chart an end point lies.
void BearingLine::relocate()
{
    const QPointF from = chart_->toPixel(x1_, y1_), to = chart_->toPixel(x2_, y2_);
    const QRectF area(chart_->drawingArea());
    Segment cut{{from.x(), from.y()}, {to.x(), to.y()}};
    visibleLine_ = clipLine(cut, Area{area.left(), area.top(), area.right(), area.bottom()});
    if (!visibleLine_) {
        setGeometry(0, 0, 0, 0);
        return;
    }
    const QLineF line(cut.from.x, cut.from.y, cut.to.x, cut.to.y);
    const QRect bounds = QRectF(line.p1(), line.p2()).normalized().toAlignedRect().adjusted(-2, -2, 2, 2);
    setGeometry(bounds);
    local_ = line.translated(-bounds.topLeft());
    update();
}

void BearingLine::paintEvent(QPaintEvent *)
{
    if (!visibleLine_)
        return;
    QPainter painter(this);
    painter.setPen(QPen(colour(), 1));
    painter.drawLine(local_);
}

} // namespace vendral
