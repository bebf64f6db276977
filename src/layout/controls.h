// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QMainWindow;
class QWidget;

namespace vendral {

class DesignScale;
struct Form;

// Creates every control of the design's table in its container at its design
// place, at the given scale, with the menu bar and the reading order.
void createControls(Form &form, QMainWindow *window, QWidget *client, const DesignScale &scale);

} // namespace vendral
