// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A long random user: presses, drags and releases on and off every control,
// keys (Tab, arrows, pages, Space, Return, typing garbage), "Fahrt" nested up
// to three deep, "Stop" and the two reset menus, all as window-system events
// on the shown window. Every hundred actions every read-out must be a
// well-formed number text and the window must still answer. The sequence is
// seeded, so a failure repeats.
//
// VENDRAL_SOAK_ACTIONS sets the number of actions (default 600) and
// VENDRAL_SOAK_SEED the seed (default 1); scripts/soak runs a long one under
// the sanitizers.
#include "testsupport.h"

#include "form/voyagerun.h"

#include <QAction>
#include <QEventLoop>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>

#include <memory>

using namespace vendral;
using namespace testing;

namespace {

const QStringList kGarbage = {QStringLiteral("abc"),     QStringLiteral("1,5"),   QStringLiteral("-0"),
                              QStringLiteral("1e999"),   QStringLiteral("-1e308"), QStringLiteral("&HFFFFFFFFFFFFFFFFFF"),
                              QStringLiteral("&O777"),   QStringLiteral("1D-400"), QStringLiteral(" .5 "),
                              QStringLiteral("ÄÖÜß°€"), QString(300, QLatin1Char('9'))};

const int kKeys[] = {Qt::Key_Tab,    Qt::Key_Backtab,  Qt::Key_Left,  Qt::Key_Right,     Qt::Key_Up,
                     Qt::Key_Down,   Qt::Key_PageUp,   Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,
                     Qt::Key_Space,  Qt::Key_Return,   Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete};

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// What the program writes into a read-out: optional words, then a number as
// written by toText or as a plain whole number, then an optional unit.
bool wellFormed(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(
        R"(^(?:Entfernung zur Insel|Fahrt d\. Wasser|Fahrt ü\. Grund)?[ -]?(?:\d+(?:\.\d*)?|\.\d+)(?:E[+-]\d+)?(?: sm|d|h|m|°)?$)"));
    return form.match(text).hasMatch();
}

class Monkey : public QObject
{
public:
    Monkey(MainWindow &w, quint32 seed, int actions)
        : w_(w)
        , f_(w.form())
        , window_(w.windowHandle())
        , random_(seed)
        , left_(actions)
    {
        for (QWidget *widget : w.findChildren<QWidget *>())
            if (widget->isVisible() && widget != w.centralWidget() && !qobject_cast<QMenuBar *>(widget))
                targets_ << widget;
    }

    void run()
    {
        QEventLoop loop;
        done_ = [&loop] { loop.quit(); };
        scheduleNext();
        loop.exec();
    }

    int performed = 0;
    int deepest = 0;
    QStringList problems;

private:
    int pick(int n) { return int(random_.bounded(n)); }
    VoyageRun &runs() { return *w_.voyageRun(); }

    // The actions come from timers, so that they go on inside every run that
    // an action starts, as a user's clicks do. A timer does not fire again
    // while its own action runs, so each action hands on to another timer.
    void scheduleNext()
    {
        if (idle_.empty()) {
            auto *timer = new QTimer(this);
            timer->setSingleShot(true);
            connect(timer, &QTimer::timeout, this, [this, timer] {
                tick();
                idle_.push_back(timer);
            });
            idle_.push_back(timer);
        }
        QTimer *timer = idle_.back();
        idle_.pop_back();
        timer->start(0);
    }

    void tick()
    {
        if (finished_)
            return;
        scheduleNext();
        // An action is not interrupted by another, except inside a run that
        // it started or a popup that it opened (a field's context menu).
        if (!busy_.empty() && runs().depth() <= busy_.back() && !QApplication::activePopupWidget())
            return;
        busy_.push_back(runs().depth());
        if (left_ > 0) {
            --left_;
            deepest = std::max(deepest, runs().depth());
            act();
            keepDelayShort();
            if (++performed % 100 == 0)
                check();
            if (performed % 10000 == 0)
                qInfo("%d actions", performed);
        } else if (runs().depth() > 0) {
            click(f_.cmdStop, QPointF(0.5, 0.5)); // let every run wind down
        }
        busy_.pop_back();
        if (left_ == 0 && runs().depth() == 0 && busy_.empty()) {
            finished_ = true;
            done_();
        }
    }

    void act()
    {
        switch (pick(12)) {
        case 0:
        case 1:
        case 2: click(target(), QPointF(random_.generateDouble(), random_.generateDouble())); break;
        case 3:
        case 4: drag(); break;
        case 5:
        case 6: key(); break;
        case 7: type(); break;
        case 8:
            if (runs().depth() < 3)
                click(f_.cmdFahrt, QPointF(0.5, 0.5));
            break;
        case 9: click(f_.cmdStop, QPointF(0.5, 0.5)); break;
        case 10: menu(pick(2) ? f_.cmdStart : f_.cmdEtap); break;
        default: click(pick(2) ? static_cast<QWidget *>(f_.picFahrt) : f_.picStrom,
                       QPointF(random_.generateDouble(), random_.generateDouble()));
        }
    }

    // Every step of a run waits for the delay: the user turns it back down
    // (a click on the bar's left end, then Home), so that the soak stays quick.
    void keepDelayShort()
    {
        if (RunRules::delay(w_.voyage()) <= 2)
            return;
        QTest::mouseClick(window_, Qt::LeftButton, {}, inWindow(f_.hscverz, QPointF(0.05, 0.5)));
        QTest::keyClick(window_, Qt::Key_Home);
    }

    // A widget to act on: any control, label, frame or marker, but "Fahrt"
    // only while fewer than three runs are on.
    QWidget *target()
    {
        QWidget *widget = targets_[pick(targets_.size())];
        return widget == f_.cmdFahrt && runs().depth() >= 3 ? f_.cmdStop : widget;
    }

    QPoint inWindow(QWidget *widget, const QPointF &fraction) const
    {
        const QPointF local(fraction.x() * widget->width(), fraction.y() * widget->height());
        return widget->mapTo(&w_, local.toPoint());
    }

    // Anywhere in or a little beyond the window.
    QPoint anywhere()
    {
        return QPoint(pick(w_.width() + 80) - 40, pick(w_.height() + 80) - 40);
    }

    Qt::MouseButton button()
    {
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                           Qt::MiddleButton};
        return buttons[pick(5)];
    }

    void click(QWidget *widget, const QPointF &fraction)
    {
        if (widget == f_.cmdFahrt && runs().depth() >= 3)
            return;
        QTest::mouseClick(window_, button(), {}, inWindow(widget, fraction));
    }

    void drag()
    {
        const Qt::MouseButton held = button();
        QPoint at = inWindow(target(), QPointF(random_.generateDouble(), random_.generateDouble()));
        QTest::mousePress(window_, held, {}, at);
        for (int i = pick(4) + 1; i > 0; --i) {
            at = pick(3) ? inWindow(target(), QPointF(random_.generateDouble(), random_.generateDouble()))
                         : anywhere();
            QTest::mouseMove(window_, at);
        }
        QTest::mouseRelease(window_, held, {}, at);
    }

    // Where keys go: the window's focus widget, also while another window
    // (a popup, say) is the active one.
    QWidget *focused() const { return w_.focusWidget(); }

    void key()
    {
        const int k = kKeys[pick(int(std::size(kKeys)))];
        const bool startsRun = focused() == f_.cmdFahrt
                               && (k == Qt::Key_Space || k == Qt::Key_Return);
        if (startsRun && runs().depth() >= 3)
            return;
        QTest::keyClick(window_, Qt::Key(k), pick(4) ? Qt::NoModifier : Qt::ShiftModifier);
    }

    void type()
    {
        if (focused() == f_.cmdFahrt)
            return; // a blank would start a run
        for (const QChar c : kGarbage[pick(kGarbage.size())])
            QTest::sendKeyEvent(QTest::Click, window_, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }

    void menu(QAction *action)
    {
        QMenuBar *bar = w_.menuBar();
        QTest::mouseClick(window_, Qt::LeftButton, {}, bar->mapTo(&w_, bar->actionGeometry(action).center()));
    }

    void check()
    {
        if (!w_.isVisible())
            problems << QStringLiteral("the window has gone");
        for (QLineEdit *edit : w_.findChildren<QLineEdit *>()) {
            // What the user typed is the user's; what the program wrote must
            // be well formed. The distance sentences are empty after a reset.
            const QString t = edit->text();
            if (edit->isModified() || (t.isEmpty() && (edit == f_.txtFdW || edit == f_.txtReiseweg)))
                continue;
            if (!wellFormed(t))
                problems << QStringLiteral("after %1 actions %2: \"%3\"").arg(performed).arg(edit->objectName(), t);
        }
        // The window answers: a posted request is carried out.
        bool answered = false;
        QMetaObject::invokeMethod(&w_, [&answered] { answered = true; }, Qt::QueuedConnection);
        if (!QTest::qWaitFor([&answered] { return answered; }))
            problems << QStringLiteral("after %1 actions the window does not answer").arg(performed);
    }

    MainWindow &w_;
    const Form &f_;
    QWindow *window_;
    QRandomGenerator random_;
    int left_;
    QList<QWidget *> targets_;
    std::vector<int> busy_;
    std::vector<QTimer *> idle_;
    bool finished_ = false;
    std::function<void()> done_;
};

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void randomUser()
    {
        const int actions = fromEnvironment("VENDRAL_SOAK_ACTIONS", 600);
        const quint32 seed = quint32(fromEnvironment("VENDRAL_SOAK_SEED", 1));
        // The check of the read-outs lets the program's number texts pass, and
        // nothing else.
        for (const char *good : {" 12.5", "-.708", " 1.5E-07", "80", " 1d", " 359°", "Fahrt ü. Grund 1E+20 sm"})
            QVERIFY2(wellFormed(QString::fromUtf8(good)), good);
        for (const char *bad : {" nan", " inf", " 1,5", ""})
            QVERIFY2(!wellFormed(QString::fromUtf8(bad)), bad);
        // A hang fails within a bounded time, however long the soak.
        Watchdog watchdog(120 + actions / 20);
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Monkey monkey(w, seed, actions);
        monkey.run();
        qInfo("%d actions, seed %u, runs up to %d deep, %g minutes sailed", monkey.performed, seed, monkey.deepest,
              w.voyage().state().travelTime);
        QVERIFY2(monkey.problems.isEmpty(), qPrintable(monkey.problems.mid(0, 20).join(QLatin1Char('\n'))));
        QCOMPARE(monkey.performed, actions);
        QCOMPARE(w.voyageRun()->depth(), 0);
    }
};

VENDRAL_TEST_MAIN(TestSoak)
#include "tst_soak.moc"
