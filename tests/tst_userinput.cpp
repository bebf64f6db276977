// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window as a user meets it: every press and key goes through the window,
// as the pointer and the keyboard of a desktop deliver them.
#include "testsupport.h"

#include "simulation/numbers.h"

#include <QAction>
#include <QMenuBar>
#include <QScreen>

using namespace vendral;
using namespace testing;

namespace {

QPoint inWindow(QWidget *widget, const QPoint &p) { return widget->mapTo(widget->window(), p); }

// Records which widget a press is delivered to first.
class PressSpy : public QObject
{
public:
    QWidget *receiver = nullptr;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress && !receiver && watched->isWidgetType())
            receiver = static_cast<QWidget *>(watched);
        return false;
    }
};

} // namespace

class TestUserInput : public QObject
{
    Q_OBJECT

private slots:
    // A press where a label lies over a control reaches the control.
    void labelsLieUnderTheControls_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("below");
        QTest::newRow("0 over Autopilot") << "Label5_1" << "chkAuto";
        QTest::newRow("xSchiff") << "Label7_0" << "txtSchiffx";
        QTest::newRow("dt in Minuten") << "Label8_0" << "txtdt";
        QTest::newRow("Reisezeit") << "Label8_1" << "txtReisezeitd";
        QTest::newRow("N on the course dial") << "Label4_0" << "picFahrt";
        QTest::newRow("W on the current dial") << "Label4_6" << "picStrom";
    }

    void labelsLieUnderTheControls()
    {
        QFETCH(QString, label);
        QFETCH(QString, below);
        auto w = shownWindow();
        QWidget *over = control(*w, label);
        QWidget *target = control(*w, below);
        const QRect overlap = QRect(over->mapTo(w.get(), QPoint()), over->size())
                                  .intersected(QRect(target->mapTo(w.get(), QPoint()), target->size()));
        QVERIFY(!overlap.isEmpty());
        PressSpy spy;
        qApp->installEventFilter(&spy);
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, overlap.center());
        qApp->removeEventFilter(&spy);
        QCOMPARE(spy.receiver, target);
        if (below == QLatin1String("chkAuto"))
            QVERIFY(!w->form().chkAuto->isChecked());
        // The letters point the dials, to within a degree of pixel rounding.
        const auto angle = [&w](const char *field) { return toNumber(text(*w, field).toStdString()); };
        if (label == QLatin1String("Label4_0"))
            QVERIFY(angle("txtWinkel") <= 1 || angle("txtWinkel") >= 359);
        if (label == QLatin1String("Label4_6"))
            QVERIFY(qAbs(angle("txtStromW") - 270) <= 1);
    }

    // The short bars of the time panel: their thumbs have room to travel; a
    // small drag to the right raises the value a little, on the release.
    void shortBarsDragALittle_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("field");
        QTest::newRow("dt") << "hscdt" << "txtdt";
        QTest::newRow("delay") << "hscverz" << "txtVerz";
    }

    void shortBarsDragALittle()
    {
        QFETCH(QString, bar);
        QFETCH(QString, field);
        auto w = shownWindow();
        auto *scroll = control<QScrollBar>(*w, bar);
        const QString before = text(*w, field.toLatin1());
        QWindow *window = w->windowHandle();
        const QPoint from = inWindow(scroll, scrollBarPart(scroll, QStyle::SC_ScrollBarSlider).center());
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, from + QPoint(1, 0));
        QTest::mouseMove(window, from + QPoint(2, 0));
        QCOMPARE(text(*w, field.toLatin1()), before);
        QTest::mouseRelease(window, Qt::LeftButton, {}, from + QPoint(2, 0));
        const int change = text(*w, field.toLatin1()).toInt() - before.toInt();
        QVERIFY2(change > 0 && change <= (scroll->maximum() - scroll->minimum()) / 4,
                 qPrintable(text(*w, field.toLatin1())));
        // All the way to the right: the largest value.
        const QPoint again = inWindow(scroll, scrollBarPart(scroll, QStyle::SC_ScrollBarSlider).center());
        QTest::mousePress(window, Qt::LeftButton, {}, again);
        QTest::mouseMove(window, again + QPoint(scroll->width(), 0));
        QTest::mouseRelease(window, Qt::LeftButton, {}, again + QPoint(scroll->width(), 0));
        QCOMPARE(text(*w, field.toLatin1()).toInt(), scroll->maximum());
    }

    // The vertical bars have their largest value on top: the track above the
    // thumb and the upper arrow raise the speed, at the press, up to 10.
    void speedBarHasItsMaximumOnTop()
    {
        auto w = shownWindow();
        QScrollBar *bar = w->form().hscfahrtv;
        const auto click = [&w, bar](QStyle::SubControl part) {
            QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, inWindow(bar, scrollBarPart(bar, part).center()));
        };
        QCOMPARE(text(*w, "txtFahrtv"), QStringLiteral("1"));
        click(QStyle::SC_ScrollBarSubPage);
        QCOMPARE(text(*w, "txtFahrtv"), QStringLiteral(" 2"));
        click(QStyle::SC_ScrollBarAddPage);
        QCOMPARE(text(*w, "txtFahrtv"), QStringLiteral(" 1"));
        for (int i = 0; i < 12; ++i)
            click(QStyle::SC_ScrollBarSubLine);
        QCOMPARE(text(*w, "txtFahrtv"), QStringLiteral(" 10"));
        click(QStyle::SC_ScrollBarAddLine);
        QCOMPARE(text(*w, "txtFahrtv"), QStringLiteral(" 9"));
        setScrollValue(bar, 10);
        QCOMPARE(bar->value(), bar->minimum());
    }

    // Keys on a bar that has the focus, in the order given; the field shows
    // the value after the last key.
    void barsAnswerTheKeys_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("dt Right Left") << "hscdt" << "Right,Right,Right,Left" << "3";
        QTest::newRow("dt Down Up") << "hscdt" << "Down,Down,Up" << "2";
        QTest::newRow("dt End PageUp") << "hscdt" << "End,PgUp" << "59";
        QTest::newRow("dt not below 1") << "hscdt" << "Left,Home" << "1";
        QTest::newRow("delay PageDown") << "hscverz" << "PgDown,PgDown" << "2";
        QTest::newRow("delay End Home") << "hscverz" << "End,Home" << "0";
        QTest::newRow("speed Up") << "hscfahrtv" << "Up" << " 2";
        QTest::newRow("speed Left") << "hscfahrtv" << "Left" << " 2";
        QTest::newRow("speed Down") << "hscfahrtv" << "Down" << " 0";
        QTest::newRow("speed Right") << "hscfahrtv" << "Right" << " 0";
        QTest::newRow("speed PageUp") << "hscfahrtv" << "PgUp,PgUp" << " 3";
        QTest::newRow("speed Home is the top") << "hscfahrtv" << "Home" << " 10";
        QTest::newRow("current End is the bottom") << "hscstromv" << "End" << " 0";
        QTest::newRow("current PageDown") << "hscstromv" << "Home,PgDown" << " 9";
    }

    void barsAnswerTheKeys()
    {
        QFETCH(QString, bar);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        auto w = shownWindow();
        auto *scroll = control<QScrollBar>(*w, bar);
        scroll->setFocus(Qt::TabFocusReason);
        const QKeySequence sequence = QKeySequence::fromString(keys);
        for (int i = 0; i < sequence.count(); ++i)
            QTest::keyClick(w->windowHandle(), sequence[i].key());
        const QMap<QString, const char *> fields = {
            {"hscdt", "txtdt"}, {"hscverz", "txtVerz"}, {"hscfahrtv", "txtFahrtv"}, {"hscstromv", "txtStromv"}};
        QCOMPARE(text(*w, fields.value(bar)), shown);
    }

    // Alt takes the keyboard to the menu bar, with its first item current
    // and shown so; the arrows move along it, Return runs the item and the
    // keyboard goes back where it was.
    void menuBarByKeyboard()
    {
        auto w = shownWindow();
        const Form &f = w->form();
        QMenuBar *bar = w->menuBar();
        QWindow *window = w->windowHandle();
        f.txtStromx->setFocus(Qt::TabFocusReason);
        for (QAction *action : bar->actions())
            QVERIFY(action->shortcut().isEmpty());
        QTest::keyClick(window, Qt::Key_Alt, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), bar);
        QCOMPARE(bar->activeAction(), f.cmdStart);
        QTest::keyClick(window, Qt::Key_Right);
        QCOMPARE(bar->activeAction(), f.cmdEtap);
        const QImage drawn = bar->grab(bar->actionGeometry(f.cmdEtap)).toImage();
        const QColor highlight = bar->palette().color(QPalette::Highlight);
        QCOMPARE(drawn.pixelColor(drawn.width() / 2, 2).rgb(), highlight.rgb());
        QSignalSpy triggered(f.cmdEtap, &QAction::triggered);
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(QApplication::focusWidget(), f.txtStromx);
        // Escape leaves the menu bar without running anything.
        QTest::keyClick(window, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(window, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), f.txtStromx);
        QCOMPARE(triggered.count(), 1);
    }

    // Back from maximised, the window lies inside the screen's available
    // area, frame and title bar included: at its first normal place, and
    // after the user had put it where it reached beyond the screen.
    void restoredWindowLiesOnTheScreen()
    {
        MainWindow w;
        const QRect area = w.screen()->availableGeometry();
        for (int round = 0; round < 2; ++round) {
            w.showMaximized();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.showNormal();
            QCoreApplication::processEvents();
            QVERIFY(!w.isMaximized());
            QVERIFY(w.frameGeometry() != w.geometry());
            QVERIFY(area.contains(w.frameGeometry()));
            w.setGeometry(area);
        }
    }
};

VENDRAL_TEST_MAIN(TestUserInput)
#include "tst_userinput.moc"
