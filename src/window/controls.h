// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>

class QMainWindow;
class QWidget;

namespace vendral {

class DesignScale;
struct Form;

// The design place of a top-level container ("Frame3", "Frame4", "Frame2",
// "picSee") in twips, which its contents were laid out for; an empty
// rectangle for any other name.
QRectF containerDesign(const char *name);

// Creates every control of the window in its container at its design place,
// with captions, tooltips, colours, fonts and settings, and the menu bar, at
// the given scale.
void createControls(Form &form, QMainWindow *window, QWidget *client, const DesignScale &scale);

} // namespace vendral
