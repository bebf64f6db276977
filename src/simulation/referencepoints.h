// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the voyage's procedures take the ship and the island to be, as
// offsets in sm (east, north) from a marker's corner (Left, Top) or from the
// ship's position fields.
//
// The markers are pictures placed by their top-left corner, and each
// procedure was fitted to the pictures on its own: the island's land lies
// some 3 to 5 sm east and 4 to 5 sm south of its corner, and every procedure
// picked its own point on it. The points differ by a sm or two, and a
// student who compares distance, aim and circle sees exactly these
// differences, so they stay as they are. Each is used in one procedure only
// and always in the same arithmetic order.
namespace vendral {

struct Offset
{
    double east;
    double north;
};

// The autopilot steers from the ship's corner at this point of the island.
inline constexpr Offset kAutopilotAim{5, -4};

// Where a screen reader says the island lies: the point the autopilot steers
// for and the arrival circle is drawn around, the middle of the main island.
inline constexpr Offset kIslandPlace{5, -4};

// The read-out "Entfernung zur Insel" measures from the ship's position to
// this point of the island.
inline constexpr Offset kDistancePoint{4, -5};

// The dotted arrival circle of 5 sm is drawn around this point of the
// island, and a run with "automatisch anhalten" ticked stops when the
// ship's arrival point (below) comes within 4 sm of it. Together the two
// put the arrival test's centre 3 sm east and 4 sm south of the corner.
inline constexpr Offset kArrivalCircleCentre{5, -4};
inline constexpr Offset kShipArrivalPoint{2, 0};

// The bearing line runs from this point of the ship's marker ...
inline constexpr Offset kShipBearingPoint{1, -1};
// ... to this point of the island's.
inline constexpr Offset kIslandBearingPoint{5, -5};

// The ship marker's corner lies west and north of the ship's position.
inline constexpr Offset kShipMarkerCorner{-0.2, 0.4};

// The track is drawn through this point off the ship's position, where the
// symbol's middle lies.
inline constexpr Offset kTrackPoint{0.8, -0.8};

} // namespace vendral
