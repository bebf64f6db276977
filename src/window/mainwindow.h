#pragma once

#include "common/form.h"

#include <QMainWindow>
#include <QPointer>

class QMessageBox;

namespace vendral {

class MarkerDrag;

// The window "Vendral". Constructing it performs start-up; showing it is the
// caller's business. Its public procedures are the program's named operations,
// for the menu, the controls and tests alike.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void timeStep();
    void showIslandDistance();
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
    MarkerDrag *markerDrag() const { return drag_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void wireControls();
    void wireDials();
    void wireMenu();
    // Puts the normal window, frame included, inside the screen's available
    // area after it has come back from being maximised.
    void keepFrameOnScreen();

    Form form_;
    MarkerDrag *drag_ = nullptr;
    QPointer<QMessageBox> credits_;
    // Set when the window leaves the maximised state, until its restored
    // place is known; `staleGeometry_` is the place before that.
    bool restoring_ = false;
    QRect staleGeometry_;
    QRect requested_;
};

} // namespace vendral
