// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/spoken.h"

#include "simulation/referencepoints.h"
#include "simulation/timestep.h"
#include "simulation/voyage.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numbers>

namespace vendral {
namespace {

// A number as it is spoken: toText without its leading blank.
std::string said(double value)
{
    const std::string text = toText(value);
    return text[0] == ' ' ? text.substr(1) : text;
}

std::string tenths(double value) { return said(std::round(held(value) * 10) / 10); }

std::string counted(double value, const char *one, const char *many)
{
    return wholeText(value) + ' ' + (value == 1 ? one : many);
}

// The angle a direction field shows, " 90°" read as 90.
double shownDegrees(const VoyageFields &fields, Field field) { return floorInt(number(fields, field)); }

// A read-out's sentence with its blanks as a reader says them.
std::string sentence(const VoyageFields &fields, Field field)
{
    std::string text;
    for (const char c : fields.text(field)) {
        if (c != ' ' || (!text.empty() && text.back() != ' '))
            text += c;
    }
    if (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

struct Point
{
    double x = 0;
    double y = 0;
};

Point shipPoint(const VoyageFields &fields)
{
    return {number(fields, Field::txtSchiffx), number(fields, Field::txtSchiffy)};
}

Point islandPoint(const VoyageFields &fields, const Offset &offset)
{
    return {held(number(fields, Field::txtInselx) + offset.east), held(number(fields, Field::txtInsely) + offset.north)};
}

double distance(const Point &a, const Point &b) { return held(std::hypot(held(b.x - a.x), held(b.y - a.y))); }

// The least distance from p to the segment from a to b, measured along the
// segment's direction so that nothing is squared that could overflow.
double distanceToSegment(const Point &a, const Point &b, const Point &p)
{
    const double ends = std::min(distance(a, p), distance(b, p));
    const double length = distance(a, b);
    if (!(length > 0) || length == DBL_MAX)
        return ends;
    const double ux = held(b.x - a.x) / length, uy = held(b.y - a.y) / length;
    const double along = held(held(p.x - a.x) * ux + held(p.y - a.y) * uy);
    if (!(along > 0 && along < length))
        return ends;
    return std::min(ends, distance({a.x + along * ux, a.y + along * uy}, p));
}

std::string tick(const VoyageFields &fields, Option option, const char *name)
{
    return std::string(name) + (fields.ticked(option) ? " ein" : " aus");
}

// The island's fields hold its corner; what is said of the island is its
// middle.
constexpr std::string_view kIslandCorner = "Ecke der Insel; die Mitte liegt 5 sm östlich, 4 sm südlich";

constexpr ControlText kNames[] = {
    {"txtFahrtx", "Kurs Ost"},
    {"txtFahrty", "Kurs Nord"},
    {"txtWinkel", "Kurs in Grad"},
    {"txtFahrtv", "Fahrt durchs Wasser in Knoten"},
    {"hscfahrtv", "Fahrt durchs Wasser in Knoten"},
    {"txtStromx", "Strömung Ost"},
    {"txtStromy", "Strömung Nord"},
    {"txtStromW", "Strömungsrichtung in Grad"},
    {"txtStromv", "Strömungsgeschwindigkeit in Knoten"},
    {"hscstromv", "Strömungsgeschwindigkeit in Knoten"},
    {"hscdt", "dt in Minuten"},
    {"txtReisezeitd", "Reisezeit Tage"},
    {"txtReisezeith", "Reisezeit Stunden"},
    {"txtReisezeitmin", "Reisezeit Minuten"},
    {"hscverz", "Verzögerung in Millisekunden"},
    {"txtAbstand", "Entfernung zur Insel"},
    {"txtFdW", "Fahrt d. Wasser"},
    {"txtReiseweg", "Fahrt ü. Grund"},
    {"image1", "Schiff"},
    {"image2", "Insel"},
    {"picFahrt", "Kurs"},
    {"picStrom", "Strömungsrichtung"},
    {"Check1", "automatisch anhalten"},
    {"Command2", "Reisezeit und Strecken löschen"},
    {"Command4", "Seekarte löschen"},
    {"Frame2", "Zeitschritt, Verzögerung und Reisezeit"},
    {"linpeil", "Peillinie zur Insel"},
};

constexpr ControlText kDescriptions[] = {
    {"Command4", "Seekarte löschen und Strömung neu zeichnen"},
    {"txtInselx", kIslandCorner},
    {"txtInsely", kIslandCorner},
};

} // namespace

std::string degreesText(double degrees) { return wholeText(degrees) + " Grad"; }

std::string dialText(std::string_view name, int degrees) { return std::string(name) + ' ' + degreesText(degrees); }

std::span<const ControlText> controlNames() { return kNames; }

std::span<const ControlText> controlLabels()
{
    static constexpr ControlText labels[] = {
        {"txtSchiffx", "Label7_0"}, {"txtSchiffy", "Label7_1"}, {"txtInselx", "Label7_2"},
        {"txtInsely", "Label7_3"},  {"chkPeil", "Label7_4"},    {"txtdt", "Label8_0"},
        {"txtVerz", "Label1"},
    };
    return labels;
}

std::span<const ControlText> controlDescriptions() { return kDescriptions; }

std::string_view creditsItemName() { return "Programmiert von"; }

std::string placeText(double x, double y) { return "x " + tenths(x) + ", y " + tenths(y) + " sm"; }

std::string shipText(const VoyageFields &fields)
{
    const Point ship = shipPoint(fields);
    return "Schiff bei " + placeText(ship.x, ship.y);
}

std::string islandText(const VoyageFields &fields)
{
    const Point island = islandPoint(fields, kIslandPlace);
    return "Inselmitte bei " + placeText(island.x, island.y);
}

int bearingDegrees(double x1, double y1, double x2, double y2)
{
    const double east = held(x2 - x1), north = held(y2 - y1);
    if (east == 0 && north == 0)
        return 0;
    const double degrees = std::round(std::atan2(east, north) * 180 / std::numbers::pi);
    return (static_cast<int>(degrees) + 360) % 360;
}

std::string chartSummary(const VoyageFields &fields)
{
    const Point ship = shipPoint(fields);
    const Point island = islandPoint(fields, kIslandPlace);
    std::string text = shipText(fields) + ". " + islandText(fields) + ". " + sentence(fields, Field::txtAbstand)
                       + ", Peilung " + degreesText(bearingDegrees(ship.x, ship.y, island.x, island.y)) + ". ";
    text += "Kurs durchs Wasser " + degreesText(shownDegrees(fields, Field::txtWinkel)) + ", "
            + said(number(fields, Field::txtFahrtv)) + " Knoten. ";
    const Velocity ground = groundVelocity(fields);
    const double speed = std::round(held(std::hypot(ground.east, ground.north)) * 10) / 10;
    if (speed == 0)
        return text + "Über Grund keine Fahrt.";
    return text + "Kurs über Grund " + degreesText(bearingDegrees(0, 0, ground.east, ground.north)) + ", "
           + said(speed) + " Knoten.";
}

std::string travelTimeText(const VoyageFields &fields)
{
    const double days = floorInt(number(fields, Field::txtReisezeitd));
    const double hours = floorInt(number(fields, Field::txtReisezeith));
    const double minutes = floorInt(number(fields, Field::txtReisezeitmin));
    std::string text = "Reisezeit ";
    if (days != 0)
        text += counted(days, "Tag", "Tage") + ' ';
    if (days != 0 || hours != 0)
        text += counted(hours, "Stunde", "Stunden") + ' ';
    return text + counted(minutes, "Minute", "Minuten");
}

std::string stepReport(const VoyageFields &fields)
{
    return shipText(fields) + ". " + sentence(fields, Field::txtAbstand) + ". " + travelTimeText(fields) + '.';
}

std::string bearingLineText(float x1, float y1, float x2, float y2)
{
    const double length = distance({x1, y1}, {x2, y2});
    return "Peillinie " + degreesText(bearingDegrees(x1, y1, x2, y2)) + ", " + wholeText(std::round(length)) + " sm";
}

std::string startStateReport(const VoyageFields &fields)
{
    const double current = shownDegrees(fields, Field::txtStromW);
    std::string text = "Startzustand: " + shipText(fields) + ", " + islandText(fields) + ", Kurs "
                       + degreesText(shownDegrees(fields, Field::txtWinkel)) + ", Strömung "
                       + (current == 0 ? std::string("nach Norden") : "nach " + degreesText(current)) + ". ";
    text += countersClearedReport() + " Unverändert: Fahrt " + said(number(fields, Field::txtFahrtv))
            + " Knoten, Strömung " + said(number(fields, Field::txtStromv)) + " Knoten, dt "
            + counted(floorInt(number(fields, Field::txtdt)), "Minute", "Minuten") + ", Verzögerung "
            + said(number(fields, Field::txtVerz)) + ", ";
    return text + tick(fields, Option::chkAuto, "Autopilot") + ", " + tick(fields, Option::chkPeil, "Peilung") + ", "
           + tick(fields, Option::Check1, "automatisch anhalten") + '.';
}

std::string countersClearedReport() { return "Reisezeit und Strecken gelöscht."; }

RunNotes::RunNotes(const VoyageFields &fields)
    : startDegrees_(shownDegrees(fields, Field::txtWinkel))
    , closest_(distance(shipPoint(fields), islandPoint(fields, kDistancePoint)))
{
}

void RunNotes::stepped(double x0, double y0, const VoyageFields &fields)
{
    closest_ = std::min(closest_, distanceToSegment({x0, y0}, shipPoint(fields), islandPoint(fields, kDistancePoint)));
}

std::string RunNotes::report(RunEnd end, const VoyageFields &fields) const
{
    std::string text;
    switch (end) {
    case RunEnd::Stop: text = "Fahrt gestoppt. "; break;
    case RunEnd::Edge: text = "Fahrt beendet am Rand des Seegebiets. "; break;
    case RunEnd::Arrival: text = "Fahrt beendet: an der Insel angekommen. "; break;
    }
    const double degrees = shownDegrees(fields, Field::txtWinkel);
    text += shipText(fields) + ", Kurs " + degreesText(degrees);
    if (degrees != startDegrees_)
        text += ", zu Beginn " + degreesText(startDegrees_);
    text += ". ";
    const std::string distanceNow = sentence(fields, Field::txtAbstand);
    if (!distanceNow.empty())
        text += distanceNow + ", kleinste " + wholeText(closest_) + " sm. ";
    text += travelTimeText(fields) + '.';
    for (const Field readOut : {Field::txtFdW, Field::txtReiseweg}) {
        const std::string said = sentence(fields, readOut);
        if (!said.empty())
            text += ' ' + said + '.';
    }
    return text;
}

} // namespace vendral
