// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <vector>

namespace vendral {

class PictureBox;

// A marker lying on the sea chart (ship or island). Its position is its
// top-left corner (Left, Top) in chart units, kept in single precision
// exactly as given; it follows the chart's scale. It paints its picture, if
// it has one, or else its background colour. Where the picture shows the
// chart's own blue (palette::kChartBlue), the marker is clear: the chart and the
// controls below it show through, while the marker still takes the pointer
// over its whole box. It takes the focus, and the arrow keys ask to move it
// by 1 sm. It is drawn at its design size times a magnification, a picture
// smoothly at any magnification and pixel ratio.
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
    // The picture's size becomes the design size; see above for its blue.
    void setPicture(const QImage &picture);

    // The marker's size on the design's chart, in pixels.
    void setDesignSize(const QSize &size);
    void setMagnification(double magnification);
    // A control lying on the marker, given by its place at the design size:
    // it keeps its size, and its middle stays on the same spot of the marker
    // at any magnification.
    void holdControl(QWidget *control, const QRect &designPlace);

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
    void resizeToMagnification();
    void placeControl(QWidget *control, const QRect &designPlace);
    // The picture at the marker's size in device pixels, made when that
    // size changes, not at every paint.
    const QImage &shownPicture();

    struct HeldControl
    {
        QWidget *control;
        QRect designPlace;
    };

    PictureBox *chart_;
    float left_ = 0;
    float top_ = 0;
    QColor backColor_{Qt::white};
    QImage picture_;
    QImage shown_;
    QSize designSize_;
    double magnification_ = 1;
    std::vector<HeldControl> controls_;
};

} // namespace vendral
