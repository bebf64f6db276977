#pragma once

namespace vendral {

struct Form;

// Draws the current dial's face onto picStrom over whatever is there.
void drawCurrentDial(Form &form);

// Sets the current's direction to that of (x, y) in dial coordinates: redraws
// the dial with its pointer, writes txtStromx and txtStromy (each change
// redraws the current field on the chart) and txtStromW. (0, 0) has no
// direction and changes nothing.
void setCurrent(Form &form, double x, float y);

} // namespace vendral
