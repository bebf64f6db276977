// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "layout/designscale.h"
#include "form/form.h"
#include "form/formvoyage.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QMessageBox;

namespace vendral {

class Accessibility;
class MarkerDrag;
class VoyageRun;
class WindowStyle;

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

    const Form &form() const { return form_; }
    // The voyage as the window's controls hold it, the one every handler,
    // the run engine and the drag work on.
    FormVoyage &voyage() { return voyage_; }
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
    void applyStyle();
    // Puts the normal window, frame included, inside the screen's available
    // area after it has come back from being maximised.
    void keepFrameOnScreen();
    void noteMaximisedRoom();

    // The style of the scroll bars and the menu bar; the window deletes them
    // before it lets go of the style.
    std::unique_ptr<WindowStyle> style_;
    Form form_;
    Accessibility *accessibility_ = nullptr;
    FormVoyage voyage_{form_};
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
