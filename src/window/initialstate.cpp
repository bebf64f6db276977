// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/initialstate.h"

#include "chart/bearingline.h"
#include "chart/shipmarker.h"
#include "simulation/course.h"
#include "simulation/islanddistance.h"
#include "simulation/travelcounters.h"
#include "window/fields.h"
#include "window/form.h"
#include "window/formvoyage.h"

namespace vendral {

void resetToStart(Form &form)
{
    FormVoyage voyage(form);
    setCourse(voyage, voyage, 1, 0);
    setCurrent(voyage, voyage, 0, 1);
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
    FormVoyage voyage(form);
    resetTravelCounters(voyage, form.voyage);
    showIslandDistance(voyage);
}

} // namespace vendral
