// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

class VoyageFields;
class VoyageIndicators;

// Sets the heading to the direction of (x, y) in dial coordinates: turns the
// course dial's pointer and the ship symbol, writes txtFahrtx and txtFahrty,
// then txtWinkel. (0, 0) has no direction and changes nothing.
// y is single precision because the dials' pointer positions and the
// autopilot's direction reach it that way, and the heading fields, cut down
// to thousandths, must come out as from those single-precision values.
void setCourse(VoyageFields &fields, VoyageIndicators &indicators, double x, float y);

// Sets the current's direction the same way: turns the current dial's
// pointer, writes txtStromx and txtStromy (the window redraws the current
// field on each change), then txtStromW.
void setCurrent(VoyageFields &fields, VoyageIndicators &indicators, double x, float y);

} // namespace vendral
