// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/picturebox.h"

#include "common/scaledarea.h"
#include "common/sunkenborder.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace vendral {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas_.setFont(font());
    canvas_.setDirtyHandler([this](const QRect &area) { repaintArea(area); });
}

Canvas &PictureBox::canvas()
{
    fitCanvas();
    return canvas_;
}

void PictureBox::setBackColor(const QColor &color)
{
    canvas_.setBackColor(color);
    update();
}

void PictureBox::setBorder(bool on)
{
    border_ = on ? kSunkenBorder : 0;
    update();
    emit scaleChanged();
}

void PictureBox::setScale(double left, double top, double right, double bottom)
{
    canvas_.setScale(UserScale(left, top, right, bottom));
    emit scaleChanged();
}

QRect PictureBox::drawingArea() const { return rect().adjusted(border_, border_, -border_, -border_); }

QPointF PictureBox::toPixel(double x, double y) const
{
    return scaledToPixel(canvas_.scale(), drawingArea(), x, y);
}

QPointF PictureBox::toUser(const QPointF &widgetPos) const
{
    return scaledToUser(canvas_.scale(), drawingArea(), widgetPos);
}

void PictureBox::placePixels(QWidget *child, int x, int y)
{
    child->move(drawingArea().left() + x, drawingArea().top() + y);
}

void PictureBox::fitCanvas()
{
    const QSize size = drawingArea().size().expandedTo(QSize(1, 1));
    const qreal dpr = devicePixelRatioF();
    if (canvas_.size() != size || canvas_.devicePixelRatio() != dpr)
        canvas_.resize(size, dpr);
}

// Merges the areas asked for since the last paint, so that the thousands of
// drawings of a continuous run cost one update() each only when they grow it.
void PictureBox::repaintArea(const QRect &canvasPixels)
{
    const QRect area = canvasPixels.translated(drawingArea().topLeft());
    if (area.isEmpty() || requested_.contains(area))
        return;
    requested_ |= area;
    update(requested_);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    fitCanvas();
    requested_ = QRect();
    QPainter painter(this);
    // One rectangle at a time: under a clip of several rectangles the raster
    // engine blends line by line and farms large areas out to worker
    // threads, which costs more than the copy itself.
    for (const QRect &part : event->region()) {
        painter.setClipRect(part);
        painter.drawImage(drawingArea().topLeft(), canvas_.image());
    }
    painter.setClipRegion(event->region());
    if (border_ > 0)
        drawSunkenBorder(painter, rect());
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(drawingArea().adjusted(1, 1, -2, -2));
    }
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitCanvas();
    emit scaleChanged();
}

void PictureBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        canvas_.setFont(font());
    QWidget::changeEvent(event);
}

} // namespace vendral
