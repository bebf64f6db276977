// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/voyagerun.h"

#include "form/formvoyage.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace vendral {

VoyageRun::VoyageRun(FormVoyage &voyage, QWidget *window)
    : QObject(window)
    , voyage_(voyage)
    , window_(window)
{
    heldRepaint_.setSingleShot(true);
    connect(&heldRepaint_, &QTimer::timeout, this, [this] {
        if (!repaintHeld_)
            return;
        repaintHeld_ = false;
        askForRepaint();
    });
}

// A window destroyed under a run ends it without passing leave().
VoyageRun::~VoyageRun()
{
    if (rules_.depth() == 0)
        return;
    if (window_)
        window_->removeEventFilter(this);
    emit ended(End::Closing);
}

void VoyageRun::requestStop() { rules_.requestStop(voyage_.state()); }

void VoyageRun::close() { rules_.close(voyage_.state()); }

std::string VoyageRun::report() const { return rules_.report(voyage_); }

void VoyageRun::run()
{
    const QPointer<VoyageRun> alive(this);
    enter();
    if (letEventsRun(alive)) {
        while (letEventsRun(alive) && pass(alive)) {
            if (!rules_.goesOn(voyage_.state()))
                break;
        }
    }
    if (alive)
        leave();
}

// False when the run must end at once: the window is closing, or it is gone
// and with it this engine, whose members may then not be touched.
bool VoyageRun::letEventsRun(const QPointer<VoyageRun> &alive)
{
    if (!rules_.anotherStep())
        return false;
    QCoreApplication::processEvents();
    return alive && rules_.anotherStep();
}

// Delay, time step, arrival test and arrival circle; false when the window
// closed during the delay, and no step was made.
bool VoyageRun::pass(const QPointer<VoyageRun> &alive)
{
    if (const int ms = RunRules::delay(voyage_); ms > 0 && !wait(ms, alive))
        return false;
    rules_.step(voyage_.voyage());
    return true;
}

// Waits `ms` milliseconds handling window events as they come, and sleeping
// in between: a "Stop" clicked meanwhile takes effect after the step that
// follows, as one clicked just before the delay would; a "Fahrt" runs nested
// inside the wait. A timer stands at the end of the wait whenever it sleeps,
// so the wait ends on time without any other event.
bool VoyageRun::wait(int ms, const QPointer<VoyageRun> &alive)
{
    const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    for (qint64 left = ms; left > 0; left = deadline.remainingTime()) {
        end.start(int(left));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!alive || rules_.closing())
            return false;
    }
    return true;
}

void VoyageRun::enter()
{
    const bool first = rules_.depth() == 0;
    rules_.start(voyage_, voyage_.state());
    if (!first || !window_)
        return;
    window_->installEventFilter(this);
    sinceRepaint_.start();
    repaintHeld_ = false;
    emit started();
}

void VoyageRun::leave()
{
    if (!rules_.finish() || !window_)
        return;
    window_->removeEventFilter(this);
    heldRepaint_.stop();
    if (repaintHeld_)
        askForRepaint();
    repaintHeld_ = false;
    emit ended(rules_.end());
}

void VoyageRun::askForRepaint()
{
    QCoreApplication::postEvent(window_, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
}

// Every screen update of a widget window is an UpdateRequest to it.
bool VoyageRun::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::UpdateRequest)
        return false;
    const qint64 since = sinceRepaint_.elapsed();
    if (since >= kRefreshInterval) {
        sinceRepaint_.restart();
        return false;
    }
    repaintHeld_ = true;
    if (!heldRepaint_.isActive())
        heldRepaint_.start(int(kRefreshInterval - since));
    return true;
}

} // namespace vendral
