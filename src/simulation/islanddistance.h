// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

class VoyageFields;

// Writes txtAbstand from the four position fields: the distance in whole sm
// from the ship's position to the island's kDistancePoint.
void showIslandDistance(VoyageFields &fields);

} // namespace vendral
