// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/runstep.h"

#include "simulation/referencepoints.h"
#include "simulation/timestep.h"
#include "simulation/voyage.h"

namespace vendral {
namespace {

// The dotted white circle of 5 sm around the island, drawn after every step.
void drawArrivalCircle(const VoyageFields &fields, VoyageChart &chart)
{
    const double ix = number(fields, Field::txtInselx);
    const double iy = number(fields, Field::txtInsely);
    chart.circle(held(ix + kArrivalCircleCentre.east), held(iy + kArrivalCircleCentre.north), 5, DrawStyle::Dot, 1,
                 Rgb{255, 255, 255});
}

} // namespace

Halt runStep(const Voyage &voyage)
{
    Halt halt = Halt::None;
    const bool stopAsked = voyage.state.stopRequested == 1;
    timeStep(voyage);
    if (!stopAsked && voyage.state.stopRequested == 1)
        halt = Halt::Edge;
    if (voyage.fields.ticked(Option::Check1) && arrived(voyage.fields) && voyage.state.stopRequested != 1) {
        voyage.state.stopRequested = 1;
        halt = Halt::Arrival;
    }
    drawArrivalCircle(voyage.fields, voyage.chart);
    return halt;
}

bool arrived(const VoyageFields &fields)
{
    const double x = number(fields, Field::txtSchiffx);
    const double y = number(fields, Field::txtSchiffy);
    const double ix = number(fields, Field::txtInselx);
    const double iy = number(fields, Field::txtInsely);
    const double dx = held(ix + kArrivalCircleCentre.east - x - kShipArrivalPoint.east);
    const double dy = held(iy + kArrivalCircleCentre.north - y - kShipArrivalPoint.north);
    return held(held(dx * dx) + held(dy * dy)) < 16;
}

} // namespace vendral
