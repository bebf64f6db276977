// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Times one setCurrent (current dial plus the two redraws of the current
// field it causes) and one setCourse (course dial plus ship symbol) on the
// window as laid out for the screen. Run it on a 1280 x 1024 screen, e.g.
//   QT_QPA_PLATFORM=offscreen:configfile=tests/screen1280.json build/bench/bench_dials
#include "form/form.h"
#include "window/mainwindow.h"

#include <QLineEdit>

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

double millisecondsPerCall(int calls, const std::function<void(int)> &call)
{
    for (int i = 0; i < 20; ++i) // warm up
        call(i);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        call(i);
    return timer.nsecsElapsed() / 1e6 / calls;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vendral::MainWindow window;
    const QSize screen = window.screen()->size();
    std::printf("screen %d x %d\n", screen.width(), screen.height());
    // Directions around the compass, so that every call changes both fields.
    const auto direction = [](int i, double &x, float &y) {
        const double a = 0.37 * (i + 1);
        x = std::sin(a);
        y = float(std::cos(a));
    };
    const double current = millisecondsPerCall(400, [&](int i) {
        double x;
        float y;
        direction(i, x, y);
        window.setCurrent(x, y);
    });
    const double course = millisecondsPerCall(2000, [&](int i) {
        double x;
        float y;
        direction(i, x, y);
        window.setCourse(x, y);
    });
    const double field = millisecondsPerCall(400, [&](int) { window.drawCurrentField(); });
    // As in the run benchmark: the ship lies still, the autopilot steers.
    window.resetToStart();
    window.form().txtFahrtv->setText(QStringLiteral("0"));
    window.form().txtStromv->setText(QStringLiteral("0"));
    const double step = millisecondsPerCall(20000, [&](int) { window.timeStep(); });
    // Moving at 1 knot toward the island: the heading turns at every step.
    window.resetToStart();
    window.form().txtFahrtv->setText(QStringLiteral("1"));
    const double moving = millisecondsPerCall(20000, [&](int) { window.timeStep(); });
    std::printf("setCurrent        %.3f ms\n", current);
    std::printf("timeStep          %.4f ms (ship lying still, autopilot on, window not shown)\n", step);
    std::printf("timeStep          %.4f ms (1 knot, autopilot on, window not shown)\n", moving);
    std::printf("drawCurrentField  %.3f ms\n", field);
    std::printf("setCourse         %.3f ms\n", course);
    return 0;
}
