#pragma once

namespace vendral {

struct Form;

// Draws the course dial's face onto picFahrt over whatever is there.
void drawCourseDial(Form &form);

// Sets the heading to the direction of (x, y) in dial coordinates: redraws the
// dial with its pointer, writes txtFahrtx and txtFahrty, redraws the ship
// symbol in the ship marker and writes txtWinkel. (0, 0) has no direction and
// changes nothing.
void setCourse(Form &form, double x, float y);

} // namespace vendral
