// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

struct Form;

// Writes txtAbstand from the four position fields: the distance in whole sm
// from the ship's position to the point 4 sm east and 5 sm south of the
// island marker's corner.
void showIslandDistance(Form &form);

} // namespace vendral
