#pragma once

class QWidget;

namespace vendral {

struct Form;

// Click of "Fahrt": time steps one after another until a stop is requested
// ("Stop", the edge of the permitted area, arrival with the island's box
// ticked) or the window closes. Pending window events run once per pass, so
// every other handler, a second "Fahrt" included, runs inside the loop.
// `window` is watched: once it is closed or gone, the loop returns at once.
void runVoyage(Form &form, QWidget *window);

// Click of "Stop".
void requestStop(Form &form);

// The delay before each step in milliseconds: the whole number in txtVerz,
// 0 for text that is not a whole number.
int delayMilliseconds(const Form &form);

// The arrival test: the ship within 4 sm of the point 3 sm east and 4 sm
// south of the island marker's corner.
bool arrived(const Form &form);

} // namespace vendral
