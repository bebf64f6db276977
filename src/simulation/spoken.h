// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>

// What a screen reader says of the voyage. A blind student works a voyage
// out from these texts alone, so they give every place in one frame of
// reference: the ship where its position fields put it, the island where the
// autopilot steers and the arrival circle is centred (kIslandPlace), places
// to a tenth of a sm, directions in whole degrees from north. They are heard
// many times: short, in the words the window uses.
namespace vendral {

class VoyageFields;

// A whole angle with its unit: "180 Grad".
std::string degreesText(double degrees);
// A dial's name with the angle it shows: "Kurs 180 Grad".
std::string dialText(std::string_view name, int degrees);

// What a screen reader calls or tells of a control, by the control's name,
// where its caption, its label or its tooltip would not say it.
struct ControlText
{
    std::string_view control;
    std::string_view text;
};
// The names of controls that have no caption or label of their own, or whose
// caption is a sign ("x").
std::span<const ControlText> controlNames();
// Controls named by the label beside them: `text` is the label's name.
std::span<const ControlText> controlLabels();
// Descriptions beyond a control's tooltip.
std::span<const ControlText> controlDescriptions();
// The menu item "c", named by what it shows.
std::string_view creditsItemName();

// A place to a tenth of a sm: "x 42.9, y 17.2 sm".
std::string placeText(double x, double y);

// "Schiff bei x 10, y 10 sm", from the position fields.
std::string shipText(const VoyageFields &fields);
// "Inselmitte bei x 85, y 76 sm": the island itself, not the corner that
// its fields hold.
std::string islandText(const VoyageFields &fields);

// The bearing from (x1, y1) to (x2, y2), in whole degrees from north,
// clockwise, 0 to 359; 0 where the two points coincide.
int bearingDegrees(double x1, double y1, double x2, double y2);

// What the chart tells on demand: ship and island, the distance read-out and
// the bearing from ship to island, heading and speed through the water,
// course and speed over ground (the velocity a time step sails on).
std::string chartSummary(const VoyageFields &fields);

// "Reisezeit 1 Tag 2 Stunden 5 Minuten", as the travel-time fields show it,
// leaving out days and hours while they are 0.
std::string travelTimeText(const VoyageFields &fields);

// After "Schritt dt": where the ship is, its distance to the island and the
// travel time.
std::string stepReport(const VoyageFields &fields);

// The bearing line between its two ends: "Peillinie 49 Grad, 98 sm".
std::string bearingLineText(float x1, float y1, float x2, float y2);

// After "Startzustand": what it set, and what it left as it was.
std::string startStateReport(const VoyageFields &fields);

// After the travel counters have been cleared.
std::string countersClearedReport();

// Why a run ended.
enum class RunEnd { Stop, Edge, Arrival };

// Follows a run for its end report: the heading it started on and the
// closest the ship came to the island, measured as the distance read-out
// measures, along the track between the steps.
class RunNotes
{
public:
    RunNotes() = default;
    // A run starts: the ship where its fields put it.
    explicit RunNotes(const VoyageFields &fields);

    // A step has taken the ship from (x0, y0) to where its fields put it now.
    void stepped(double x0, double y0, const VoyageFields &fields);

    // Why the run ended, where the ship is and on which heading, the
    // distance to the island now and at its closest, the travel time and the
    // distances run.
    std::string report(RunEnd end, const VoyageFields &fields) const;

private:
    double startDegrees_ = 0;
    double closest_ = 0;
};

} // namespace vendral
