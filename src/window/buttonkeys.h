// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

namespace vendral {

// Return and Enter press the focused button or tick the focused check box, as
// Space does and as on the desktops the users come from. Held down, they
// press once.
class ButtonKeys : public QObject
{
    Q_OBJECT

public:
    // Serves every button and check box inside `window` at the time of the
    // call.
    explicit ButtonKeys(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vendral
