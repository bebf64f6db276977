// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The continuous run: its stops, the arrival circle, nested runs and their
// screen, the delay, and the end of every loop when the window closes. A
// watchdog ends any test whose run does not end.
#include "testsupport.h"

#include "simulation/numbers.h"
#include "form/voyagerun.h"

#include <QAction>
#include <QElapsedTimer>

#include <memory>

using namespace vendral;
using namespace testing;

namespace {

void queueClick(QAbstractButton *button)
{
    QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

// Calls `action` (queued, so between two steps) after the n-th step.
void afterSteps(MainWindow &w, int n, const std::function<void()> &action)
{
    auto *counter = new int(0);
    QObject::connect(w.form().txtReisezeitmin, &QLineEdit::textChanged, &w, [counter, n, action, &w] {
        if (++*counter == n)
            QMetaObject::invokeMethod(&w, action, Qt::QueuedConnection);
    });
    QObject::connect(&w, &QObject::destroyed, [counter] { delete counter; });
}

// Starts runs nested `depth` deep: each "Fahrt" is clicked from inside the
// run before it, once that run has stepped, until a stop is requested.
void nestRuns(MainWindow &w, int depth)
{
    QObject::connect(w.form().txtReisezeitmin, &QLineEdit::textChanged, &w, [&w, depth] {
        if (w.voyageRun()->depth() < depth && w.voyage().state().stopRequested == 0)
            QMetaObject::invokeMethod(w.form().cmdFahrt, &QAbstractButton::click, Qt::QueuedConnection);
    });
}

// Counts a widget's paint events.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestVoyageRun : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Watchdog> watchdog_;

private slots:
    void init() { watchdog_ = std::make_unique<Watchdog>(60); }
    void cleanup() { watchdog_.reset(); }

    // A run with the island's box not ticked sails past the island (the
    // arrival and edge stops are tested on the voyage core, tst_voyage, and
    // through the window by tst_accessibility's run reports), drawing the
    // arrival circle after every step.
    void untickedSailsPastTheIsland()
    {
        MainWindow w;
        const Form &f = w.form();
        prepare(w, 83, 69, 0, 1, 6, 10);
        f.cmdFahrt->click();
        QCOMPARE(text(w, "txtSchiffy"), QStringLiteral(" 101"));
        // Dotted white arrival circle of 5 sm around (85, 76), width 1.
        int white = 0;
        for (int deg = 0; deg < 360; deg += 2) {
            const double a = qDegreesToRadians(double(deg));
            const QPointF p = f.picSee->toPixel(85 + 5 * std::cos(a), 76 + 5 * std::sin(a) * f.picSee->canvas().pixelsPerUnitX()
                                                                            / (f.picSee->drawingArea().height() / 100.0));
            const QPoint q = (p - f.picSee->drawingArea().topLeft()).toPoint();
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (f.picSee->canvas().image().pixelColor(q + QPoint(dx, dy)) == QColor(255, 255, 255)) {
                        ++white;
                        dx = dy = 2;
                    }
        }
        QVERIFY2(white > 60, qPrintable(QString::number(white)));
        QCOMPARE(f.picSee->canvas().drawStyle(), Canvas::DrawStyle::Dot);
        QCOMPARE(f.picSee->canvas().drawWidth(), 1);
    }

    // A second "Fahrt" runs inside the first; after it the first performs one
    // more step and ends. (The inner run starts before the outer's first step;
    // "Stop" after its third step gives it one more.)
    void nestedRun()
    {
        MainWindow w;
        prepare(w, 50, 50, 1, 0, 0, 1);
        queueClick(w.form().cmdFahrt);
        afterSteps(w, 3, [&w] { w.form().cmdStop->click(); });
        w.form().cmdFahrt->click();
        QCOMPARE(w.voyage().state().travelTime, 5.0);
    }

    void closingEndsEveryRun_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("viaMenu");
        for (int depth = 1; depth <= 3; ++depth) {
            QTest::addRow("close, depth %d", depth) << depth << false;
            QTest::addRow("beenden, depth %d", depth) << depth << true;
        }
    }

    void closingEndsEveryRun()
    {
        QFETCH(int, depth);
        QFETCH(bool, viaMenu);
        MainWindow w;
        w.show();
        // Speed and current 0: the run would never end by itself.
        prepare(w, 50, 50, 1, 0, 0, 1);
        nestRuns(w, depth);
        QObject::connect(w.form().txtReisezeitmin, &QLineEdit::textChanged, &w, [&w, depth, viaMenu] {
            if (w.voyageRun()->depth() == depth && w.isVisible()) {
                if (viaMenu)
                    w.form().cmdend->trigger();
                else
                    w.close();
            }
        });
        w.form().cmdFahrt->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.voyageRun()->depth(), 0);
        // No run starts once the window has closed.
        const double travelled = w.voyage().state().travelTime;
        w.form().cmdFahrt->click();
        QCOMPARE(w.voyage().state().travelTime, travelled);
    }

    // Every run, however deeply nested, keeps the screen up to date (the
    // travel time changes at every step), and the last step shows once the
    // runs end.
    void nestedRunsKeepTheScreenUpToDate_data()
    {
        QTest::addColumn<int>("depth");
        for (int depth = 1; depth <= 3; ++depth)
            QTest::addRow("depth %d", depth) << depth;
    }

    void nestedRunsKeepTheScreenUpToDate()
    {
        QFETCH(int, depth);
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const Form &f = w.form();
        prepare(w, 50, 50, 1, 0, 0, 1);
        PaintCounter minutes(f.txtReisezeitmin);
        nestRuns(w, depth);
        int paintsBefore = -1;
        int paintsDuring = 0;
        QElapsedTimer clock;
        // A third of a second inside the innermost run, then "Stop".
        QObject::connect(f.txtReisezeitmin, &QLineEdit::textChanged, &w, [&] {
            if (w.voyageRun()->depth() != depth)
                return;
            if (paintsBefore < 0) {
                paintsBefore = minutes.paints;
                clock.start();
            } else if (clock.elapsed() > 300 && w.voyage().state().stopRequested == 0) {
                paintsDuring = minutes.paints - paintsBefore;
                f.cmdStop->click();
            }
        });
        f.cmdFahrt->click();
        QCOMPARE(w.voyageRun()->depth(), 0);
        QVERIFY2(paintsDuring >= 3, qPrintable(QString::number(paintsDuring)));
        const int paintsAtTheEnd = minutes.paints;
        QVERIFY(QTest::qWaitFor([&] { return minutes.paints > paintsAtTheEnd; }));
    }

    void delayWaitsBeforeEveryStep()
    {
        MainWindow w;
        prepare(w, 50, 50, 1, 0, 0, 1);
        setScrollValue(w.form().hscverz, 15);
        QCOMPARE(text(w, "txtVerz"), QStringLiteral("15"));
        afterSteps(w, 2, [&w] { w.form().cmdStop->click(); });
        QElapsedTimer timer;
        timer.start();
        w.form().cmdFahrt->click();
        QCOMPARE(w.voyage().state().travelTime, 3.0);
        QVERIFY(timer.elapsed() >= 3 * 15);
    }

    // The delay before a step answers the window at once: a click that comes
    // while it lasts is handled before the step it precedes. "Stop" still
    // gives that one more step; closing the window ends the run without it.
    void delayAnswersAtOnce_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<double>("minutes");
        QTest::newRow("Stop") << "Stop" << 1.0;
        QTest::newRow("close") << "close" << 0.0;
        QTest::newRow("beenden") << "beenden" << 0.0;
    }

    void delayAnswersAtOnce()
    {
        QFETCH(QString, action);
        QFETCH(double, minutes);
        MainWindow w;
        w.show();
        const Form &f = w.form();
        prepare(w, 50, 50, 1, 0, 0, 1);
        setScrollValue(f.hscverz, 100);
        double sailedWhenHandled = -1;
        QTimer::singleShot(30, &w, [&] {
            sailedWhenHandled = w.voyage().state().travelTime;
            if (action == QLatin1String("Stop"))
                f.cmdStop->click();
            else if (action == QLatin1String("close"))
                w.close();
            else
                f.cmdend->trigger();
        });
        f.cmdFahrt->click();
        QCOMPARE(sailedWhenHandled, 0.0);
        QCOMPARE(w.voyage().state().travelTime, minutes);
        QCOMPARE(w.voyageRun()->depth(), 0);
    }

    void countersResetDuringARun()
    {
        MainWindow w;
        prepare(w, 50, 50, 1, 0, 0, 1);
        afterSteps(w, 4, [&w] {
            w.form().cmdEtap->trigger();
            w.form().cmdStop->click();
        });
        w.form().cmdFahrt->click();
        QCOMPARE(w.voyage().state().travelTime, 1.0);
    }

    // Return and Enter press the focused button or tick the focused check
    // box, as Space does; on "Stop" during a run they end it after one more
    // step.
    void returnPressesTheFocusedControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::newRow("Return on Schritt dt") << "Command1" << int(Qt::Key_Return);
        QTest::newRow("Enter on the autopilot") << "chkAuto" << int(Qt::Key_Enter);
        QTest::newRow("Return on the island's box") << "Check1" << int(Qt::Key_Return);
        QTest::newRow("Return on Stop during a run") << "cmdStop" << int(Qt::Key_Return);
    }

    void returnPressesTheFocusedControl()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        auto w = shownWindow();
        prepare(*w, 50, 50, 1, 0, 0, 1);
        auto *button = control<QAbstractButton>(*w, name);
        const bool wasChecked = button->isChecked();
        button->setFocus();
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        const auto press = [&w, key] {
            QTest::keyClick(w->windowHandle(), Qt::Key(key),
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        };
        if (button == w->form().cmdStop) {
            afterSteps(*w, 5, press);
            w->form().cmdFahrt->click();
            QCOMPARE(w->voyage().state().travelTime, 6.0);
        } else {
            press();
        }
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(button->isChecked(), button->isCheckable() && !wasChecked);
    }

    // The position fields show the start of a long number whether the
    // keyboard passes through them (selecting nothing, so that a screen
    // reader reads them once), stays in them while a step writes them, or
    // leaves them.
    void readOnlyFieldsShowTheStartOfTheirText()
    {
        auto w = shownWindow();
        const Form &f = w->form();
        prepare(*w, 19.333333333333332, 20.123456789012345, 0, 1, 6, 1);
        f.chkAuto->setFocus();
        QWindow *window = w->windowHandle();
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.txtSchiffx);
        QVERIFY(!f.txtSchiffx->hasSelectedText());
        QCOMPARE(f.txtSchiffx->cursorPosition(), 0);
        QTest::keyClick(window, Qt::Key_End);
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(f.txtSchiffx->cursorPosition(), 0);
        f.txtSchiffy->setFocus();
        QTest::keyClick(window, Qt::Key_End);
        w->timeStep();
        QVERIFY(f.txtSchiffy->text().size() > 10);
        QCOMPARE(f.txtSchiffy->cursorPosition(), 0);
    }
};

VENDRAL_TEST_MAIN(TestVoyageRun)
#include "tst_voyagerun.moc"
