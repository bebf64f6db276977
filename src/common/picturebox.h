// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/canvas.h"

#include <QWidget>

namespace vendral {

// A picture box: shows a retained canvas inside a sunken border and repaints
// only what a drawing changed; while it has the focus, a dotted frame shows
// inside the border. Its children are placed either in pixels of
// the drawing area or, through scaleChanged(), in the canvas's user units.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // The canvas, sized to the drawing area as it stands (a hidden widget
    // gets no resize events).
    Canvas &canvas();
    const Canvas &canvas() const { return canvas_; }

    void setBackColor(const QColor &color);
    void setBorder(bool on);
    // User coordinates of the drawing area's top-left and bottom-right corners.
    void setScale(double left, double top, double right, double bottom);

    QRect drawingArea() const;
    QPointF toPixel(double x, double y) const; // widget pixels
    QPointF toUser(const QPointF &widgetPos) const;
    // Moves `child` to a position in pixels of the drawing area.
    void placePixels(QWidget *child, int x, int y);

signals:
    // The user scale or the drawing area changed: children placed in user
    // units must move.
    void scaleChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void fitCanvas();
    void repaintArea(const QRect &canvasPixels);

    Canvas canvas_;
    int border_ = 0;
    QRect requested_; // handed to update() since the last paint
};

} // namespace vendral
