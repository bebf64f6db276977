// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/timestep.h"

#include "chart/bearing.h"
#include "chart/islanddistance.h"
#include "chart/marker.h"
#include "chart/shipmarker.h"
#include "common/canvas.h"
#include "common/fields.h"
#include "common/form.h"
#include "common/numbers.h"
#include "common/picturebox.h"
#include "simulation/autopilot.h"

#include <QCheckBox>

#include <cmath>

namespace vendral {
namespace {

const QColor kTrack(240, 240, 2);

// Sums and products of field values stay finite (see held()).
double mulAdd(double a, double b, double c, double d) { return held(held(a * b) + held(c * d)); }

} // namespace

void timeStep(Form &form)
{
    // 1. The autopilot turns the heading first, so this step sails on it.
    if (form.chkAuto->checkState() == Qt::Checked)
        steerToIsland(form);

    // 2. Velocity over ground in knots.
    const double v = number(form.txtFahrtv);
    const double c = number(form.txtStromv);
    form.vxGround = mulAdd(number(form.txtFahrtx), v, c, number(form.txtStromx));
    form.vyGround = mulAdd(number(form.txtFahrty), v, c, number(form.txtStromy));
    form.speedOverGround = held(std::hypot(form.vxGround, form.vyGround));

    // 3. Old position, for the track.
    const double x0 = number(form.txtSchiffx);
    const double y0 = number(form.txtSchiffy);

    // 4. New position; beyond the permitted area a stop is requested, but the
    //    ship moves all the same. Divide by 60 first, then multiply by dt.
    const double dt = number(form.txtdt);
    const double x1 = held(x0 + held((form.vxGround / 60) * dt));
    const double y1 = held(y0 + held((form.vyGround / 60) * dt));
    if (x1 < 0 || x1 > 97)
        form.stopRequested = 1;
    if (y1 < 2 || y1 > 100)
        form.stopRequested = 1;

    // 5. The position is stored as text, rounded to 15 significant digits.
    write(form.txtSchiffx, toText(x1));
    write(form.txtSchiffy, toText(y1));

    // 6. The marker's corner lies 0.2 sm west and 0.4 sm north of the position.
    const double x = number(form.txtSchiffx);
    const double y = number(form.txtSchiffy);
    form.image1->moveTo(toSingle(x - 0.2), toSingle(y + 0.4));

    // 7. The bearing line follows the ship marker, if it is shown at all.
    updateBearingLine(form);

    // 8. Track, 2 pixels wide and therefore solid although the style is dashed.
    Canvas &chart = form.picSee->canvas();
    chart.setDrawStyle(Canvas::DrawStyle::Dash);
    chart.setDrawWidth(2);
    chart.line(x0 + 0.8, y0 - 0.8, x + 0.8, y - 0.8, kTrack);

    // 9.-11. Travel time, split into days, hours and minutes.
    form.travelTime = held(form.travelTime + number(form.txtdt));
    const double t = form.travelTime;
    form.travelDays = floorInt(t / 1440);
    form.travelHours = floorInt((t - 1440 * form.travelDays) / 60);
    form.travelMinutes = floorInt(t - 1440 * form.travelDays - 60 * form.travelHours);
    write(form.txtReisezeitd, toText(form.travelDays) + "d");
    write(form.txtReisezeith, toText(form.travelHours) + "h");
    write(form.txtReisezeitmin, toText(form.travelMinutes) + "m");

    // 12. Distance to the island.
    showIslandDistance(form);

    // 13. Distance through the water.
    form.distanceThroughWater = held(form.distanceThroughWater + held(number(form.txtdt) * number(form.txtFahrtv)) / 60);
    write(form.txtFdW, "Fahrt d. Wasser" + toText(floorInt(form.distanceThroughWater)) + " sm");

    // 14. Distance over ground.
    form.distanceOverGround = held(form.distanceOverGround + held(form.speedOverGround * number(form.txtdt)) / 60);
    write(form.txtReiseweg, "Fahrt \u00fc. Grund" + toText(floorInt(form.distanceOverGround)) + " sm");
}

} // namespace vendral
