// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers shared by the window tests: the screen a test program runs on,
// finding controls by name, counting the chart's pixels of a colour and what
// a widget shows, setting the parameters the way the window's own scroll bars
// do, and a watchdog.

#include "chart/shipmarker.h"
#include "common/canvas.h"
#include "common/picturebox.h"
#include "dials/dial.h"
#include "form/form.h"
#include "window/mainwindow.h"
#include "form/scrollbars.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryFile>
#include <QtTest>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

namespace testing {

// The screen a test program runs on, set up by the program itself before the
// application starts, so that it runs alike from CTest and on its own: the
// offscreen platform with one screen of 1280 x 1024 logical pixels at pixel
// ratio 1, or what the option "-screen WxH" or "-screen WxH@RATIO" asks for.
// The option is taken out of the arguments before Qt and QTest read them.
class TestScreen
{
public:
    TestScreen(int &argc, char **argv)
    {
        int width = 1280, height = 1024;
        double ratio = 1;
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], "-screen") != 0)
                continue;
            if (i + 1 == argc || std::sscanf(argv[i + 1], "%dx%d@%lf", &width, &height, &ratio) < 2)
                qFatal("-screen wants WIDTHxHEIGHT or WIDTHxHEIGHT@RATIO");
            std::copy(argv + i + 2, argv + argc + 1, argv + i);
            argc -= 2;
            break;
        }
        if (!config_.open())
            qFatal("no room for the screen's settings");
        config_.write(QStringLiteral(R"({"screens":[{"name":"T","x":0,"y":0,"width":%1,"height":%2,)"
                                     R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":%3}]})")
                          .arg(width)
                          .arg(height)
                          .arg(ratio)
                          .toUtf8());
        config_.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config_.fileName()));
    }

private:
    QTemporaryFile config_;
};

template <typename T = QWidget> T *control(QObject &root, const QString &name)
{
    T *found = root.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

inline QString text(vendral::MainWindow &w, const char *name)
{
    return control<QLineEdit>(w, QLatin1String(name))->text();
}

// What a widget paints itself, without its children, at its pixel ratio, on
// a background of `fill`.
inline QImage ownPaint(QWidget *widget, const QColor &fill, QImage::Format format)
{
    const qreal dpr = widget->devicePixelRatioF();
    QPixmap pixmap(widget->size() * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(fill);
    widget->render(&pixmap, QPoint(), QRegion(), QWidget::RenderFlags());
    return pixmap.toImage().convertToFormat(format);
}

inline QImage ownPixels(QWidget *widget) { return ownPaint(widget, Qt::magenta, QImage::Format_RGB32); }

// On nothing: each pixel's alpha tells how much of it the widget covers.
inline QImage ownCover(QWidget *widget) { return ownPaint(widget, Qt::transparent, QImage::Format_ARGB32); }

// Counts the pixels of one colour in the retained drawing.
inline int countColour(const vendral::PictureBox &box, const QColor &colour)
{
    const QImage &image = box.canvas().image();
    const QRgb wanted = colour.rgb();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            n += (line[x] | 0xFF000000u) == wanted;
    }
    return n;
}

// Where one part of a scroll bar (an arrow, the track, the thumb) lies in it.
inline QRect scrollBarPart(const QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

// A window shown and active, as a user meets it: maximised, as the program
// shows it and as its layout, computed for a window that covers the screen,
// needs on a small screen.
inline std::unique_ptr<vendral::MainWindow> shownWindow(vendral::Accessibility *accessibility = nullptr)
{
    auto w = std::make_unique<vendral::MainWindow>(accessibility);
    w->showMaximized();
    if (!QTest::qWaitForWindowActive(w.get()))
        qFatal("window not active");
    return w;
}

// Puts the voyage into a known state for one step: autopilot off, no current,
// the ship at (x, y) heading along (hx, hy) at `speed` knots, dt minutes.
inline void prepare(vendral::MainWindow &w, double x, double y, double hx, double hy, int speed, int dt,
                    int currentSpeed = 0)
{
    const vendral::Form &f = w.form();
    f.chkAuto->setChecked(false);
    vendral::setScrollValue(f.hscfahrtv, speed);
    vendral::setScrollValue(f.hscdt, dt);
    vendral::setScrollValue(f.hscstromv, currentSpeed);
    w.setCourse(hx, float(hy));
    f.txtSchiffx->setText(QString::number(x, 'g', 17));
    f.txtSchiffy->setText(QString::number(y, 'g', 17));
}

// Aborts the test program when a scope is still running after `seconds`,
// so that a run that never ends fails within seconds instead of hanging.
class Watchdog
{
public:
    explicit Watchdog(int seconds)
        : thread_([this, seconds] {
            std::unique_lock lock(mutex_);
            if (!done_.wait_for(lock, std::chrono::seconds(seconds), [this] { return finished_; }))
                qFatal("watchdog: still running after %d s", seconds);
        })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        done_.notify_one();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_;
};

} // namespace testing

// A test program's main on its own screen (see TestScreen).
#define VENDRAL_TEST_MAIN(TestObject)                                                                           \
    int main(int argc, char *argv[])                                                                            \
    {                                                                                                           \
        testing::TestScreen screen(argc, argv);                                                                 \
        QApplication app(argc, argv);                                                                           \
        TestObject tc;                                                                                          \
        QTEST_SET_MAIN_SOURCE_PATH                                                                              \
        return QTest::qExec(&tc, argc, argv);                                                                   \
    }
