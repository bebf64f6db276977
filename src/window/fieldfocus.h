// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

namespace vendral {

// Read-only text fields show the start of their text: the keyboard passes
// through them on its way round the window, and a field entered with Tab
// would otherwise show the last digits of a long number and keep showing
// them after the focus has gone. Writes are seen to by `write`.
class ReadOnlyFields : public QObject
{
    Q_OBJECT

public:
    // Serves every read-only text field inside `window` at the time of the
    // call.
    explicit ReadOnlyFields(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vendral
