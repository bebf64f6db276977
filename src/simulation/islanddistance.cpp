// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/islanddistance.h"

#include "simulation/referencepoints.h"
#include "simulation/voyage.h"

#include <cmath>

namespace vendral {

void showIslandDistance(VoyageFields &fields)
{
    const double xs = number(fields, Field::txtSchiffx);
    const double ys = number(fields, Field::txtSchiffy);
    const double xi = number(fields, Field::txtInselx);
    const double yi = number(fields, Field::txtInsely);
    const double dx = held(xi + kDistancePoint.east - xs);
    const double dy = held(yi + kDistancePoint.north - ys);
    fields.write(Field::txtAbstand, "Entfernung zur Insel" + toText(floorInt(held(std::hypot(dx, dy)))) + " sm");
}

} // namespace vendral
