// A long random sequence of user actions against the window (clicks, typing,
// dial drags, marker drags, runs and stops, nested runs, menus), run under the
// sanitizers by the test command. After every action the fields and markers
// must still make sense. The sequence is seeded, so a failure repeats.
#include "testsupport.h"

#include "chart/bearingline.h"
#include "chart/markerdrag.h"

#include <QAction>
#include <QEventLoop>
#include <QRandomGenerator>

#include <cmath>

using namespace vendral;
using namespace testing;

namespace {

const QStringList kTexts = {QString(),
                            QStringLiteral(" "),
                            QStringLiteral("abc"),
                            QStringLiteral("1,5"),
                            QStringLiteral("-0"),
                            QStringLiteral("0"),
                            QStringLiteral("3"),
                            QStringLiteral("-4.5"),
                            QStringLiteral("1e999"),
                            QStringLiteral("-1e308"),
                            QStringLiteral("&H7FFFFFFFFFFFFFFF"),
                            QStringLiteral("&HFFFFFFFFFFFFFFFFFF"),
                            QStringLiteral("&O777"),
                            QString(2000, QLatin1Char('9'))};

const char *const kEditable[] = {"txtFahrtx", "txtFahrty", "txtWinkel", "txtStromx",
                                 "txtStromy", "txtStromW", "txtStromv"};

class Monkey
{
public:
    Monkey(MainWindow &w, quint32 seed, int actions)
        : w_(w)
        , f_(w.form())
        , random_(seed)
        , left_(actions)
    {
        // A run started by an action performs the following actions between
        // its steps: the first step of a new run queues the next action.
        for (QLineEdit *time : {f_.txtReisezeitd, f_.txtReisezeith, f_.txtReisezeitmin})
            QObject::connect(time, &QLineEdit::textChanged, &w_, [this] {
                if (kick_) {
                    kick_ = false;
                    queueNext();
                }
            });
    }

    // Runs until every action is done and every run has ended.
    void run()
    {
        QEventLoop loop;
        done_ = [&loop] { loop.quit(); };
        queueNext();
        loop.exec();
    }

    QStringList problems;

private:
    int pick(int n) { return int(random_.bounded(n)); }
    double chartCoordinate() { return random_.bounded(140.0) - 20; }

    void queueNext()
    {
        QMetaObject::invokeMethod(&w_, [this] { next(); }, Qt::QueuedConnection);
    }

    void next()
    {
        if (left_ > 0) {
            --left_;
            queueNext();
            act();
            check();
        } else if (runs_ > 0) {
            f_.cmdStop->click(); // let every run wind down
            queueNext();
        } else {
            done_();
        }
    }

    void act()
    {
        switch (pick(14)) {
        case 0: f_.Command1->click(); break;
        case 1:
            if (runs_ < 3) {
                ++runs_;
                kick_ = true;
                f_.cmdFahrt->click(); // returns when that run ends
                kick_ = false;
                --runs_;
            }
            break;
        case 2: f_.cmdStop->click(); break;
        case 3: {
            QAbstractButton *buttons[] = {f_.Command2, f_.Command4, f_.chkAuto, f_.chkPeil, f_.Check1};
            buttons[pick(5)]->click();
            break;
        }
        case 4: {
            QAction *menu[] = {f_.cmdStart, f_.cmdEtap};
            menu[pick(2)]->trigger();
            break;
        }
        case 5: control<QLineEdit>(w_, QLatin1String(kEditable[pick(7)]))->setText(kTexts[pick(kTexts.size())]); break;
        case 6: {
            QScrollBar *bars[] = {f_.hscfahrtv, f_.hscstromv, f_.hscdt, f_.hscverz};
            QScrollBar *bar = bars[pick(4)];
            // Short delays only, so that the test stays quick.
            setScrollValue(bar, bar == f_.hscverz ? pick(3) : pick(70) - 5);
            break;
        }
        case 7: dialDrag(pick(2) ? f_.picFahrt : f_.picStrom); break;
        case 8: markerDrag(pick(2) ? f_.image1 : f_.image2); break;
        case 9: w_.setCourse(random_.bounded(4.0) - 2, float(random_.bounded(4.0) - 2)); break;
        case 10: w_.setCurrent(pick(3) - 1, float(pick(3) - 1)); break;
        case 11: w_.markerDrag()->dragDrop(pick(2) ? f_.image1 : f_.image2, chartCoordinate(), chartCoordinate()); break;
        case 12: w_.steerToIsland(); break;
        default: w_.timeStep(); break;
        }
    }

    void dialDrag(Dial *dial)
    {
        const auto point = [&] { return dial->toPixel(random_.bounded(6.0) - 3, random_.bounded(6.0) - 3).toPoint(); };
        QTest::mousePress(dial, Qt::MouseButton(1 << pick(3)), {}, point());
        for (int i = pick(4); i > 0; --i)
            QTest::mouseMove(dial, point());
        if (pick(4)) // now and then the release is left for a later action
            QTest::mouseRelease(dial, Qt::LeftButton, {}, point());
    }

    void markerDrag(Marker *marker)
    {
        QTest::mousePress(marker, Qt::LeftButton, {}, QPoint(2, 2));
        QPoint p;
        for (int i = pick(4) + 1; i > 0; --i) {
            p = f_.picSee->toPixel(chartCoordinate(), chartCoordinate()).toPoint();
            QTest::mouseMove(pick(4) ? static_cast<QWidget *>(f_.picSee) : f_.txtAbstand, p);
        }
        QTest::mouseRelease(f_.picSee, Qt::LeftButton, {}, p);
    }

    void check()
    {
        for (QLineEdit *edit : w_.findChildren<QLineEdit *>()) {
            const QString t = edit->text();
            if (t.contains(QLatin1String("nan"), Qt::CaseInsensitive)
                || t.contains(QLatin1String("inf"), Qt::CaseInsensitive))
                problems << edit->objectName() + QStringLiteral(": ") + t;
        }
        for (const Marker *m : {static_cast<Marker *>(f_.image1), f_.image2})
            if (!std::isfinite(m->left()) || !std::isfinite(m->top()))
                problems << m->objectName() + QStringLiteral(" off every number");
        if (!f_.linpeil->isHidden() && !std::isfinite(f_.linpeil->x1()))
            problems << QStringLiteral("bearing line");
    }

    MainWindow &w_;
    Form &f_;
    QRandomGenerator random_;
    int left_;
    int runs_ = 0;
    bool kick_ = false;
    std::function<void()> done_;
};

} // namespace

class TestRandomUse : public QObject
{
    Q_OBJECT

private slots:
    void randomActions_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void randomActions()
    {
        QFETCH(quint32, seed);
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Monkey monkey(w, seed, 600);
        monkey.run();
        QVERIFY2(monkey.problems.isEmpty(), qPrintable(monkey.problems.join(QLatin1Char('\n'))));
        // Whatever happened, the window still steps and reads out.
        w.timeStep();
        QVERIFY(text(w, "txtAbstand").startsWith(QStringLiteral("Entfernung zur Insel")));
    }
};

QTEST_MAIN(TestRandomUse)
#include "tst_randomuse.moc"
