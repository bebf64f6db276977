// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/marker.h"

#include "common/picturebox.h"
#include "design/palette.h"
#include "drawing/clipping.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vendral {
namespace {

// Pictures on the chart are drawn on its blue.
constexpr QRgb kSea = qRgb(palette::kChartBlue.red, palette::kChartBlue.green, palette::kChartBlue.blue);

} // namespace

Marker::Marker(PictureBox *chart)
    : QWidget(chart)
    , chart_(chart)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    connect(chart, &PictureBox::scaleChanged, this, &Marker::relocate);
}

void Marker::setLeft(float left) { moveTo(left, top_); }

void Marker::setTop(float top) { moveTo(left_, top); }

void Marker::moveTo(float left, float top)
{
    const bool moved = left != left_ || top != top_;
    left_ = left;
    top_ = top;
    relocate();
    if (!moved)
        return;
    // Assistive technology hears the position through the name.
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
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
    picture_ = picture.convertToFormat(QImage::Format_ARGB32);
    bool clear = false;
    for (int y = 0; y < picture_.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture_.scanLine(y));
        for (int x = 0; x < picture_.width(); ++x) {
            if (line[x] == kSea) {
                line[x] = qRgba(0, 0, 0, 0);
                clear = true;
            }
        }
    }
    setAttribute(Qt::WA_OpaquePaintEvent, !clear);
    shown_ = QImage();
    designSize_ = picture.size();
    resizeToMagnification();
    update();
}

void Marker::setDesignSize(const QSize &size)
{
    if (size == designSize_)
        return;
    designSize_ = size;
    resizeToMagnification();
}

void Marker::setMagnification(double magnification)
{
    if (magnification == magnification_ || !(magnification > 0) || !std::isfinite(magnification))
        return;
    magnification_ = magnification;
    resizeToMagnification();
}

void Marker::resizeToMagnification()
{
    const QSizeF scaled = QSizeF(designSize_) * magnification_;
    resize(std::max(1, qRound(scaled.width())), std::max(1, qRound(scaled.height())));
    for (const HeldControl &held : controls_)
        placeControl(held.control, held.designPlace);
}

void Marker::holdControl(QWidget *control, const QRect &designPlace)
{
    controls_.push_back({control, designPlace});
    placeControl(control, designPlace);
}

void Marker::placeControl(QWidget *control, const QRect &designPlace)
{
    const QPointF middle = QRectF(designPlace).center() * magnification_;
    const QSizeF half = QSizeF(designPlace.size()) / 2;
    control->setGeometry(QRect(QPoint(qRound(middle.x() - half.width()), qRound(middle.y() - half.height())),
                               designPlace.size()));
}

const QImage &Marker::shownPicture()
{
    const qreal dpr = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * dpr).toSize();
    if (shown_.size() != device || shown_.devicePixelRatio() != dpr) {
        // Scaled with the sea transparent, so that the land's edge blends
        // into what lies beneath and no blue seeps into it.
        shown_ = device == picture_.size() ? picture_
                                           : picture_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // In the form the screen blends, or every paint converts it anew.
        shown_.convertTo(QImage::Format_ARGB32_Premultiplied);
        shown_.setDevicePixelRatio(dpr);
    }
    return shown_;
}

void Marker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (testAttribute(Qt::WA_OpaquePaintEvent))
        painter.fillRect(rect(), backColor_);
    if (!picture_.isNull())
        painter.drawImage(QPoint(), shownPicture());
    paintFocus(painter);
}

void Marker::paintFocus(QPainter &painter) const
{
    if (!hasFocus())
        return;
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// x grows to the east and y to the north.
void Marker::keyPressEvent(QKeyEvent *event)
{
    QPointF step;
    switch (event->key()) {
    case Qt::Key_Left: step = QPointF(-1, 0); break;
    case Qt::Key_Right: step = QPointF(1, 0); break;
    case Qt::Key_Up: step = QPointF(0, 1); break;
    case Qt::Key_Down: step = QPointF(0, -1); break;
    default: QWidget::keyPressEvent(event); return;
    }
    emit moveRequested(QPointF(left_, top_) + step);
}

} // namespace vendral
