#include "window/mainwindow.h"

#include "chart/bearing.h"
#include "chart/currentfield.h"
#include "chart/islanddistance.h"
#include "chart/markerdrag.h"
#include "common/picturebox.h"
#include "dials/coursedial.h"
#include "dials/currentdial.h"
#include "dials/dial.h"
#include "dials/direction.h"
#include "simulation/autopilot.h"
#include "simulation/timestep.h"
#include "simulation/travelcounters.h"
#include "simulation/voyagerun.h"
#include "window/accessibility.h"
#include "window/artwork.h"
#include "window/controls.h"
#include "window/initialstate.h"
#include "window/scrollbars.h"
#include "window/startup.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace vendral {

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    installAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vendral"));
    setWindowIcon(programIcon());
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    createControls(form_, this, client);
    drag_ = new MarkerDrag(form_, this);
    run_ = new VoyageRun(form_, this);
    wireControls();
    wireDials();
    wireMenu();

    QScreen *screen = this->screen();
    startUp(form_, screen ? QSizeF(screen->size()) : QSizeF(1024, 768));
    // The layout is computed for a window that covers the screen: that is
    // also its normal size, should no window manager maximise it.
    if (screen)
        setGeometry(screen->availableGeometry());
}

// A run still on the stack ends when it finds its engine, a child of the
// window, gone.
MainWindow::~MainWindow() = default;

void MainWindow::wireControls()
{
    Form &f = form_;
    connect(f.Command1, &QPushButton::clicked, this, [this] { timeStep(); });
    connect(f.cmdFahrt, &QPushButton::clicked, this, [this] { runVoyage(); });
    connect(f.cmdStop, &QPushButton::clicked, run_, &VoyageRun::requestStop);
    connect(f.Command2, &QPushButton::clicked, this, [this] { resetTravelCounters(); });
    connect(f.Command4, &QPushButton::clicked, this, [&f] { redrawChart(f); });
    connect(f.chkAuto, &QCheckBox::clicked, this, [&f] { autopilotClicked(f); });
    connect(f.chkPeil, &QCheckBox::clicked, this, [this] { updateBearingLine(); });
    connect(f.txtStromx, &QLineEdit::textChanged, this, [this] { drawCurrentField(); });
    connect(f.txtStromy, &QLineEdit::textChanged, this, [this] { drawCurrentField(); });
    connect(f.hscstromv, &QScrollBar::valueChanged, this, [&f] { currentSpeedChanged(f); });
    connect(f.hscfahrtv, &QScrollBar::valueChanged, this, [&f] { speedChanged(f); });
    connect(f.hscdt, &QScrollBar::valueChanged, this, [&f] { timeStepChanged(f); });
    connect(f.hscverz, &QScrollBar::valueChanged, this, [&f] { delayChanged(f); });
}

void MainWindow::wireDials()
{
    Form &f = form_;
    const DialSetter course = [this](double x, float y) { setCourse(x, y); };
    const DialSetter current = [this](double x, float y) { setCurrent(x, y); };
    const auto wire = [this, &f](Dial *dial, const DialSetter &set) {
        connect(dial, &Dial::mousePressed, this,
                [&f, set](QPointF p) { dialMouseDown(f, p.x(), static_cast<float>(p.y()), set); });
        connect(dial, &Dial::mouseMoved, this,
                [&f, set](QPointF p) { dialMouseMove(f, p.x(), static_cast<float>(p.y()), set); });
        connect(dial, &Dial::mouseReleased, this, [&f] { dialMouseUp(f); });
        connect(dial, &Dial::turnRequested, this, [set](QPointF d) { set(d.x(), static_cast<float>(d.y())); });
    };
    wire(f.picFahrt, course);
    wire(f.picStrom, current);
}

void MainWindow::wireMenu()
{
    Form &f = form_;
    connect(f.cmdStart, &QAction::triggered, this, [&f] { startState(f); });
    connect(f.cmdEtap, &QAction::triggered, this, [this] { resetTravelCounters(); });
    // Closing the window, not quitting the loop, so that a run ends too.
    connect(f.cmdend, &QAction::triggered, this, &QWidget::close);
    connect(f.cmdc, &QAction::triggered, this, [this] { showCredits(); });
}

void MainWindow::timeStep() { vendral::timeStep(form_); }
void MainWindow::showIslandDistance() { vendral::showIslandDistance(form_); }
void MainWindow::updateBearingLine() { vendral::updateBearingLine(form_); }
void MainWindow::setCourse(double x, float y) { vendral::setCourse(form_, x, y); }
void MainWindow::setCurrent(double x, float y) { vendral::setCurrent(form_, x, y); }
void MainWindow::drawCurrentField() { vendral::drawCurrentField(form_); }
void MainWindow::resetToStart() { vendral::resetToStart(form_); }
void MainWindow::resetTravelCounters() { vendral::resetTravelCounters(form_); }
void MainWindow::steerToIsland() { vendral::steerToIsland(form_); }
void MainWindow::runVoyage() { run_->run(); }

void MainWindow::showCredits()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Programmiert von"),
                    QStringLiteral("Vendral \u2013 programmiert vom Vendral-Team"), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("credits"));
    credits_ = &box;
    box.exec();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    run_->close();
    if (credits_)
        credits_->reject();
    event->accept();
}

} // namespace vendral
