// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/course.h"

#include "simulation/direction.h"
#include "simulation/voyage.h"

namespace vendral {
namespace {

// Sets a direction of (x, y): `show` turns what shows it besides its fields,
// then the components are written as toText(h / 1000), east first, then the
// angle.
template <typename Show>
void setDirection(VoyageFields &fields, double x, float y, Field east, Field north, Field angle, Show show)
{
    DialDirection direction;
    if (!dialDirection(x, y, direction))
        return;
    show(direction, angleDegrees(x, y));
    fields.write(east, toText(direction.hx / 1000));
    fields.write(north, toText(direction.hy / 1000));
    fields.write(angle, angleText(x, y));
}

} // namespace

void setCourse(VoyageFields &fields, VoyageIndicators &indicators, double x, float y)
{
    setDirection(fields, x, y, Field::txtFahrtx, Field::txtFahrty, Field::txtWinkel,
                 [&indicators](const DialDirection &d, int degrees) { indicators.showCourse(d, degrees); });
}

void setCurrent(VoyageFields &fields, VoyageIndicators &indicators, double x, float y)
{
    setDirection(fields, x, y, Field::txtStromx, Field::txtStromy, Field::txtStromW,
                 [&indicators](const DialDirection &d, int degrees) { indicators.showCurrent(d, degrees); });
}

} // namespace vendral
