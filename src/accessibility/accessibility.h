// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accessibility/accessibleupdates.h"
#include "form/formvoyage.h"

#include <map>

class QWidget;

namespace vendral {

struct Form;
class MarkerDrag;
class VoyageRun;

// Lets assistive technology read the program's own widgets: each dial
// reports the angle its field shows, in its value and in its name ("Kurs
// 180 Grad"), and can be turned through it; each marker says where it lies
// and the chart where ship and island are; the vertical bars count up from
// the bottom. Every accessibility event of the program passes through
// updates().
//
// The program makes one, before its windows, and keeps it until they are
// gone. Qt takes its interface factory and its update handler as plain
// functions, so while it lives, one pointer to it is installed for them:
// the only state the program keeps outside an object.
class Accessibility
{
public:
    Accessibility();
    ~Accessibility();
    Accessibility(const Accessibility &) = delete;
    Accessibility &operator=(const Accessibility &) = delete;

    AccessibleUpdates &updates() { return updates_; }

    // Until forget(window), the chart and the markers inside `window` tell
    // the voyage `voyage` holds. A screen reader is told as it happens: while
    // runs last, their accessibility events are merged and sent only now and
    // then, and when the last one ends, what the run came to; where a marker
    // lands when the user has put it in a new place; where a single step
    // took the ship; the bearing line when it is switched on; what the menu
    // commands and the counters' "x" did. Called once the controls are
    // wired, so that each is told after it has happened.
    void serve(QWidget *window, const FormVoyage &voyage, VoyageRun *run, MarkerDrag *drag);
    void forget(const QWidget *window);

    // The voyage told by the chart or marker `widget`; nullptr outside the
    // windows served.
    const VoyageFields *voyageOf(const QWidget *widget) const;

private:
    AccessibleUpdates updates_;
    std::map<const QWidget *, const FormVoyage *> voyages_;
};

// Names every control for assistive technology: its caption, else the
// caption of the label beside it, else its tooltip; controls without any of
// these get a name of what they hold. A tooltip is the description.
void nameControls(Form &form);

} // namespace vendral
