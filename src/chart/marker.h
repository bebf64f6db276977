// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

namespace vendral {

class PictureBox;

// A marker lying on the sea chart (ship or island). Its position is its
// top-left corner (Left, Top) in chart units, kept in single precision
// exactly as given; it follows the chart's scale. It paints its picture, if
// it has one, or else its background colour. Where the picture shows the
// chart's own blue, RGB(0, 0, 255), the marker is clear: the chart and the
// controls below it show through, while the marker still takes the pointer
// over its whole box. It takes the focus, and the arrow keys ask to move it
// by 1 sm.
class Marker : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float left READ left WRITE setLeft)
    Q_PROPERTY(float top READ top WRITE setTop)

public:
    explicit Marker(PictureBox *chart);

    float left() const { return left_; }
    float top() const { return top_; }
    void setLeft(float left);
    void setTop(float top);
    void moveTo(float left, float top);

    void setBackColor(const QColor &color);
    QColor backColor() const { return backColor_; }
    // The marker takes the picture's size; see above for its blue.
    void setPicture(const QImage &picture);

signals:
    // A key asks for the marker's top-left corner at `corner`, in chart units.
    void moveRequested(QPointF corner);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A dotted frame round the marker while it has the focus.
    void paintFocus(QPainter &painter) const;

private:
    void relocate();

    PictureBox *chart_;
    float left_ = 0;
    float top_ = 0;
    QColor backColor_{Qt::white};
    QImage picture_;
};

} // namespace vendral
