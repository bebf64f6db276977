// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What redraws the chart's current streaks. Their geometry is tested as
// primitives (tst_drawing), what "x" does to the current's fields on plain
// data (tst_handlers); the grid, the labels and the streaks at the start are
// pinned by the reference pictures (tst_dials).
#include "testsupport.h"

#include "chart/bearingline.h"

using namespace vendral;
using namespace testing;

namespace {

const QColor kStreak(160, 160, 255);
const QColor kYellow(240, 240, 2);

} // namespace

class TestCurrentField : public QObject
{
    Q_OBJECT

private slots:
    void directionChangeRedrawsElsewhere()
    {
        MainWindow w;
        const Form &f = w.form();
        const QImage before = f.picSee->canvas().image();
        QSignalSpy redraws(f.txtStromx, &QLineEdit::textChanged);
        w.setCurrent(1, 0);
        QVERIFY(f.picSee->canvas().image() != before);
        QCOMPARE(redraws.count(), 1);
    }

    void redrawWipesTheTrack()
    {
        MainWindow w;
        const Form &f = w.form();
        prepare(w, 50, 50, 1, 0, 6, 10, 1);
        w.timeStep();
        QVERIFY(countColour(*f.picSee, kYellow) > 10);
        setScrollValue(f.hscstromv, 2);
        QCOMPARE(countColour(*f.picSee, kYellow), 0);
    }

    void chartButtonNormalisesAndWipes()
    {
        MainWindow w;
        const Form &f = w.form();
        prepare(w, 50, 50, 1, 0, 6, 10, 1);
        f.chkPeil->setChecked(true);
        w.timeStep();
        const QString ship = text(w, "txtSchiffx");
        const QString travel = text(w, "txtReisezeitmin");
        const QString distance = text(w, "txtAbstand");
        const float lineX1 = f.linpeil->x1();
        f.txtStromx->setText(QStringLiteral("3"));
        f.txtStromy->setText(QStringLiteral("4"));
        QTest::mouseClick(f.Command4, Qt::LeftButton);
        QCOMPARE(text(w, "txtStromW"), QStringLiteral(" 36°"));
        QCOMPARE(countColour(*f.picSee, kYellow), 0);
        QCOMPARE(text(w, "txtSchiffx"), ship);
        QCOMPARE(text(w, "txtReisezeitmin"), travel);
        QCOMPARE(text(w, "txtAbstand"), distance);
        QVERIFY(!f.linpeil->isHidden());
        QCOMPARE(f.linpeil->x1(), lineX1);
        QVERIFY(!f.image2->isHidden());
    }

    // Streaks with end points far off the chart show, cut at its edge; text
    // that is not a number draws none. A step and "x" go on from there.
    void hugeCurrentValues_data()
    {
        QTest::addColumn<QString>("east");
        QTest::addColumn<QString>("north");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<bool>("streaks");
        QTest::addColumn<QString>("eastAfter");
        QTest::addColumn<QString>("northAfter");
        // North is read in single precision, which tips .6 below its thousandth.
        QTest::newRow("huge speed") << " .6" << " .8" << "1e308" << true << " .599" << " .8";
        QTest::newRow("overflowing speed") << " 1" << " 0" << "1e999" << true << " 1" << " 0";
        QTest::newRow("huge direction") << "-1e308" << "1e308" << " 3" << true << "-1" << " 0";
        QTest::newRow("hex direction") << "&H7FFFFFFFFFFFFFFF" << "0" << " 1" << true << " 1" << " 0";
        QTest::newRow("letters") << "x" << "y" << "z" << false << "x" << "y";
    }

    void hugeCurrentValues()
    {
        QFETCH(QString, east);
        QFETCH(QString, north);
        QFETCH(QString, speed);
        QFETCH(bool, streaks);
        Watchdog watchdog(60);
        MainWindow w;
        const Form &f = w.form();
        f.txtStromv->setText(speed);
        f.txtStromx->setText(east);
        f.txtStromy->setText(north);
        w.drawCurrentField();
        QCOMPARE(countColour(*f.picSee, kStreak) > 100, streaks);
        w.timeStep();
        QTest::mouseClick(f.Command4, Qt::LeftButton);
        QTEST(text(w, "txtStromx"), "eastAfter");
        QTEST(text(w, "txtStromy"), "northAfter");
    }
};

VENDRAL_TEST_MAIN(TestCurrentField)
#include "tst_currentfield.moc"
