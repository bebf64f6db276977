#include "window/scrollbars.h"

#include "common/fields.h"
#include "common/form.h"
#include "common/numbers.h"

#include <QScrollBar>

#include <algorithm>

namespace vendral {
namespace {

bool negated(const QScrollBar *bar) { return bar->orientation() == Qt::Vertical; }

} // namespace

int scrollValue(const QScrollBar *bar) { return negated(bar) ? -bar->value() : bar->value(); }

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

void speedChanged(Form &form) { write(form.txtFahrtv, toText(scrollValue(form.hscfahrtv))); }

void timeStepChanged(Form &form) { write(form.txtdt, wholeText(scrollValue(form.hscdt))); }

void delayChanged(Form &form) { write(form.txtVerz, wholeText(scrollValue(form.hscverz))); }

} // namespace vendral
