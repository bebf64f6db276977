// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the window's handlers do, on plain data: the scroll bars, the chart's
// "x", the autopilot's box, "Startzustand", the dials under the pointer and
// the keys, and dragging the markers.
#include "sea.h"

#include "simulation/direction.h"
#include "simulation/handlers.h"

#include "shared/check.h"

#include <string>
#include <vector>

using namespace vendral;
using testing::Sea;

namespace {

// The chart's background: what each redraw found in the current's fields.
struct Chart final : ChartField
{
    explicit Chart(const Sea &sea)
        : sea(sea)
    {
    }
    void wipe(Rgb colour) override
    {
        ++wipes;
        fore = colour;
    }
    void drawCurrentField() override
    {
        fields.push_back(sea.text(Field::txtStromx) + "|" + sea.text(Field::txtStromy) + "|"
                         + sea.text(Field::txtStromv));
    }

    const Sea &sea;
    int wipes = 0;
    Rgb fore;
    std::vector<std::string> fields;
    std::string drawn() const
    {
        std::string all;
        for (const std::string &field : fields)
            all += "[" + field + "]";
        return all;
    }
};

TEST(barsWriteTheirFields)
{
    const struct
    {
        const char *name;
        Parameter bar;
        int value;
        Field field;
        const char *shown;
    } rows[] = {
        {"speed 7, after a blank", Parameter::hscfahrtv, 7, Field::txtFahrtv, " 7"},
        {"speed 0", Parameter::hscfahrtv, 0, Field::txtFahrtv, " 0"},
        {"dt 15, no blank", Parameter::hscdt, 15, Field::txtdt, "15"},
        {"delay 40", Parameter::hscverz, 40, Field::txtVerz, "40"},
    };
    for (const auto &row : rows) {
        Sea sea(50, 50, 1, 0, 1, 1);
        Chart chart(sea);
        parameterChanged(sea, row.bar, row.value);
        CHECK_EQ(sea[row.field] + " (" + row.name + ")", std::string(row.shown) + " (" + row.name + ")");
        CHECK(chart.fields.empty());
    }
    // The current's bar writes its speed, then redraws with it.
    Sea sea(50, 50, 1, 0, 1, 1);
    Chart chart(sea);
    for (const int knots : {0, 10})
        currentSpeedChanged(sea, chart, knots);
    CHECK_EQ(chart.drawn(), std::string("[ 0| 1| 0][ 0| 1| 10]"));
    CHECK_EQ(chart.wipes, 0);
}

// "x" on the chart: wiped first, the typed vector cut to unit length, then a
// new field drawn with it.
TEST(chartXNormalisesTheCurrent)
{
    Sea sea(50, 50, 1, 0, 1, 1, 2);
    Chart chart(sea);
    sea[Field::txtStromx] = "3";
    sea[Field::txtStromy] = "4";
    redrawChart(sea, sea, chart);
    CHECK_EQ(chart.wipes, 1);
    CHECK_EQ(chart.fore.red + chart.fore.green + chart.fore.blue, 3 * 255);
    CHECK_EQ(sea[Field::txtStromx], std::string(" .6"));
    CHECK_EQ(sea[Field::txtStromy], std::string(" .8"));
    CHECK_EQ(sea[Field::txtStromW], std::string(" 36°"));
    CHECK_EQ(chart.drawn(), std::string("[ .6| .8| 2]"));
    // Both fields reading 0 leave no direction: nothing but a new field.
    sea[Field::txtStromx] = "x";
    sea[Field::txtStromy] = "";
    redrawChart(sea, sea, chart);
    CHECK_EQ(sea[Field::txtStromx], std::string("x"));
    CHECK_EQ(sea[Field::txtStromW], std::string(" 36°"));
    CHECK_EQ(chart.fields.size(), size_t(2));
}

TEST(autopilotBoxSteersWhenTicked)
{
    Sea sea(10, 10, 1, 0, 1, 1);
    autopilotClicked(sea, sea, sea);
    CHECK_EQ(sea[Field::txtWinkel], std::string(" 90°"));
    sea.ticks.insert(Option::chkAuto);
    autopilotClicked(sea, sea, sea);
    // Toward the island, in the north-east.
    CHECK_EQ(sea[Field::txtWinkel], std::string(" 48°"));
}

// "Startzustand" after a voyage: ship, island, heading and current as at
// start-up, new counters, the distance; speeds, dt, the delay and the boxes
// stay as they were.
TEST(startStateAfterAVoyage)
{
    Sea sea(40, 30, 1, 1, 6, 10, 2);
    sea.ticks = {Option::chkAuto, Option::chkPeil};
    setCurrent(sea, sea, 1, 0);
    sea.steps(3);
    sea.moveTo(MarkerName::image2, 30, 60);
    sea[Field::txtInselx] = "30";
    sea[Field::txtInsely] = "60";
    CHECK(sea.bearingShown);
    startState(sea.voyage());
    const std::pair<Field, const char *> fields[] = {
        {Field::txtSchiffx, "10"},     {Field::txtSchiffy, "10"},    {Field::txtInselx, "80"},
        {Field::txtInsely, "80"},      {Field::txtFahrtx, " 1"},     {Field::txtFahrty, " 0"},
        {Field::txtWinkel, " 90°"},    {Field::txtStromx, " 0"},     {Field::txtStromy, " 1"},
        {Field::txtStromW, " 0°"},     {Field::txtReisezeitd, "0"},  {Field::txtReisezeith, "0"},
        {Field::txtReisezeitmin, "0"}, {Field::txtFdW, ""},          {Field::txtReiseweg, ""},
        {Field::txtAbstand, "Entfernung zur Insel 98 sm"},
        {Field::txtFahrtv, " 6"},      {Field::txtStromv, " 2"},     {Field::txtdt, "10"},
    };
    for (const auto &[field, shown] : fields)
        CHECK_EQ(sea[field], std::string(shown));
    CHECK_EQ(sea.left(MarkerName::image1), 10.0f);
    CHECK_EQ(sea.top(MarkerName::image1), 10.0f);
    CHECK_EQ(sea.left(MarkerName::image2), 80.0f);
    CHECK_EQ(sea.top(MarkerName::image2), 80.0f);
    CHECK(!sea.bearingShown);
    CHECK_EQ(sea.state.travelTime, 0.0);
    CHECK_EQ(sea.state.distanceOverGround, 0.0);
    CHECK_EQ(sea.state.distanceThroughWater, 0.0);
    CHECK_EQ(sea.ticks.size(), size_t(2));
    // The autopilot turns the heading toward the island again at the next
    // step, and the ticked box shows the bearing line.
    sea.steps(1);
    CHECK(sea[Field::txtFahrty] != " 0");
    CHECK(sea.bearingShown);
}

// One hold for both dials: a press takes it and steers, moves steer only
// while it lasts, whatever dial they are reported for.
TEST(dialsSteerWhileHeld)
{
    Sea sea(50, 50, 1, 0, 1, 1);
    DialHold hold;
    hold.move(DialName::picFahrt, sea, sea, -1, 0);
    CHECK_EQ(sea[Field::txtWinkel], std::string(" 90°"));
    hold.press(DialName::picFahrt, sea, sea, -0.6, -1.0f);
    CHECK(hold.held());
    CHECK_EQ(sea[Field::txtWinkel], angleText(-0.6, -1.0f));
    // Far outside the dial the direction counts as well.
    hold.move(DialName::picFahrt, sea, sea, 3, 4);
    CHECK_EQ(sea[Field::txtFahrtx], std::string(" .6"));
    CHECK_EQ(sea[Field::txtWinkel], std::string(" 36°"));
    CHECK(sea.course.hx == 600 && sea.courseDegrees == 36);
    hold.release();
    CHECK(!hold.held());
    hold.move(DialName::picFahrt, sea, sea, 1, -1);
    CHECK_EQ(sea[Field::txtWinkel], std::string(" 36°"));
    // The current's dial: its own fields only; the centre has no direction.
    hold.press(DialName::picStrom, sea, sea, -1, -1);
    hold.move(DialName::picStrom, sea, sea, 0, 0);
    CHECK_EQ(sea[Field::txtStromx], std::string("-.708"));
    CHECK_EQ(sea[Field::txtStromW], std::string(" 225°"));
    CHECK(sea.current.hy == -708 && sea.currentDegrees == 225);
    CHECK_EQ(sea[Field::txtWinkel], std::string(" 36°"));
}

TEST(dialKeysTurnByWholeDegrees)
{
    const struct
    {
        DialKey key;
        int from, shown;
    } rows[] = {
        {DialKey::Right, 90, 91}, {DialKey::Up, 90, 91},         {DialKey::Left, 90, 89},
        {DialKey::Down, 0, 359},  {DialKey::PageUp, 355, 5},     {DialKey::PageDown, 5, 355},
    };
    for (const auto &row : rows) {
        const Vector u = keyDirection(row.from + keyTurn(row.key));
        CHECK_EQ(angleDegrees(u.x, static_cast<float>(u.y)), row.shown);
    }
}

TEST(draggingAMarker)
{
    Sea sea(10, 10, 1, 0, 1, 1);
    // Over the chart the island's fields and the distance follow; the
    // ship's fields and both markers stay.
    dragOver(sea, MarkerName::image2, 42.9, 17.2);
    CHECK_EQ(sea[Field::txtInselx], std::string("42"));
    CHECK_EQ(sea[Field::txtInsely], std::string("17"));
    CHECK_EQ(sea[Field::txtSchiffx], std::string("10"));
    CHECK_EQ(sea[Field::txtAbstand], std::string("Entfernung zur Insel 36 sm"));
    CHECK_EQ(sea.left(MarkerName::image2), 80.0f);
    // The drop puts the ship's corner where it lands, unrounded; the
    // distance stays as the last drag-over wrote it.
    dragDrop(sea, sea, MarkerName::image1, 42.9, 17.2);
    CHECK_EQ(sea.left(MarkerName::image1), 42.9f);
    CHECK_EQ(sea.top(MarkerName::image1), 17.2f);
    CHECK(sea.markerShown[int(MarkerName::image1)]);
    CHECK_EQ(sea[Field::txtSchiffx], std::string("42"));
    CHECK_EQ(sea[Field::txtSchiffy], std::string("17"));
    CHECK_EQ(sea[Field::txtAbstand], std::string("Entfernung zur Insel 36 sm"));
    // Fields take the whole sm below, also west of the chart's edge.
    dragOver(sea, MarkerName::image1, -0.5, 99.99);
    CHECK_EQ(sea[Field::txtSchiffx], std::string("-1"));
    CHECK_EQ(sea[Field::txtSchiffy], std::string("99"));
}

// Keys keep the whole marker on the chart, and move it as a drop does,
// distance included.
TEST(keysKeepTheMarkerOnTheChart)
{
    const struct
    {
        const char *name;
        double x, y;
        float left, top;
    } rows[] = {
        {"inside", 50, 50, 50, 50},
        {"past the east edge", 99, 50, 96, 50},
        {"past the south edge", 50, 1, 50, 4},
        {"past the west and north edges", -2, 101, 0, 100},
    };
    for (const auto &row : rows) {
        Sea sea(10, 10, 1, 0, 1, 1);
        keyMove(sea, sea, MarkerName::image1, row.x, row.y, 4, -4);
        CHECK_EQ(std::to_string(sea.left(MarkerName::image1)) + row.name, std::to_string(row.left) + row.name);
        CHECK_EQ(std::to_string(sea.top(MarkerName::image1)) + row.name, std::to_string(row.top) + row.name);
        CHECK_EQ(sea[Field::txtSchiffx], wholeText(floorInt(row.left)));
        CHECK(sea[Field::txtAbstand] != "");
    }
}

} // namespace

CHECK_MAIN()
