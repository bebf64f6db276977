// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

namespace vendral {

class AccessibleUpdates;

// How the window's text fields take and give up the focus. A read-only field
// shows the start of its text: the keyboard passes through these fields on
// its way round the window, and one entered with Tab would otherwise show
// the last digits of a long number and keep showing them after the focus has
// gone. Entered with Tab it selects nothing, so that a screen reader reads it
// once and whole; an editable field selects its text, to be typed over, as
// usual. What a field's own focus handling does to its caret and selection
// is kept from assistive technology: the focus event that follows tells it
// all, and the two together were read twice. Writes are seen to by `write`.
class FieldFocus : public QObject
{
    Q_OBJECT

public:
    // Serves every text field inside `window` at the time of the call;
    // keeps the caret and selection from `updates`, if any.
    FieldFocus(QWidget *window, AccessibleUpdates *updates);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AccessibleUpdates *updates_;
};

} // namespace vendral
