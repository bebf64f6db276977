// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window's controls as they stand after start-up: where each lies, what
// it shows, and what neither a picture nor a screen reader tells.
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
    // Each control lies in its panel, or on the chart, a dial or the island.
    // (Their kinds are the form's types; tst_layout tells labels from the
    // controls they lie under.)
    void controlsLieInTheirContainers()
    {
        MainWindow w;
        const std::pair<const char *, const char *> containers[] = {
            {"client", "Frame3 Frame4 Frame2 picSee"},
            {"Frame3", "txtFahrtx txtFahrty txtWinkel txtFahrtv picFahrt hscfahrtv cmdFahrt Command1 cmdStop chkAuto "
                       "chkPeil txtSchiffx txtSchiffy txtInselx txtInsely Label7_0 Label7_4 Label5_0"},
            {"picFahrt", "Label4_0 Label4_3"},
            {"Frame4", "txtStromx txtStromy txtStromW txtStromv picStrom hscstromv Label5_3"},
            {"picStrom", "Label4_4 Label4_7"},
            {"Frame2", "txtdt hscdt txtReisezeitd txtReisezeith txtReisezeitmin Command2 txtVerz hscverz Label1 Label8_1"},
            {"picSee", "image1 image2 txtReiseweg txtFdW txtAbstand Command4 linpeil"},
            {"image2", "Check1"},
        };
        for (const auto &[container, names] : containers)
            for (const QString &name : QString::fromLatin1(names).split(QLatin1Char(' ')))
                QVERIFY2(control(w, name)->parentWidget()->objectName() == QLatin1String(container), qPrintable(name));
    }

    // The captions and tooltips that no name or description a screen reader
    // hears shows (tst_accessibility checks those).
    void captionsAndTooltips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("Command1") << "Command1" << "Schritt dt" << "Schiff in Fahrt Einzelschritt";
        QTest::newRow("cmdStop") << "cmdStop" << "Stop" << "Schiff stoppen";
        QTest::newRow("Check1") << "Check1" << "Check1" << "automatisch anhalten ein/aus";
        QTest::newRow("Command2") << "Command2" << "x" << "";
        QTest::newRow("Command4") << "Command4" << "x" << "";
        QTest::newRow("Frame3") << "Frame3" << "Steuerstand" << "Kommandobrücke";
        QTest::newRow("Frame4") << "Frame4" << "Strömung" << "";
        QTest::newRow("picSee") << "picSee" << "" << "Seegebiet 100sm x 100sm";
        QTest::newRow("Label5_0") << "Label5_0" << "volle Kraft voraus" << "";
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

    // Fonts, colours and alignment of the fields.
    void fieldStyles()
    {
        MainWindow w;
        const Form &f = w.form();
        QCOMPARE(f.txtFahrtx->font().pointSizeF(), 9.6);
        QVERIFY(f.txtFahrtx->font().bold());
        QVERIFY(!f.txtWinkel->font().bold());
        QCOMPARE(f.txtStromx->palette().color(QPalette::Base), QColor(0, 0, 255));
        QCOMPARE(f.txtStromx->palette().color(QPalette::Text), QColor(255, 255, 255));
        QCOMPARE(f.txtAbstand->palette().color(QPalette::Text), QColor(255, 255, 128));
        QCOMPARE(f.txtFahrtx->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(f.txtReisezeitd->alignment() & Qt::AlignLeft, Qt::AlignLeft);
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
