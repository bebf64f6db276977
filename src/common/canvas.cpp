// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/canvas.h"

#include "drawing/clipping.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace vendral {
namespace {

QColor qColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

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
    Surface::operator=(other);
    finishPainting();
    other.finishPainting();
    size_ = other.size_;
    dpr_ = other.dpr_;
    backColor_ = other.backColor_;
    smooth_ = other.smooth_;
    font_ = other.font_;
    scale_ = other.scale_;
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

QPointF Canvas::toPixel(double x, double y) const
{
    const Point p = scale_.toPixel(area(), x, y);
    return QPointF(p.x, p.y);
}

QPen Canvas::pen(Rgb colour) const
{
    QPen p(qColor(colour), drawWidth());
    p.setCapStyle(Qt::FlatCap);
    // A line wider than one pixel is always solid.
    if (drawWidth() == 1 && drawStyle() == DrawStyle::Dash)
        p.setDashPattern({6, 3});
    else if (drawWidth() == 1 && drawStyle() == DrawStyle::Dot)
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
    const int margin = drawWidth() + 2;
    const QRect area = pixels.toAlignedRect().adjusted(-margin, -margin, margin, margin).intersected(QRect(QPoint(), size_));
    touched_ |= area;
    if (dirty_)
        dirty_(area);
}

bool Canvas::repeatsLastCircle(const QPointF &centre, double r, Rgb colour) const
{
    return lastCircle_ && !smooth_ && lastCircle_->centre == centre && lastCircle_->r == r
           && lastCircle_->width == drawWidth() && lastCircle_->style == drawStyle() && lastCircle_->colour == colour
           && !touched_.intersects(lastCircle_->reach);
}

void Canvas::line(double x1, double y1, double x2, double y2, Rgb colour)
{
    Segment l{scale_.toPixel(area(), x1, y1), scale_.toPixel(area(), x2, y2)};
    const double margin = drawWidth() + 2;
    if (!clipLine(l, Area{-margin, -margin, size_.width() + margin, size_.height() + margin}))
        return;
    const QPointF from(l.from.x, l.from.y), to(l.to.x, l.to.y);
    QPainter &p = painter();
    p.setPen(pen(colour));
    p.drawLine(from, to);
    markDirty(QRectF(from, to).normalized());
}

void Canvas::circle(double cx, double cy, double radius, Rgb colour)
{
    const QPointF centre = toPixel(cx, cy);
    const double r = std::fabs(radius) * pixelsPerUnitX();
    if (!finitePoint(centre) || !std::isfinite(r) || r > kFarAway)
        return;
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    const int width = drawWidth();
    if (!bounds.adjusted(-width, -width, width, width).intersects(QRectF(QPointF(), size_)))
        return;
    if (repeatsLastCircle(centre, r, colour))
        return;
    QPainter &p = painter();
    p.setPen(pen(colour));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
    markDirty(bounds);
    const int reach = width + 2;
    lastCircle_ = Circle{centre, r, width, drawStyle(), colour,
                         bounds.toAlignedRect().adjusted(-reach, -reach, reach, reach)};
    touched_ = QRect();
}

void Canvas::point(double x, double y, Rgb colour)
{
    const QPointF p = toPixel(x, y);
    const int width = drawWidth();
    if (!finitePoint(p) || !QRectF(QPointF(), size_).adjusted(-width, -width, width, width).contains(p))
        return;
    const double half = width / 2.0;
    painter().fillRect(QRectF(p.x() - half, p.y() - half, width, width), qColor(colour));
    markDirty(QRectF(p, p));
}

void Canvas::print(std::string_view utf8)
{
    const QPointF p = toPixel(currentPos().x, currentPos().y);
    if (!finitePoint(p) || std::fabs(p.x()) > kFarAway || std::fabs(p.y()) > kFarAway)
        return;
    QPainter &painter = this->painter();
    QFont textFont = font_;
    if (!smooth_)
        textFont.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(textFont);
    painter.setPen(qColor(foreColor()));
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    const QFontMetricsF metrics(font_);
    painter.drawText(QPointF(p.x(), p.y() + metrics.ascent()), text);
    markDirty(QRectF(p, QSizeF(metrics.horizontalAdvance(text), metrics.height())));
}

} // namespace vendral
