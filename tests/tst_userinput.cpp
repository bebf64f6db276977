// The window as a user meets it: every press, key and caption goes through
// the window, as the pointer and the keyboard of a desktop deliver them.
#include "testsupport.h"

#include "common/numbers.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

using namespace vendral;
using namespace testing;

namespace {

QPoint inWindow(QWidget *widget, const QPoint &p) { return widget->mapTo(widget->window(), p); }

// The controls a user can point at: everything on the window's client area
// but static labels and frames.
QList<QWidget *> controls(MainWindow &w)
{
    QList<QWidget *> found;
    for (QWidget *widget : w.centralWidget()->findChildren<QWidget *>())
        if (!qobject_cast<QLabel *>(widget) && !qobject_cast<QGroupBox *>(widget) && widget->isVisible()
            && !widget->testAttribute(Qt::WA_TransparentForMouseEvents))
            found << widget;
    return found;
}

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

// The room a button's style gives its caption.
QRect textRoom(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool check = qobject_cast<QCheckBox *>(button);
    return button->style()->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                                           &option, button);
}

} // namespace

class TestUserInput : public QObject
{
    Q_OBJECT

private slots:
    void everyPointOfAControlAnswersAsIt()
    {
        auto w = shownWindow();
        const QList<QWidget *> all = controls(*w);
        QVERIFY(all.size() >= 35);
        for (QWidget *control : all) {
            const QRect area = control->visibleRegion().boundingRect();
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    QWidget *hit = w->childAt(inWindow(control, QPoint(x, y)));
                    if (hit != control && !control->isAncestorOf(hit))
                        QFAIL(qPrintable(QStringLiteral("%1 at (%2, %3) answers as %4")
                                             .arg(control->objectName())
                                             .arg(x)
                                             .arg(y)
                                             .arg(hit ? hit->objectName() : QStringLiteral("nothing"))));
                }
        }
    }

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
        QCOMPARE(scroll->width(), 51);
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

    // Tab goes through the panels in reading order and comes round again.
    void tabFollowsReadingOrder()
    {
        const QStringList order = {
            "txtFahrtx",  "txtFahrty",  "txtWinkel",  "txtFahrtv",     "picFahrt",      "hscfahrtv",
            "cmdFahrt",   "Command1",   "cmdStop",    "chkAuto",       "txtSchiffx",    "txtInselx",
            "txtSchiffy", "chkPeil",    "txtInsely",  "txtStromx",     "txtStromy",     "txtStromW",
            "txtStromv",  "picStrom",   "hscstromv",  "txtdt",         "hscdt",         "txtReisezeitd",
            "txtReisezeith", "txtReisezeitmin", "Command2", "txtVerz", "hscverz",       "txtAbstand",
            "Command4",   "txtFdW",     "txtReiseweg", "image2",       "Check1",        "image1"};
        auto w = shownWindow();
        control(*w, order.first())->setFocus(Qt::TabFocusReason);
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 1; i <= order.size(); ++i) {
            QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order + QStringList{order.first()});
    }

    // Alt takes the keyboard to the menu bar, with its first item current
    // and shown so; the arrows move along it, Return runs the item and the
    // keyboard goes back where it was.
    void menuBarByKeyboard()
    {
        auto w = shownWindow();
        Form &f = w->form();
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

    // Every caption shows whole in the font actually used (this test runs
    // once more with Liberation Sans hidden): inside the room for its text,
    // and for a label under no control; a caption that fits keeps its size.
    void captionsFitTheirControls()
    {
        MainWindow w;
        w.show();
        int captions = 0;
        for (QWidget *widget : w.centralWidget()->findChildren<QWidget *>()) {
            QString caption;
            QRect room;
            int flags = Qt::AlignCenter;
            const auto *label = qobject_cast<QLabel *>(widget);
            if (label) {
                caption = label->text();
                room = label->contentsRect();
                flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                caption = button->text();
                room = textRoom(button);
                if (qobject_cast<QCheckBox *>(button))
                    flags = Qt::AlignLeft | Qt::AlignVCenter;
            }
            if (caption.isEmpty() || widget == w.form().Check1) // only Check1's box shows, by design
                continue;
            ++captions;
            const QString what = caption + QStringLiteral(" in ") + QFontInfo(widget->font()).family();
            const QRectF text = QFontMetricsF(widget->font(), widget).boundingRect(QRectF(room), flags, caption);
            QVERIFY2(text.width() <= room.width() && text.height() <= room.height(), qPrintable(what));
            if (!label)
                continue;
            for (QWidget *other : controls(w))
                if (other->parentWidget() == label->parentWidget())
                    QVERIFY2(!QRectF(other->geometry()).intersects(text.translated(label->pos())), qPrintable(what));
        }
        QVERIFY(captions >= 25);
        QCOMPARE(control(w, "Label7_2")->font().pointSizeF(), 8.25);
        if (qEnvironmentVariableIsSet("FONTCONFIG_FILE"))
            QVERIFY(QFontInfo(control(w, "Label1")->font()).family() != QLatin1String("Liberation Sans"));
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
