#pragma once

namespace vendral {

// Lets assistive technology read the program's own widgets: each dial
// reports its direction as a value ("180°") and can be turned through it,
// each marker where it lies, and the chart where ship and island are.
// Installed once per program; later calls do nothing.
void installAccessibility();

} // namespace vendral
