// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/scrollbars.h"

#include <QKeyEvent>

#include <algorithm>

namespace vendral {
namespace {

bool negated(const QScrollBar *bar) { return bar->orientation() == Qt::Vertical; }

} // namespace

ParameterBar::ParameterBar(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{
}

void ParameterBar::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key != Qt::Key_Left && key != Qt::Key_Right) || event->modifiers() != Qt::NoModifier) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    // A horizontal bar is mirrored in a right-to-left layout.
    const bool towardStart = (key == Qt::Key_Left) != (orientation() == Qt::Horizontal && isRightToLeft());
    triggerAction(towardStart ? SliderSingleStepSub : SliderSingleStepAdd);
    event->accept();
}

int scrollValue(const QScrollBar *bar) { return scrollValue(bar, bar->value()); }

int scrollValue(const QScrollBar *bar, int raw) { return negated(bar) ? -raw : raw; }

void setScrollValue(QScrollBar *bar, int value) { bar->setValue(negated(bar) ? -value : value); }

void setupScrollBar(QScrollBar *bar, int first, int last, int value)
{
    if (negated(bar))
        bar->setRange(-std::max(first, last), -std::min(first, last));
    else
        bar->setRange(first, last);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // The fields change only when a dragged thumb is released.
    bar->setTracking(false);
    setScrollValue(bar, value);
}

} // namespace vendral
