// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The voyage core on plain data: time steps, the autopilot, the bearing line,
// the arrival test and the direction maths, without a window or an event
// loop.
#include "sea.h"

#include "simulation/course.h"
#include "simulation/direction.h"
#include "simulation/runrules.h"
#include "simulation/runstep.h"
#include "simulation/timestep.h"
#include "simulation/travelcounters.h"

#include "shared/check.h"

#include <cfloat>
#include <cmath>
#include <regex>
#include <string>

using namespace vendral;
using testing::Sea;

namespace {

TEST(eastAtSixKnots)
{
    Sea sea(50, 50, 1, 0, 6, 10);
    sea.steps(1);
    CHECK_EQ(sea[Field::txtSchiffx], std::string(" 51"));
    CHECK_EQ(sea[Field::txtSchiffy], std::string(" 50"));
    CHECK_EQ(sea[Field::txtFdW], std::string("Fahrt d. Wasser 1 sm"));
    CHECK_EQ(sea[Field::txtReiseweg], std::string("Fahrt ü. Grund 1 sm"));
    // The marker's corner is 0.2 sm west and 0.4 sm north of the position.
    CHECK_EQ(sea.left(MarkerName::image1), 50.8f);
    CHECK_EQ(sea.top(MarkerName::image1), 50.4f);
    // The track runs 0.8 sm east and south of the old and new position.
    CHECK_EQ(sea.lines.size(), size_t(1));
    const Sea::Line &track = sea.lines.front();
    CHECK_EQ(track.x1, 50.8);
    CHECK_EQ(track.y1, 49.2);
    CHECK_EQ(track.x2, 51.8);
    CHECK_EQ(track.y2, 49.2);
    CHECK_EQ(track.style, DrawStyle::Dash);
    CHECK_EQ(track.width, 2);
    CHECK(track.colour == (Rgb{240, 240, 2})); // yellow
}

TEST(halfMileWithoutLeadingZero)
{
    // 30 knots: the speed bar stops at 10, the field holds what is read.
    Sea sea(0, 50, 1, 0, 30, 1);
    sea.steps(1);
    CHECK_EQ(sea[Field::txtSchiffx], std::string(" .5"));
}

TEST(edgeOfPermittedArea)
{
    const struct
    {
        const char *row;
        double x, y, hx, hy;
        int stop;
    } rows[] = {
        // 6 knots for 10 minutes: exactly 1 sm.
        {"exactly 97", 96.0, 50.0, 1.0, 0.0, 0},   {"beyond 97", 96.001, 50.0, 1.0, 0.0, 1},
        {"exactly 2", 50.0, 3.0, 0.0, -1.0, 0},    {"below 2", 50.0, 2.999, 0.0, -1.0, 1},
        {"exactly 0", 1.0, 50.0, -1.0, 0.0, 0},    {"below 0", 0.5, 50.0, -1.0, 0.0, 1},
        {"exactly 100", 50.0, 99.0, 0.0, 1.0, 0},  {"beyond 100", 50.0, 99.5, 0.0, 1.0, 1},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        Sea sea(r.x, r.y, r.hx, r.hy, 6, 10);
        sea.steps(1);
        CHECK_EQ(sea.state.stopRequested, r.stop);
        // The ship moves all the same.
        CHECK_EQ(number(sea, Field::txtSchiffx), r.x + r.hx);
        CHECK_EQ(number(sea, Field::txtSchiffy), r.y + r.hy);
    }
}

TEST(currentAloneMovesTheShip)
{
    Sea sea(50, 50, 1, 0, 0, 30, 2);
    sea.steps(1);
    CHECK_EQ(sea[Field::txtSchiffx], std::string(" 50"));
    CHECK_EQ(sea[Field::txtSchiffy], std::string(" 51"));
    CHECK_EQ(sea[Field::txtFdW], std::string("Fahrt d. Wasser 0 sm"));
    CHECK_EQ(sea[Field::txtReiseweg], std::string("Fahrt ü. Grund 1 sm"));
    CHECK_EQ(sea.state.distanceOverGround, 1.0);
}

TEST(travelTimeSplit)
{
    const struct
    {
        const char *row, *dt, *days, *hours, *minutes;
    } rows[] = {
        {"one day", "1440", " 1d", " 0h", " 0m"},     {"59 minutes", "59", " 0d", " 0h", " 59m"},
        {"1505 minutes", "1505", " 1d", " 1h", " 5m"}, {"fraction", "90.5", " 0d", " 1h", " 30m"},
        {"no number", "abc", " 0d", " 0h", " 0m"},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        Sea sea(50, 50, 1, 0, 0, 1);
        sea[Field::txtdt] = r.dt;
        sea.steps(1);
        CHECK_EQ(sea[Field::txtReisezeitd], std::string(r.days));
        CHECK_EQ(sea[Field::txtReisezeith], std::string(r.hours));
        CHECK_EQ(sea[Field::txtReisezeitmin], std::string(r.minutes));
    }
}

TEST(countersStartAgain)
{
    Sea sea(20, 50, 1, 0, 6, 60);
    sea.steps(2);
    resetTravelCounters(sea, sea.state);
    for (Field f : {Field::txtReisezeitd, Field::txtReisezeith, Field::txtReisezeitmin})
        CHECK_EQ(sea[f], std::string("0"));
    CHECK_EQ(sea[Field::txtReiseweg], std::string());
    CHECK_EQ(sea[Field::txtFdW], std::string());
    sea.steps(1);
    CHECK_EQ(sea[Field::txtReisezeith], std::string(" 1h"));
    CHECK_EQ(sea[Field::txtFdW], std::string("Fahrt d. Wasser 6 sm"));
    CHECK_EQ(sea[Field::txtSchiffx], std::string(" 38"));
}

TEST(distancesAreRoundedDown)
{
    // 3.99 sm in one step: 3.99 knots for 60 minutes.
    Sea sea(20, 50, 1, 0, 0, 60);
    sea[Field::txtFahrtv] = std::string("3.99");
    sea.steps(1);
    CHECK_EQ(sea[Field::txtFdW], std::string("Fahrt d. Wasser 3 sm"));
    CHECK_EQ(sea[Field::txtReiseweg], std::string("Fahrt ü. Grund 3 sm"));
    CHECK_EQ(sea[Field::txtSchiffx], std::string(" 23.99"));
    // (80 + 4 - 23.99, 80 - 5 - 50) = (60.01, 25): 65.0...
    CHECK_EQ(sea[Field::txtAbstand], std::string("Entfernung zur Insel 65 sm"));
}

TEST(bearingLineFollowsTheBox)
{
    Sea sea(30, 40, 1, 0, 6, 10);
    sea.ticks.insert(Option::chkPeil);
    sea.steps(1);
    CHECK(sea.bearingShown);
    // From 1 sm east and north of the ship's corner (30.8, 40.4) to 5 sm
    // east and south of the island's.
    CHECK_EQ(sea.bearing[0], 31.8f);
    CHECK_EQ(sea.bearing[1], 39.4f);
    CHECK_EQ(sea.bearing[2], 85.0f);
    CHECK_EQ(sea.bearing[3], 75.0f);
    sea.ticks.clear();
    sea.steps(1);
    CHECK(!sea.bearingShown);
}

// The heading is set before the step sails on it, from the markers' corners
// to the aim point 5 sm east and 4 sm south of the island's corner.
TEST(autopilotSteersBeforeTheStep)
{
    const struct
    {
        const char *row;
        float ship[2], island[2];
        const char *east, *north, *angle;
    } rows[] = {
        {"due east", {10, 50}, {40, 54}, " 1", " 0", " 90°"},
        {"due south", {45, 60}, {40, 34}, " 0", "-1", " 180°"},
        // (75, 66) from the start's corners: 48.6 degrees, shown cut down.
        {"from the start", {10, 10}, {80, 80}, " .75", " .66", " 48°"},
        // The heading the ship had, north, stays.
        {"half a sm short of the aim point", {45, 76}, {40.5, 80}, " 1", " 0", " 90°"},
        {"corner on the aim point", {45, 76}, {40, 80}, " 0", " 1", " 0°"},
        // The corners' differences overflow single precision.
        {"beyond single precision", {-2e38f, -2e38f}, {2e38f, 2e38f}, " .707", " .707", " 45°"},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        Sea sea(10, 50, 0, 1, 6, 10);
        sea.moveTo(MarkerName::image1, r.ship[0], r.ship[1]);
        sea.moveTo(MarkerName::image2, r.island[0], r.island[1]);
        sea.ticks.insert(Option::chkAuto);
        sea.steps(1);
        CHECK_EQ(sea[Field::txtFahrtx], std::string(r.east));
        CHECK_EQ(sea[Field::txtFahrty], std::string(r.north));
        CHECK_EQ(sea[Field::txtWinkel], std::string(r.angle));
        // 6 knots for 10 minutes along the new heading.
        CHECK_NEAR(number(sea, Field::txtSchiffx), 10 + number(sea, Field::txtFahrtx), 1e-12);
    }
}

// Arrival: the ship's position closer than 4 sm to the point 3 sm east and
// 4 sm south of the island's corner (83, 76 here).
TEST(arrivalWithinFourMiles)
{
    const struct
    {
        const char *row, *x, *y;
        bool arrives;
    } rows[] = {
        {"on the point", "83", "76", true},         {"4 sm south", "83", "72", false},
        {"just inside south", "83", "72.01", true}, {"4 sm north", "83", "80", false},
        {"just inside north", "83", "79.99", true}, {"4 sm west", "79", "76", false},
        {"just inside west", "79.01", "76", true},  {"4 sm east", "87", "76", false},
        {"3 and 2.5 sm off", "86", "73.5", true},   {"3 and 3 sm off", "80", "79", false},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        Sea sea(10, 10, 1, 0, 0, 1);
        sea[Field::txtSchiffx] = r.x;
        sea[Field::txtSchiffy] = r.y;
        CHECK_EQ(arrived(sea), r.arrives);
    }
}

// A pass of a run: the stop it asks for, and the arrival circle after
// every step.
TEST(runStepHalts)
{
    const struct
    {
        const char *row;
        double x;
        bool check1;
        int stopBefore;
        Halt halt;
        int stopAfter;
    } rows[] = {
        // The arrival test's centre is (83, 76); the ship sails 1 sm east.
        {"far", 70.0, true, 0, Halt::None, 0},
        {"arrived", 79.5, true, 0, Halt::Arrival, 1},
        {"arrived, box not ticked", 79.5, false, 0, Halt::None, 0},
        {"edge", 96.5, true, 0, Halt::Edge, 1},
        {"stop asked before", 79.5, true, 1, Halt::None, 1},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        Sea sea(r.x, 76, 1, 0, 6, 10);
        if (r.check1)
            sea.ticks.insert(Option::Check1);
        sea.state.stopRequested = r.stopBefore;
        CHECK_EQ(runStep(sea.voyage()), r.halt);
        CHECK_EQ(sea.state.stopRequested, r.stopAfter);
        CHECK_EQ(sea.circles, 1L);
    }
    // The dotted white circle of 5 sm round the island.
    Sea sea(10, 10, 1, 0, 6, 10);
    runStep(sea.voyage());
    CHECK_EQ(sea.circleX, 85.0);
    CHECK_EQ(sea.circleY, 76.0);
    CHECK_EQ(sea.circleRadius, 5.0);
    CHECK_EQ(sea.circleStyle, DrawStyle::Dot);
    CHECK_EQ(sea.circleWidth, 1);
    CHECK(sea.circleColour.red == 255 && sea.circleColour.green == 255 && sea.circleColour.blue == 255);
}

TEST(runDelayText)
{
    const struct
    {
        const char *row, *text;
        int ms;
    } rows[] = {
        {"zero", "0", 0},      {"forty", "40", 40},        {"hundred", "100", 100},    {"beyond", "150", 100},
        {"empty", "", 0},      {"letters", "abc", 0},      {"fraction", "1.5", 0},     {"negative", "-3", 0},
        {"huge", "99999999999", 0}, {"blanks round it", " 40 ", 40}, {"plus", "+5", 5}, {"two numbers", "4 5", 0},
        {"tab and line end", "\t40\r\n", 40},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        Sea sea(50, 50, 1, 0, 6, 10);
        sea[Field::txtVerz] = r.text;
        CHECK_EQ(RunRules::delay(sea), r.ms);
    }
}

// A run driven as an event loop drives it, with "Stop" or a nested "Fahrt"
// coming in while events are handled, before the given pass.
TEST(runRules)
{
    enum class Then { Nothing, Stop, NestedRunStopped, Close };
    const struct
    {
        const char *row;
        double x;
        Then then;
        int steps;
        RunRules::End end;
        const char *closest; // the report's closest approach, over all steps
    } rows[] = {
        {"Stop is followed by one more step", 30, Then::Stop, 1, RunRules::End::Stop, "kleinste 53 sm"},
        // The inner run makes its one step, the outer one step more.
        {"a nested run ends the outer one", 30, Then::NestedRunStopped, 2, RunRules::End::Stop, "kleinste 52 sm"},
        {"closing makes no step", 30, Then::Close, 0, RunRules::End::Closing, ""},
        {"the edge", 96.5, Then::Nothing, 1, RunRules::End::Edge, "kleinste 12 sm"},
        {"arrival", 79.5, Then::Nothing, 1, RunRules::End::Arrival, "kleinste 3 sm"},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        Sea sea(r.x, 76, 1, 0, 6, 10);
        sea.ticks.insert(Option::Check1);
        sea.state.stopRequested = 1; // from a run before
        RunRules rules;
        int steps = 0, lastEnds = 0;
        // Whatever comes in does so while the events before the first step
        // are handled.
        const auto drive = [&](auto &&self, Then then) -> void {
            rules.start(sea, sea.state);
            CHECK_EQ(sea.state.stopRequested, 0);
            switch (then) {
            case Then::Nothing: break;
            case Then::Stop: rules.requestStop(sea.state); break;
            case Then::NestedRunStopped: self(self, Then::Stop); break;
            case Then::Close: rules.close(sea.state); break;
            }
            for (int pass = 0; pass < 100 && rules.anotherStep(); ++pass) {
                rules.step(sea.voyage());
                ++steps;
                if (!rules.goesOn(sea.state))
                    break;
            }
            lastEnds += rules.finish();
        };
        drive(drive, r.then);
        CHECK_EQ(steps, r.steps);
        CHECK_EQ(lastEnds, 1);
        CHECK_EQ(rules.depth(), 0);
        CHECK_EQ(rules.end(), r.end);
        CHECK_EQ(rules.report(sea).empty(), r.end == RunRules::End::Closing);
        // The heading the run started on is the one it ended on.
        CHECK(rules.report(sea).find("zu Beginn") == std::string::npos);
        CHECK(rules.report(sea).find(r.closest) != std::string::npos);
    }
}

// Whatever a user types, a step writes readable sentences and numbers.
TEST(badInputNeverBreaksAStep)
{
    const std::pair<const char *, Field> fields[] = {
        {"txtFahrtx", Field::txtFahrtx}, {"txtFahrty", Field::txtFahrty},   {"txtStromx", Field::txtStromx},
        {"txtStromy", Field::txtStromy}, {"txtStromv", Field::txtStromv},   {"txtSchiffx", Field::txtSchiffx},
        {"txtdt", Field::txtdt},         {"txtFahrtv", Field::txtFahrtv},   {"txtInselx", Field::txtInselx}};
    const std::string inputs[] = {"", "   ", "abc", "1,5", "&HFFFFFFFFFFFFFFFFFF", "1e999", "-1e999", "-0",
                                  std::string(10000, '9')};
    const std::regex number("^( |-)(\\d+|\\d*\\.\\d+)(E[+-]\\d+)?[dhm]?$");
    const std::regex sentence("^(Entfernung zur Insel|Fahrt d\\. Wasser|Fahrt ü\\. Grund)"
                              "( |-)\\d+(\\.\\d+)?(E\\+\\d+)? sm$");
    for (const auto &[name, field] : fields)
        for (const std::string &input : inputs) {
            check::Row row(name + (" " + input.substr(0, 20)));
            Sea sea(50, 50, 1, 0, 6, 10, 1);
            sea[field] = input;
            sea.steps(3);
            for (Field f : {Field::txtSchiffx, Field::txtSchiffy, Field::txtReisezeitd, Field::txtReisezeith,
                            Field::txtReisezeitmin})
                CHECK(std::regex_match(sea[f], number));
            for (Field f : {Field::txtAbstand, Field::txtFdW, Field::txtReiseweg})
                CHECK(std::regex_match(sea[f], sentence));
        }
}

TEST(overflowIsHeldAtTheLargestValue)
{
    Sea sea(0, 50, 1, 0, 6, 10);
    for (Field f : {Field::txtSchiffx, Field::txtFahrtv, Field::txtdt})
        sea[f] = std::string("1e308");
    sea.steps(1);
    CHECK_EQ(sea[Field::txtSchiffx], std::string(" 1.79769313486232E+308"));
    CHECK_EQ(sea.left(MarkerName::image1), FLT_MAX);
    sea.steps(1);
    CHECK_EQ(sea[Field::txtSchiffx], std::string(" 1.79769313486232E+308"));
    // 2 steps of DBL_MAX knots for DBL_MAX minutes, each held, divided by 60.
    CHECK_EQ(sea[Field::txtReiseweg], std::string("Fahrt ü. Grund 5.99231044954105E+306 sm"));
}

// Every whole degree has a direction that the field shows as exactly
// that degree.
TEST(keyDirectionsShowTheirDegree)
{
    for (int degrees = 0; degrees < 360; ++degrees) {
        const Vector u = keyDirection(degrees);
        CHECK_EQ(angleDegrees(u.x, static_cast<float>(u.y)), degrees);
        CHECK_NEAR(std::hypot(u.x, u.y), 1, 1e-12);
        // As close to the whole degree as the field lets it be.
        const double off = std::remainder(std::atan2(u.x, u.y) * 180 / std::acos(-1.0) - degrees, 360.0);
        CHECK(off > -1e-9 && off < 0.02);
    }
    // Where the exact degree shows as itself, a key turn lands on it.
    for (const int degrees : {1, 30, 45}) {
        const double radians = degrees * std::acos(-1.0) / 180;
        CHECK_EQ(keyDirection(degrees).x, std::sin(radians));
    }
    // A turn by keys past north goes on round the dial.
    for (const auto &[turned, shown] : {std::pair{-1, 359}, {360, 0}, {-361, 359}, {721, 1}}) {
        const Vector u = keyDirection(turned);
        CHECK_EQ(angleDegrees(u.x, static_cast<float>(u.y)), shown);
    }
}

TEST(angleTextOnTheAxes)
{
    CHECK_EQ(angleText(0, 1), std::string(" 0°"));
    CHECK_EQ(angleText(1, 0), std::string(" 90°"));
    CHECK_EQ(angleText(0, -1), std::string(" 180°"));
    CHECK_EQ(angleText(-1, 0), std::string(" 270°"));
    CHECK_EQ(angleText(1e-300, -1), std::string(" 179°"));
    // The exact diagonals, each cut down.
    CHECK_EQ(angleText(1, 1), std::string(" 45°"));
    CHECK_EQ(angleText(1, -1), std::string(" 134°"));
    CHECK_EQ(angleText(-1, -1), std::string(" 225°"));
    CHECK_EQ(angleText(-1, 1), std::string(" 314°"));
    // 89.9 degrees stays in its quadrant.
    CHECK_EQ(angleText(1, 0.0017f), std::string(" 89°"));
}
} // namespace

CHECK_MAIN()
