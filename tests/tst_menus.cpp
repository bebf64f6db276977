// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The initial state, the menu commands and the travel counters.
#include "testsupport.h"

#include "form/voyagerun.h"

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
    // The initial state at start-up. Not part of it: speeds, dt, the delay
    // and the check boxes.
    void initialState()
    {
        MainWindow w;
        const Form &f = w.form();
        const std::pair<const char *, const char *> fields[] = {
            {"txtSchiffx", "10"},     {"txtSchiffy", "10"},     {"txtInselx", "80"},     {"txtInsely", "80"},
            {"txtFahrtx", " 1"},      {"txtFahrty", " 0"},      {"txtWinkel", " 90°"},   {"txtStromx", " 0"},
            {"txtStromy", " 1"},      {"txtStromW", " 0°"},     {"txtReisezeitd", "0"},  {"txtReisezeith", "0"},
            {"txtReisezeitmin", "0"}, {"txtFdW", ""},           {"txtReiseweg", ""},
            {"txtAbstand", "Entfernung zur Insel 98 sm"},
            {"txtFahrtv", "1"},       {"txtStromv", " 1"},      {"txtdt", "1"},          {"txtVerz", "0"},
        };
        for (const auto &[name, shown] : fields)
            QCOMPARE(text(w, name), QString::fromUtf8(shown));
        QCOMPARE(QPointF(f.image1->left(), f.image1->top()), QPointF(10, 10));
        QCOMPARE(QPointF(f.image2->left(), f.image2->top()), QPointF(80, 80));
        QVERIFY(f.linpeil->isHidden());
    }

    // "Startzustand" after a voyage puts markers and fields back and the
    // counters to zero (the whole state is tested on the core).
    void startStateByMenu()
    {
        MainWindow w;
        const Form &f = w.form();
        sail(w);
        f.cmdStart->trigger();
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral("10"));
        QCOMPARE(text(w, "txtReisezeitmin"), QStringLiteral("0"));
        QCOMPARE(QPointF(f.image1->left(), f.image1->top()), QPointF(10, 10));
        QVERIFY(f.linpeil->isHidden());
        QCOMPARE(w.voyage().state().travelTime, 0.0);
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
