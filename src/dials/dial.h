// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/canvas.h"
#include "drawing/userscale.h"
#include "drawing/dialface.h"

#include <QWidget>

#include <optional>

namespace vendral {

// A compass dial: a face, drawn once per size and pixel ratio, with a pointer
// painted from the stored direction. Mouse positions arrive in dial
// coordinates (origin at the centre, x east, y north). The dial takes the
// focus with Tab and with a click; keys ask for a turn by whole degrees.
class Dial : public QWidget
{
    Q_OBJECT

public:
    explicit Dial(QWidget *parent = nullptr);

    void setBackColor(const QColor &color);
    // User coordinates of the drawing area's top-left and bottom-right corners.
    void setScale(double left, double top, double right, double bottom);
    // Until a face is set the dial is blank.
    void setFace(const DialFace &face);

    // The pointer's unit vector, x east and y north, and the angle that the
    // direction fields show for it; the dial shows no pointer until the first
    // one is set. Assistive technology hears that angle.
    void setDirection(double ux, double uy, int degrees);
    bool hasDirection() const { return direction_.has_value(); }
    QPointF direction() const { return direction_.value_or(QPointF()); }
    int degrees() const { return degrees_; }
    // Asks for the direction that the fields show as `degrees`, as the keys do.
    void turnTo(int degrees);

    QRect drawingArea() const;
    QPointF toPixel(double x, double y) const; // widget pixels
    QPointF toUser(const QPointF &widgetPos) const;

signals:
    void mousePressed(QPointF user, Qt::MouseButton button);
    void mouseMoved(QPointF user, Qt::MouseButtons buttons);
    void mouseReleased(QPointF user, Qt::MouseButton button);
    // A key asks for a direction that the fields show as a whole degree, one
    // or ten from the angle they show now.
    void turnRequested(QPointF direction);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const Canvas &face();

    QColor backColor_{Qt::white};
    UserScale scale_;
    std::optional<DialFace> faceStyle_;
    Canvas face_;
    bool faceDrawn_ = false;
    std::optional<QPointF> direction_;
    int degrees_ = 0;
};

} // namespace vendral
