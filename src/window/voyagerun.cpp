// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/voyagerun.h"

#include "simulation/runstep.h"
#include "window/form.h"
#include "window/formvoyage.h"

#include <QLineEdit>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <thread>

namespace vendral {
VoyageRun::VoyageRun(Form &form, QWidget *window)
    : QObject(window)
    , form_(form)
    , window_(window)
{
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
        while (letEventsRun(alive)) {
            pass();
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
    refresh();
    QCoreApplication::processEvents();
    return alive && !closing_;
}

// Delay, time step, arrival test and arrival circle.
void VoyageRun::pass()
{
    // A real wait that neither handles events nor burns the processor.
    if (const int ms = delayMilliseconds(form_); ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    switch (runStep(FormVoyage(form_).voyage())) {
    case Halt::Edge: end_ = End::Edge; break;
    case Halt::Arrival: end_ = End::Arrival; break;
    case Halt::None: break;
    }
}

void VoyageRun::enter()
{
    if (depth_++ > 0 || !window_)
        return;
    window_->installEventFilter(this);
    sinceRepaint_.start();
    repaintHeld_ = false;
    emit started();
}

void VoyageRun::leave()
{
    if (--depth_ > 0 || !window_)
        return;
    window_->removeEventFilter(this);
    if (repaintHeld_)
        askForRepaint();
    repaintHeld_ = false;
    emit ended(end_);
}

void VoyageRun::refresh()
{
    if (repaintHeld_ && sinceRepaint_.elapsed() >= kRefreshInterval) {
        repaintHeld_ = false;
        askForRepaint();
    }
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
    if (sinceRepaint_.elapsed() >= kRefreshInterval) {
        sinceRepaint_.restart();
        return false;
    }
    repaintHeld_ = true;
    return true;
}

int delayMilliseconds(const Form &form)
{
    bool ok = false;
    const int value = form.txtVerz->text().trimmed().toInt(&ok);
    return ok ? std::clamp(value, 0, 100) : 0;
}

} // namespace vendral
