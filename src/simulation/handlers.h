// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/pen.h"
#include "simulation/voyage.h"

#include <string_view>

// What the window's handlers do, whatever toolkit delivers their events: a
// front-end converts pointer positions to user coordinates and keys to the
// commands below, and calls these with its own fields.
namespace vendral {

// The chart's background, as the handlers redraw it.
class ChartField
{
public:
    // Wipes every drawing, the track included, and leaves `fore` as the
    // colour of printed text.
    virtual void wipe(Rgb fore) = 0;
    // Grid, streaks and scale labels anew from the current's fields, with the
    // island marker above them.
    virtual void drawCurrentField() = 0;

protected:
    ~ChartField() = default;
};

// The scroll bars whose change only copies their value into a field.
enum class Parameter { hscfahrtv, hscdt, hscverz };

// Change of a parameter bar to `value`, the value the user sees.
void parameterChanged(VoyageFields &fields, Parameter bar, int value);
// Change of hscstromv: the current speed into txtStromv, then a new field.
void currentSpeedChanged(VoyageFields &fields, ChartField &chart, int value);

// Click of the chart's "x" (Command4): wipes the chart, and the track with
// it, brings the typed current vector back to unit length and draws a new
// field.
void redrawChart(VoyageFields &fields, VoyageIndicators &indicators, ChartField &chart);

// Click of chkAuto: steers at once when the box is ticked.
void autopilotClicked(const VoyageMarkers &markers, VoyageFields &fields, VoyageIndicators &indicators);

// The initial state: heading east, current toward north, ship at 10, 10 and
// island at 80, 80 (fields and markers agree), bearing line hidden.
void resetToStart(VoyageFields &fields, VoyageMarkers &markers, VoyageIndicators &indicators);
// Menu "Startzustand": the initial state, new travel counters, the distance.
void startState(Voyage voyage);

// Menu "c": the credit box's title and its one line.
inline constexpr std::string_view kCreditsTitle = "Programmiert von";
inline constexpr std::string_view kCreditsText = "Vendral \u2013 programmiert vom Vendral-Team";

enum class DialName { picFahrt, picStrom };

// What a dial sets: the heading or the current's direction, from (x, y) in
// dial coordinates.
void setDial(DialName dial, VoyageFields &fields, VoyageIndicators &indicators, double x, float y);

// The mouse on the dials: a press with any button takes hold and steers,
// moves steer while held, a release lets go. One hold is shared by both
// dials, so a drag begun on one dial never turns the other.
class DialHold
{
public:
    void press(DialName dial, VoyageFields &fields, VoyageIndicators &indicators, double x, float y);
    void move(DialName dial, VoyageFields &fields, VoyageIndicators &indicators, double x, float y);
    void release() { held_ = 0; }
    bool held() const { return held_ == 1; }

private:
    int held_ = 0;
};

// Drag-over of the chart at (x, y) in sm: the dragged marker's position
// fields follow the pointer, then the distance read-out.
void dragOver(VoyageFields &fields, MarkerName source, double x, double y);
// Drop on the chart at (x, y): the marker's corner goes there unrounded,
// its fields get the whole sm. The distance stays as the last drag-over
// left it.
void dragDrop(VoyageFields &fields, VoyageMarkers &markers, MarkerName source, double x, double y);
// A marker moved with the keys to the corner (x, y): as if dragged over the
// chart there and dropped, the whole marker, `width` by `height` sm, kept on
// the chart, where it can be seen and reached.
void keyMove(VoyageFields &fields, VoyageMarkers &markers, MarkerName source, double x, double y, double width,
             double height);

} // namespace vendral
