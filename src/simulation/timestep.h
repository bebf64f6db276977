// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

class VoyageFields;
struct Voyage;

// A velocity in knots, east and north.
struct Velocity
{
    double east = 0;
    double north = 0;
};

// The velocity over ground a step sails on: the heading's components times
// the speed through the water, plus the current's times its speed.
Velocity groundVelocity(const VoyageFields &fields);

// Advances the voyage by one time step of dt minutes (Click of "Schritt dt"
// and one pass of the continuous run). Reads every input from its text field
// at the moment of use; the ship's position exists only as the text of
// txtSchiffx and txtSchiffy.
void timeStep(const Voyage &voyage);

} // namespace vendral
