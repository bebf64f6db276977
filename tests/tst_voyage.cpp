// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The voyage core on plain data: time steps, the autopilot, the bearing line,
// the arrival test and the direction maths, without a window or an event
// loop.
#include "sea.h"

#include "simulation/course.h"
#include "simulation/direction.h"
#include "simulation/runstep.h"
#include "simulation/timestep.h"
#include "simulation/travelcounters.h"

#include <QRegularExpression>
#include <QtTest>

#include <cfloat>

using namespace vendral;
using testing::Sea;

class TestVoyage : public QObject
{
    Q_OBJECT

private slots:
    void eastAtSixKnots()
    {
        Sea sea(50, 50, 1, 0, 6, 10);
        sea.steps(1);
        QCOMPARE(sea[Field::txtSchiffx], QStringLiteral(" 51"));
        QCOMPARE(sea[Field::txtSchiffy], QStringLiteral(" 50"));
        QCOMPARE(sea[Field::txtFdW], QStringLiteral("Fahrt d. Wasser 1 sm"));
        QCOMPARE(sea[Field::txtReiseweg], QStringLiteral("Fahrt ü. Grund 1 sm"));
        // The marker's corner is 0.2 sm west and 0.4 sm north of the position.
        QCOMPARE(sea.left(MarkerName::image1), 50.8f);
        QCOMPARE(sea.top(MarkerName::image1), 50.4f);
        // The track runs 0.8 sm east and south of the old and new position.
        QCOMPARE(sea.lines.size(), size_t(1));
        const Sea::Line &track = sea.lines.front();
        QCOMPARE(track.x1, 50.8);
        QCOMPARE(track.y1, 49.2);
        QCOMPARE(track.x2, 51.8);
        QCOMPARE(track.y2, 49.2);
        QCOMPARE(track.style, DrawStyle::Dash);
        QCOMPARE(track.width, 2);
    }

    void halfMileWithoutLeadingZero()
    {
        // 30 knots: the speed bar stops at 10, the field holds what is read.
        Sea sea(0, 50, 1, 0, 30, 1);
        sea.steps(1);
        QCOMPARE(sea[Field::txtSchiffx], QStringLiteral(" .5"));
    }

    void edgeOfPermittedArea_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("hx");
        QTest::addColumn<double>("hy");
        QTest::addColumn<int>("stop");
        // 6 knots for 10 minutes: exactly 1 sm.
        QTest::newRow("exactly 97") << 96.0 << 50.0 << 1.0 << 0.0 << 0;
        QTest::newRow("beyond 97") << 96.001 << 50.0 << 1.0 << 0.0 << 1;
        QTest::newRow("exactly 2") << 50.0 << 3.0 << 0.0 << -1.0 << 0;
        QTest::newRow("below 2") << 50.0 << 2.999 << 0.0 << -1.0 << 1;
        QTest::newRow("exactly 0") << 1.0 << 50.0 << -1.0 << 0.0 << 0;
        QTest::newRow("below 0") << 0.5 << 50.0 << -1.0 << 0.0 << 1;
        QTest::newRow("exactly 100") << 50.0 << 99.0 << 0.0 << 1.0 << 0;
        QTest::newRow("beyond 100") << 50.0 << 99.5 << 0.0 << 1.0 << 1;
    }

    void edgeOfPermittedArea()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, hx);
        QFETCH(double, hy);
        QFETCH(int, stop);
        Sea sea(x, y, hx, hy, 6, 10);
        sea.steps(1);
        QCOMPARE(sea.state.stopRequested, stop);
        // The ship moves all the same.
        QCOMPARE(number(sea, Field::txtSchiffx), x + hx);
        QCOMPARE(number(sea, Field::txtSchiffy), y + hy);
    }

    void currentAloneMovesTheShip()
    {
        Sea sea(50, 50, 1, 0, 0, 30, 2);
        sea.steps(1);
        QCOMPARE(sea[Field::txtSchiffx], QStringLiteral(" 50"));
        QCOMPARE(sea[Field::txtSchiffy], QStringLiteral(" 51"));
        QCOMPARE(sea[Field::txtFdW], QStringLiteral("Fahrt d. Wasser 0 sm"));
        QCOMPARE(sea[Field::txtReiseweg], QStringLiteral("Fahrt ü. Grund 1 sm"));
        QCOMPARE(sea.state.distanceOverGround, 1.0);
    }

    void travelTimeSplit_data()
    {
        QTest::addColumn<QString>("dt");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::newRow("one day") << "1440" << " 1d" << " 0h" << " 0m";
        QTest::newRow("59 minutes") << "59" << " 0d" << " 0h" << " 59m";
        QTest::newRow("1505 minutes") << "1505" << " 1d" << " 1h" << " 5m";
        QTest::newRow("fraction") << "90.5" << " 0d" << " 1h" << " 30m";
        QTest::newRow("no number") << "abc" << " 0d" << " 0h" << " 0m";
    }

    void travelTimeSplit()
    {
        QFETCH(QString, dt);
        Sea sea(50, 50, 1, 0, 0, 1);
        sea[Field::txtdt] = dt;
        sea.steps(1);
        QTEST(sea[Field::txtReisezeitd], "days");
        QTEST(sea[Field::txtReisezeith], "hours");
        QTEST(sea[Field::txtReisezeitmin], "minutes");
    }

    void countersStartAgain()
    {
        Sea sea(20, 50, 1, 0, 6, 60);
        sea.steps(2);
        resetTravelCounters(sea, sea.state);
        QCOMPARE(sea[Field::txtReisezeith], QStringLiteral("0"));
        QCOMPARE(sea[Field::txtFdW], QString());
        sea.steps(1);
        QCOMPARE(sea[Field::txtReisezeith], QStringLiteral(" 1h"));
        QCOMPARE(sea[Field::txtFdW], QStringLiteral("Fahrt d. Wasser 6 sm"));
        QCOMPARE(sea[Field::txtSchiffx], QStringLiteral(" 38"));
    }

    void distancesAreRoundedDown()
    {
        // 3.99 sm in one step: 3.99 knots for 60 minutes.
        Sea sea(20, 50, 1, 0, 0, 60);
        sea[Field::txtFahrtv] = QStringLiteral("3.99");
        sea.steps(1);
        QCOMPARE(sea[Field::txtFdW], QStringLiteral("Fahrt d. Wasser 3 sm"));
        QCOMPARE(sea[Field::txtReiseweg], QStringLiteral("Fahrt ü. Grund 3 sm"));
        QCOMPARE(sea[Field::txtSchiffx], QStringLiteral(" 23.99"));
        // (80 + 4 - 23.99, 80 - 5 - 50) = (60.01, 25): 65.0...
        QCOMPARE(sea[Field::txtAbstand], QStringLiteral("Entfernung zur Insel 65 sm"));
    }

    void bearingLineFollowsTheBox()
    {
        Sea sea(30, 40, 1, 0, 6, 10);
        sea.ticks.insert(Option::chkPeil);
        sea.steps(1);
        QVERIFY(sea.bearingShown);
        // From 1 sm east and north of the ship's corner (30.8, 40.4) to 5 sm
        // east and south of the island's.
        QCOMPARE(sea.bearing[0], 31.8f);
        QCOMPARE(sea.bearing[1], 39.4f);
        QCOMPARE(sea.bearing[2], 85.0f);
        QCOMPARE(sea.bearing[3], 75.0f);
        sea.ticks.clear();
        sea.steps(1);
        QVERIFY(!sea.bearingShown);
    }

    void autopilotSteersBeforeTheStep()
    {
        Sea sea(10, 50, 0, 1, 6, 10);
        sea.moveTo(MarkerName::image1, 10, 50);
        sea.moveTo(MarkerName::image2, 40, 54);
        sea.ticks.insert(Option::chkAuto);
        sea.steps(1);
        QCOMPARE(sea[Field::txtFahrtx], QStringLiteral(" 1"));
        QCOMPARE(sea[Field::txtWinkel], QStringLiteral(" 90°"));
        QCOMPARE(sea[Field::txtSchiffx], QStringLiteral(" 11"));
    }

    // A pass of a run: the stop it asks for, and the arrival circle after
    // every step.
    void runStepHalts_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("check1");
        QTest::addColumn<int>("stopBefore");
        QTest::addColumn<int>("halt");
        QTest::addColumn<int>("stopAfter");
        // The arrival test's centre is (83, 76); the ship sails 1 sm east.
        QTest::newRow("far") << 70.0 << true << 0 << int(Halt::None) << 0;
        QTest::newRow("arrived") << 79.5 << true << 0 << int(Halt::Arrival) << 1;
        QTest::newRow("arrived, box not ticked") << 79.5 << false << 0 << int(Halt::None) << 0;
        QTest::newRow("edge") << 96.5 << true << 0 << int(Halt::Edge) << 1;
        QTest::newRow("stop asked before") << 79.5 << true << 1 << int(Halt::None) << 1;
    }

    void runStepHalts()
    {
        QFETCH(double, x);
        QFETCH(bool, check1);
        QFETCH(int, stopBefore);
        Sea sea(x, 76, 1, 0, 6, 10);
        if (check1)
            sea.ticks.insert(Option::Check1);
        sea.state.stopRequested = stopBefore;
        QTEST(int(runStep(sea.voyage())), "halt");
        QTEST(sea.state.stopRequested, "stopAfter");
        QCOMPARE(sea.circles, 1);
    }

    // Whatever a user types, a step writes readable sentences and numbers.
    void badInputNeverBreaksAStep_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        const std::pair<const char *, Field> fields[] = {
            {"txtFahrtx", Field::txtFahrtx}, {"txtFahrty", Field::txtFahrty},   {"txtStromx", Field::txtStromx},
            {"txtStromy", Field::txtStromy}, {"txtStromv", Field::txtStromv},   {"txtSchiffx", Field::txtSchiffx},
            {"txtdt", Field::txtdt},         {"txtFahrtv", Field::txtFahrtv},   {"txtInselx", Field::txtInselx}};
        const QString inputs[] = {QString(), QStringLiteral("   "), QStringLiteral("abc"), QStringLiteral("1,5"),
                                  QStringLiteral("&HFFFFFFFFFFFFFFFFFF"), QStringLiteral("1e999"),
                                  QStringLiteral("-1e999"), QStringLiteral("-0"), QString(10000, QLatin1Char('9'))};
        for (const auto &[name, field] : fields)
            for (const QString &input : inputs)
                QTest::addRow("%s %s", name, qPrintable(input.left(20))) << int(field) << input;
    }

    void badInputNeverBreaksAStep()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        Sea sea(50, 50, 1, 0, 6, 10, 1);
        sea[Field(field)] = typed;
        sea.steps(3);
        const QRegularExpression number(QStringLiteral("^( |-)(\\d+|\\d*\\.\\d+)(E[+-]\\d+)?[dhm]?$"));
        const QRegularExpression sentence(QStringLiteral("^(Entfernung zur Insel|Fahrt d\\. Wasser|Fahrt ü\\. Grund)"
                                                         "( |-)\\d+(\\.\\d+)?(E\\+\\d+)? sm$"));
        for (Field f : {Field::txtSchiffx, Field::txtSchiffy, Field::txtReisezeitd, Field::txtReisezeith,
                        Field::txtReisezeitmin})
            QVERIFY2(number.match(sea[f]).hasMatch(), qPrintable(sea[f]));
        for (Field f : {Field::txtAbstand, Field::txtFdW, Field::txtReiseweg})
            QVERIFY2(sentence.match(sea[f]).hasMatch(), qPrintable(sea[f]));
    }

    void overflowIsHeldAtTheLargestValue()
    {
        Sea sea(0, 50, 1, 0, 6, 10);
        for (Field f : {Field::txtSchiffx, Field::txtFahrtv, Field::txtdt})
            sea[f] = QStringLiteral("1e308");
        sea.steps(1);
        QCOMPARE(sea[Field::txtSchiffx], QStringLiteral(" 1.79769313486232E+308"));
        QCOMPARE(sea.left(MarkerName::image1), FLT_MAX);
        sea.steps(1);
        QCOMPARE(sea[Field::txtSchiffx], QStringLiteral(" 1.79769313486232E+308"));
        // 2 steps of DBL_MAX knots for DBL_MAX minutes, each held, divided by 60.
        QCOMPARE(sea[Field::txtReiseweg], QStringLiteral("Fahrt ü. Grund 5.99231044954105E+306 sm"));
    }

    // Fields are read without a detour through a copy when their text is
    // short and plain; every text reads as its bytes would.
    void fieldTextsReadAsTheirBytes()
    {
        for (const QString &text : {QString(), QStringLiteral(" 12.5E3x"), QStringLiteral("7\u00b0"),
                                    QStringLiteral("\u00e9 1"), QString(64, QLatin1Char('9')),
                                    QString(65, QLatin1Char('9')), QStringLiteral("4") + QChar(0) + QStringLiteral("2")})
            QCOMPARE(readNumber(text), toNumber(text.toStdString()));
    }

    // Every whole degree has a direction that the field shows as exactly
    // that degree.
    void keyDirectionsShowTheirDegree()
    {
        for (int degrees = 0; degrees < 360; ++degrees) {
            const QPointF u = keyDirection(degrees);
            QCOMPARE(angleDegrees(u.x(), static_cast<float>(u.y())), degrees);
            QVERIFY(qAbs(std::hypot(u.x(), u.y()) - 1) < 1e-12);
        }
    }

    void angleTextOnTheAxes()
    {
        QCOMPARE(angleText(0, 1), QStringLiteral(" 0°"));
        QCOMPARE(angleText(1, 0), QStringLiteral(" 90°"));
        QCOMPARE(angleText(0, -1), QStringLiteral(" 180°"));
        QCOMPARE(angleText(-1, 0), QStringLiteral(" 270°"));
        QCOMPARE(angleText(1e-300, -1), QStringLiteral(" 179°"));
    }
};

QTEST_APPLESS_MAIN(TestVoyage)
#include "tst_voyage.moc"
