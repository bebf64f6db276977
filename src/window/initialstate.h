// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vendral {

struct Form;

// The initial state: heading east, current toward north, ship at 10, 10 and
// island at 80, 80 (fields and markers agree), bearing line hidden.
void resetToStart(Form &form);

// Menu "Startzustand": the initial state, new travel counters, the distance.
void startState(Form &form);

} // namespace vendral
