#include "chart/marker.h"

namespace vendral {

Marker::Marker(QWidget *parent)
    : PictureBox(parent)
{
}

PictureBox *Marker::chart() const { return qobject_cast<PictureBox *>(parentWidget()); }

float Marker::left() const { return left_; }

float Marker::top() const { return top_; }

void Marker::setLeft(float left) { moveTo(left, top_); }

void Marker::setTop(float top) { moveTo(left_, top); }

void Marker::moveTo(float left, float top)
{
    left_ = left;
    top_ = top;
    if (PictureBox *box = chart())
        box->place(this, left, top);
}

} // namespace vendral
