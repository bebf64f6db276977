// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/handlers.h"

#include "simulation/autopilot.h"
#include "simulation/course.h"
#include "simulation/islanddistance.h"
#include "simulation/numbers.h"
#include "simulation/travelcounters.h"

#include <algorithm>
#include <cmath>

namespace vendral {
namespace {

constexpr Rgb kWhite{255, 255, 255};
// The chart's extent in sm on both axes.
constexpr double kChart = 100;

// A marker's position fields hold the whole sm of its corner.
void writePosition(VoyageFields &fields, MarkerName marker, double x, double y)
{
    const bool ship = marker == MarkerName::image1;
    fields.write(ship ? Field::txtSchiffx : Field::txtInselx, wholeText(floorInt(x)));
    fields.write(ship ? Field::txtSchiffy : Field::txtInsely, wholeText(floorInt(y)));
}

// Top first, then Left, each a move of its own, as setting a control's Top
// and Left one after the other moves it twice.
void place(VoyageMarkers &markers, MarkerName marker, float left, float top)
{
    markers.moveTo(marker, markers.left(marker), top);
    markers.moveTo(marker, left, markers.top(marker));
}

} // namespace

void parameterChanged(VoyageFields &fields, Parameter bar, int value)
{
    switch (bar) {
    case Parameter::hscfahrtv: fields.write(Field::txtFahrtv, toText(value)); return;
    case Parameter::hscdt: fields.write(Field::txtdt, wholeText(value)); return;
    case Parameter::hscverz: fields.write(Field::txtVerz, wholeText(value)); return;
    }
}

void currentSpeedChanged(VoyageFields &fields, ChartField &chart, int value)
{
    fields.write(Field::txtStromv, toText(value));
    chart.drawCurrentField();
}

void redrawChart(VoyageFields &fields, VoyageIndicators &indicators, ChartField &chart)
{
    chart.wipe(kWhite);
    const double x = number(fields, Field::txtStromx);
    const float y = toSingle(number(fields, Field::txtStromy));
    setCurrent(fields, indicators, x, y);
    chart.drawCurrentField();
}

void autopilotClicked(const VoyageMarkers &markers, VoyageFields &fields, VoyageIndicators &indicators)
{
    if (fields.ticked(Option::chkAuto))
        steerToIsland(markers, fields, indicators);
}

void resetToStart(VoyageFields &fields, VoyageMarkers &markers, VoyageIndicators &indicators)
{
    setCourse(fields, indicators, 1, 0);
    setCurrent(fields, indicators, 0, 1);
    fields.write(Field::txtSchiffx, "10");
    fields.write(Field::txtSchiffy, "10");
    place(markers, MarkerName::image1, 10, 10);
    fields.write(Field::txtInselx, "80");
    fields.write(Field::txtInsely, "80");
    place(markers, MarkerName::image2, 80, 80);
    indicators.hideBearingLine();
}

void startState(Voyage voyage)
{
    resetToStart(voyage.fields, voyage.markers, voyage.indicators);
    resetTravelCounters(voyage.fields, voyage.state);
    showIslandDistance(voyage.fields);
}

void setDial(DialName dial, VoyageFields &fields, VoyageIndicators &indicators, double x, float y)
{
    if (dial == DialName::picFahrt)
        setCourse(fields, indicators, x, y);
    else
        setCurrent(fields, indicators, x, y);
}

void DialHold::press(DialName dial, VoyageFields &fields, VoyageIndicators &indicators, double x, float y)
{
    held_ = 1;
    setDial(dial, fields, indicators, x, y);
}

void DialHold::move(DialName dial, VoyageFields &fields, VoyageIndicators &indicators, double x, float y)
{
    if (held_ == 1)
        setDial(dial, fields, indicators, x, y);
}

void dragOver(VoyageFields &fields, MarkerName source, double x, double y)
{
    writePosition(fields, source, x, y);
    showIslandDistance(fields);
}

void dragDrop(VoyageFields &fields, VoyageMarkers &markers, MarkerName source, double x, double y)
{
    markers.moveTo(source, toSingle(x), toSingle(y));
    markers.show(source);
    writePosition(fields, source, x, y);
}

void keyMove(VoyageFields &fields, VoyageMarkers &markers, MarkerName source, double x, double y, double width,
             double height)
{
    x = std::clamp(x, 0.0, std::max(0.0, kChart - std::abs(width)));
    y = std::clamp(y, std::min(kChart, std::abs(height)), kChart);
    dragOver(fields, source, x, y);
    dragDrop(fields, markers, source, x, y);
}

} // namespace vendral
