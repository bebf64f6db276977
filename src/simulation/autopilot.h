// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

struct Form;

// Points the heading from the ship marker's corner at the aim point 5 sm east
// and 4 sm south of the island marker's corner, through setCourse. The current
// is not allowed for. With the corner exactly on the aim point the heading
// stays as it is.
void steerToIsland(Form &form);

// Click of chkAuto: steers at once when the box is ticked.
void autopilotClicked(Form &form);

} // namespace vendral
