// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What assistive technology reads of the window, through Qt's accessibility
// interface: names and descriptions, the dials' and bars' values, where ship
// and island are, what a run's end reports, and how the events of a run are
// merged. That it all reaches AT-SPI is tested by atspi_session.py.
#include "testsupport.h"

#include "simulation/numbers.h"
#include "accessibility/accessibility.h"
#include "accessibility/accessibleupdates.h"
#include "form/markerdrag.h"
#include "accessibility/notice.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>

using namespace vendral;
using namespace testing;

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    if (!interface)
        qFatal("%s has no accessible interface", qPrintable(object->objectName()));
    return interface;
}

QString name(QObject *object) { return accessible(object)->text(QAccessible::Name); }
QString description(QObject *object) { return accessible(object)->text(QAccessible::Description); }

// What passes the merging, in order: the kind, the object, and the value or
// new text at that moment.
struct Sent
{
    QAccessible::Event type;
    QObject *object;
    QString value;
};

class RecordingSink
{
public:
    explicit RecordingSink(AccessibleUpdates &updates)
        : updates_(updates)
    {
        updates_.setSink([this](QAccessibleEvent *e) { record(e); });
    }
    ~RecordingSink() { updates_.setSink(nullptr); }
    QList<Sent> sent;

private:
    AccessibleUpdates &updates_;

    void record(QAccessibleEvent *event)
    {
        QString value;
        if (event->type() == QAccessible::ValueChanged)
            value = static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
        if (event->type() == QAccessible::TextUpdated)
            value = static_cast<QAccessibleTextUpdateEvent *>(event)->textInserted();
        sent.append({event->type(), event->object(), value});
    }
};

// Counts how often a notification comes into view, which is when a screen
// reader speaks it.
class NoticeShows : public QObject
{
public:
    NoticeShows() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        count += event->type() == QEvent::Show && qobject_cast<Notice *>(watched);
        return false;
    }
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    Accessibility accessibility_;

private slots:
    void namesAndDescriptions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        // Caption first, then the label beside, then the tooltip.
        QTest::newRow("button") << "cmdFahrt" << "Fahrt" << "Schiff in Fahrt setzen";
        QTest::newRow("check box") << "chkAuto" << "Autopilot" << "Automatik, Kurs auf Insel";
        QTest::newRow("box by its label") << "chkPeil" << "Peilung" << "";
        QTest::newRow("field by its label") << "txtSchiffy" << "ySchiff" << "";
        QTest::newRow("dt by its label") << "txtdt" << "dt in Minuten" << "";
        QTest::newRow("delay by its label") << "txtVerz" << "Verzögerung" << "";
        // Named after what they hold or do, where the caption does not say.
        QTest::newRow("island's box") << "Check1" << "automatisch anhalten" << "automatisch anhalten ein/aus";
        QTest::newRow("counters' x") << "Command2" << "Reisezeit und Strecken löschen" << "";
        QTest::newRow("chart's x") << "Command4" << "Seekarte löschen" << "Seekarte löschen und Strömung neu zeichnen";
        QTest::newRow("time panel") << "Frame2" << "Zeitschritt, Verzögerung und Reisezeit" << "";
        QTest::newRow("bearing line") << "linpeil" << "Peillinie zur Insel" << "";
        QTest::newRow("heading") << "txtFahrtx" << "Kurs Ost" << "";
        // Bars and dials with their units; the mouse hint stays the description.
        QTest::newRow("speed bar") << "hscfahrtv" << "Fahrt durchs Wasser in Knoten" << "";
        QTest::newRow("course dial") << "picFahrt" << "Kurs 90 Grad" << "Zeiger greifen, Kurs einstellen";
        QTest::newRow("current dial") << "picStrom" << "Strömungsrichtung 0 Grad"
                                      << "Zeiger greifen, Strömungsrichtung einstellen";
        // The island says where the voyage takes it to be (the ship, moved,
        // below); its fields hold its corner.
        QTest::newRow("island") << "image2" << "Inselmitte bei x 85, y 76 sm" << "Insel verschieben";
        QTest::newRow("island's corner") << "txtInselx" << "xInsel"
                                         << "Ecke der Insel; die Mitte liegt 5 sm östlich, 4 sm südlich";
    }

    void namesAndDescriptions()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        MainWindow w(&accessibility_);
        QWidget *widget = testing::control(w, control);
        QCOMPARE(::name(widget), name);
        QCOMPARE(::description(widget), description);
    }

    // No control a user can operate goes unnamed or by its panel's title, and
    // the menu item "c" says what it shows.
    void everyControlIsNamed()
    {
        MainWindow w(&accessibility_);
        QStringList unnamed;
        for (QWidget *widget : w.centralWidget()->findChildren<QWidget *>()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<PictureBox *>(widget))
                continue;
            const QString name = ::name(widget);
            const auto *frame = qobject_cast<QGroupBox *>(widget->parentWidget());
            if (name.isEmpty() || (frame && name == frame->title()))
                unnamed << widget->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
        QAccessibleInterface *menu = accessible(w.menuBar());
        QCOMPARE(menu->childCount(), 4);
        QCOMPARE(menu->child(0)->text(QAccessible::Name), QStringLiteral("Startzustand"));
        QCOMPARE(menu->child(3)->text(QAccessible::Name), QStringLiteral("Programmiert von"));
        QCOMPARE(menu->child(3)->role(), QAccessible::MenuItem);
        QCOMPARE(menu->indexOfChild(menu->child(3)), 3);
    }

    // The dial reports the angle its field shows, also where the field's
    // formula falls a degree short of the nearest; turning it through its
    // value lands on that angle.
    void dialsReportTheAngleTheirFieldShows()
    {
        MainWindow w(&accessibility_);
        const Form &f = w.form();
        QAccessibleInterface *dial = accessible(f.picFahrt);
        QCOMPARE(dial->role(), QAccessible::Dial);
        w.setCourse(0.001, -1);
        QCOMPARE(f.txtWinkel->text(), QStringLiteral(" 179°"));
        QCOMPARE(dial->valueInterface()->currentValue().toInt(), 179);
        QCOMPARE(dial->text(QAccessible::Name), QStringLiteral("Kurs 179 Grad"));
        QCOMPARE(dial->text(QAccessible::Value), QStringLiteral("179 Grad"));
        dial->valueInterface()->setCurrentValue(100);
        QCOMPARE(f.txtWinkel->text(), QStringLiteral(" 100°"));
        QCOMPARE(dial->valueInterface()->currentValue().toInt(), 100);
    }

    // The vertical bars count knots from 0 at the bottom to 10 at the top.
    void barsCountAsTheUserSees_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("speed") << "hscfahrtv" << "txtFahrtv" << 0 << 10;
        QTest::newRow("current") << "hscstromv" << "txtStromv" << 0 << 10;
        QTest::newRow("dt") << "hscdt" << "txtdt" << 1 << 60;
        QTest::newRow("delay") << "hscverz" << "txtVerz" << 0 << 100;
    }

    void barsCountAsTheUserSees()
    {
        QFETCH(QString, bar);
        QFETCH(QString, field);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        MainWindow w(&accessibility_);
        QAccessibleValueInterface *value = accessible(testing::control(w, bar))->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->minimumValue().toInt(), minimum);
        QCOMPARE(value->maximumValue().toInt(), maximum);
        // Increase, as a screen reader performs it, raises what the field shows.
        const int start = value->currentValue().toInt();
        QCOMPARE(toNumber(text(w, qPrintable(field)).toStdString()), double(start));
        value->setCurrentValue(start + value->minimumStepSize().toInt());
        QCOMPARE(toNumber(text(w, qPrintable(field)).toStdString()), double(start + 1));
        value->setCurrentValue(maximum + 5);
        QCOMPARE(value->currentValue().toInt(), maximum);
    }

    // A marker moved by the keys or dropped says where it now lies, and so
    // does the chart's summary.
    void markersAndChartTellWhereShipAndIslandAre()
    {
        auto w = shownWindow(&accessibility_);
        const Form &f = w->form();
        f.image1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->windowHandle(), Qt::Key_Right);
        QTest::keyClick(w->windowHandle(), Qt::Key_Up);
        QCOMPARE(name(f.image1), QStringLiteral("Schiff bei x 11, y 11 sm"));
        auto *notice = w->findChild<Notice *>();
        QVERIFY(notice);
        QCOMPARE(name(notice), QStringLiteral("Schiff bei x 11, y 11 sm"));
        w->markerDrag()->dragOver(f.image2, 42.9, 17.2);
        w->markerDrag()->dragDrop(f.image2, 42.9, 17.2);
        QCOMPARE(name(f.image2), QStringLiteral("Inselmitte bei x 47, y 13 sm"));
        QVERIFY2(description(f.picSee).startsWith(
                     QStringLiteral("Schiff bei x 11, y 11 sm. Inselmitte bei x 47, y 13 sm. Entfernung zur Insel 35 sm, ")),
                 qPrintable(description(f.picSee)));
    }

    // During a run, the events of one object and kind are merged into one,
    // sent with the values of the moment; outside runs each passes at once,
    // but for caret moves of fields without the focus.
    void runsMergeTheirEvents()
    {
        MainWindow w(&accessibility_);
        const Form &f = w.form();
        RecordingSink sink(accessibility_.updates());
        AccessibleUpdates *updates = &accessibility_.updates();
        QLineEdit *field = f.txtSchiffx;
        const auto textChange = [&](const QString &text) {
            QAccessibleTextUpdateEvent event(field, 0, field->text(), text);
            field->setText(text);
            updates->notify(&event);
        };
        const auto valueChange = [&](int degrees) {
            w.setCourse(std::sin(qDegreesToRadians(degrees + 0.5)), float(std::cos(qDegreesToRadians(degrees + 0.5))));
            QAccessibleValueChangeEvent event(f.picFahrt, degrees);
            updates->notify(&event);
        };
        textChange(QStringLiteral("11"));
        QAccessibleTextCursorEvent unfocusedCaret(field, 0);
        updates->notify(&unfocusedCaret);
        QCOMPARE(sink.sent.size(), 1);
        sink.sent.clear();
        updates->hold();
        updates->hold();
        for (int i = 12; i < 1000; ++i) {
            textChange(QString::number(i));
            valueChange(i % 360);
            QAccessibleTextCursorEvent caret(field, 0);
            updates->notify(&caret);
        }
        updates->release();
        QVERIFY(sink.sent.isEmpty());
        updates->release();
        QCOMPARE(sink.sent.size(), 2);
        QCOMPARE(sink.sent[0].type, QAccessible::TextUpdated);
        QCOMPARE(sink.sent[0].value, QStringLiteral("999"));
        QCOMPARE(sink.sent[1].type, QAccessible::ValueChanged);
        QCOMPARE(sink.sent[1].value, QString::number(999 % 360));
        // A text back where it began has nothing to tell.
        sink.sent.clear();
        updates->hold();
        textChange(QStringLiteral("5"));
        textChange(QStringLiteral("999"));
        updates->release();
        QVERIFY(sink.sent.isEmpty());
    }

    // When a run ends, a notification in the window says why, where the ship
    // is and how it sailed.
    void runEndIsReported_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("stopAtIsland");
        QTest::addColumn<QString>("report");
        QTest::newRow("stop") << 30.0 << false << "Fahrt gestoppt. Schiff bei x 40, y 76 sm, Kurs 90 Grad. ";
        QTest::newRow("edge") << 96.5 << false << "Fahrt beendet am Rand des Seegebiets. ";
        QTest::newRow("arrival") << 73.0 << true << "Fahrt beendet: an der Insel angekommen. ";
    }

    void runEndIsReported()
    {
        QFETCH(double, x);
        QFETCH(bool, stopAtIsland);
        QFETCH(QString, report);
        Watchdog watchdog(30);
        auto w = shownWindow(&accessibility_);
        const Form &f = w->form();
        prepare(*w, x, 76, 1, 0, 10, 60);
        f.Check1->setChecked(stopAtIsland);
        if (x < 50)
            QTimer::singleShot(0, f.cmdStop, &QPushButton::click);
        w->runVoyage();
        auto *notice = w->findChild<Notice *>();
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(accessible(notice)->role(), QAccessible::Notification);
        const QString said = name(notice);
        QVERIFY2(said.startsWith(report), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("Entfernung zur Insel")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("Reisezeit 1 Stunde")), qPrintable(said));
    }

    // A single step, the menu commands, the counters' "x" and switching the
    // bearing line on each say what they did, at once and once.
    void commandsSayWhatTheyDid_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("said");
        QTest::newRow("Schritt dt") << "Command1"
                                    << "Schiff bei x 10.1, y 10 sm. Entfernung zur Insel 98 sm. Reisezeit 1 Minute.";
        QTest::newRow("Startzustand") << "cmdStart" << "Startzustand: Schiff bei x 10, y 10 sm, Inselmitte bei x 85, y 76 sm";
        QTest::newRow("Etappenzähler löschen") << "cmdEtap" << "Reisezeit und Strecken gelöscht.";
        QTest::newRow("counters' x") << "Command2" << "Reisezeit und Strecken gelöscht.";
        QTest::newRow("Peilung") << "chkPeil" << "Peillinie 48 Grad, 99 sm";
    }

    void commandsSayWhatTheyDid()
    {
        QFETCH(QString, command);
        QFETCH(QString, said);
        auto w = shownWindow(&accessibility_);
        const Form &f = w->form();
        prepare(*w, 10, 10, 1, 0, 6, 1);
        NoticeShows shows;
        if (auto *action = w->findChild<QAction *>(command)) {
            action->trigger();
        } else {
            control(*w, command)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w->windowHandle(), Qt::Key_Space);
        }
        auto *notice = w->findChild<Notice *>();
        QVERIFY(notice && notice->isVisible());
        QVERIFY2(name(notice).startsWith(said), qPrintable(name(notice)));
        QCOMPARE(shows.count, 1);
    }

    // The credit box is modal, but the menu command returns at once; closed,
    // the box gives the focus back to the control that had it.
    void creditBoxReturnsAtOnceAndGivesTheFocusBack()
    {
        auto w = shownWindow(&accessibility_);
        const Form &f = w->form();
        f.cmdStop->setFocus(Qt::TabFocusReason);
        f.cmdc->trigger();
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Programmiert von"));
        QVERIFY(box->isModal());
        QCOMPARE(box->icon(), QMessageBox::Information);
        QCOMPARE(box->buttons().size(), 1);
        QVERIFY(QTest::qWaitForWindowActive(box));
        QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), f.cmdStop, 5000);
        QSignalSpy clicked(f.cmdStop, &QPushButton::clicked);
        QTest::keyClick(w->windowHandle(), Qt::Key_Space);
        QCOMPARE(clicked.count(), 1);
    }

    void closingWhileTheCreditBoxIsOpen()
    {
        auto w = shownWindow(&accessibility_);
        w->form().cmdc->trigger();
        QVERIFY(QApplication::activeModalWidget());
        w->close();
        QVERIFY(!w->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 5000);
    }
};

VENDRAL_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
