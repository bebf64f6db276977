// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dials/dial.h"

#include "common/scaledarea.h"
#include "common/sunkenborder.h"
#include "simulation/direction.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vendral {
namespace {

// The dial's keys by what they ask for; none for any other key.
std::optional<DialKey> dialKey(int key)
{
    switch (key) {
    case Qt::Key_Right: return DialKey::Right;
    case Qt::Key_Up: return DialKey::Up;
    case Qt::Key_Left: return DialKey::Left;
    case Qt::Key_Down: return DialKey::Down;
    case Qt::Key_PageUp: return DialKey::PageUp;
    case Qt::Key_PageDown: return DialKey::PageDown;
    default: return std::nullopt;
    }
}

} // namespace

Dial::Dial(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void Dial::setBackColor(const QColor &color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    faceDrawn_ = false;
    update();
}

void Dial::setScale(double left, double top, double right, double bottom)
{
    const UserScale scale(left, top, right, bottom);
    if (scale == scale_)
        return;
    scale_ = scale;
    faceDrawn_ = false;
    update();
}

void Dial::setFace(const DialFace &face)
{
    faceStyle_ = face;
    faceDrawn_ = false;
    update();
}

void Dial::setDirection(double ux, double uy, int degrees)
{
    if (direction_ && direction_->x() == ux && direction_->y() == uy && degrees_ == degrees)
        return;
    const bool turned = degrees != degrees_ || !direction_;
    direction_ = QPointF(ux, uy);
    degrees_ = degrees;
    update(drawingArea());
    if (!turned)
        return;
    // The name carries the angle too: the AT-SPI bridge passes no value text.
    QAccessibleValueChangeEvent value(this, degrees);
    QAccessible::updateAccessibility(&value);
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

QRect Dial::drawingArea() const
{
    return rect().adjusted(kSunkenBorder, kSunkenBorder, -kSunkenBorder, -kSunkenBorder);
}

QPointF Dial::toPixel(double x, double y) const { return scaledToPixel(scale_, drawingArea(), x, y); }

QPointF Dial::toUser(const QPointF &widgetPos) const { return scaledToUser(scale_, drawingArea(), widgetPos); }

// The face is the same picture until the size or the pixel ratio changes.
const Canvas &Dial::face()
{
    const QSize size = drawingArea().size().expandedTo(QSize(1, 1));
    const qreal dpr = devicePixelRatioF();
    if (faceDrawn_ && face_.size() == size && face_.devicePixelRatio() == dpr)
        return face_;
    face_ = Canvas(size, dpr);
    face_.setBackColor(backColor_);
    face_.setSmooth(true);
    face_.setScale(scale_);
    face_.clear();
    if (faceStyle_)
        drawDialFace(face_, *faceStyle_);
    faceDrawn_ = true;
    return face_;
}

void Dial::paintEvent(QPaintEvent *)
{
    Canvas shown = face();
    if (direction_ && faceStyle_)
        drawDialPointer(shown, *faceStyle_, direction_->x(), direction_->y());
    QPainter painter(this);
    painter.drawImage(drawingArea().topLeft(), shown.image());
    drawSunkenBorder(painter, rect());
    if (hasFocus()) {
        // A dotted frame just inside the border, in the pointer's colour,
        // which stands out on either face.
        const Rgb colour = faceStyle_ ? faceStyle_->pointer : Rgb{};
        QPen pen(QColor(colour.red, colour.green, colour.blue), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(drawingArea().adjusted(1, 1, -2, -2));
    }
}

void Dial::keyPressEvent(QKeyEvent *event)
{
    const std::optional<DialKey> key = dialKey(event->key());
    if (!key || !direction_) {
        QWidget::keyPressEvent(event);
        return;
    }
    turnTo(degrees_ + keyTurn(*key));
}

void Dial::turnTo(int degrees)
{
    const Vector u = keyDirection(degrees);
    emit turnRequested(QPointF(u.x, u.y));
}

void Dial::mousePressEvent(QMouseEvent *event) { emit mousePressed(toUser(event->position()), event->button()); }

void Dial::mouseMoveEvent(QMouseEvent *event) { emit mouseMoved(toUser(event->position()), event->buttons()); }

void Dial::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(toUser(event->position()), event->button());
}

} // namespace vendral
