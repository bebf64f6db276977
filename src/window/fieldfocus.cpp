// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/fieldfocus.h"

#include "accessibility/accessibleupdates.h"
#include "form/fields.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace vendral {

FieldFocus::FieldFocus(QWidget *window, AccessibleUpdates *updates)
    : QObject(window)
    , updates_(updates)
{
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        field->installEventFilter(this);
}

bool FieldFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    // A field that is being destroyed loses the focus when it is no longer
    // a line edit; it is left to what remains of it.
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field)
        return false;
    const auto reason = static_cast<QFocusEvent *>(event)->reason();
    if (updates_)
        updates_->quiet(field);
    if (field->isReadOnly() && event->type() == QEvent::FocusIn
        && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
        field->deselect();
        field->setCursorPosition(0);
        QFocusEvent entered(QEvent::FocusIn, Qt::OtherFocusReason);
        field->event(&entered);
    } else {
        field->event(event);
        if (field->isReadOnly())
            showStart(field);
    }
    if (updates_)
        updates_->quiet(nullptr);
    return true;
}

} // namespace vendral
