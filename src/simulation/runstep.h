// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

class VoyageFields;
struct Voyage;

// Why a pass of a continuous run asks the run to stop.
enum class Halt { None, Edge, Arrival };

// One pass of a continuous run, after its delay: a time step, with
// "automatisch anhalten" (Check1) ticked the arrival test, then the arrival
// circle. Gives the stop this pass asked for; Halt::None when it asked for
// none (also when a stop was asked for before it).
Halt runStep(const Voyage &voyage);

// The arrival test: the ship's arrival point within 4 sm of the island's
// arrival circle centre.
bool arrived(const VoyageFields &fields);

} // namespace vendral
