// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/travelcounters.h"

#include "simulation/voyage.h"

namespace vendral {

void resetTravelCounters(VoyageFields &fields, VoyageState &state)
{
    state.travelTime = 0;
    fields.write(Field::txtReisezeitd, "0");
    fields.write(Field::txtReisezeith, "0");
    fields.write(Field::txtReisezeitmin, "0");
    state.distanceOverGround = 0;
    state.distanceThroughWater = 0;
    fields.write(Field::txtReiseweg, "");
    fields.write(Field::txtFdW, "");
}

} // namespace vendral
