// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/mainwindow.h"

#include "common/picturebox.h"
#include "dials/dial.h"
#include "simulation/autopilot.h"
#include "simulation/bearing.h"
#include "simulation/course.h"
#include "simulation/handlers.h"
#include "simulation/timestep.h"
#include "simulation/travelcounters.h"
#include "accessibility/accessibility.h"
#include "layout/artwork.h"
#include "window/buttonkeys.h"
#include "layout/controls.h"
#include "window/fieldfocus.h"
#include "form/markerdrag.h"
#include "form/scrollbars.h"
#include "layout/startup.h"
#include "form/voyagerun.h"
#include "window/windowstyle.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>

namespace vendral {
namespace {

// Room for a window manager's title bar and borders, in pixels.
const QMargins kFrameAllowance(8, 40, 8, 8);
// How often and how far apart the place of a window back from maximised is
// checked.
constexpr int kFrameChecks = 20;
constexpr std::chrono::milliseconds kFrameCheckInterval(50);
constexpr Qt::WindowStates kLarge = Qt::WindowMaximized | Qt::WindowFullScreen;

} // namespace

MainWindow::MainWindow(Accessibility *accessibility, QWidget *parent)
    : QMainWindow(parent)
    , accessibility_(accessibility)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vendral"));
    setWindowIcon(programIcon());
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    QScreen *screen = this->screen();
    const QSizeF screenPixels = screen ? QSizeF(screen->size()) : QSizeF(1024, 768);
    scale_ = DesignScale(designScaleFor(screenPixels));
    createControls(form_, this, client, scale_);
    applyStyle();
    nameControls(form_);
    new ButtonKeys(this);
    new FieldFocus(this, accessibility ? &accessibility->updates() : nullptr);
    drag_ = new MarkerDrag(voyage_, this);
    run_ = new VoyageRun(voyage_, this);
    wireControls();
    wireDials();
    wireMenu();
    if (accessibility)
        accessibility->serve(this, voyage_, run_, drag_);

    startUp(form_, voyage_, screenPixels, scale_);
    // The layout is computed for a window that covers the screen. Its normal
    // place, where a window manager puts it back from maximised, is the
    // screen's available area less room for a frame whose size is not known
    // before the window is shown: placed by the frame's corner, so that the
    // title bar is on the screen.
    if (screen) {
        const QRect area = screen->availableGeometry();
        move(area.topLeft());
        resize(area.marginsRemoved(kFrameAllowance).size());
    }
}

// A run still on the stack ends when it finds its engine, a child of the
// window, gone. The controls go first, in the order the window's children
// would go, before the style they use and the voyage they show.
MainWindow::~MainWindow()
{
    if (accessibility_)
        accessibility_->forget(this);
    delete centralWidget();
    delete menuWidget();
}

void MainWindow::applyStyle()
{
    style_ = std::make_unique<WindowStyle>();
    for (QScrollBar *bar : {form_.hscfahrtv, form_.hscstromv, form_.hscdt, form_.hscverz})
        bar->setStyle(style_.get());
    menuBar()->setStyle(style_.get());
}

void MainWindow::wireControls()
{
    const Form &f = form_;
    FormVoyage &v = voyage_;
    connect(f.Command1, &QPushButton::clicked, this, [this] { timeStep(); });
    connect(f.cmdFahrt, &QPushButton::clicked, this, [this] { runVoyage(); });
    connect(f.cmdStop, &QPushButton::clicked, run_, &VoyageRun::requestStop);
    connect(f.Command2, &QPushButton::clicked, this, [this] { resetTravelCounters(); });
    connect(f.Command4, &QPushButton::clicked, this, [&v] { redrawChart(v, v, v); });
    connect(f.chkAuto, &QCheckBox::clicked, this, [&v] { autopilotClicked(v, v, v); });
    connect(f.chkPeil, &QCheckBox::clicked, this, [this] { updateBearingLine(); });
    connect(f.txtStromx, &QLineEdit::textChanged, this, [this] { drawCurrentField(); });
    connect(f.txtStromy, &QLineEdit::textChanged, this, [this] { drawCurrentField(); });
    connect(f.hscstromv, &QScrollBar::valueChanged, this,
            [&v, bar = f.hscstromv] { currentSpeedChanged(v, v, scrollValue(bar)); });
    const auto wire = [this, &v](QScrollBar *bar, Parameter name) {
        connect(bar, &QScrollBar::valueChanged, this, [&v, bar, name] { parameterChanged(v, name, scrollValue(bar)); });
    };
    wire(f.hscfahrtv, Parameter::hscfahrtv);
    wire(f.hscdt, Parameter::hscdt);
    wire(f.hscverz, Parameter::hscverz);
}

void MainWindow::wireDials()
{
    FormVoyage &v = voyage_;
    const auto wire = [this, &v](Dial *dial, DialName name) {
        connect(dial, &Dial::mousePressed, this,
                [&v, name](QPointF p) { v.dialHold().press(name, v, v, p.x(), static_cast<float>(p.y())); });
        connect(dial, &Dial::mouseMoved, this,
                [&v, name](QPointF p) { v.dialHold().move(name, v, v, p.x(), static_cast<float>(p.y())); });
        connect(dial, &Dial::mouseReleased, this, [&v] { v.dialHold().release(); });
        connect(dial, &Dial::turnRequested, this,
                [&v, name](QPointF d) { setDial(name, v, v, d.x(), static_cast<float>(d.y())); });
    };
    wire(form_.picFahrt, DialName::picFahrt);
    wire(form_.picStrom, DialName::picStrom);
}

void MainWindow::wireMenu()
{
    const Form &f = form_;
    connect(f.cmdStart, &QAction::triggered, this, [this] { startState(voyage_.voyage()); });
    connect(f.cmdEtap, &QAction::triggered, this, [this] { resetTravelCounters(); });
    // Closing the window, not quitting the loop, so that a run ends too.
    connect(f.cmdend, &QAction::triggered, this, &QWidget::close);
    connect(f.cmdc, &QAction::triggered, this, [this] { showCredits(); });
}

void MainWindow::timeStep() { vendral::timeStep(voyage_.voyage()); }

void MainWindow::updateBearingLine() { vendral::updateBearingLine(voyage_, voyage_, voyage_); }

void MainWindow::setCourse(double x, float y) { vendral::setCourse(voyage_, voyage_, x, y); }

void MainWindow::setCurrent(double x, float y) { vendral::setCurrent(voyage_, voyage_, x, y); }

void MainWindow::drawCurrentField() { voyage_.drawCurrentField(); }

void MainWindow::resetToStart() { vendral::resetToStart(voyage_, voyage_, voyage_); }

void MainWindow::resetTravelCounters() { vendral::resetTravelCounters(voyage_, voyage_.state()); }

void MainWindow::steerToIsland() { vendral::steerToIsland(voyage_, voyage_, voyage_); }

void MainWindow::runVoyage() { run_->run(); }

// Modal, but the caller returns at once: a call that waited for the box to
// close would hold up whoever chose the menu item, assistive technology
// included. Closed, the box gives the focus back to the control that had it
// in this window (chosen from the menu bar by keyboard, the menu bar has
// handed the focus back to that control by then).
void MainWindow::showCredits()
{
    if (credits_) {
        credits_->activateWindow();
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Information, QString::fromUtf8(kCreditsTitle.data(), kCreditsTitle.size()),
                                QString::fromUtf8(kCreditsText.data(), kCreditsText.size()), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("credits"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A message box: nothing to minimise or maximise.
    box->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QDialog::finished, this, [this] {
        QWidget *focus = focusWidget();
        if (!isVisible())
            return;
        activateWindow();
        if (focus)
            focus->setFocus(Qt::OtherFocusReason);
    });
    credits_ = box;
    box->show();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    if ((change->oldState() & kLarge) && !(windowState() & (kLarge | Qt::WindowMinimized))) {
        frameChecks_ = kFrameChecks;
        QTimer::singleShot(0, this, &MainWindow::keepFrameOnScreen);
    }
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    noteMaximisedRoom();
}

// A maximised window fills the room the desktop leaves to windows, panels
// and docks excepted, even where the window system tells of no panels (on
// Wayland the screen's available area is the whole screen).
void MainWindow::noteMaximisedRoom()
{
    if (windowState() != Qt::WindowMaximized || !windowHandle())
        return;
    maximisedRoom_ = geometry().marginsAdded(windowHandle()->frameMargins()).size();
}

void MainWindow::keepFrameOnScreen()
{
    if (frameChecks_ <= 0 || (windowState() & (kLarge | Qt::WindowMinimized)) || !screen() || !windowHandle()) {
        frameChecks_ = 0;
        return;
    }
    --frameChecks_;
    // Asked of the window system each time: a normal window's frame differs
    // from a maximised one's, and the news of it may come late. What it
    // reports beyond the usual room for a frame is a shadow, which may lie
    // off the screen (Weston frames its X11 windows with 32 px of shadow on
    // every side).
    const QMargins reported = windowHandle()->frameMargins();
    const QMargins margins(std::min(reported.left(), kFrameAllowance.left()),
                           std::min(reported.top(), kFrameAllowance.top()),
                           std::min(reported.right(), kFrameAllowance.right()),
                           std::min(reported.bottom(), kFrameAllowance.bottom()));
    // The room for the frame: the available area, no larger than the frame of
    // the window when it was maximised.
    QRect area = screen()->availableGeometry();
    if (maximisedRoom_.isValid())
        area.setSize(area.size().boundedTo(maximisedRoom_));
    if (!area.contains(geometry().marginsAdded(margins))) {
        // Never larger than the normal size it started with: the place read
        // while the window manager is still restoring may be the maximised
        // one, and restoring must not come back as large as that.
        const QSize size = geometry().size().boundedTo(area.marginsRemoved(kFrameAllowance).size());
        QRect frame = QRect(geometry().topLeft(), size).marginsAdded(margins);
        frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
        frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
        setGeometry(frame.marginsRemoved(margins));
    }
    // The window manager's restored place and its frame arrive in events of
    // their own, some of them after the change of state and without notice:
    // the place is checked again a few times while they settle.
    if (frameChecks_ > 0)
        QTimer::singleShot(kFrameCheckInterval, this, &MainWindow::keepFrameOnScreen);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    run_->close();
    if (credits_)
        credits_->reject();
    event->accept();
}

} // namespace vendral
