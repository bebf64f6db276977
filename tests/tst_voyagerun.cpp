// The continuous run: its stops, the arrival circle, nested runs, the delay,
// and the end of every loop when the window closes.
#include "testsupport.h"

#include "common/numbers.h"
#include "simulation/voyagerun.h"

#include <QAction>
#include <QElapsedTimer>

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

} // namespace

class TestVoyageRun : public QObject
{
    Q_OBJECT

private slots:
    void fahrtThenStopAtOncePerformsOneStep()
    {
        MainWindow w;
        prepare(w, 50, 50, 1, 0, 6, 1);
        w.form().stopRequested = 1; // left over from before: cleared by the run
        queueClick(w.form().cmdStop);
        QTest::mouseClick(w.form().cmdFahrt, Qt::LeftButton);
        QCOMPARE(w.form().travelTime, 1.0);
        QCOMPARE(w.form().stopRequested, 1);
    }

    void stopGivesOneMoreStep()
    {
        MainWindow w;
        prepare(w, 50, 50, 1, 0, 0, 1);
        afterSteps(w, 5, [&w] { w.form().cmdStop->click(); });
        w.form().cmdFahrt->click();
        QCOMPARE(w.form().travelTime, 6.0);
    }

    void edgeStopLeavesTheShipBeyond_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("hx");
        QTest::addColumn<double>("hy");
        QTest::newRow("east") << 90.0 << 50.0 << 1.0 << 0.0;
        QTest::newRow("west") << 5.0 << 50.0 << -1.0 << 0.0;
        QTest::newRow("north") << 50.0 << 95.0 << 0.0 << 1.0;
        QTest::newRow("south") << 50.0 << 8.0 << 0.0 << -1.0;
    }

    void edgeStopLeavesTheShipBeyond()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, hx);
        QFETCH(double, hy);
        MainWindow w;
        prepare(w, x, y, hx, hy, 10, 6); // 1 sm a step
        w.form().cmdFahrt->click();
        const double sx = toNumber(text(w, "txtSchiffx").toStdString());
        const double sy = toNumber(text(w, "txtSchiffy").toStdString());
        QVERIFY(sx < 0 || sx > 97 || sy < 2 || sy > 100);
        // One step earlier it was still inside.
        const double px = sx - hx, py = sy - hy;
        QVERIFY(px >= 0 && px <= 97 && py >= 2 && py <= 100);
    }

    void arrivalStopsWhenTicked()
    {
        MainWindow w;
        Form &f = w.form();
        // Measured from (80 + 3, 80 - 4) = (83, 76): within 4 sm at y = 73.
        prepare(w, 83, 69, 0, 1, 6, 10);
        f.Check1->setChecked(true);
        f.cmdFahrt->click();
        QCOMPARE(text(w, "txtSchiffy"), QStringLiteral(" 73"));
        QCOMPARE(f.travelTime, 40.0);
    }

    void shipInsideTheRadiusStillSteps()
    {
        MainWindow w;
        prepare(w, 83, 76, 0, 1, 6, 10);
        w.form().Check1->setChecked(true);
        w.form().cmdFahrt->click();
        QCOMPARE(text(w, "txtSchiffy"), QStringLiteral(" 77"));
    }

    void untickedSailsPastTheIsland()
    {
        MainWindow w;
        Form &f = w.form();
        prepare(w, 83, 69, 0, 1, 6, 10);
        f.cmdFahrt->click();
        QCOMPARE(text(w, "txtSchiffy"), QStringLiteral(" 101"));
        // Dotted white arrival circle of 5 sm around (85, 76), width 1.
        int white = 0;
        for (int deg = 0; deg < 360; deg += 2) {
            const double a = qDegreesToRadians(double(deg));
            const QPointF p = f.picSee->toPixel(85 + 5 * std::cos(a), 76 + 5 * std::sin(a) * f.picSee->pixelsPerUnitX()
                                                                            / (f.picSee->drawingArea().height() / 100.0));
            const QPoint q = (p - f.picSee->drawingArea().topLeft()).toPoint();
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (f.picSee->image().pixelColor(q + QPoint(dx, dy)) == QColor(255, 255, 255)) {
                        ++white;
                        dx = dy = 2;
                    }
        }
        QVERIFY2(white > 60, qPrintable(QString::number(white)));
        QCOMPARE(f.picSee->drawStyle(), PictureBox::DrawStyle::Dot);
        QCOMPARE(f.picSee->drawWidth(), 1);
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
        QCOMPARE(w.form().travelTime, 5.0);
    }

    void closingEndsEveryRun_data()
    {
        QTest::addColumn<bool>("nested");
        QTest::addColumn<bool>("viaMenu");
        QTest::newRow("close") << false << false;
        QTest::newRow("beenden") << false << true;
        QTest::newRow("close, nested") << true << false;
        QTest::newRow("beenden, nested") << true << true;
    }

    void closingEndsEveryRun()
    {
        QFETCH(bool, nested);
        QFETCH(bool, viaMenu);
        MainWindow w;
        w.show();
        // Speed and current 0: the run would never end by itself.
        prepare(w, 50, 50, 1, 0, 0, 1);
        if (nested)
            queueClick(w.form().cmdFahrt);
        afterSteps(w, 20, [&w, viaMenu] {
            if (viaMenu)
                w.form().cmdend->trigger();
            else
                w.close();
        });
        w.form().cmdFahrt->click();
        QVERIFY(!w.isVisible());
        QVERIFY(w.form().travelTime <= 21);
    }

    void delayText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ms");
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("forty") << "40" << 40;
        QTest::newRow("hundred") << "100" << 100;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("fraction") << "1.5" << 0;
        QTest::newRow("negative") << "-3" << 0;
        QTest::newRow("huge") << "99999999999" << 0;
    }

    void delayText()
    {
        QFETCH(QString, text);
        QFETCH(int, ms);
        MainWindow w;
        w.form().txtVerz->setText(text);
        QCOMPARE(delayMilliseconds(w.form()), ms);
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
        QCOMPARE(w.form().travelTime, 3.0);
        QVERIFY(timer.elapsed() >= 3 * 15);
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
        QCOMPARE(w.form().travelTime, 1.0);
    }
};

QTEST_MAIN(TestVoyageRun)
#include "tst_voyagerun.moc"
