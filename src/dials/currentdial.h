// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

struct Form;

// Gives picStrom the current dial's face.
void drawCurrentDial(Form &form);

// Sets the current's direction to that of (x, y) in dial coordinates: turns
// the dial's pointer, writes txtStromx and txtStromy (each change
// redraws the current field on the chart) and txtStromW. (0, 0) has no
// direction and changes nothing.
void setCurrent(Form &form, double x, float y);

} // namespace vendral
