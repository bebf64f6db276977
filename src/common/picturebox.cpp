#include "common/picturebox.h"

#include "common/clipping.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <cstring>

namespace vendral {
namespace {

// Drawings whose extent in pixels exceeds this are not on any screen.
constexpr double kFarAway = 1.0e6;

quint64 nextRevision()
{
    static quint64 counter = 0;
    return ++counter;
}

bool finitePoint(const QPointF &p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureBox::~PictureBox() = default;

const QImage &PictureBox::image() const
{
    // Whoever takes a copy must not see later drawings in it.
    finishPainting();
    return image_;
}

void PictureBox::setBackColor(const QColor &color)
{
    backColor_ = color;
    update();
}

void PictureBox::setBorder(bool on)
{
    border_ = on ? 2 : 0;
    setContentsMargins(border_, border_, border_, border_);
    replaceChildren();
    update();
}

void PictureBox::setScale(double left, double top, double right, double bottom)
{
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleRight_ = right;
    scaleBottom_ = bottom;
    userScale_ = true;
    replaceChildren();
}

QRect PictureBox::drawingArea() const
{
    return rect().adjusted(border_, border_, -border_, -border_);
}

QPointF PictureBox::toPixel(double x, double y) const
{
    const QRect area = drawingArea();
    if (!userScale_)
        return QPointF(area.left() + x, area.top() + y);
    return QPointF(area.left() + (x - scaleLeft_) * area.width() / (scaleRight_ - scaleLeft_),
                   area.top() + (y - scaleTop_) * area.height() / (scaleBottom_ - scaleTop_));
}

QPointF PictureBox::toUser(const QPointF &widgetPos) const
{
    const QRect area = drawingArea();
    const QPointF p = widgetPos - area.topLeft();
    if (!userScale_ || area.width() <= 0 || area.height() <= 0)
        return p;
    return QPointF(scaleLeft_ + p.x() * (scaleRight_ - scaleLeft_) / area.width(),
                   scaleTop_ + p.y() * (scaleBottom_ - scaleTop_) / area.height());
}

double PictureBox::pixelsPerUnitX() const
{
    if (!userScale_)
        return 1.0;
    return std::fabs(drawingArea().width() / (scaleRight_ - scaleLeft_));
}

void PictureBox::setDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }

void PictureBox::setCurrentPos(double x, double y) { current_ = QPointF(x, y); }

void PictureBox::ensureImage()
{
    const qreal dpr = devicePixelRatioF();
    const QSize size = drawingArea().size().expandedTo(QSize(1, 1)) * dpr;
    if (image_.size() == size && image_.devicePixelRatio() == dpr)
        return;
    finishPainting();
    QImage fresh(size, QImage::Format_RGB32);
    if (image_.isNull()) {
        fresh.fill(backColor_);
    } else {
        // A resized surface keeps what was drawn, scaled to the new size.
        QPainter painter(&fresh);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(), size), image_);
    }
    fresh.setDevicePixelRatio(dpr);
    image_ = fresh;
    changed();
    update();
}

void PictureBox::keepSnapshot(quintptr key)
{
    ensureImage();
    finishPainting(); // the next drawing must not write into the snapshot
    snapshot_ = image_;
    snapshotKey_ = key;
}

bool PictureBox::snapshotFits(quintptr key) const
{
    return snapshotKey_ == key && snapshot_.size() == image_.size()
           && snapshot_.devicePixelRatio() == image_.devicePixelRatio();
}

bool PictureBox::restoreSnapshot(quintptr key)
{
    ensureImage();
    if (!snapshotFits(key))
        return false;
    finishPainting();
    image_ = snapshot_;
    markDirty(QRectF(QPointF(), drawingArea().size()));
    return true;
}

bool PictureBox::restoreSnapshot(quintptr key, const QRectF &area)
{
    ensureImage();
    if (!snapshotFits(key))
        return false;
    const qreal dpr = image_.devicePixelRatio();
    const QRect pixels = QRectF(area.topLeft() * dpr, area.size() * dpr).toAlignedRect().intersected(image_.rect());
    if (pixels.isEmpty())
        return true;
    finishPainting();
    const int bytes = pixels.width() * 4;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        std::memcpy(image_.scanLine(y) + pixels.left() * 4, snapshot_.constScanLine(y) + pixels.left() * 4, bytes);
    markDirty(QRectF(pixels.topLeft() / dpr, pixels.size() / dpr));
    return true;
}

void PictureBox::setPicture(const QImage &picture)
{
    picture_ = picture;
    clear();
}

void PictureBox::clear()
{
    ensureImage();
    finishPainting();
    image_.fill(backColor_);
    if (!picture_.isNull()) {
        QPainter painter(&image_);
        painter.drawImage(QPoint(), picture_);
    }
    markDirty(QRectF(QPointF(), drawingArea().size()));
}

QPen PictureBox::pen(const QColor &color) const
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

QPainter &PictureBox::painter()
{
    ensureImage();
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, smooth_);
    }
    return *painter_;
}

void PictureBox::finishPainting() const { painter_.reset(); }

void PictureBox::changed() { revision_ = nextRevision(); }

void PictureBox::markDirty(const QRectF &pixels)
{
    changed();
    const int margin = drawWidth_ + 2;
    const QRect widgetRect = pixels.translated(drawingArea().topLeft())
                                 .toAlignedRect()
                                 .adjusted(-margin, -margin, margin, margin)
                                 .intersected(rect());
    if (widgetRect.isEmpty() || requested_.contains(widgetRect))
        return;
    requested_ |= widgetRect;
    update(requested_);
}

void PictureBox::line(double x1, double y1, double x2, double y2, const QColor &color)
{
    ensureImage();
    const QPointF origin = drawingArea().topLeft();
    QLineF l(toPixel(x1, y1) - origin, toPixel(x2, y2) - origin);
    const double margin = drawWidth_ + 2;
    const QRectF area = QRectF(QPointF(), drawingArea().size()).adjusted(-margin, -margin, margin, margin);
    if (!clipLine(l, area))
        return;
    QPainter &painter = this->painter();
    painter.setPen(pen(color));
    painter.drawLine(l);
    markDirty(QRectF(l.p1(), l.p2()).normalized());
}

void PictureBox::box(double x1, double y1, double x2, double y2, const QColor &color)
{
    line(x1, y1, x2, y1, color);
    line(x2, y1, x2, y2, color);
    line(x2, y2, x1, y2, color);
    line(x1, y2, x1, y1, color);
}

void PictureBox::circle(double cx, double cy, double radius, const QColor &color)
{
    ensureImage();
    const QPointF centre = toPixel(cx, cy) - drawingArea().topLeft();
    const double r = std::fabs(radius) * pixelsPerUnitX();
    if (!finitePoint(centre) || !std::isfinite(r) || r > kFarAway)
        return;
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    if (!bounds.adjusted(-drawWidth_, -drawWidth_, drawWidth_, drawWidth_)
             .intersects(QRectF(QPointF(), drawingArea().size())))
        return;
    const QRectF reach = bounds.adjusted(-drawWidth_, -drawWidth_, drawWidth_, drawWidth_);
    if (!smooth_ && image_.devicePixelRatio() == 1.0 && QRectF(image_.rect()).contains(reach))
        stampCircle(centre, r, color);
    else {
        QPainter &painter = this->painter();
        painter.setPen(pen(color));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, r, r);
    }
    markDirty(bounds);
}

// A crisp circle drawn again and again at one place (the arrival circle after
// every step) is rendered once into a stamp and then stamped. Moved by whole
// pixels, the rasteriser lays down the same pixels, all of them opaque, so the
// stamp gives exactly what drawing the circle gives. Only circles wholly on
// the surface are stamped: the surface's edge changes how dashes are cut.
void PictureBox::stampCircle(const QPointF &centre, double r, const QColor &color)
{
    const QPoint whole(static_cast<int>(std::floor(centre.x())), static_cast<int>(std::floor(centre.y())));
    const QPointF fraction = centre - whole;
    CircleStamp &s = stamp_;
    if (s.image.isNull() || s.radius != r || s.fraction != fraction || s.width != drawWidth_
        || s.style != drawStyle_ || s.colour != color.rgba()) {
        s.margin = static_cast<int>(std::ceil(r)) + drawWidth_ + 2;
        s.image = QImage(2 * s.margin + 1, 2 * s.margin + 1, QImage::Format_ARGB32_Premultiplied);
        s.image.fill(Qt::transparent);
        QPainter stamp(&s.image);
        stamp.setPen(pen(color));
        stamp.setBrush(Qt::NoBrush);
        stamp.drawEllipse(QPointF(s.margin, s.margin) + fraction, r, r);
        s.radius = r;
        s.fraction = fraction;
        s.width = drawWidth_;
        s.style = drawStyle_;
        s.colour = color.rgba();
    }
    QPainter &painter = this->painter();
    painter.drawImage(whole - QPoint(s.margin, s.margin), s.image);
}

void PictureBox::point(double x, double y, const QColor &color)
{
    ensureImage();
    const QPointF p = toPixel(x, y) - drawingArea().topLeft();
    const QRectF area(QPointF(), drawingArea().size());
    if (!finitePoint(p) || !area.adjusted(-drawWidth_, -drawWidth_, drawWidth_, drawWidth_).contains(p))
        return;
    QPainter &painter = this->painter();
    const double half = drawWidth_ / 2.0;
    painter.fillRect(QRectF(p.x() - half, p.y() - half, drawWidth_, drawWidth_), color);
    markDirty(QRectF(p, p));
}

void PictureBox::print(const QString &text)
{
    ensureImage();
    const QPointF p = toPixel(current_.x(), current_.y()) - drawingArea().topLeft();
    if (!finitePoint(p) || std::fabs(p.x()) > kFarAway || std::fabs(p.y()) > kFarAway)
        return;
    QPainter &painter = this->painter();
    QFont textFont = font();
    if (!smooth_)
        textFont.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(textFont);
    painter.setPen(foreColor_);
    const QFontMetricsF metrics(font());
    painter.drawText(QPointF(p.x(), p.y() + metrics.ascent()), text);
    markDirty(QRectF(p, QSizeF(metrics.horizontalAdvance(text), metrics.height())));
}

void PictureBox::place(QWidget *child, float left, float top)
{
    placements_.insert(child, Placement{child, left, top});
    const QPointF p = toPixel(left, top);
    const QPoint target(pixelCoordinate(p.x()), pixelCoordinate(p.y()));
    // Moving a widget to where it stands still costs a repaint bookkeeping;
    // a marker is placed at every step but moves only now and then.
    if (child->pos() != target)
        child->move(target);
}

void PictureBox::placePixels(QWidget *child, int x, int y)
{
    placements_.remove(child);
    child->move(drawingArea().left() + x, drawingArea().top() + y);
}

float PictureBox::childLeft(const QWidget *child) const
{
    const auto it = placements_.constFind(child);
    return it == placements_.cend() ? static_cast<float>(toUser(child->pos()).x()) : it->left;
}

float PictureBox::childTop(const QWidget *child) const
{
    const auto it = placements_.constFind(child);
    return it == placements_.cend() ? static_cast<float>(toUser(child->pos()).y()) : it->top;
}

void PictureBox::replaceChildren()
{
    for (auto it = placements_.begin(); it != placements_.end();) {
        if (!it->widget) {
            it = placements_.erase(it);
            continue;
        }
        const QPointF p = toPixel(it->left, it->top);
        it->widget->move(pixelCoordinate(p.x()), pixelCoordinate(p.y()));
        ++it;
    }
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    ensureImage();
    finishPainting();
    requested_ = QRect();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(drawingArea().topLeft(), image_);
    if (border_ > 0) {
        const QRect r = rect();
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        const QRect inner = r.adjusted(1, 1, -1, -1);
        painter.setPen(QColor(64, 64, 64));
        painter.drawLine(inner.topLeft(), inner.topRight());
        painter.drawLine(inner.topLeft(), inner.bottomLeft());
        painter.setPen(QColor(212, 208, 200));
        painter.drawLine(inner.bottomLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomRight());
    }
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!image_.isNull())
        ensureImage();
    replaceChildren();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(toUser(event->position()), event->button());
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(toUser(event->position()), event->buttons());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(toUser(event->position()), event->button());
}

} // namespace vendral
