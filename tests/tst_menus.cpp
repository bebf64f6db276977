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
    void startStateRestoresTheInitialState()
    {
        MainWindow w;
        Form &f = w.form();
        sail(w);
        f.chkAuto->setChecked(true);
        f.image2->moveTo(30, 60);
        f.txtInselx->setText(QStringLiteral("30"));
        f.cmdStart->trigger();
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral("10"));
        QCOMPARE(text(w, "txtSchiffy"), QStringLiteral("10"));
        QCOMPARE(text(w, "txtInselx"), QStringLiteral("80"));
        QCOMPARE(f.image1->left(), 10.0f);
        QCOMPARE(f.image1->top(), 10.0f);
        QCOMPARE(f.image2->left(), 80.0f);
        QCOMPARE(f.image2->top(), 80.0f);
        QCOMPARE(text(w, "txtFahrtx"), QStringLiteral(" 1"));
        QCOMPARE(text(w, "txtStromy"), QStringLiteral(" 1"));
        QCOMPARE(text(w, "txtAbstand"), QStringLiteral("Entfernung zur Insel 98 sm"));
        QCOMPARE(text(w, "txtReisezeitmin"), QStringLiteral("0"));
        QCOMPARE(text(w, "txtFdW"), QString());
        QCOMPARE(f.voyage.travelTime, 0.0);
        // The bearing line hides; its box stays ticked until the next step.
        QVERIFY(f.linpeil->isHidden());
        QVERIFY(f.chkPeil->isChecked());
        // Not part of the initial state: speeds, dt, the check boxes.
        QCOMPARE(text(w, "txtFahrtv"), QStringLiteral(" 6"));
        QCOMPARE(text(w, "txtStromv"), QStringLiteral(" 2"));
        QCOMPARE(text(w, "txtdt"), QStringLiteral("10"));
        QVERIFY(f.chkAuto->isChecked());
        // The autopilot turns the heading toward the island again.
        w.timeStep();
        QVERIFY(text(w, "txtFahrty") != QStringLiteral(" 0"));
        QVERIFY(!f.linpeil->isHidden());
    }

    void stageCountersReset_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu Etappenzähler löschen") << "menu";
        QTest::newRow("x in the time panel") << "button";
        QTest::newRow("procedure") << "call";
    }

    void stageCountersReset()
    {
        QFETCH(QString, how);
        MainWindow w;
        Form &f = w.form();
        sail(w);
        const QString ship = text(w, "txtSchiffx");
        const QString distance = text(w, "txtAbstand");
        const int yellow = countColour(*f.picSee, QColor(240, 240, 2));
        if (how == QLatin1String("menu"))
            f.cmdEtap->trigger();
        else if (how == QLatin1String("button"))
            QTest::mouseClick(f.Command2, Qt::LeftButton);
        else
            w.resetTravelCounters();
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
