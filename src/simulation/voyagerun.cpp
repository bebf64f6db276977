#include "simulation/voyagerun.h"

#include "common/fields.h"
#include "common/form.h"
#include "common/numbers.h"
#include "common/picturebox.h"
#include "simulation/timestep.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

namespace vendral {
namespace {

// Draws the dotted white circle of 5 sm around the island after every step.
void drawArrivalCircle(Form &form)
{
    const double ix = number(form.txtInselx);
    const double iy = number(form.txtInsely);
    form.picSee->setDrawWidth(1);
    form.picSee->setDrawStyle(PictureBox::DrawStyle::Dot);
    form.picSee->circle(held(ix + 5), held(iy - 4), 5, QColor(255, 255, 255));
}

// Steps follow one another far faster than a screen can show them. While a
// run is on, the window is brought up to date on screen at most every
// kInterval milliseconds: a repaint asked for sooner is held back and asked
// for again once the interval has passed, so the last step always shows.
class RepaintThrottle : public QObject
{
public:
    static constexpr qint64 kInterval = 20;

    explicit RepaintThrottle(QWidget *window)
        : window_(window)
    {
        if (window_)
            window_->installEventFilter(this);
        clock_.start();
    }

    ~RepaintThrottle() override
    {
        if (!window_)
            return;
        window_->removeEventFilter(this);
        if (held_)
            askForRepaint();
    }

    // Called once per pass of the run, before window events are processed.
    void tick()
    {
        if (held_ && clock_.elapsed() >= kInterval) {
            held_ = false;
            askForRepaint();
        }
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::UpdateRequest)
            return false;
        if (clock_.elapsed() >= kInterval) {
            clock_.restart();
            return false;
        }
        held_ = true;
        return true;
    }

private:
    void askForRepaint()
    {
        QCoreApplication::postEvent(window_, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    }

    QPointer<QWidget> window_;
    QElapsedTimer clock_;
    bool held_ = false;
};

// Runs on the stack, so that only the outermost run throttles the screen.
int runDepth = 0;

} // namespace

int delayMilliseconds(const Form &form)
{
    bool ok = false;
    const int value = form.txtVerz->text().trimmed().toInt(&ok);
    return ok ? std::clamp(value, 0, 100) : 0;
}

bool arrived(const Form &form)
{
    const double x = number(form.txtSchiffx);
    const double y = number(form.txtSchiffy);
    const double ix = number(form.txtInselx);
    const double iy = number(form.txtInsely);
    const double dx = held(ix + 5 - x - 2);
    const double dy = held(iy - 4 - y);
    return held(held(dx * dx) + held(dy * dy)) < 16;
}

void requestStop(Form &form) { form.stopRequested = 1; }

void runVoyage(Form &form, QWidget *window)
{
    const QPointer<QWidget> alive(window);
    const auto closed = [&] { return !alive || form.closing; };
    struct Depth
    {
        Depth() { ++runDepth; }
        ~Depth() { --runDepth; }
    } depth;
    std::optional<RepaintThrottle> throttle;
    if (runDepth == 1)
        throttle.emplace(window);

    form.stopRequested = 0;
    QCoreApplication::processEvents();
    if (closed())
        return;
    for (;;) {
        if (throttle)
            throttle->tick();
        QCoreApplication::processEvents();
        if (closed())
            return;
        // A real wait that neither handles events nor burns the processor.
        if (const int ms = delayMilliseconds(form); ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        timeStep(form);
        if (form.Check1->checkState() == Qt::Checked && arrived(form))
            form.stopRequested = 1;
        drawArrivalCircle(form);
        if (form.stopRequested == 1)
            return;
    }
}

} // namespace vendral
