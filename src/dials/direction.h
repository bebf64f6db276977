#pragma once

#include <QPointF>
#include <QString>

#include <functional>

class QLineEdit;

namespace vendral {

struct Form;

// A direction set on a dial: the unit vector (x east, y north) and its
// components cut down to thousandths (hx, hy are whole thousandths from -1000
// to 1000), as the direction fields hold them.
struct DialDirection
{
    double ux = 0;
    double uy = 0;
    double hx = 0;
    double hy = 0;
};

// The direction of (x, y); (0, 0) and vectors that are not finite have none
// and give false. y arrives in single precision, as the dials hand it on.
bool dialDirection(double x, float y, DialDirection &direction);

// Writes the components as toText(h / 1000), east first.
void writeComponents(QLineEdit *east, QLineEdit *north, const DialDirection &direction);

// The angle in whole degrees from north, clockwise, for the direction (x, y),
// with " 0°", " 90°", " 180°" and " 270°" on the axes.
QString angleText(double x, float y);

// The keyboard on a dial: the turn in whole degrees clockwise that a key
// asks for (Right and Up 1, Left and Down -1, PageUp 10, PageDown -10), 0
// for any other key.
int keyTurn(int key);

// The angle of the unit vector (x east, y north) in whole degrees from north,
// clockwise, rounded to the nearest degree: 0 to 359.
int nearestDegree(double x, double y);

// The unit vector of a whole-degree angle, x east and y north.
QPointF unitVector(int degrees);

// The mouse on a dial: a press with any button takes hold and steers, moves
// steer while held, a release lets go. `dialHeld` is shared by both dials.
using DialSetter = std::function<void(double x, float y)>;
void dialMouseDown(Form &form, double x, float y, const DialSetter &set);
void dialMouseMove(Form &form, double x, float y, const DialSetter &set);
void dialMouseUp(Form &form);

} // namespace vendral
