// What assistive technology reads of the window, through Qt's accessibility
// interface: names and descriptions, the dials' values, and where ship and
// island are.
#include "testsupport.h"

#include "chart/markerdrag.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QGroupBox>

using namespace vendral;
using namespace testing;

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    if (!interface)
        qFatal("%s has no accessible interface", qPrintable(widget->objectName()));
    return interface;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void namesAndDescriptions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        // Caption first, then the label beside, then the tooltip.
        QTest::newRow("button") << "cmdFahrt" << "Fahrt" << "Schiff in Fahrt setzen";
        QTest::newRow("check box") << "chkAuto" << "Autopilot" << "Automatik, Kurs auf Insel";
        QTest::newRow("island's box") << "Check1" << "Check1" << "automatisch anhalten ein/aus";
        QTest::newRow("box by its label") << "chkPeil" << "Peilung" << "";
        QTest::newRow("field by its label") << "txtSchiffy" << "ySchiff" << "";
        QTest::newRow("dt by its label") << "txtdt" << "dt in Minuten" << "";
        QTest::newRow("delay by its label") << "txtVerz" << "Verzögerung" << "";
        QTest::newRow("course dial") << "picFahrt" << "Zeiger greifen, Kurs einstellen"
                                     << "Zeiger greifen, Kurs einstellen";
        QTest::newRow("chart") << "picSee" << "Seegebiet 100sm x 100sm" << "Seegebiet 100sm x 100sm";
        QTest::newRow("island") << "image2" << "Insel verschieben" << "Insel verschieben";
        // Neither caption, label nor tooltip: named after what they hold.
        QTest::newRow("heading") << "txtFahrtx" << "Kurs Ost" << "";
        QTest::newRow("speed bar") << "hscfahrtv" << "Fahrt durchs Wasser" << "";
        QTest::newRow("current speed") << "txtStromv" << "Strömungsgeschwindigkeit in Knoten" << "";
        QTest::newRow("ship") << "image1" << "Schiff" << "";
        QTest::newRow("distance read-out") << "txtAbstand" << "Entfernung zur Insel" << "";
        QTest::newRow("ground read-out") << "txtReiseweg" << "Fahrt ü. Grund" << "";
        QTest::newRow("counters' x") << "Command2" << "x" << "Reisezeit und Strecken löschen";
    }

    void namesAndDescriptions()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        MainWindow w;
        QAccessibleInterface *interface = accessible(testing::control(w, control));
        QCOMPARE(interface->text(QAccessible::Name), name);
        QCOMPARE(interface->text(QAccessible::Description), description);
    }

    // No control a user can operate goes unnamed or by its panel's title.
    void everyControlIsNamed()
    {
        MainWindow w;
        QStringList unnamed;
        for (QWidget *widget : w.centralWidget()->findChildren<QWidget *>()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<PictureBox *>(widget))
                continue;
            const QString name = accessible(widget)->text(QAccessible::Name);
            const auto *frame = qobject_cast<QGroupBox *>(widget->parentWidget());
            if (name.isEmpty() || (frame && name == frame->title()))
                unnamed << widget->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
    }

    void dialsReportTheirDirection()
    {
        MainWindow w;
        Form &f = w.form();
        QAccessibleInterface *dial = accessible(f.picFahrt);
        QCOMPARE(dial->role(), QAccessible::Dial);
        QCOMPARE(dial->text(QAccessible::Value), QStringLiteral("90°"));
        w.setCourse(0, -1);
        QCOMPARE(dial->text(QAccessible::Value), QStringLiteral("180°"));
        // Assistive technology can turn the dial, as the keys do.
        QAccessibleValueInterface *value = dial->valueInterface();
        QVERIFY(value);
        value->setCurrentValue(45);
        QCOMPARE(text(w, "txtFahrtx"), QStringLiteral(" .707"));
        QCOMPARE(value->currentValue().toInt(), 45);
        QCOMPARE(accessible(f.picStrom)->text(QAccessible::Value), QStringLiteral("0°"));
    }

    void chartTellsWhereShipAndIslandAre()
    {
        MainWindow w;
        Form &f = w.form();
        QAccessibleInterface *chart = accessible(f.picSee);
        QCOMPARE(chart->text(QAccessible::Value), QStringLiteral("Schiff bei x 10, y 10 sm; Insel bei x 80, y 80 sm"));
        w.markerDrag()->dragDrop(f.image2, 42.9, 17.2);
        QCOMPARE(chart->text(QAccessible::Value), QStringLiteral("Schiff bei x 10, y 10 sm; Insel bei x 42, y 17 sm"));
        QCOMPARE(accessible(f.image2)->text(QAccessible::Value), QStringLiteral("x 42.9, y 17.2 sm"));
    }
};

VENDRAL_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
