// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

class VoyageFields;
class VoyageIndicators;
class VoyageMarkers;

// Points the heading from the ship marker's corner at the autopilot's aim on
// the island (kAutopilotAim from the island marker's corner), through
// setCourse. The current is not allowed for. With the corner exactly on the
// aim point the heading stays as it is.
void steerToIsland(const VoyageMarkers &markers, VoyageFields &fields, VoyageIndicators &indicators);

} // namespace vendral
