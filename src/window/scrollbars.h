#pragma once

class QScrollBar;

namespace vendral {

struct Form;

// A vertical parameter bar has its largest value at the top. It is built on a
// negated range (-10 .. 0) so that the upper arrow, the track above the thumb,
// the Up key and the wheel all raise the value; scrollValue() gives the value
// the user sees.
int scrollValue(const QScrollBar *bar);
void setScrollValue(QScrollBar *bar, int value);
// Configures a bar by its design values; for a vertical bar `top` > `bottom`.
void setupScrollBar(QScrollBar *bar, int first, int last, int value);

// Change handlers: each copies the committed value into its field.
void speedChanged(Form &form);
void timeStepChanged(Form &form);
void delayChanged(Form &form);

} // namespace vendral
