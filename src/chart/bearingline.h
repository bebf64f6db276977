// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design/palette.h"

#include <QColor>
#include <QLineF>
#include <QWidget>

namespace vendral {

class PictureBox;

// The bearing line: a line control lying on the chart between two points in
// chart units. It is a control, not a drawing, so clearing the chart leaves it;
// it lets every mouse event through to what lies below it.
class BearingLine : public QWidget
{
    Q_OBJECT

public:
    explicit BearingLine(PictureBox *chart);

    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    // End points in chart units, single precision like the markers' corners.
    void setLine(float x1, float y1, float x2, float y2);

    static QColor colour() { return QColor(palette::kBearingLine.red, palette::kBearingLine.green, palette::kBearingLine.blue); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void relocate();

    PictureBox *chart_;
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QLineF local_;
    bool visibleLine_ = false;
};

} // namespace vendral
