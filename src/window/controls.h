#pragma once

#include <QRect>

class QMainWindow;
class QWidget;

namespace vendral {

struct Form;

// Twips of the design: 15 to a (logical) pixel.
constexpr double kTwipsPerPixel = 15.0;

// A design rectangle in twips as a rectangle in pixels.
QRect twips(double left, double top, double width, double height);

// Creates every control of the window in its container at its design place,
// with captions, tooltips, colours, fonts and settings, and the menu bar.
void createControls(Form &form, QMainWindow *window, QWidget *client);

} // namespace vendral
