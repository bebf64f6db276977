// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

// The angle in whole degrees from north, clockwise, that the direction fields
// show for the direction (x, y): 0 to 359, with 0, 90, 180 and 270 on the
// axes. The formula cuts down and converts with 6.283 rather than 2 pi, so it
// often shows one degree less than the nearest.
int angleDegrees(double x, float y);
// The same as text: " 180°".
QString angleText(double x, float y);

// The keyboard on a dial: the turn in whole degrees clockwise that a key
// asks for (Right and Up 1, Left and Down -1, PageUp 10, PageDown -10), 0
// for any other key.
int keyTurn(int key);

// The unit vector (x east, y north) closest to the whole-degree angle
// `degrees` that the direction fields show as exactly that angle; a turn by
// keys lands on it, so that the fields count whole degrees.
QPointF keyDirection(int degrees);

// The mouse on a dial: a press with any button takes hold and steers, moves
// steer while held, a release lets go. `dialHeld` is shared by both dials.
using DialSetter = std::function<void(double x, float y)>;
void dialMouseDown(Form &form, double x, float y, const DialSetter &set);
void dialMouseMove(Form &form, double x, float y, const DialSetter &set);
void dialMouseUp(Form &form);

} // namespace vendral
