// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/voyagerun.h"

#include "simulation/runstep.h"
#include "window/form.h"
#include "window/formvoyage.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace vendral {

VoyageRun::VoyageRun(Form &form, QWidget *window)
    : QObject(window)
    , form_(form)
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
    if (depth_ == 0)
        return;
    if (window_)
        window_->removeEventFilter(this);
    emit ended(End::Closing);
}

void VoyageRun::requestStop()
{
    form_.voyage.stopRequested = 1;
    end_ = End::Stop;
}

void VoyageRun::close()
{
    closing_ = true;
    form_.voyage.stopRequested = 1;
    end_ = End::Closing;
}

void VoyageRun::run()
{
    const QPointer<VoyageRun> alive(this);
    enter();
    form_.voyage.stopRequested = 0;
    if (letEventsRun(alive)) {
        while (letEventsRun(alive) && pass(alive)) {
            if (form_.voyage.stopRequested == 1)
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
    if (closing_)
        return false;
    QCoreApplication::processEvents();
    return alive && !closing_;
}

// Delay, time step, arrival test and arrival circle; false when the window
// closed during the delay, and no step was made.
bool VoyageRun::pass(const QPointer<VoyageRun> &alive)
{
    if (const int ms = delayMilliseconds(form_); ms > 0 && !wait(ms, alive))
        return false;
    FormVoyage voyage(form_);
    const double x0 = number(voyage, Field::txtSchiffx);
    const double y0 = number(voyage, Field::txtSchiffy);
    const Halt halt = runStep(voyage.voyage());
    notes_.stepped(x0, y0, voyage);
    switch (halt) {
    case Halt::Edge: end_ = End::Edge; break;
    case Halt::Arrival: end_ = End::Arrival; break;
    case Halt::None: break;
    }
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
        if (!alive || closing_)
            return false;
    }
    return true;
}

void VoyageRun::enter()
{
    if (depth_++ > 0 || !window_)
        return;
    window_->installEventFilter(this);
    notes_ = RunNotes(FormVoyage(form_));
    sinceRepaint_.start();
    repaintHeld_ = false;
    emit started();
}

void VoyageRun::leave()
{
    if (--depth_ > 0 || !window_)
        return;
    window_->removeEventFilter(this);
    heldRepaint_.stop();
    if (repaintHeld_)
        askForRepaint();
    repaintHeld_ = false;
    emit ended(end_);
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

int delayMilliseconds(const Form &form)
{
    bool ok = false;
    const int value = form.txtVerz->text().trimmed().toInt(&ok);
    return ok ? std::clamp(value, 0, 100) : 0;
}

} // namespace vendral
