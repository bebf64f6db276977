// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window as it stands after start-up: controls, layout, initial state.
#include "testsupport.h"

#include "chart/bearingline.h"
#include "window/artwork.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

using namespace vendral;
using namespace testing;

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void controlsExistWithTheirKinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("container");
        const struct
        {
            const char *name, *kind, *container;
        } rows[] = {
            {"Frame3", "QGroupBox", "client"},         {"Frame4", "QGroupBox", "client"},
            {"Frame2", "QGroupBox", "client"},         {"picSee", "vendral::PictureBox", "client"},
            {"txtFahrtx", "QLineEdit", "Frame3"},      {"txtFahrty", "QLineEdit", "Frame3"},
            {"txtWinkel", "QLineEdit", "Frame3"},      {"txtFahrtv", "QLineEdit", "Frame3"},
            {"picFahrt", "vendral::Dial", "Frame3"}, {"hscfahrtv", "QScrollBar", "Frame3"},
            {"cmdFahrt", "QPushButton", "Frame3"},     {"Command1", "QPushButton", "Frame3"},
            {"cmdStop", "QPushButton", "Frame3"},      {"chkAuto", "QCheckBox", "Frame3"},
            {"chkPeil", "QCheckBox", "Frame3"},        {"txtSchiffx", "QLineEdit", "Frame3"},
            {"txtSchiffy", "QLineEdit", "Frame3"},     {"txtInselx", "QLineEdit", "Frame3"},
            {"txtInsely", "QLineEdit", "Frame3"},      {"Label7_0", "QLabel", "Frame3"},
            {"Label7_4", "QLabel", "Frame3"},          {"Label5_0", "QLabel", "Frame3"},
            {"Label4_0", "QLabel", "picFahrt"},        {"Label4_3", "QLabel", "picFahrt"},
            {"txtStromx", "QLineEdit", "Frame4"},      {"txtStromy", "QLineEdit", "Frame4"},
            {"txtStromW", "QLineEdit", "Frame4"},      {"txtStromv", "QLineEdit", "Frame4"},
            {"picStrom", "vendral::Dial", "Frame4"}, {"hscstromv", "QScrollBar", "Frame4"},
            {"Label4_4", "QLabel", "picStrom"},        {"Label4_7", "QLabel", "picStrom"},
            {"Label5_3", "QLabel", "Frame4"},          {"txtdt", "QLineEdit", "Frame2"},
            {"hscdt", "QScrollBar", "Frame2"},         {"txtReisezeitd", "QLineEdit", "Frame2"},
            {"txtReisezeith", "QLineEdit", "Frame2"},  {"txtReisezeitmin", "QLineEdit", "Frame2"},
            {"Command2", "QPushButton", "Frame2"},     {"txtVerz", "QLineEdit", "Frame2"},
            {"hscverz", "QScrollBar", "Frame2"},       {"Label1", "QLabel", "Frame2"},
            {"Label8_1", "QLabel", "Frame2"},          {"image1", "vendral::Marker", "picSee"},
            {"image2", "vendral::Marker", "picSee"},   {"Check1", "QCheckBox", "image2"},
            {"txtReiseweg", "QLineEdit", "picSee"},    {"txtFdW", "QLineEdit", "picSee"},
            {"txtAbstand", "QLineEdit", "picSee"},     {"Command4", "QPushButton", "picSee"},
            {"linpeil", "vendral::BearingLine", "picSee"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.name << row.kind << row.container;
    }

    void controlsExistWithTheirKinds()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, container);
        MainWindow w;
        QWidget *widget = control(w, name);
        QVERIFY(widget->inherits(kind.toLatin1().constData()));
        QCOMPARE(widget->parentWidget()->objectName(), container);
    }

    void captionsAndTooltips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("cmdFahrt") << "cmdFahrt" << "Fahrt" << "Schiff in Fahrt setzen";
        QTest::newRow("Command1") << "Command1" << "Schritt dt" << "Schiff in Fahrt Einzelschritt";
        QTest::newRow("cmdStop") << "cmdStop" << "Stop" << "Schiff stoppen";
        QTest::newRow("chkAuto") << "chkAuto" << "Autopilot" << "Automatik, Kurs auf Insel";
        QTest::newRow("Check1") << "Check1" << "Check1" << "automatisch anhalten ein/aus";
        QTest::newRow("Command2") << "Command2" << "x" << "";
        QTest::newRow("Command4") << "Command4" << "x" << "";
        QTest::newRow("Frame3") << "Frame3" << "Steuerstand" << "Kommandobrücke";
        QTest::newRow("Frame4") << "Frame4" << "Strömung" << "";
        QTest::newRow("picSee") << "picSee" << "" << "Seegebiet 100sm x 100sm";
        QTest::newRow("picFahrt") << "picFahrt" << "" << "Zeiger greifen, Kurs einstellen";
        QTest::newRow("picStrom") << "picStrom" << "" << "Zeiger greifen, Strömungsrichtung einstellen";
        QTest::newRow("image2") << "image2" << "" << "Insel verschieben";
        QTest::newRow("Label5_0") << "Label5_0" << "volle Kraft voraus" << "";
        QTest::newRow("Label8_0") << "Label8_0" << "dt in Minuten" << "";
        QTest::newRow("Label1") << "Label1" << "Verzögerung" << "";
        QTest::newRow("Label7_4") << "Label7_4" << "Peilung" << "";
        QTest::newRow("Label4_5") << "Label4_5" << "O" << "";
    }

    void captionsAndTooltips()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        MainWindow w;
        QWidget *widget = control(w, name);
        QString shown;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            shown = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            shown = frame->title();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            shown = label->text();
        QCOMPARE(shown, caption);
        QCOMPARE(widget->toolTip(), tooltip);
    }

    void readOnlyFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readOnly");
        for (const char *name : {"txtSchiffx", "txtSchiffy", "txtInselx", "txtInsely", "txtFahrtv", "txtdt", "txtVerz",
                                 "txtReisezeitd", "txtReisezeith", "txtReisezeitmin"})
            QTest::newRow(name) << name << true;
        for (const char *name : {"txtFahrtx", "txtFahrty", "txtWinkel", "txtStromx", "txtStromy", "txtStromW",
                                 "txtStromv", "txtAbstand", "txtFdW", "txtReiseweg"})
            QTest::newRow(name) << name << false;
    }

    void readOnlyFields()
    {
        QFETCH(QString, name);
        QFETCH(bool, readOnly);
        MainWindow w;
        QCOMPARE(control<QLineEdit>(w, name)->isReadOnly(), readOnly);
    }

    void menuBarHasFourCommandsInOrder()
    {
        MainWindow w;
        const QList<QAction *> actions = w.menuBar()->actions();
        QCOMPARE(actions.size(), 4);
        const QStringList names = {"cmdStart", "cmdEtap", "cmdend", "cmdc"};
        const QStringList captions = {"Startzustand", "Etappenzähler löschen", "beenden", "c"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(actions[i]->objectName(), names[i]);
            QCOMPARE(actions[i]->text(), captions[i]);
            QVERIFY(!actions[i]->menu());
        }
    }

    void windowCaptionAndIcon()
    {
        MainWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Vendral"));
        const QList<QSize> sizes = w.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)));
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(iconImage(32).colorCount() <= 16);
    }

    void islandPictureOnTheChartsBlue()
    {
        const QImage island = islandPicture();
        QCOMPARE(island.size(), QSize(57, 46));
        for (const QPoint corner : {QPoint(0, 0), QPoint(56, 0), QPoint(0, 45), QPoint(56, 45)})
            QCOMPARE(island.pixelColor(corner), QColor(0, 0, 255));
        QVERIFY(island.pixelColor(32, 25) != QColor(0, 0, 255));
    }

    void controlSettings()
    {
        MainWindow w;
        Form &f = w.form();
        QVERIFY(f.chkAuto->isChecked());
        QVERIFY(!f.chkPeil->isChecked());
        QVERIFY(!f.Check1->isChecked());
        QCOMPARE(scrollValue(f.hscfahrtv), 1);
        QCOMPARE(scrollValue(f.hscstromv), 1);
        QCOMPARE(scrollValue(f.hscdt), 1);
        QCOMPARE(scrollValue(f.hscverz), 0);
        QCOMPARE(f.hscdt->minimum(), 1);
        QCOMPARE(f.hscdt->maximum(), 60);
        QCOMPARE(f.hscverz->maximum(), 100);
        QCOMPARE(f.txtFahrtx->font().pointSizeF(), 9.6);
        QVERIFY(f.txtFahrtx->font().bold());
        QCOMPARE(f.txtWinkel->font().pointSizeF(), 10.8);
        QVERIFY(!f.txtWinkel->font().bold());
        QCOMPARE(f.txtStromx->palette().color(QPalette::Base), QColor(0, 0, 255));
        QCOMPARE(f.txtStromx->palette().color(QPalette::Text), QColor(255, 255, 255));
        QCOMPARE(f.txtAbstand->palette().color(QPalette::Text), QColor(255, 255, 128));
        QCOMPARE(f.picSee->canvas().backColor(), QColor(0, 0, 255));
        QCOMPARE(f.txtFahrtx->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(f.txtReisezeitd->alignment() & Qt::AlignLeft, Qt::AlignLeft);
    }

    void startUpState()
    {
        MainWindow w;
        Form &f = w.form();
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral("10"));
        QCOMPARE(text(w, "txtSchiffy"), QStringLiteral("10"));
        QCOMPARE(text(w, "txtInselx"), QStringLiteral("80"));
        QCOMPARE(text(w, "txtInsely"), QStringLiteral("80"));
        QCOMPARE(f.image1->property("left").toFloat(), 10.0f);
        QCOMPARE(f.image1->property("top").toFloat(), 10.0f);
        QCOMPARE(f.image2->property("left").toFloat(), 80.0f);
        QCOMPARE(f.image2->property("top").toFloat(), 80.0f);
        QVERIFY(f.linpeil->isHidden());
        QCOMPARE(text(w, "txtAbstand"), QStringLiteral("Entfernung zur Insel 98 sm"));
        QCOMPARE(text(w, "txtFahrtx"), QStringLiteral(" 1"));
        QCOMPARE(text(w, "txtFahrty"), QStringLiteral(" 0"));
        QCOMPARE(text(w, "txtWinkel"), QStringLiteral(" 90°"));
        QCOMPARE(text(w, "txtStromx"), QStringLiteral(" 0"));
        QCOMPARE(text(w, "txtStromy"), QStringLiteral(" 1"));
        QCOMPARE(text(w, "txtStromW"), QStringLiteral(" 0°"));
        QCOMPARE(text(w, "txtStromv"), QStringLiteral(" 1"));
        QCOMPARE(text(w, "txtFahrtv"), QStringLiteral("1"));
        QCOMPARE(text(w, "txtdt"), QStringLiteral("1"));
        QCOMPARE(text(w, "txtVerz"), QStringLiteral("0"));
        QCOMPARE(text(w, "txtReisezeitd"), QStringLiteral("0"));
        QCOMPARE(text(w, "txtFdW"), QString());
        QCOMPARE(f.voyage.stopRequested, 0);
        QCOMPARE(f.voyage.travelTime, 0.0);
    }

    void markersMoveThroughTheirProperties()
    {
        MainWindow w;
        Marker *ship = w.form().image1;
        QVERIFY(ship->setProperty("left", 42.9f));
        QVERIFY(ship->setProperty("top", 17.2f));
        QCOMPARE(ship->left(), 42.9f);
        QCOMPARE(ship->top(), 17.2f);
        const QPointF corner = w.form().picSee->toPixel(42.9, 17.2);
        QVERIFY(qAbs(ship->x() - corner.x()) <= 0.5);
        QVERIFY(qAbs(ship->y() - corner.y()) <= 0.5);
    }
};

VENDRAL_TEST_MAIN(TestWindow)
#include "tst_window.moc"
