// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/travelcounters.h"

#include "simulation/voyage.h"

namespace vendral {

void resetTravelCounters(VoyageFields &fields, VoyageState &state)
{
    state.travelTime = 0;
    fields.write(Field::txtReisezeitd, QStringLiteral("0"));
    fields.write(Field::txtReisezeith, QStringLiteral("0"));
    fields.write(Field::txtReisezeitmin, QStringLiteral("0"));
    state.distanceOverGround = 0;
    state.distanceThroughWater = 0;
    fields.write(Field::txtReiseweg, QString());
    fields.write(Field::txtFdW, QString());
}

} // namespace vendral
