#pragma once

#include <QSizeF>

namespace vendral {

struct Form;

// Runs once before the window is first shown: scales of dials and chart, the
// dial faces, the layout from the screen size (in device-independent
// pixels), the initial state, the distance read-out and the first current field.
void startUp(Form &form, const QSizeF &screenPixels);

// The containers' places in the window for a screen of W x H twips, as
// fractions of the screen; exposed for the layout tests.
struct ContainerLayout
{
    float top, left, width, height; // twips
};
ContainerLayout layoutFor(const char *container, double screenWidthTwips, double screenHeightTwips);

} // namespace vendral
