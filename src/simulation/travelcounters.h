// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

class VoyageFields;
struct VoyageState;

// Starts a new stage: travel time and both distances back to 0, the time
// fields to "0" and the distance sentences emptied. Ship, heading, current and
// the track stay as they are.
void resetTravelCounters(VoyageFields &fields, VoyageState &state);

} // namespace vendral
