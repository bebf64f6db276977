// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

class VoyageFields;
class VoyageIndicators;
class VoyageMarkers;

// Shows the bearing line from the ship marker to the island marker while
// chkPeil is ticked, otherwise hides it (its end points stay).
void updateBearingLine(const VoyageFields &fields, const VoyageMarkers &markers, VoyageIndicators &indicators);

} // namespace vendral
