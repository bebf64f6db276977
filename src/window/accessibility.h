#pragma once

namespace vendral {

// Lets assistive technology read the program's own widgets: each dial
// reports its direction as a value ("180°") and can be turned through it,
// each marker where it lies, and the chart where ship and island are.
// Installed once per program; later calls do nothing.
void installAccessibility();

struct Form;

// Names every control for assistive technology: its caption, else the
// caption of the label beside it, else its tooltip; controls without any of
// these get a name of what they hold. A tooltip is the description.
void nameControls(Form &form);

} // namespace vendral
