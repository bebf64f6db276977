#include "simulation/voyagerun.h"

#include "common/fields.h"
#include "common/form.h"
#include "common/numbers.h"
#include "common/picturebox.h"
#include "simulation/timestep.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <chrono>
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

    form.stopRequested = 0;
    QCoreApplication::processEvents();
    if (closed())
        return;
    for (;;) {
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
