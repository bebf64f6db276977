// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The voyage core alone and continuous runs at delay 0 with the window shown,
// measured in one run of this program on one machine:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_run [seconds]
// Five phases of `seconds` each (default 10):
//   core    the passes of a run (time step, arrival test, arrival circle) on
//           plain data without any window, ship lying still, autopilot on:
//           the limit a run can approach;
//   core turning  the same at 1 knot around the island's aim point;
//   direct  timeStep() called in a loop, ship lying still, autopilot on;
//   still   "Fahrt" with speed and current 0: the ship lies still;
//   moving  "Fahrt" at 1 knot, autopilot on, the ship started on the
//           island's aim point: it circles the point and the heading turns
//           at most steps, so dial, ship symbol, track and read-outs change.
// For each phase: steps per second, the share of the time outside painting,
// chart repaints per second and the resident memory once a second; then the
// ratios direct/core, still/direct and moving/still. Last, for `seconds`:
//   drag    the island dragged round a circle over the open chart, each
//           move painted before the next: moves per second.
#include "corerate.h"

#include "chart/shipmarker.h"
#include "common/picturebox.h"
#include "simulation/runstep.h"
#include "form/form.h"
#include "window/mainwindow.h"
#include "form/scrollbars.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Times the painting: every screen update is an UpdateRequest to the window.
class TimingApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && receiver == chart)
            ++repaints;
        if (event->type() != QEvent::UpdateRequest || !receiver->isWidgetType())
            return QApplication::notify(receiver, event);
        QElapsedTimer timer;
        timer.start();
        const bool result = QApplication::notify(receiver, event);
        paintNanoseconds += timer.nsecsElapsed();
        return result;
    }

    QObject *chart = nullptr;
    qint64 paintNanoseconds = 0;
    qint64 repaints = 0;
};

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

struct Mark
{
    double at;
    double steps;
    qint64 paint;
    qint64 repaints;
    long rss;
};

class Phase
{
public:
    Phase(TimingApplication &app, const vendral::VoyageState &state, const char *name)
        : app_(app), state_(state), name_(name)
    {
        clock_.start();
        mark();
    }

    void mark()
    {
        marks_.push_back(
            {clock_.nsecsElapsed() / 1e9, state_.travelTime, app_.paintNanoseconds, app_.repaints, residentKiB()});
    }
    double elapsed() const { return clock_.nsecsElapsed() / 1e9; }

    // Prints the table and returns the steps per second of the whole phase.
    double report() const
    {
        std::printf("\n%s\n%6s %12s %12s %11s %10s\n", name_, "s", "steps/s", "outside %", "repaints/s", "RSS KiB");
        for (size_t i = 1; i < marks_.size(); ++i) {
            const Mark &a = marks_[i - 1], &b = marks_[i];
            const double span = b.at - a.at;
            std::printf("%6.1f %12.0f %12.1f %11.1f %10ld\n", b.at, (b.steps - a.steps) / span,
                        100.0 * (1.0 - (b.paint - a.paint) / 1e9 / span), (b.repaints - a.repaints) / span, b.rss);
        }
        const Mark &first = marks_.front(), &last = marks_.back();
        return (last.steps - first.steps) / (last.at - first.at);
    }

private:
    TimingApplication &app_;
    const vendral::VoyageState &state_;
    const char *name_;
    QElapsedTimer clock_;
    std::vector<Mark> marks_;
};

// A continuous run that "Stop" ends after `seconds`, sampled once a second.
double timedRun(TimingApplication &app, vendral::MainWindow &window, const char *name, int seconds)
{
    const vendral::Form &f = window.form();
    Phase phase(app, window.voyage().state(), name);
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, &window, [&] {
        phase.mark();
        if (phase.elapsed() >= seconds)
            f.cmdStop->click();
    });
    sampler.start(1000);
    window.runVoyage();
    return phase.report();
}

// The island pressed and moved round a circle of 30 sm over the open chart,
// each move painted before the next, for `seconds`: moves per second.
double dragRate(TimingApplication &app, vendral::MainWindow &window, int seconds)
{
    const vendral::Form &f = window.form();
    const auto send = [](QWidget *to, QEvent::Type type, const QPointF &pos, Qt::MouseButtons buttons) {
        QMouseEvent event(type, pos, to->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(to, &event);
    };
    const auto onChart = [&f](double angle) {
        return f.picSee->toPixel(50 + 30 * std::cos(angle), 50 + 30 * std::sin(angle));
    };
    send(f.image2, QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton);
    const qint64 paintBefore = app.paintNanoseconds, repaintsBefore = app.repaints;
    QElapsedTimer clock;
    clock.start();
    long moves = 0;
    while (clock.nsecsElapsed() < seconds * 1e9) {
        send(f.picSee, QEvent::MouseMove, onChart(moves * 0.01), Qt::LeftButton);
        QApplication::processEvents();
        ++moves;
    }
    send(f.picSee, QEvent::MouseButtonRelease, onChart(moves * 0.01), Qt::NoButton);
    const double span = clock.nsecsElapsed() / 1e9;
    std::printf("\ndrag: %ld moves in %.1f s, %.0f moves/s, %.1f %% outside painting, %.0f repaints/s\n", moves, span,
                moves / span, 100.0 * (1.0 - (app.paintNanoseconds - paintBefore) / 1e9 / span),
                (app.repaints - repaintsBefore) / span);
    return moves / span;
}

} // namespace

int main(int argc, char *argv[])
{
    TimingApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 10;
    testing::Sea stillSea = bench::stillSea();
    const double core = bench::coreRate(stillSea, seconds);
    // The same start as "moving".
    testing::Sea turningSea = bench::turningSea();
    const double coreTurning = bench::coreRate(turningSea, seconds);
    std::printf("core: %.0f steps/s still, %.0f turning\n", core, coreTurning);
    vendral::MainWindow window;
    window.showMaximized();
    for (int i = 0; i < 50; ++i)
        QApplication::processEvents();
    const vendral::Form &f = window.form();
    app.chart = f.picSee;

    vendral::setScrollValue(f.hscfahrtv, 0);
    vendral::setScrollValue(f.hscstromv, 0);
    double direct = 0;
    {
        Phase phase(app, window.voyage().state(), "direct: timeStep() in a loop, ship lying still");
        for (double next = 1; next <= seconds;) {
            for (int i = 0; i < 1000; ++i)
                window.timeStep();
            if (phase.elapsed() >= next) {
                phase.mark();
                ++next;
            }
        }
        direct = phase.report();
    }
    const double still = timedRun(app, window, "still: speed and current 0", seconds);

    window.resetToStart();
    vendral::setScrollValue(f.hscfahrtv, 1);
    // The ship marker's corner on the island's aim point, 5 sm east and 4 sm
    // south of the island marker's corner (80, 80).
    f.txtSchiffx->setText(QStringLiteral("85.2"));
    f.txtSchiffy->setText(QStringLiteral("75.6"));
    f.image1->moveTo(85, 76);
    const double moving = timedRun(app, window, "moving: 1 knot around the aim point, autopilot on", seconds);

    window.resetToStart();
    const double drag = dragRate(app, window, seconds);

    std::printf("\nsteps/s: core %.0f, core turning %.0f, direct %.0f, still %.0f, moving %.0f; drag %.0f moves/s\n",
                core, coreTurning, direct, still, moving, drag);
    std::printf("direct / core = %.2f, still / direct = %.2f, moving / still = %.2f\n", direct / core,
                still / direct, moving / still);
    return 0;
}
