// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The initial state, the menu commands and the travel counters.
#include "testsupport.h"

#include "window/voyagerun.h"

#include "chart/bearingline.h"

#include <QAction>

using namespace vendral;
using namespace testing;

class TestMenus : public QObject
{
    Q_OBJECT

private:
    // Sails three steps with the bearing line showing, the ship elsewhere.
    static void sail(MainWindow &w)
    {
        prepare(w, 40, 30, 1, 1, 6, 10, 2);
        w.form().chkPeil->setChecked(true);
        for (int i = 0; i < 3; ++i)
            w.timeStep();
    }

private slots:
    // The initial state, at start-up and as "Startzustand" restores it after
    // a voyage. Not part of it: speeds, dt, the delay and the check boxes.
    void initialState_data()
    {
        QTest::addColumn<bool>("sailFirst");
        QTest::addColumn<QStringList>("kept"); // speed, current, dt, delay
        QTest::newRow("at start-up") << false << QStringList{"1", " 1", "1", "0"};
        QTest::newRow("Startzustand") << true << QStringList{" 6", " 2", "10", "0"};
    }

    void initialState()
    {
        QFETCH(bool, sailFirst);
        QFETCH(QStringList, kept);
        MainWindow w;
        const Form &f = w.form();
        if (sailFirst) {
            sail(w);
            f.chkAuto->setChecked(true);
            f.image2->moveTo(30, 60);
            f.txtInselx->setText(QStringLiteral("30"));
            f.cmdStart->trigger();
        }
        const std::pair<const char *, const char *> fields[] = {
            {"txtSchiffx", "10"},     {"txtSchiffy", "10"},     {"txtInselx", "80"},     {"txtInsely", "80"},
            {"txtFahrtx", " 1"},      {"txtFahrty", " 0"},      {"txtWinkel", " 90°"},   {"txtStromx", " 0"},
            {"txtStromy", " 1"},      {"txtStromW", " 0°"},     {"txtReisezeitd", "0"},  {"txtReisezeith", "0"},
            {"txtReisezeitmin", "0"}, {"txtFdW", ""},           {"txtReiseweg", ""},
            {"txtAbstand", "Entfernung zur Insel 98 sm"},
        };
        for (const auto &[name, shown] : fields)
            QCOMPARE(text(w, name), QString::fromUtf8(shown));
        QCOMPARE(QPointF(f.image1->left(), f.image1->top()), QPointF(10, 10));
        QCOMPARE(QPointF(f.image2->left(), f.image2->top()), QPointF(80, 80));
        QVERIFY(f.linpeil->isHidden());
        QCOMPARE(w.voyage().state().travelTime, 0.0);
        QCOMPARE(w.voyage().state().stopRequested, 0);
        QCOMPARE((QStringList{text(w, "txtFahrtv"), text(w, "txtStromv"), text(w, "txtdt"), text(w, "txtVerz")}), kept);
        if (!sailFirst)
            return;
        // The bearing line's box and the autopilot stay ticked: the next
        // step turns the heading toward the island and shows the line again.
        QVERIFY(f.chkPeil->isChecked());
        QVERIFY(f.chkAuto->isChecked());
        w.timeStep();
        QVERIFY(text(w, "txtFahrty") != QStringLiteral(" 0"));
        QVERIFY(!f.linpeil->isHidden());
    }

    void stageCountersReset_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu Etappenzähler löschen") << "menu";
        QTest::newRow("x in the time panel") << "button";
    }

    void stageCountersReset()
    {
        QFETCH(QString, how);
        MainWindow w;
        const Form &f = w.form();
        sail(w);
        const QString ship = text(w, "txtSchiffx");
        const QString distance = text(w, "txtAbstand");
        const int yellow = countColour(*f.picSee, QColor(240, 240, 2));
        if (how == QLatin1String("menu"))
            f.cmdEtap->trigger();
        else
            QTest::mouseClick(f.Command2, Qt::LeftButton);
        for (const char *name : {"txtReisezeitd", "txtReisezeith", "txtReisezeitmin"})
            QCOMPARE(text(w, name), QStringLiteral("0"));
        QCOMPARE(text(w, "txtFdW"), QString());
        QCOMPARE(text(w, "txtReiseweg"), QString());
        QCOMPARE(text(w, "txtSchiffx"), ship);
        QCOMPARE(text(w, "txtAbstand"), distance);
        QCOMPARE(countColour(*f.picSee, QColor(240, 240, 2)), yellow);
        // The next step counts from zero.
        w.timeStep();
        QCOMPARE(text(w, "txtReisezeitmin"), QStringLiteral(" 10m"));
        QCOMPARE(text(w, "txtFdW"), QStringLiteral("Fahrt d. Wasser 1 sm"));
    }

    void endClosesTheWindow()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.form().cmdend->trigger();
        QVERIFY(!w.isVisible());
        QVERIFY(w.voyageRun()->closing());
    }
};

VENDRAL_TEST_MAIN(TestMenus)
#include "tst_menus.moc"
