// A continuous run at delay 0 with the window shown: steps per second, the
// share of the time spent outside painting, screen updates of the chart per
// second, and the resident memory. Under a real X server:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_run [seconds] [still|moving]
// "still" (the default): speed and current 0, the ship lies still and the
// run goes on until it is stopped. "moving": 1 knot, no current, autopilot
// on; the ship homes on the island and circles its aim point, turning at
// every step, so that dial, ship symbol, track and read-outs all change.
#include "common/form.h"
#include "common/picturebox.h"
#include "window/mainwindow.h"
#include "window/scrollbars.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

// Times the painting: every screen update is an UpdateRequest to the window.
class TimingApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && receiver == chart)
            ++updates;
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
    qint64 updates = 0;
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

} // namespace

int main(int argc, char *argv[])
{
    TimingApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 10;
    vendral::MainWindow window;
    window.showMaximized();
    for (int i = 0; i < 50; ++i)
        QApplication::processEvents();

    vendral::Form &f = window.form();
    app.chart = f.picSee;
    const bool moving = argc > 2 && QByteArray(argv[2]) == "moving";
    vendral::setScrollValue(f.hscfahrtv, moving ? 1 : 0);
    vendral::setScrollValue(f.hscstromv, 0);
    std::printf("%s\n", moving ? "moving: 1 knot, autopilot on" : "still: speed and current 0");

    QElapsedTimer clock;
    struct Mark
    {
        double at;
        double steps;
        qint64 paint;
        qint64 updates;
        long rss;
    };
    std::vector<Mark> marks;
    const auto mark = [&] {
        marks.push_back({clock.nsecsElapsed() / 1e9, f.travelTime, app.paintNanoseconds, app.updates, residentKiB()});
    };
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, &window, [&] {
        mark();
        if (marks.back().at >= seconds)
            f.cmdStop->click();
    });
    clock.start();
    mark();
    sampler.start(1000);
    window.runVoyage();

    std::printf("%6s %12s %12s %10s %10s\n", "s", "steps/s", "outside %", "updates/s", "RSS KiB");
    for (size_t i = 1; i < marks.size(); ++i) {
        const Mark &a = marks[i - 1], &b = marks[i];
        const double span = b.at - a.at;
        const double outside = 100.0 * (1.0 - (b.paint - a.paint) / 1e9 / span);
        std::printf("%6.1f %12.0f %12.1f %10.1f %10ld\n", b.at, (b.steps - a.steps) / span, outside,
                    (b.updates - a.updates) / span, b.rss);
    }
    const Mark &last = marks.back();
    std::printf("total: %.0f steps in %.1f s = %.0f steps/s; %.1f %% of the time outside painting\n", last.steps,
                last.at, last.steps / last.at, 100.0 * (1.0 - last.paint / 1e9 / last.at));
    return 0;
}
