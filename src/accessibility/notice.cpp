// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility/notice.h"

namespace vendral {

Notice::Notice(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("notice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
}

void Notice::say(const QString &message)
{
    setAccessibleName(message);
    // The screen reader speaks a notification as it comes into view.
    hide();
    show();
}

} // namespace vendral
