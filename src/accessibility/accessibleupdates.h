// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>
#include <map>
#include <tuple>

namespace vendral {

// Stands between the program's widgets and the platform's accessibility
// bridge, for the whole application; Accessibility owns the one instance and
// routes Qt's update handler to it. A run makes thousands of steps a
// second, each rewriting a dozen read-outs, and a screen reader that is
// sent all of that falls minutes behind and stops speaking. So while a run
// lasts, the events of one object and kind are merged into one, and the
// merged ones go out a few at a time every kInterval ms; when the last run
// ends, all that are left go out with the final values. Outside runs every
// event passes at once, but for the caret moves of fields without the focus,
// which the program causes by rewriting them and which tell nobody anything.
class AccessibleUpdates : public QObject
{
    Q_OBJECT

public:
    static constexpr int kInterval = 500;
    // What goes out per interval during a run, counting a text change twice
    // (the bridge sends it as a deletion and an insertion).
    static constexpr int kBudget = 2;

    using Sink = std::function<void(QAccessibleEvent *)>;

    AccessibleUpdates();

    // Hands `event` to the platform's bridge past any update handler.
    static void toBridge(QAccessibleEvent *event);

    // Where the events go; the platform's bridge unless replaced.
    void setSink(Sink sink);

    // A run starts and ends; runs nest.
    void hold();
    void release();
    bool holding() const { return depth_ > 0; }

    // Has a screen reader speak `message`, through a notification in the
    // active window.
    void announce(const QString &message);

    // Every accessibility event of the program passes here.
    void notify(QAccessibleEvent *event);

    // Until called again, the caret moves and selection changes of `object`
    // are not told (nullptr: of none).
    void quiet(QObject *object) { quiet_ = object; }

private:
    using Key = std::tuple<QObject *, int, int>;
    struct Held
    {
        QPointer<QObject> object;
        int child = -1;
        QAccessible::Event type = QAccessible::InvalidEvent;
        QString oldText;
    };

    void send(QAccessibleEvent *event);
    void sendHeld(const Held &held);
    void flush(int budget);

    Sink sink_;
    QObject *quiet_ = nullptr;
    int depth_ = 0;
    std::map<Key, Held> held_;
    std::deque<Key> order_;
    QTimer timer_;
};

} // namespace vendral
