// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/random.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace vendral {

class BearingLine;
class Dial;
class Marker;
class PictureBox;
class ShipMarker;

// The window's controls and its window-level variables: everything the
// procedures of the program share. The window creates the controls and owns
// them; the procedures read and write the voyage through them.
struct Form
{
    // Control stand ("Steuerstand")
    QGroupBox *Frame3 = nullptr;
    QLineEdit *txtFahrtx = nullptr;
    QLineEdit *txtFahrty = nullptr;
    QLineEdit *txtWinkel = nullptr;
    QLineEdit *txtFahrtv = nullptr;
    Dial *picFahrt = nullptr;
    QScrollBar *hscfahrtv = nullptr;
    QPushButton *cmdFahrt = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *cmdStop = nullptr;
    QCheckBox *chkAuto = nullptr;
    QLineEdit *txtSchiffx = nullptr;
    QLineEdit *txtSchiffy = nullptr;
    QCheckBox *chkPeil = nullptr;
    QLineEdit *txtInselx = nullptr;
    QLineEdit *txtInsely = nullptr;

    // Current panel ("Strömung")
    QGroupBox *Frame4 = nullptr;
    QLineEdit *txtStromx = nullptr;
    QLineEdit *txtStromy = nullptr;
    QLineEdit *txtStromW = nullptr;
    QLineEdit *txtStromv = nullptr;
    Dial *picStrom = nullptr;
    QScrollBar *hscstromv = nullptr;

    // Time panel
    QGroupBox *Frame2 = nullptr;
    QLineEdit *txtdt = nullptr;
    QScrollBar *hscdt = nullptr;
    QLineEdit *txtReisezeitd = nullptr;
    QLineEdit *txtReisezeith = nullptr;
    QLineEdit *txtReisezeitmin = nullptr;
    QPushButton *Command2 = nullptr;
    QLineEdit *txtVerz = nullptr;
    QScrollBar *hscverz = nullptr;

    // Sea chart
    PictureBox *picSee = nullptr;
    ShipMarker *image1 = nullptr;
    Marker *image2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QLineEdit *txtReiseweg = nullptr;
    QLineEdit *txtFdW = nullptr;
    QLineEdit *txtAbstand = nullptr;
    QPushButton *Command4 = nullptr;
    BearingLine *linpeil = nullptr;

    // Menu bar
    QAction *cmdStart = nullptr;
    QAction *cmdEtap = nullptr;
    QAction *cmdend = nullptr;
    QAction *cmdc = nullptr;

    // Window-level variables of the voyage; all 0 at start.
    int stopRequested = 0;
    double vxGround = 0;
    double vyGround = 0;
    double speedOverGround = 0;
    double distanceOverGround = 0;
    double distanceThroughWater = 0;
    double travelTime = 0;
    double travelDays = 0;
    double travelHours = 0;
    double travelMinutes = 0;
    // 1 while a mouse button pressed on either dial is held.
    int dialHeld = 0;

    // The program's pseudo-random sequence; the same at every start.
    Random rnd;
};

} // namespace vendral
