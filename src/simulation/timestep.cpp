// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/timestep.h"

#include "simulation/autopilot.h"
#include "simulation/bearing.h"
#include "simulation/islanddistance.h"
#include "simulation/referencepoints.h"
#include "simulation/voyage.h"

#include <cmath>

namespace vendral {
namespace {

constexpr Rgb kTrack{240, 240, 2};

// Sums and products of field values stay finite (see held()).
double mulAdd(double a, double b, double c, double d) { return held(held(a * b) + held(c * d)); }

// Travel time in whole days, hours and minutes.
void showTravelTime(VoyageFields &fields, double t)
{
    const double days = floorInt(t / 1440);
    const double hours = floorInt((t - 1440 * days) / 60);
    const double minutes = floorInt(t - 1440 * days - 60 * hours);
    fields.write(Field::txtReisezeitd, toText(days) + "d");
    fields.write(Field::txtReisezeith, toText(hours) + "h");
    fields.write(Field::txtReisezeitmin, toText(minutes) + "m");
}

} // namespace

Velocity groundVelocity(const VoyageFields &fields)
{
    const double v = number(fields, Field::txtFahrtv);
    const double c = number(fields, Field::txtStromv);
    return {mulAdd(number(fields, Field::txtFahrtx), v, c, number(fields, Field::txtStromx)),
            mulAdd(number(fields, Field::txtFahrty), v, c, number(fields, Field::txtStromy))};
}

void timeStep(const Voyage &voyage)
{
    VoyageFields &fields = voyage.fields;
    VoyageState &state = voyage.state;

    // 1. The autopilot turns the heading first, so this step sails on it.
    if (fields.ticked(Option::chkAuto))
        steerToIsland(voyage.markers, fields, voyage.indicators);

    // 2. Velocity over ground in knots.
    const auto [vxGround, vyGround] = groundVelocity(fields);
    const double speedOverGround = held(std::hypot(vxGround, vyGround));

    // 3. Old position, for the track.
    const double x0 = number(fields, Field::txtSchiffx);
    const double y0 = number(fields, Field::txtSchiffy);

    // 4. New position; beyond the permitted area a stop is requested, but the
    //    ship moves all the same. Divide by 60 first, then multiply by dt.
    const double dt = number(fields, Field::txtdt);
    const double x1 = held(x0 + held((vxGround / 60) * dt));
    const double y1 = held(y0 + held((vyGround / 60) * dt));
    if (x1 < 0 || x1 > 97)
        state.stopRequested = 1;
    if (y1 < 2 || y1 > 100)
        state.stopRequested = 1;

    // 5. The position is stored as text, rounded to 15 significant digits.
    fields.write(Field::txtSchiffx, toText(x1));
    fields.write(Field::txtSchiffy, toText(y1));

    // 6. The marker follows the position as the field holds it.
    const double x = number(fields, Field::txtSchiffx);
    const double y = number(fields, Field::txtSchiffy);
    voyage.markers.moveTo(MarkerName::image1, toSingle(x + kShipMarkerCorner.east),
                          toSingle(y + kShipMarkerCorner.north));

    // 7. The bearing line follows the ship marker, if it is shown at all.
    updateBearingLine(fields, voyage.markers, voyage.indicators);

    // 8. Track, 2 pixels wide and therefore solid although the style is dashed.
    voyage.chart.line(x0 + kTrackPoint.east, y0 + kTrackPoint.north, x + kTrackPoint.east, y + kTrackPoint.north,
                      DrawStyle::Dash, 2, kTrack);

    // 9.-11. Travel time, split into days, hours and minutes.
    state.travelTime = held(state.travelTime + number(fields, Field::txtdt));
    showTravelTime(fields, state.travelTime);

    // 12. Distance to the island.
    showIslandDistance(fields);

    // 13. Distance through the water.
    state.distanceThroughWater = held(
        state.distanceThroughWater + held(number(fields, Field::txtdt) * number(fields, Field::txtFahrtv)) / 60);
    fields.write(Field::txtFdW, "Fahrt d. Wasser" + toText(floorInt(state.distanceThroughWater)) + " sm");

    // 14. Distance over ground.
    state.distanceOverGround =
        held(state.distanceOverGround + held(speedOverGround * number(fields, Field::txtdt)) / 60);
    fields.write(Field::txtReiseweg, "Fahrt \u00fc. Grund" + toText(floorInt(state.distanceOverGround)) + " sm");
}

} // namespace vendral
