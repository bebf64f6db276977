// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/designscale.h"
#include "window/form.h"

#include <QMainWindow>
#include <QPointer>

class QMessageBox;

namespace vendral {

class Accessibility;
class MarkerDrag;
class VoyageRun;

// The window "Vendral". Constructing it performs start-up; showing it is the
// caller's business; given an `accessibility`, which must outlive it, it is
// told to assistive technology. Its public procedures are the program's named
// operations, for the menu, the controls and tests alike.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Accessibility *accessibility = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    void timeStep();
    void updateBearingLine();
    void setCourse(double x, float y);
    void setCurrent(double x, float y);
    void drawCurrentField();
    void resetToStart();
    void resetTravelCounters();
    void steerToIsland();

    // Click of "Fahrt": returns when the run ends.
    void runVoyage();
    // Menu "c": the modal credit box.
    void showCredits();

    Form &form() { return form_; }
    // The scale the design was laid out at, fixed at start-up from the screen.
    const DesignScale &designScale() const { return scale_; }
    MarkerDrag *markerDrag() const { return drag_; }
    VoyageRun *voyageRun() const { return run_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void wireControls();
    void wireDials();
    void wireMenu();
    // Puts the normal window, frame included, inside the screen's available
    // area after it has come back from being maximised.
    void keepFrameOnScreen();
    void noteMaximisedRoom();

    Form form_;
    Accessibility *accessibility_ = nullptr;
    DesignScale scale_;
    MarkerDrag *drag_ = nullptr;
    VoyageRun *run_ = nullptr;
    QPointer<QMessageBox> credits_;
    // Checks of the window's place still to come after leaving maximised.
    int frameChecks_ = 0;
    // The size of a maximised window's frame, once it has been maximised.
    QSize maximisedRoom_;
};

} // namespace vendral
