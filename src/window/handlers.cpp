// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/handlers.h"

#include "chart/currentfield.h"
#include "chart/marker.h"
#include "common/canvas.h"
#include "common/picturebox.h"
#include "simulation/autopilot.h"
#include "simulation/course.h"
#include "window/fields.h"
#include "window/form.h"
#include "window/formvoyage.h"
#include "window/scrollbars.h"

#include <QCheckBox>

namespace vendral {

void drawCurrentField(Form &form)
{
    drawCurrentField(form.picSee->canvas(), form.rnd, FormVoyage(form));
    // The island marker is a control above the drawing; it only has to be shown.
    form.image2->show();
}

void currentSpeedChanged(Form &form)
{
    write(form.txtStromv, toText(scrollValue(form.hscstromv)));
    drawCurrentField(form);
}

void redrawChart(Form &form)
{
    Canvas &chart = form.picSee->canvas();
    chart.clear();
    const double x = number(form.txtStromx);
    const float y = toSingle(number(form.txtStromy));
    chart.setForeColor(Rgb{255, 255, 255});
    FormVoyage voyage(form);
    setCurrent(voyage, voyage, x, y);
    drawCurrentField(form);
}

void autopilotClicked(Form &form)
{
    if (form.chkAuto->checkState() != Qt::Checked)
        return;
    FormVoyage voyage(form);
    steerToIsland(voyage, voyage, voyage);
}

void dialMouseDown(Form &form, double x, float y, const DialSetter &set)
{
    form.dialHeld = 1;
    set(x, y);
}

void dialMouseMove(Form &form, double x, float y, const DialSetter &set)
{
    if (form.dialHeld == 1)
        set(x, y);
}

void dialMouseUp(Form &form) { form.dialHeld = 0; }

} // namespace vendral
