// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace vendral {

struct Form;

// The chart's current field, drawn anew from the current's fields and the
// program's random sequence; the island marker shows above it.
void drawCurrentField(Form &form);

// Change of hscstromv: the current speed into txtStromv, then a new field.
void currentSpeedChanged(Form &form);

// Click of the chart's "x": wipes the chart (and the track with it), brings
// the typed current vector back to unit length and draws a new field.
void redrawChart(Form &form);

// Click of chkAuto: steers at once when the box is ticked.
void autopilotClicked(Form &form);

// The mouse on a dial: a press with any button takes hold and steers, moves
// steer while held, a release lets go. `dialHeld` is shared by both dials.
using DialSetter = std::function<void(double x, float y)>;
void dialMouseDown(Form &form, double x, float y, const DialSetter &set);
void dialMouseMove(Form &form, double x, float y, const DialSetter &set);
void dialMouseUp(Form &form);

} // namespace vendral
