#pragma once

// Helpers shared by the window tests: finding controls by name, reading the
// chart's pixels in chart units and what a widget shows, setting the
// parameters the way the window's own scroll bars do, and a watchdog.

#include "chart/shipmarker.h"
#include "common/canvas.h"
#include "common/form.h"
#include "common/picturebox.h"
#include "dials/dial.h"
#include "window/mainwindow.h"
#include "window/scrollbars.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace testing {

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

// The colour of the retained drawing at a point in the canvas's user units.
inline QColor pixelAt(const vendral::Canvas &canvas, double x, double y)
{
    const QImage &image = canvas.image();
    const QPointF p = canvas.toPixel(x, y) * image.devicePixelRatio();
    return image.pixelColor(qBound(0, int(p.x()), image.width() - 1), qBound(0, int(p.y()), image.height() - 1));
}

inline QColor pixelAt(const vendral::PictureBox &box, double x, double y) { return pixelAt(box.canvas(), x, y); }

// What a widget paints itself, without its children, at its pixel ratio.
inline QImage ownPixels(QWidget *widget)
{
    const qreal dpr = widget->devicePixelRatioF();
    QPixmap pixmap(widget->size() * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::magenta);
    widget->render(&pixmap, QPoint(), QRegion(), QWidget::RenderFlags());
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour a dial shows at a point in dial units.
inline QColor shownAt(vendral::Dial &dial, double x, double y)
{
    const QImage image = ownPixels(&dial);
    const QPointF p = dial.toPixel(x, y) * image.devicePixelRatio();
    return image.pixelColor(int(p.x()), int(p.y()));
}

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

// A window shown and active, as a user meets it.
inline std::unique_ptr<vendral::MainWindow> shownWindow()
{
    auto w = std::make_unique<vendral::MainWindow>();
    w->show();
    if (!QTest::qWaitForWindowActive(w.get()))
        qFatal("window not active");
    return w;
}

// Puts the voyage into a known state for one step: autopilot off, no current,
// the ship at (x, y) heading along (hx, hy) at `speed` knots, dt minutes.
inline void prepare(vendral::MainWindow &w, double x, double y, double hx, double hy, int speed, int dt,
                    int currentSpeed = 0)
{
    vendral::Form &f = w.form();
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
