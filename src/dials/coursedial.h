// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

struct Form;

// Gives picFahrt the course dial's face.
void drawCourseDial(Form &form);

// Sets the heading to the direction of (x, y) in dial coordinates: turns the
// dial's pointer, writes txtFahrtx and txtFahrty, turns the ship symbol in the
// ship marker and writes txtWinkel. (0, 0) has no direction and changes
// nothing.
// y is single precision because the dials' pointer positions and the
// autopilot's direction reach it that way, and the heading fields, cut down
// to thousandths, must come out as from those single-precision values.
void setCourse(Form &form, double x, float y);

} // namespace vendral
