// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/initialstate.h"

#include "chart/bearingline.h"
#include "chart/islanddistance.h"
#include "chart/shipmarker.h"
#include "common/fields.h"
#include "common/form.h"
#include "dials/coursedial.h"
#include "dials/currentdial.h"
#include "simulation/travelcounters.h"

namespace vendral {

void resetToStart(Form &form)
{
    setCourse(form, 1, 0);
    setCurrent(form, 0, 1);
    write(form.txtSchiffx, QStringLiteral("10"));
    write(form.txtSchiffy, QStringLiteral("10"));
    form.image1->setTop(10);
    form.image1->setLeft(10);
    write(form.txtInselx, QStringLiteral("80"));
    write(form.txtInsely, QStringLiteral("80"));
    form.image2->setTop(80);
    form.image2->setLeft(80);
    form.linpeil->hide();
}

void startState(Form &form)
{
    resetToStart(form);
    resetTravelCounters(form);
    showIslandDistance(form);
}

} // namespace vendral
