#include "chart/marker.h"

#include "common/clipping.h"
#include "common/picturebox.h"

#include <QPainter>

namespace vendral {

Marker::Marker(PictureBox *chart)
    : QWidget(chart)
    , chart_(chart)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(chart, &PictureBox::scaleChanged, this, &Marker::relocate);
}

void Marker::setLeft(float left) { moveTo(left, top_); }

void Marker::setTop(float top) { moveTo(left_, top); }

void Marker::moveTo(float left, float top)
{
    left_ = left;
    top_ = top;
    relocate();
}

// A marker is placed at every step but moves on screen only now and then.
void Marker::relocate()
{
    const QPointF p = chart_->toPixel(left_, top_);
    const QPoint target(pixelCoordinate(p.x()), pixelCoordinate(p.y()));
    if (pos() != target)
        move(target);
}

void Marker::setBackColor(const QColor &color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    update();
}

void Marker::setPicture(const QImage &picture)
{
    picture_ = picture;
    resize(picture.size());
    update();
}

void Marker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    if (!picture_.isNull())
        painter.drawImage(QPoint(), picture_);
}

} // namespace vendral
