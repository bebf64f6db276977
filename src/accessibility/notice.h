// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace vendral {

// An invisible spot in a window through which the program speaks to a
// screen reader: its accessible role is a notification, and each message
// shows it anew, which Orca reads aloud wherever the focus is. (Qt 6.4
// sends a changed name or description over AT-SPI without the new text, so
// Orca cannot speak those; announcement events came only with Qt 6.8.)
class Notice : public QWidget
{
    Q_OBJECT

public:
    explicit Notice(QWidget *window);

    void say(const QString &message);
};

} // namespace vendral
