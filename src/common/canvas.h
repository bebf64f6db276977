// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing/surface.h"
#include "drawing/userscale.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>

class QPainter;
class QPen;

namespace vendral {

// A surface painted into a retained image with a user coordinate scale: what
// is drawn stays until clear(). Drawings are cut to the canvas. Sizes and
// positions are in logical pixels; the image has the device pixel ratio given.
class Canvas final : public Surface
{
public:
    using DrawStyle = vendral::DrawStyle;

    Canvas();
    explicit Canvas(const QSize &size, qreal devicePixelRatio = 1.0);
    Canvas(const Canvas &other);
    Canvas &operator=(const Canvas &other);
    ~Canvas();

    // A resized canvas keeps what was drawn, scaled to the new size.
    void resize(const QSize &size, qreal devicePixelRatio);
    QSize size() const { return size_; }
    qreal devicePixelRatio() const { return dpr_; }

    void setBackColor(const QColor &color) { backColor_ = color; }
    QColor backColor() const { return backColor_; }
    // Antialiased drawing, for the dials; the chart draws crisp pixels.
    void setSmooth(bool on) { smooth_ = on; }
    void setFont(const QFont &font) { font_ = font; }

    void setScale(const UserScale &scale) { scale_ = scale; }
    const UserScale &scale() const { return scale_; }
    QPointF toPixel(double x, double y) const;
    double pixelsPerUnitX() const { return scale_.pixelsPerUnitX(area()); }

    void clear();
    void line(double x1, double y1, double x2, double y2, Rgb colour) override;
    void circle(double cx, double cy, double radius, Rgb colour) override;
    void point(double x, double y, Rgb colour) override;
    void print(std::string_view text) override;

    const QImage &image() const;

    // Told of every area that a drawing changed, in logical pixels with a
    // margin for the pen; a widget showing the canvas repaints just that.
    // The handler belongs to this canvas alone: copies do not carry it.
    void setDirtyHandler(std::function<void(const QRect &)> handler) { dirty_ = std::move(handler); }

private:
    Size area() const { return {double(size_.width()), double(size_.height())}; }
    void ensureImage();
    QPen pen(Rgb colour) const;
    // One painter stays open across consecutive drawings (a current field is
    // some 700 of them); whatever reads or replaces the image ends it first.
    QPainter &painter();
    void finishPainting() const;
    void markDirty(const QRectF &pixels);
    bool repeatsLastCircle(const QPointF &centre, double r, Rgb colour) const;

    // The continuous run draws the same crisp circle after every step. Drawn
    // again over pixels that nothing has touched since, it would change
    // none of them, so it is left out; `touched_` is what was drawn since.
    struct Circle
    {
        QPointF centre;
        double r = 0;
        int width = 0;
        DrawStyle style = DrawStyle::Solid;
        Rgb colour;
        QRect reach;
    };
    std::optional<Circle> lastCircle_;
    QRect touched_;

    QSize size_{1, 1};
    qreal dpr_ = 1.0;
    QColor backColor_{Qt::white};
    bool smooth_ = false;
    QFont font_;
    UserScale scale_;
    QImage image_;
    mutable std::unique_ptr<QPainter> painter_;
    std::function<void(const QRect &)> dirty_;
};

} // namespace vendral
