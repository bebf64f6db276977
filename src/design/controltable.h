// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design/palette.h"
#include "design/twipsscale.h"

#include <optional>
#include <string_view>

// The window's controls as the design draws them, for any front-end to make
// the same window from: walk kControls in order (a later row lies above an
// earlier one with the same parent, a label excepted), chain kTabOrder, add
// kMenu.
namespace vendral::design {

enum class Kind {
    Frame,         // a titled panel; place, caption, tooltip
    Label,         // static text drawn on its container, under every control it overlaps
    CompassLetter, // a label in a dial: place relative to the dial's drawing area, clipped to it
    Edit,          // a one-line field
    Button,
    Check,         // a check box; on a marker it is held at its place on the marker's picture
    VerticalBar,   // a scroll bar with its range
    HorizontalBar,
    Dial,          // a round picture the pointer turns
    Chart,         // the sea chart with its sunken border, a Tab stop of its own
    BearingLine,   // the line from ship to island, over the whole chart
    ShipMarker,    // place: the design size on the design's chart
    IslandMarker,  // place: only the corner; its size is its picture's
};

enum Flag : unsigned {
    Centred = 1,    // text centred across (else from the left)
    ReadOnly = 2,
    Bold = 4,
    WordWrap = 8,
    Frameless = 16, // a field without its frame
    Ticked = 32,
    Unscaled = 64,  // the place is not shrunk with the design: the markers keep their size in sm
    BoxOnly = 128,  // only the check box shows; its caption is not fitted
};

struct ScrollRange
{
    int first = 0; // at the top or left end
    int last = 0;
    int value = 0;
};

struct ControlRow
{
    std::string_view name;
    Kind kind = Kind::Label;
    std::string_view parent; // "client" for the window's client area
    TwipsRect place;
    std::string_view caption; // a field's initial text
    std::string_view tooltip;
    std::optional<Rgb> back;  // unset: the front-end's usual colour
    std::optional<Rgb> text;
    double points = 0; // 0: the window's font
    unsigned flags = 0;
    ScrollRange range;

    constexpr bool has(Flag flag) const { return (flags & flag) != 0; }
};

// The window's own font, which the menu bar and the controls without a size
// of their own take.
inline constexpr double kWindowPoints = 8.25;

using namespace palette;

// Rows name only what they set; the rest keeps its default.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

// In the order the controls are made: the current panel, the control stand,
// the time panel, the chart.
inline constexpr ControlRow kControls[] = {
    {.name = "Frame4", .kind = Kind::Frame, .parent = "client", .place = {225, 6150, 4890, 4365}, .caption = "Strömung"},
    {.name = "txtStromv", .kind = Kind::Edit, .parent = "Frame4", .place = {3975, 300, 615, 435}, .caption = "0",
     .back = kChartBlue, .text = kWhite, .points = 10.8, .flags = Bold | Centred},
    {.name = "hscstromv", .kind = Kind::VerticalBar, .parent = "Frame4", .place = {3975, 1200, 615, 2640},
     .range = {10, 0, 1}},
    {.name = "txtStromW", .kind = Kind::Edit, .parent = "Frame4", .place = {2400, 300, 1290, 390},
     .back = kChartBlue, .text = kWhite, .points = 10.8, .flags = Centred},
    {.name = "picStrom", .kind = Kind::Dial, .parent = "Frame4", .place = {225, 750, 3465, 3465},
     .tooltip = "Zeiger greifen, Strömungsrichtung einstellen", .back = kChartBlue},
    {.name = "Label4_7", .kind = Kind::CompassLetter, .parent = "picStrom", .place = {1575, 0, 240, 240},
     .caption = "N", .back = kChartBlue, .text = kWhite, .flags = Centred},
    {.name = "Label4_6", .kind = Kind::CompassLetter, .parent = "picStrom", .place = {0, 1575, 240, 240},
     .caption = "W", .back = kChartBlue, .text = kWhite, .flags = Centred},
    {.name = "Label4_5", .kind = Kind::CompassLetter, .parent = "picStrom", .place = {3150, 1575, 240, 240},
     .caption = "O", .back = kChartBlue, .text = kWhite, .flags = Centred},
    {.name = "Label4_4", .kind = Kind::CompassLetter, .parent = "picStrom", .place = {1575, 3150, 240, 315},
     .caption = "S", .back = kChartBlue, .text = kWhite, .flags = Centred},
    {.name = "txtStromx", .kind = Kind::Edit, .parent = "Frame4", .place = {225, 300, 840, 390},
     .back = kChartBlue, .text = kWhite, .points = 9.6, .flags = Bold | Centred},
    {.name = "txtStromy", .kind = Kind::Edit, .parent = "Frame4", .place = {1275, 300, 840, 390},
     .back = kChartBlue, .text = kWhite, .points = 9.6, .flags = Bold | Centred},
    {.name = "Label5_3", .kind = Kind::Label, .parent = "Frame4", .place = {3975, 900, 615, 315}, .caption = "10",
     .flags = Centred},
    {.name = "Label5_2", .kind = Kind::Label, .parent = "Frame4", .place = {3975, 3975, 540, 315}, .caption = "0",
     .flags = Centred},

    {.name = "Frame3", .kind = Kind::Frame, .parent = "client", .place = {225, 300, 4890, 5790},
     .caption = "Steuerstand", .tooltip = "Kommandobrücke"},
    {.name = "chkPeil", .kind = Kind::Check, .parent = "Frame3", .place = {2325, 5400, 240, 315}},
    {.name = "txtInselx", .kind = Kind::Edit, .parent = "Frame3", .place = {3675, 5025, 1065, 315}, .points = 10.8,
     .flags = Bold | Centred | ReadOnly},
    {.name = "txtInsely", .kind = Kind::Edit, .parent = "Frame3", .place = {3675, 5400, 1065, 315}, .points = 10.8,
     .flags = Bold | Centred | ReadOnly},
    {.name = "txtSchiffy", .kind = Kind::Edit, .parent = "Frame3", .place = {825, 5400, 1065, 315}, .points = 10.8,
     .flags = Bold | Centred | ReadOnly},
    {.name = "txtSchiffx", .kind = Kind::Edit, .parent = "Frame3", .place = {825, 5025, 1065, 315}, .points = 10.8,
     .flags = Bold | Centred | ReadOnly},
    {.name = "cmdFahrt", .kind = Kind::Button, .parent = "Frame3", .place = {225, 4575, 990, 315},
     .caption = "Fahrt", .tooltip = "Schiff in Fahrt setzen", .back = kSail},
    {.name = "cmdStop", .kind = Kind::Button, .parent = "Frame3", .place = {2400, 4575, 990, 315}, .caption = "Stop",
     .tooltip = "Schiff stoppen", .back = kStop},
    {.name = "Command1", .kind = Kind::Button, .parent = "Frame3", .place = {1275, 4575, 990, 315},
     .caption = "Schritt dt", .tooltip = "Schiff in Fahrt Einzelschritt", .back = kStep},
    {.name = "chkAuto", .kind = Kind::Check, .parent = "Frame3", .place = {3675, 4575, 1140, 315},
     .caption = "Autopilot", .tooltip = "Automatik, Kurs auf Insel", .points = 9.6, .flags = Ticked},
    {.name = "txtFahrty", .kind = Kind::Edit, .parent = "Frame3", .place = {1275, 450, 840, 360}, .back = kPale,
     .points = 9.6, .flags = Bold | Centred},
    {.name = "txtFahrtx", .kind = Kind::Edit, .parent = "Frame3", .place = {225, 450, 840, 360}, .back = kPale,
     .points = 9.6, .flags = Bold | Centred},
    {.name = "picFahrt", .kind = Kind::Dial, .parent = "Frame3", .place = {225, 1050, 3465, 3465},
     .tooltip = "Zeiger greifen, Kurs einstellen", .back = kPale},
    {.name = "Label4_0", .kind = Kind::CompassLetter, .parent = "picFahrt", .place = {1575, 0, 240, 240},
     .caption = "N", .back = kPale, .flags = Centred},
    {.name = "Label4_1", .kind = Kind::CompassLetter, .parent = "picFahrt", .place = {0, 1575, 240, 240},
     .caption = "W", .back = kPale, .flags = Centred},
    {.name = "Label4_2", .kind = Kind::CompassLetter, .parent = "picFahrt", .place = {3150, 1575, 240, 240},
     .caption = "O", .back = kPale, .flags = Centred},
    {.name = "Label4_3", .kind = Kind::CompassLetter, .parent = "picFahrt", .place = {1575, 3150, 240, 315},
     .caption = "S", .back = kPale, .flags = Centred},
    {.name = "txtWinkel", .kind = Kind::Edit, .parent = "Frame3", .place = {2400, 450, 1290, 390}, .points = 10.8,
     .flags = Centred},
    {.name = "txtFahrtv", .kind = Kind::Edit, .parent = "Frame3", .place = {3975, 450, 615, 435}, .caption = "1",
     .back = kSpeed, .text = kWhite, .points = 10.8, .flags = Bold | Centred | ReadOnly},
    {.name = "hscfahrtv", .kind = Kind::VerticalBar, .parent = "Frame3", .place = {3975, 1500, 615, 2640},
     .range = {10, 0, 1}},
    {.name = "Label7_0", .kind = Kind::Label, .parent = "Frame3", .place = {225, 5100, 690, 315}, .caption = "xSchiff"},
    {.name = "Label7_1", .kind = Kind::Label, .parent = "Frame3", .place = {225, 5475, 540, 240}, .caption = "ySchiff"},
    {.name = "Label7_2", .kind = Kind::Label, .parent = "Frame3", .place = {3075, 5100, 540, 240}, .caption = "xInsel"},
    {.name = "Label7_3", .kind = Kind::Label, .parent = "Frame3", .place = {3075, 5475, 615, 240}, .caption = "yInsel"},
    {.name = "Label7_4", .kind = Kind::Label, .parent = "Frame3", .place = {2175, 5100, 540, 240}, .caption = "Peilung"},
    {.name = "Label5_0", .kind = Kind::Label, .parent = "Frame3", .place = {3825, 1050, 840, 465},
     .caption = "volle Kraft voraus", .flags = Centred | WordWrap},
    {.name = "Label5_1", .kind = Kind::Label, .parent = "Frame3", .place = {3825, 4275, 840, 465}, .caption = "0",
     .flags = Centred},

    {.name = "Frame2", .kind = Kind::Frame, .parent = "client", .place = {5880, 10560, 9240, 690}},
    {.name = "hscverz", .kind = Kind::HorizontalBar, .parent = "Frame2", .place = {8100, 225, 765, 315},
     .range = {0, 100, 0}},
    {.name = "txtVerz", .kind = Kind::Edit, .parent = "Frame2", .place = {7275, 225, 615, 315}, .caption = "0",
     .points = 9.6, .flags = Bold | ReadOnly},
    {.name = "Command2", .kind = Kind::Button, .parent = "Frame2", .place = {5700, 225, 390, 315}, .caption = "x"},
    {.name = "txtReisezeitmin", .kind = Kind::Edit, .parent = "Frame2", .place = {5025, 225, 615, 315},
     .caption = "0", .points = 9.6, .flags = Bold | ReadOnly},
    {.name = "txtReisezeith", .kind = Kind::Edit, .parent = "Frame2", .place = {4350, 225, 615, 315},
     .caption = "0", .points = 9.6, .flags = Bold | ReadOnly},
    {.name = "txtReisezeitd", .kind = Kind::Edit, .parent = "Frame2", .place = {3675, 225, 615, 315},
     .caption = "0", .points = 9.6, .flags = Bold | ReadOnly},
    {.name = "txtdt", .kind = Kind::Edit, .parent = "Frame2", .place = {1200, 225, 690, 315}, .caption = "1",
     .points = 9.6, .flags = Bold | Centred | ReadOnly},
    {.name = "hscdt", .kind = Kind::HorizontalBar, .parent = "Frame2", .place = {1950, 225, 765, 315},
     .range = {1, 60, 1}},
    {.name = "Label1", .kind = Kind::Label, .parent = "Frame2", .place = {6300, 300, 915, 240},
     .caption = "Verzögerung"},
    {.name = "Label8_0", .kind = Kind::Label, .parent = "Frame2", .place = {225, 300, 1140, 240},
     .caption = "dt in Minuten"},
    {.name = "Label8_1", .kind = Kind::Label, .parent = "Frame2", .place = {2925, 300, 915, 240},
     .caption = "Reisezeit"},

    {.name = "picSee", .kind = Kind::Chart, .parent = "client", .place = {9300, 960, 9240, 9390},
     .tooltip = "Seegebiet 100sm x 100sm", .back = kChartBlue, .points = 9.6},
    {.name = "linpeil", .kind = Kind::BearingLine, .parent = "picSee"},
    {.name = "image1", .kind = Kind::ShipMarker, .parent = "picSee", .place = {750, 1020, 240, 240},
     .back = kChartBlue, .flags = Unscaled},
    // Start-up sets the read-outs' and the button's final places on the chart.
    {.name = "txtReiseweg", .kind = Kind::Edit, .parent = "picSee", .place = {900, 0, 2340, 450},
     .back = kChartBlue, .text = kReadout, .points = 10.8, .flags = Bold | Centred | Frameless},
    {.name = "txtFdW", .kind = Kind::Edit, .parent = "picSee", .place = {3225, 0, 2640, 450}, .back = kChartBlue,
     .text = kReadout, .points = 10.8, .flags = Bold | Centred | Frameless},
    {.name = "txtAbstand", .kind = Kind::Edit, .parent = "picSee", .place = {5850, 0, 2940, 450},
     .back = kChartBlue, .text = kReadout, .points = 10.8, .flags = Bold | Centred | Frameless},
    {.name = "Command4", .kind = Kind::Button, .parent = "picSee", .place = {0, 0, 315, 390}, .caption = "x",
     .back = kStep, .points = 9.6},
    // Its back colour, the front-end's usual field colour, shows nowhere.
    {.name = "image2", .kind = Kind::IslandMarker, .parent = "picSee", .place = {7620, 660, 0, 0},
     .tooltip = "Insel verschieben"},
    {.name = "Check1", .kind = Kind::Check, .parent = "image2", .place = {375, 300, 240, 240}, .caption = "Check1",
     .tooltip = "automatisch anhalten ein/aus", .back = kAutoStop, .flags = Unscaled | BoxOnly},
};

#pragma GCC diagnostic pop

// The control of that name; nullptr for none.
constexpr const ControlRow *findControl(std::string_view name)
{
    for (const ControlRow &row : kControls)
        if (row.name == name)
            return &row;
    return nullptr;
}

// Tab goes through the window in reading order: panel by panel (control
// stand, current panel, time panel, chart), within a panel row by row from the
// top, left to right within a row. The chart itself comes after its fixed
// controls, then the markers on it, in their reading order at start-up (the
// island above the ship).
inline constexpr std::string_view kTabOrder[] = {
    "txtFahrtx", "txtFahrty", "txtWinkel", "txtFahrtv",
    "picFahrt", "hscfahrtv",
    "cmdFahrt", "Command1", "cmdStop", "chkAuto",
    "txtSchiffx", "txtInselx",
    "txtSchiffy", "chkPeil", "txtInsely",
    "txtStromx", "txtStromy", "txtStromW", "txtStromv",
    "picStrom", "hscstromv",
    "txtdt", "hscdt", "txtReisezeitd", "txtReisezeith", "txtReisezeitmin", "Command2", "txtVerz", "hscverz",
    "txtAbstand", "Command4",
    "txtFdW",
    "txtReiseweg",
    "picSee", "image2", "Check1", "image1",
};

// The menu bar's commands, left to right; none opens a menu.
struct MenuEntry
{
    std::string_view name;
    std::string_view caption;
};

inline constexpr MenuEntry kMenu[] = {
    {"cmdStart", "Startzustand"},
    {"cmdEtap", "Etappenzähler löschen"},
    {"cmdend", "beenden"},
    {"cmdc", "c"},
};

} // namespace vendral::design
