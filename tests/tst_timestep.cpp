// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One time step, driven through the window's fields and "Schritt dt".
#include "testsupport.h"

#include "chart/bearingline.h"
#include "common/numbers.h"

#include <QRegularExpression>

#include <cfloat>

using namespace vendral;
using namespace testing;

class TestTimeStep : public QObject
{
    Q_OBJECT

private slots:
    void eastAtSixKnots()
    {
        MainWindow w;
        prepare(w, 50, 50, 1, 0, 6, 10);
        QCOMPARE(text(w, "txtFahrtv"), QStringLiteral(" 6"));
        QCOMPARE(text(w, "txtdt"), QStringLiteral("10"));
        QTest::mouseClick(w.form().Command1, Qt::LeftButton);
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral(" 51"));
        QCOMPARE(text(w, "txtSchiffy"), QStringLiteral(" 50"));
        QCOMPARE(text(w, "txtFdW"), QStringLiteral("Fahrt d. Wasser 1 sm"));
        QCOMPARE(text(w, "txtReiseweg"), QStringLiteral("Fahrt ü. Grund 1 sm"));
        // The track runs from (50.8, 49.2) to (51.8, 49.2) in yellow.
        const PictureBox &chart = *w.form().picSee;
        const QColor yellow(240, 240, 2);
        QCOMPARE(pixelAt(chart, 51.3, 49.2), yellow);
        QVERIFY(pixelAt(chart, 50.5, 49.2) != yellow);
        QVERIFY(pixelAt(chart, 52.2, 49.2) != yellow);
        QVERIFY(pixelAt(chart, 51.3, 48.7) != yellow);
        // The marker's corner is 0.2 sm west and 0.4 sm north of the position.
        QCOMPARE(w.form().image1->left(), 50.8f);
        QCOMPARE(w.form().image1->top(), 50.4f);
        QCOMPARE(w.form().picSee->canvas().drawStyle(), Canvas::DrawStyle::Dash);
        QCOMPARE(w.form().picSee->canvas().drawWidth(), 2);
    }

    void halfMileWithoutLeadingZero()
    {
        MainWindow w;
        prepare(w, 0, 50, 1, 0, 10, 1);
        // 30 knots: the speed bar stops at 10, the field holds what is read.
        w.form().txtFahrtv->setText(QStringLiteral("30"));
        w.timeStep();
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral(" .5"));
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
        MainWindow w;
        prepare(w, x, y, hx, hy, 6, 10);
        w.timeStep();
        QCOMPARE(w.form().stopRequested, stop);
        // The ship moves all the same.
        QCOMPARE(toNumber(text(w, "txtSchiffx").toStdString()), x + hx);
        QCOMPARE(toNumber(text(w, "txtSchiffy").toStdString()), y + hy);
    }

    void currentAloneMovesTheShip()
    {
        MainWindow w;
        prepare(w, 50, 50, 1, 0, 0, 30, 2);
        QCOMPARE(text(w, "txtStromy"), QStringLiteral(" 1"));
        w.timeStep();
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral(" 50"));
        QCOMPARE(text(w, "txtSchiffy"), QStringLiteral(" 51"));
        QCOMPARE(text(w, "txtFdW"), QStringLiteral("Fahrt d. Wasser 0 sm"));
        QCOMPARE(text(w, "txtReiseweg"), QStringLiteral("Fahrt ü. Grund 1 sm"));
        QCOMPARE(w.form().speedOverGround, 2.0);
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
        MainWindow w;
        prepare(w, 50, 50, 1, 0, 0, 1);
        w.form().txtdt->setText(dt);
        w.timeStep();
        QTEST(text(w, "txtReisezeitd"), "days");
        QTEST(text(w, "txtReisezeith"), "hours");
        QTEST(text(w, "txtReisezeitmin"), "minutes");
    }

    void distancesAreRoundedDown()
    {
        MainWindow w;
        // 3.99 sm in one step: 3.99 knots for 60 minutes.
        prepare(w, 20, 50, 1, 0, 0, 60);
        w.form().txtFahrtv->setText(QStringLiteral("3.99"));
        w.timeStep();
        QCOMPARE(text(w, "txtFdW"), QStringLiteral("Fahrt d. Wasser 3 sm"));
        QCOMPARE(text(w, "txtReiseweg"), QStringLiteral("Fahrt ü. Grund 3 sm"));
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral(" 23.99"));
    }

    void distanceToTheIsland()
    {
        MainWindow w;
        prepare(w, 30, 40, 1, 0, 0, 1);
        w.timeStep();
        // (80 + 4 - 30, 80 - 5 - 40) = (54, 35): 64.35...
        QCOMPARE(text(w, "txtAbstand"), QStringLiteral("Entfernung zur Insel 64 sm"));
    }

    void bearingLineFollowsTheBox()
    {
        MainWindow w;
        Form &f = w.form();
        prepare(w, 30, 40, 1, 0, 6, 10);
        f.chkPeil->setChecked(true);
        w.timeStep();
        QVERIFY(!f.linpeil->isHidden());
        QCOMPARE(f.linpeil->x1(), f.image1->left() + 1.0f);
        QCOMPARE(f.linpeil->y1(), f.image1->top() - 1.0f);
        QCOMPARE(f.linpeil->x2(), 85.0f);
        QCOMPARE(f.linpeil->y2(), 75.0f);
        f.chkPeil->setChecked(false);
        w.timeStep();
        QVERIFY(f.linpeil->isHidden());
    }

    void autopilotSteersBeforeTheStep()
    {
        MainWindow w;
        Form &f = w.form();
        prepare(w, 10, 50, 0, 1, 6, 10);
        f.image1->moveTo(10, 50);
        f.image2->moveTo(40, 54);
        f.chkAuto->setChecked(true);
        w.timeStep();
        QCOMPARE(text(w, "txtFahrtx"), QStringLiteral(" 1"));
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral(" 11"));
    }

    // Whatever a user types, a step writes readable sentences and numbers.
    void badInputNeverBreaksAStep_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        const char *fields[] = {"txtFahrtx", "txtFahrty", "txtStromx", "txtStromy", "txtStromv",
                                "txtSchiffx", "txtdt", "txtFahrtv", "txtInselx"};
        const QString inputs[] = {QString(), QStringLiteral("   "), QStringLiteral("abc"), QStringLiteral("1,5"),
                                  QStringLiteral("&HFFFFFFFFFFFFFFFFFF"), QStringLiteral("1e999"),
                                  QStringLiteral("-1e999"), QStringLiteral("-0"), QString(10000, QLatin1Char('9'))};
        for (const char *field : fields)
            for (const QString &input : inputs)
                QTest::addRow("%s %s", field, qPrintable(input.left(20))) << field << input;
    }

    void badInputNeverBreaksAStep()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        MainWindow w;
        prepare(w, 50, 50, 1, 0, 6, 10, 1);
        control<QLineEdit>(w, field)->setText(typed);
        for (int i = 0; i < 3; ++i)
            w.timeStep();
        const QRegularExpression number(QStringLiteral("^( |-)(\\d+|\\d*\\.\\d+)(E[+-]\\d+)?[dhm]?$"));
        const QRegularExpression sentence(QStringLiteral("^(Entfernung zur Insel|Fahrt d\\. Wasser|Fahrt ü\\. Grund)"
                                                         "( |-)\\d+(\\.\\d+)?(E\\+\\d+)? sm$"));
        for (const char *name : {"txtSchiffx", "txtSchiffy", "txtReisezeitd", "txtReisezeith", "txtReisezeitmin"})
            QVERIFY2(number.match(text(w, name)).hasMatch(), qPrintable(text(w, name)));
        for (const char *name : {"txtAbstand", "txtFdW", "txtReiseweg"})
            QVERIFY2(sentence.match(text(w, name)).hasMatch(), qPrintable(text(w, name)));
    }

    void overflowIsHeldAtTheLargestValue()
    {
        MainWindow w;
        prepare(w, 0, 50, 1, 0, 6, 10);
        w.form().txtSchiffx->setText(QStringLiteral("1e308"));
        w.form().txtFahrtv->setText(QStringLiteral("1e308"));
        w.form().txtdt->setText(QStringLiteral("1e308"));
        w.timeStep();
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral(" 1.79769313486232E+308"));
        QCOMPARE(w.form().image1->left(), FLT_MAX);
        w.timeStep();
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral(" 1.79769313486232E+308"));
        // 2 steps of DBL_MAX knots for DBL_MAX minutes, each held, divided by 60.
        QCOMPARE(text(w, "txtReiseweg"), QStringLiteral("Fahrt ü. Grund 5.99231044954105E+306 sm"));
    }
};

VENDRAL_TEST_MAIN(TestTimeStep)
#include "tst_timestep.moc"
