// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/course.h"

#include "simulation/direction.h"
#include "simulation/voyage.h"

namespace vendral {
namespace {

// The components as toText(h / 1000), east first.
void writeComponents(VoyageFields &fields, Field east, Field north, const DialDirection &direction)
{
    write(fields, east, toText(direction.hx / 1000));
    write(fields, north, toText(direction.hy / 1000));
}

} // namespace

void setCourse(VoyageFields &fields, VoyageIndicators &indicators, double x, float y)
{
    DialDirection direction;
    if (!dialDirection(x, y, direction))
        return;
    indicators.showCourse(direction, angleDegrees(x, y));
    writeComponents(fields, Field::txtFahrtx, Field::txtFahrty, direction);
    fields.write(Field::txtWinkel, angleText(x, y));
}

void setCurrent(VoyageFields &fields, VoyageIndicators &indicators, double x, float y)
{
    DialDirection direction;
    if (!dialDirection(x, y, direction))
        return;
    indicators.showCurrent(direction, angleDegrees(x, y));
    writeComponents(fields, Field::txtStromx, Field::txtStromy, direction);
    fields.write(Field::txtStromW, angleText(x, y));
}

} // namespace vendral
