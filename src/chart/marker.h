#pragma once

#include "common/picturebox.h"

namespace vendral {

// A marker on the sea chart (ship or island). Its position is its top-left
// corner (Left, Top) in chart units, held in single precision by the chart.
class Marker : public PictureBox
{
    Q_OBJECT
    Q_PROPERTY(float left READ left WRITE setLeft)
    Q_PROPERTY(float top READ top WRITE setTop)

public:
    explicit Marker(QWidget *parent = nullptr);

    float left() const;
    float top() const;
    void setLeft(float left);
    void setTop(float top);
    void moveTo(float left, float top);

private:
    PictureBox *chart() const;
    float left_ = 0;
    float top_ = 0;
};

} // namespace vendral
