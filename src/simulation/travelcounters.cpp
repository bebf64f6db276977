// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/travelcounters.h"

#include "common/fields.h"
#include "common/form.h"

namespace vendral {

void resetTravelCounters(Form &form)
{
    form.travelTime = 0;
    write(form.txtReisezeitd, QStringLiteral("0"));
    write(form.txtReisezeith, QStringLiteral("0"));
    write(form.txtReisezeitmin, QStringLiteral("0"));
    form.distanceOverGround = 0;
    form.distanceThroughWater = 0;
    write(form.txtReiseweg, QString());
    write(form.txtFdW, QString());
}

} // namespace vendral
