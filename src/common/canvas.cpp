// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/canvas.h"

#include "common/clipping.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace vendral {
namespace {

// Drawings whose extent in pixels exceeds this are not on any screen.
constexpr double kFarAway = 1.0e6;

bool finitePoint(const QPointF &p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

} // namespace

Canvas::Canvas() = default;

Canvas::Canvas(const QSize &size, qreal devicePixelRatio)
{
    resize(size, devicePixelRatio);
}

// A copy shares the pixels until either side draws; the open painter and the
// dirty handler stay with the original, whose widget the copy's drawings are
// not shown on. A canvas assigned to keeps its own handler and reports that
// all of it changed.
Canvas::Canvas(const Canvas &other)
{
    *this = other;
}

Canvas &Canvas::operator=(const Canvas &other)
{
    if (this == &other)
        return *this;
    finishPainting();
    other.finishPainting();
    size_ = other.size_;
    dpr_ = other.dpr_;
    backColor_ = other.backColor_;
    foreColor_ = other.foreColor_;
    smooth_ = other.smooth_;
    font_ = other.font_;
    scale_ = other.scale_;
    drawWidth_ = other.drawWidth_;
    drawStyle_ = other.drawStyle_;
    current_ = other.current_;
    image_ = other.image_;
    lastCircle_ = other.lastCircle_;
    touched_ = other.touched_;
    if (dirty_)
        dirty_(QRect(QPoint(), size_));
    return *this;
}

Canvas::~Canvas() = default;

void Canvas::resize(const QSize &size, qreal devicePixelRatio)
{
    size_ = size.expandedTo(QSize(1, 1));
    dpr_ = devicePixelRatio;
    if (!image_.isNull())
        ensureImage();
}

const QImage &Canvas::image() const
{
    const_cast<Canvas *>(this)->ensureImage();
    // Whoever takes a copy must not see later drawings in it.
    finishPainting();
    return image_;
}

void Canvas::ensureImage()
{
    const QSize pixels = size_ * dpr_;
    if (image_.size() == pixels && image_.devicePixelRatio() == dpr_)
        return;
    finishPainting();
    QImage fresh(pixels, QImage::Format_RGB32);
    if (image_.isNull()) {
        fresh.fill(backColor_);
    } else {
        QPainter scaler(&fresh);
        scaler.setRenderHint(QPainter::SmoothPixmapTransform);
        scaler.drawImage(QRect(QPoint(), pixels), image_);
    }
    fresh.setDevicePixelRatio(dpr_);
    image_ = fresh;
    lastCircle_.reset();
    markDirty(QRectF(QPointF(), size_));
}

void Canvas::clear()
{
    ensureImage();
    finishPainting();
    image_.fill(backColor_);
    markDirty(QRectF(QPointF(), size_));
}

QPen Canvas::pen(const QColor &color) const
{
    QPen p(color, drawWidth_);
    p.setCapStyle(Qt::FlatCap);
    // A line wider than one pixel is always solid.
    if (drawWidth_ == 1 && drawStyle_ == DrawStyle::Dash)
        p.setDashPattern({6, 3});
    else if (drawWidth_ == 1 && drawStyle_ == DrawStyle::Dot)
        p.setDashPattern({1, 2});
    return p;
}

QPainter &Canvas::painter()
{
    ensureImage();
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, smooth_);
    }
    return *painter_;
}

void Canvas::finishPainting() const { painter_.reset(); }

void Canvas::markDirty(const QRectF &pixels)
{
    const int margin = drawWidth_ + 2;
    const QRect area = pixels.toAlignedRect().adjusted(-margin, -margin, margin, margin).intersected(QRect(QPoint(), size_));
    touched_ |= area;
    if (dirty_)
        dirty_(area);
}

bool Canvas::repeatsLastCircle(const QPointF &centre, double r, const QColor &color) const
{
    return lastCircle_ && !smooth_ && lastCircle_->centre == centre && lastCircle_->r == r
           && lastCircle_->width == drawWidth_ && lastCircle_->style == drawStyle_ && lastCircle_->colour == color.rgba()
           && !touched_.intersects(lastCircle_->reach);
}

void Canvas::line(double x1, double y1, double x2, double y2, const QColor &color)
{
    QLineF l(toPixel(x1, y1), toPixel(x2, y2));
    const double margin = drawWidth_ + 2;
    if (!clipLine(l, QRectF(QPointF(), size_).adjusted(-margin, -margin, margin, margin)))
        return;
    QPainter &p = painter();
    p.setPen(pen(color));
    p.drawLine(l);
    markDirty(QRectF(l.p1(), l.p2()).normalized());
}

void Canvas::box(double x1, double y1, double x2, double y2, const QColor &color)
{
    line(x1, y1, x2, y1, color);
    line(x2, y1, x2, y2, color);
    line(x2, y2, x1, y2, color);
    line(x1, y2, x1, y1, color);
}

void Canvas::circle(double cx, double cy, double radius, const QColor &color)
{
    const QPointF centre = toPixel(cx, cy);
    const double r = std::fabs(radius) * pixelsPerUnitX();
    if (!finitePoint(centre) || !std::isfinite(r) || r > kFarAway)
        return;
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    if (!bounds.adjusted(-drawWidth_, -drawWidth_, drawWidth_, drawWidth_).intersects(QRectF(QPointF(), size_)))
        return;
    if (repeatsLastCircle(centre, r, color))
        return;
    QPainter &p = painter();
    p.setPen(pen(color));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
    markDirty(bounds);
    const int reach = drawWidth_ + 2;
    lastCircle_ = Circle{centre, r, drawWidth_, drawStyle_, color.rgba(),
                         bounds.toAlignedRect().adjusted(-reach, -reach, reach, reach)};
    touched_ = QRect();
}

void Canvas::point(double x, double y, const QColor &color)
{
    const QPointF p = toPixel(x, y);
    const QRectF area(QPointF(), size_);
    if (!finitePoint(p) || !area.adjusted(-drawWidth_, -drawWidth_, drawWidth_, drawWidth_).contains(p))
        return;
    const double half = drawWidth_ / 2.0;
    painter().fillRect(QRectF(p.x() - half, p.y() - half, drawWidth_, drawWidth_), color);
    markDirty(QRectF(p, p));
}

void Canvas::print(const QString &text)
{
    const QPointF p = toPixel(current_.x(), current_.y());
    if (!finitePoint(p) || std::fabs(p.x()) > kFarAway || std::fabs(p.y()) > kFarAway)
        return;
    QPainter &painter = this->painter();
    QFont textFont = font_;
    if (!smooth_)
        textFont.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(textFont);
    painter.setPen(foreColor_);
    const QFontMetricsF metrics(font_);
    painter.drawText(QPointF(p.x(), p.y() + metrics.ascent()), text);
    markDirty(QRectF(p, QSizeF(metrics.horizontalAdvance(text), metrics.height())));
}

} // namespace vendral
