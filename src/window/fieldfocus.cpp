// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/readonlyfields.h"

#include "window/fields.h"

#include <QEvent>
#include <QLineEdit>

namespace vendral {

ReadOnlyFields::ReadOnlyFields(QWidget *window)
    : QObject(window)
{
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        if (field->isReadOnly())
            field->installEventFilter(this);
}

bool ReadOnlyFields::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    auto *field = static_cast<QLineEdit *>(watched);
    // The field's own handling comes first: entered with Tab, it selects its
    // whole text with the cursor at the end.
    field->event(event);
    showStart(field);
    return true;
}

} // namespace vendral
