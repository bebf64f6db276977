// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/userscale.h"
#include "simulation/pen.h"

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

// A retained drawing with a user coordinate scale: what is drawn stays until
// clear(). The pen state (draw width in pixels, draw style, foreground colour,
// current text position) is shared by all drawings and stays as the last
// caller left it. Drawings are cut to the canvas, so end points may lie
// arbitrarily far away. Sizes and positions are in logical pixels; the image
// has the device pixel ratio given.
class Canvas
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
    QPointF toPixel(double x, double y) const { return scale_.toPixel(size_, x, y); }
    QPointF toUser(const QPointF &pixel) const { return scale_.toUser(size_, pixel); }
    double pixelsPerUnitX() const { return scale_.pixelsPerUnitX(size_); }

    void setDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }
    int drawWidth() const { return drawWidth_; }
    void setDrawStyle(DrawStyle style) { drawStyle_ = style; }
    DrawStyle drawStyle() const { return drawStyle_; }
    void setForeColor(const QColor &color) { foreColor_ = color; }
    QColor foreColor() const { return foreColor_; }
    void setCurrentPos(double x, double y) { current_ = QPointF(x, y); }

    void clear();
    void line(double x1, double y1, double x2, double y2, const QColor &color);
    void box(double x1, double y1, double x2, double y2, const QColor &color);
    void circle(double cx, double cy, double radius, const QColor &color);
    void point(double x, double y, const QColor &color);
    // Text whose top-left corner is the current position, in the fore colour.
    void print(const QString &text);

    const QImage &image() const;

    // Told of every area that a drawing changed, in logical pixels with a
    // margin for the pen; a widget showing the canvas repaints just that.
    // The handler belongs to this canvas alone: copies do not carry it.
    void setDirtyHandler(std::function<void(const QRect &)> handler) { dirty_ = std::move(handler); }

private:
    void ensureImage();
    QPen pen(const QColor &color) const;
    // One painter stays open across consecutive drawings (a current field is
    // some 700 of them); whatever reads or replaces the image ends it first.
    QPainter &painter();
    void finishPainting() const;
    void markDirty(const QRectF &pixels);
    bool repeatsLastCircle(const QPointF &centre, double r, const QColor &color) const;

    // The continuous run draws the same crisp circle after every step. Drawn
    // again over pixels that nothing has touched since, it would change
    // none of them, so it is left out; `touched_` is what was drawn since.
    struct Circle
    {
        QPointF centre;
        double r = 0;
        int width = 0;
        DrawStyle style = DrawStyle::Solid;
        QRgb colour = 0;
        QRect reach;
    };
    std::optional<Circle> lastCircle_;
    QRect touched_;

    QSize size_{1, 1};
    qreal dpr_ = 1.0;
    QColor backColor_{Qt::white};
    QColor foreColor_{Qt::black};
    bool smooth_ = false;
    QFont font_;
    UserScale scale_;
    int drawWidth_ = 1;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    QPointF current_;
    QImage image_;
    mutable std::unique_ptr<QPainter> painter_;
    std::function<void(const QRect &)> dirty_;
};

} // namespace vendral
