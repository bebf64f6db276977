// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/buttonkeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace vendral {

ButtonKeys::ButtonKeys(QWidget *window)
    : QObject(window)
{
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        button->installEventFilter(this);
}

bool ButtonKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto *button = static_cast<QAbstractButton *>(watched);
    // The click may run a whole voyage and close the window: nothing of this
    // object is touched after it.
    if (!key->isAutoRepeat() && button->isEnabled())
        button->click();
    return true;
}

} // namespace vendral
