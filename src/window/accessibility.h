// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/voyagerun.h"

#include <QString>

namespace vendral {

// Lets assistive technology read the program's own widgets: each dial
// reports the angle its field shows, in its value and in its name ("Kurs
// 180 Grad"), and can be turned through it; each marker says where it lies
// and the chart where ship and island are; the vertical bars count up from
// the bottom. Installed once per program; later calls do nothing.
void installAccessibility();

struct Form;
class FormVoyage;

// Names every control for assistive technology: its caption, else the
// caption of the label beside it, else its tooltip; controls without any of
// these get a name of what they hold. A tooltip is the description.
void nameControls(Form &form);

class MarkerDrag;

// What a screen reader is told as it happens: while runs last, their
// accessibility events are merged and sent only now and then, and when the
// last one ends, what the run came to; where a marker lands when the user
// has put it in a new place; where a single step took the ship; the bearing
// line when it is switched on; what the menu commands and the counters' "x"
// did. Called once the controls are wired, so that each is told after it
// has happened.
void announceChanges(const FormVoyage &voyage, VoyageRun *run, MarkerDrag *drag);

} // namespace vendral
