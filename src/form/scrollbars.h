// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollBar>

namespace vendral {

// A scroll bar that answers the keys as desktop scroll bars do: Left and Up
// move the thumb toward the left or top end, Right and Down toward the other
// (QScrollBar on its own turns Left and Right round), PageUp and PageDown by a
// page, Home and End to the ends. Every key goes through the change handler
// at once.
class ParameterBar : public QScrollBar
{
    Q_OBJECT

public:
    ParameterBar(Qt::Orientation orientation, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A vertical parameter bar has its largest value at the top. It is built on a
// negated range (-10 .. 0) so that the upper arrow, the track above the thumb,
// the Up key and the wheel all raise the value; scrollValue() gives the value
// the user sees.
int scrollValue(const QScrollBar *bar);
// The value the user sees for the bar's own value `raw`.
int scrollValue(const QScrollBar *bar, int raw);
void setScrollValue(QScrollBar *bar, int value);
// Configures a bar by its design values; for a vertical bar `top` > `bottom`.
void setupScrollBar(QScrollBar *bar, int first, int last, int value);

} // namespace vendral
