// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/runrules.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace vendral {

class FormVoyage;

// The continuous run ("Fahrt") in the window's event loop: time steps one
// after another until a stop is requested ("Stop", the edge of the permitted
// area, arrival with the island's box ticked) or the window closes, by the
// rules of RunRules. Pending window events run once per pass, so every other
// handler runs inside the loop, a second "Fahrt" included, which starts a run
// nested in the first.
//
// One engine per window drives all runs and owns the screen refresh. The delay before a
// step lets window events run while it lasts, so that pointer, keys and a
// screen reader are answered at once at every delay; it ends early only when
// the window closes. Steps follow one another far faster than a screen can
// show them, so while any run is on, repaints are let through at most every
// kRefreshInterval ms; one asked for sooner is held back and asked for again
// when the interval is over, so the screen keeps up at every depth and
// during every delay, and the last step always shows.
class VoyageRun : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kRefreshInterval = 20;

    using End = RunRules::End;

    VoyageRun(FormVoyage &voyage, QWidget *window);
    ~VoyageRun() override;

    // Click of "Fahrt": returns when this run ends.
    void run();
    // Click of "Stop".
    void requestStop();
    // The window closes: every run ends after its next event processing, and
    // none starts any more.
    void close();

    int depth() const { return rules_.depth(); }
    bool closing() const { return rules_.closing(); }
    // The end report of the runs since the first one started.
    std::string report() const;

signals:
    // The first run starts, and the last one ends (runs nest); a window
    // destroyed under a run ends it too, as closing.
    void started();
    void ended(vendral::VoyageRun::End end);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enter();
    void leave();
    bool letEventsRun(const QPointer<VoyageRun> &alive);
    bool pass(const QPointer<VoyageRun> &alive);
    bool wait(int ms, const QPointer<VoyageRun> &alive);
    void askForRepaint();

    FormVoyage &voyage_;
    QPointer<QWidget> window_;
    RunRules rules_;
    bool repaintHeld_ = false;
    QElapsedTimer sinceRepaint_;
    QTimer heldRepaint_;
};

} // namespace vendral
