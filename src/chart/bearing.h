// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

struct Form;

// Shows the bearing line from the ship marker to the island marker while
// chkPeil is ticked, otherwise hides it (its end points stay).
void updateBearingLine(Form &form);

} // namespace vendral
