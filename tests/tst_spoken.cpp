// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What a screen reader says of the voyage, on plain data: a student who
// steers by these texts alone must find the island.
#include "sea.h"

#include "simulation/course.h"
#include "simulation/runstep.h"
#include "simulation/spoken.h"

#include "shared/check.h"

#include <cmath>

using namespace vendral;
using testing::Sea;

namespace {

// The window's start: ship at 10, 10, island corner at 80, 80, heading
// east at 1 knot, current north at 1 knot.
TEST(summaryAtTheStart)
{
    Sea sea(10, 10, 1, 0, 1, 1, 1);
    sea[Field::txtAbstand] = std::string("Entfernung zur Insel 98 sm");
    CHECK_EQ((chartSummary(sea)),
             std::string("Schiff bei x 10, y 10 sm. Inselmitte bei x 85, y 76 sm. "
                            "Entfernung zur Insel 98 sm, Peilung 49 Grad. "
                            "Kurs durchs Wasser 90 Grad, 1 Knoten. Kurs über Grund 45 Grad, 1.4 Knoten."));
    sea[Field::txtFahrtv] = std::string(" 0");
    sea[Field::txtStromv] = std::string(" 0");
    CHECK(chartSummary(sea).ends_with("Über Grund keine Fahrt."));
    // The island's fields are described by the way from their corner to the
    // middle said above.
    for (const ControlText &c : controlDescriptions())
        if (c.control.starts_with("txtInsel"))
            CHECK(c.text.ends_with("die Mitte liegt 5 sm östlich, 4 sm südlich"));
}

// The island is said to lie where the arrival circle is drawn round it
// and the autopilot steers: a course worked out from what is heard
// reaches it.
TEST(islandLiesWhereTheVoyageMeasuresIt)
{
    Sea sea(10, 10, 1, 0, 10, 6);
    sea.ticks.insert(Option::Check1);
    runStep(sea.voyage());
    CHECK_EQ((islandText(sea)), std::string("Inselmitte bei ") + (placeText(sea.circleX, sea.circleY)));
    // From 10, 10 the island bears 49 degrees: sailed on that heading, 1 sm
    // a step, the run arrives.
    const double a = 49.0 * std::acos(-1.0) / 180;
    setCourse(sea, sea, std::sin(a), float(std::cos(a)));
    sea[Field::txtSchiffx] = std::string("10");
    sea[Field::txtSchiffy] = std::string("10");
    Halt halt = Halt::None;
    for (int i = 0; i < 120 && halt == Halt::None; ++i)
        halt = runStep(sea.voyage());
    CHECK_EQ(halt, Halt::Arrival);
}

TEST(bearings)
{
    const struct
    {
        const char *row;
        double x, y;
        int degrees;
    } rows[] = {
        {"north", 10.0, 20.0, 0},       {"east", 20.0, 10.0, 90}, {"one sm east", 11.0, 10.0, 90},
        {"south", 10.0, 0.0, 180},      {"west", 0.0, 10.0, 270},
        {"north-east", 20.0, 20.0, 45}, {"nearest degree", 20.0, 21.0, 42},
        {"just west of north", 9.99, 20.0, 0}, {"same place", 10.0, 10.0, 0},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        CHECK_EQ(bearingDegrees(10, 10, r.x, r.y), r.degrees);
    }
}

TEST(travelTimes)
{
    const struct
    {
        const char *row, *days, *hours, *minutes, *said;
    } rows[] = {
        {"cleared", "0", "0", "0", "Reisezeit 0 Minuten"},
        {"one minute", " 0d", " 0h", " 1m", "Reisezeit 1 Minute"},
        {"hours", " 0d", " 2h", " 5m", "Reisezeit 2 Stunden 5 Minuten"},
        {"one hour", " 0d", " 1h", " 0m", "Reisezeit 1 Stunde 0 Minuten"},
        {"one day", " 1d", " 0h", " 0m", "Reisezeit 1 Tag 0 Stunden 0 Minuten"},
        {"days", " 3d", " 4h", " 59m", "Reisezeit 3 Tage 4 Stunden 59 Minuten"},
        {"beyond any integer", " 6.94444444444444E+296d", " 0h", " 0m",
         "Reisezeit 6.94444444444444E+296 Tage 0 Stunden 0 Minuten"},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        Sea sea(10, 10, 1, 0, 1, 1);
        sea[Field::txtReisezeitd] = r.days;
        sea[Field::txtReisezeith] = r.hours;
        sea[Field::txtReisezeitmin] = r.minutes;
        CHECK_EQ(travelTimeText(sea), std::string(r.said));
    }
}

TEST(stepIsReported)
{
    Sea sea(50, 50, 1, 0, 6, 10);
    sea.steps(1);
    CHECK_EQ((stepReport(sea)),
             std::string("Schiff bei x 51, y 50 sm. Entfernung zur Insel 41 sm. Reisezeit 10 Minuten."));
}

// The closest approach is measured along the track: passing the island
// between two steps counts.
TEST(runReportTellsTheClosestApproach)
{
    Sea sea(60, 75, 0, 1, 10, 60);
    RunNotes notes(sea);
    setCourse(sea, sea, 1, 0);
    for (int i = 0; i < 3; ++i) {
        const double x0 = number(sea, Field::txtSchiffx), y0 = number(sea, Field::txtSchiffy);
        sea.steps(1);
        notes.stepped(x0, y0, sea);
    }
    CHECK_EQ((notes.report(RunEnd::Edge, sea)),
             std::string("Fahrt beendet am Rand des Seegebiets. Schiff bei x 90, y 75 sm, Kurs 90 Grad, "
                            "zu Beginn 0 Grad. Entfernung zur Insel 6 sm, kleinste 0 sm. "
                            "Reisezeit 3 Stunden 0 Minuten. Fahrt d. Wasser 30 sm. Fahrt ü. Grund 30 sm."));
    // Blanks typed round a read-out and doubled inside it are not said.
    sea[Field::txtFdW] = "  Fahrt d.  Wasser 30 sm ";
    sea[Field::txtReiseweg].clear();
    CHECK(notes.report(RunEnd::Stop, sea).ends_with("0 Minuten. Fahrt d. Wasser 30 sm."));
    sea[Field::txtFdW].clear();
    CHECK(notes.report(RunEnd::Stop, sea).ends_with("Reisezeit 3 Stunden 0 Minuten."));
    CHECK(notes.report(RunEnd::Arrival, sea).starts_with("Fahrt beendet: an der Insel angekommen. "));
}

// The closest approach to the point the distance read-out measures to (84, 75
// here), along a stage from one place to the next, in whole sm cut down.
TEST(closestApproachAlongAStage)
{
    const struct
    {
        const char *row;
        double from[2], to[2];
        const char *said;
    } rows[] = {
        {"passing at an angle", {70, 65}, {90, 85}, "kleinste 2 sm"},   // 4 / sqrt 2 off the track
        {"passing to the north", {60, 80}, {100, 80}, "kleinste 5 sm"}, // due east, 5 sm north of it
        {"stopping short", {60, 55}, {70, 65}, "kleinste 17 sm"},        // from the stage's end
        {"sailing away", {90, 85}, {100, 95}, "kleinste 11 sm"},         // from its start
        // A short stage, as dt 1 minute makes them: 0.95 sm off its middle,
        // more than 1 sm off its ends.
        {"a short stage", {83.6, 74.05}, {84.4, 74.05}, "kleinste 0 sm"},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        Sea sea(r.from[0], r.from[1], 1, 0, 1, 1);
        RunNotes notes(sea);
        sea[Field::txtSchiffx] = Sea::exact(r.to[0]);
        sea[Field::txtSchiffy] = Sea::exact(r.to[1]);
        sea[Field::txtAbstand] = "Entfernung zur Insel 1 sm";
        notes.stepped(r.from[0], r.from[1], sea);
        const std::string report = notes.report(RunEnd::Stop, sea);
        CHECK(report.find(r.said) != std::string::npos);
    }
}

TEST(startStateIsReported)
{
    Sea sea(10, 10, 1, 0, 3, 15, 2);
    sea[Field::txtVerz] = std::string("40");
    sea.ticks = {Option::chkAuto, Option::Check1};
    CHECK_EQ((startStateReport(sea)),
             std::string("Startzustand: Schiff bei x 10, y 10 sm, Inselmitte bei x 85, y 76 sm, Kurs 90 Grad, "
                            "Strömung nach Norden. Reisezeit und Strecken gelöscht. Unverändert: Fahrt 3 Knoten, "
                            "Strömung 2 Knoten, dt 15 Minuten, Verzögerung 40, Autopilot ein, Peilung aus, "
                            "automatisch anhalten ein."));
}

// The bearing line and the dials tell their angles in whole degrees.
TEST(anglesAreTold)
{
    CHECK_EQ((bearingLineText(11, 9, 85, 75)), std::string("Peillinie 48 Grad, 99 sm"));
    CHECK_EQ((dialText("Kurs", 0)), std::string("Kurs 0 Grad"));
    CHECK_EQ((dialText("Strömungsrichtung", 359)), std::string("Strömungsrichtung 359 Grad"));
}
} // namespace

CHECK_MAIN()
