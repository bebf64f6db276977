// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

// The window's controls, by their design names. The window creates the
// controls and owns them; once made, the form is only read: the voyage's
// procedures reach the controls through the window's FormVoyage.
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
};

} // namespace vendral
