// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Course dial and current dial: directions, read-outs, pointer and mouse.
// Faces, pointers and the ship symbol are tested as primitives
// (tst_drawing) and pinned in pixels by the reference pictures.
#include "testsupport.h"

#include "simulation/direction.h"
#include "simulation/numbers.h"

#include <QScreen>

using namespace vendral;
using namespace testing;

namespace {

QPoint at(const Dial *dial, double x, double y) { return dial->toPixel(x, y).toPoint(); }

// Pixel rounding may tip a read-out by a degree.
bool angleNear(const QString &text, int expected)
{
    return text.endsWith(QChar(0x00B0)) && qAbs(toNumber(text.toStdString()) - expected) <= 1;
}

// A press at a point between pixels, as a tablet or a scaled screen delivers.
void pressAt(Dial *dial, const QPointF &pos)
{
    QMouseEvent press(QEvent::MouseButtonPress, pos, dial->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(dial, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, dial->mapToGlobal(pos), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(dial, &release);
}

} // namespace

class TestDials : public QObject
{
    Q_OBJECT

private slots:
    void setCourseExamples_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("east");
        QTest::addColumn<QString>("north");
        QTest::addColumn<QString>("angle");
        QTest::newRow("east") << 1.0 << 0.0 << " 1" << " 0" << " 90°";
        QTest::newRow("north") << 0.0 << 2.0 << " 0" << " 1" << " 0°";
        QTest::newRow("south") << 0.0 << -0.5 << " 0" << "-1" << " 180°";
        QTest::newRow("west") << -3.0 << 0.0 << "-1" << " 0" << " 270°";
        QTest::newRow("north-west") << -1.0 << 1.0 << "-.708" << " .707" << " 314°";
        QTest::newRow("south-east") << 1.0 << -1.0 << " .707" << "-.708" << " 134°";
        QTest::newRow("6 8") << 6.0 << 8.0 << " .6" << " .8" << " 36°";
        QTest::newRow("far outside") << 300.0 << 400.0 << " .6" << " .8" << " 36°";
        QTest::newRow("near centre") << 3.0 / 128 << 4.0 / 128 << " .6" << " .8" << " 36°";
        QTest::newRow("almost north") << 0.001 << 1.0 << " 0" << " .999" << " 0°";
        QTest::newRow("almost north, west") << -0.001 << 1.0 << "-.001" << " .999" << " 359°";
        QTest::newRow("huge") << 1e308 << 1e30 << " 1" << " 0" << " 90°";
    }

    void setCourseExamples()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        MainWindow w;
        w.setCourse(x, float(y));
        QTEST(text(w, "txtFahrtx"), "east");
        QTEST(text(w, "txtFahrty"), "north");
        QTEST(text(w, "txtWinkel"), "angle");
    }

    // (0, 0) has no direction: nothing changes, nothing is redrawn.
    void zeroVectorChangesNothing()
    {
        MainWindow w;
        const Form &f = w.form();
        w.setCourse(1, 1);
        w.setCurrent(-1, 1);
        const QImage course = ownPixels(f.picFahrt);
        const QImage current = ownPixels(f.picStrom);
        const QImage chart = f.picSee->canvas().image();
        QSignalSpy stromx(f.txtStromx, &QLineEdit::textChanged);
        w.setCourse(0, 0);
        w.setCurrent(0, 0);
        QCOMPARE(text(w, "txtFahrtx"), QStringLiteral(" .707"));
        QCOMPARE(text(w, "txtWinkel"), QStringLiteral(" 45°"));
        QCOMPARE(text(w, "txtStromW"), QStringLiteral(" 314°"));
        QCOMPARE(ownPixels(f.picFahrt), course);
        QCOMPARE(ownPixels(f.picStrom), current);
        QCOMPARE(f.picSee->canvas().image(), chart);
        QCOMPARE(stromx.count(), 0);
    }

    void pressOnTheCentreKeepsTheHeading()
    {
        MainWindow w;
        Dial *dial = w.form().picFahrt;
        w.setCourse(-1, -1);
        const QPointF centre = dial->toPixel(0, 0);
        QCOMPARE(dial->toUser(centre), QPointF(0, 0));
        pressAt(dial, centre);
        QCOMPARE(text(w, "txtWinkel"), QStringLiteral(" 225°"));
        QCOMPARE(text(w, "txtFahrtx"), QStringLiteral("-.708"));
        QVERIFY(!w.voyage().dialHold().held());
    }

    void dragOnCurrentDialEndingOverCourseDial()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const Form &f = w.form();
        QWindow *window = w.windowHandle();
        const auto inWindow = [&](Dial *dial, double x, double y) {
            return dial->mapTo(&w, at(dial, x, y));
        };
        QTest::mousePress(window, Qt::MiddleButton, {}, inWindow(f.picStrom, 1.0, -0.6));
        QVERIFY(angleNear(text(w, "txtStromW"), 120));
        // The course dial lies above the current dial: north of its centre.
        QTest::mouseMove(window, inWindow(f.picFahrt, 0.6, 0));
        QTest::mouseRelease(window, Qt::MiddleButton, {}, inWindow(f.picFahrt, 0.6, 0));
        QCOMPARE(text(w, "txtWinkel"), QStringLiteral(" 90°"));
        const double angle = toNumber(text(w, "txtStromW").toStdString());
        QVERIFY2(angle >= 0 && angle < 10, qPrintable(text(w, "txtStromW")));
        QVERIFY(toNumber(text(w, "txtStromy").toStdString()) > 0.9);
        QVERIFY(!w.voyage().dialHold().held());
    }

    // Dials, ship symbol and chart show the very pixels that an earlier,
    // differently built drawing showed for the same state. On the design's
    // own screen the markers, with what they hold and what shows through
    // them, are pinned as well. VENDRAL_WRITE_REFERENCES=1 writes what is
    // shown instead, to be looked at before it is committed.
    void drawingsMatchTheReferences_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QPointF>("direction");
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (screen->size() == QSize(1024, 768) && screen->devicePixelRatio() == 1) {
            QTest::newRow("island on the design's screen") << "island-1024x768" << QPointF();
            QTest::newRow("ship on the design's screen") << "ship-1024x768" << QPointF(-0.3, 0.7);
            return;
        }
        for (const auto &[name, direction] : std::initializer_list<std::pair<const char *, QPointF>>{
                 {"east", {1, 0}}, {"nnw", {-0.3, 0.7}}, {"sw", {-1, -1}}})
            for (const char *what : {"course", "ship"})
                QTest::addRow("%s-%s", what, name) << QStringLiteral("%1-%2").arg(what, name) << direction;
        for (const auto &[name, direction] : std::initializer_list<std::pair<const char *, QPointF>>{
                 {"northeast", {1, 1}}, {"ssE", {0.2, -1}}})
            QTest::addRow("current-%s", name) << QStringLiteral("current-%1").arg(name) << direction;
        QTest::newRow("chart at start") << "chart-start" << QPointF();
        QTest::newRow("chart after 40 steps") << "chart-steps" << QPointF();
    }

    void drawingsMatchTheReferences()
    {
        QFETCH(QString, reference);
        QFETCH(QPointF, direction);
        MainWindow w;
        const Form &f = w.form();
        const QString what = reference.section(QLatin1Char('-'), 0, 0);
        const bool onDesignScreen = reference.endsWith(QLatin1String("1024x768"));
        QWidget *widget = what == QLatin1String("course") ? static_cast<QWidget *>(f.picFahrt)
                          : what == QLatin1String("ship")  ? static_cast<QWidget *>(f.image1)
                          : what == QLatin1String("current") ? static_cast<QWidget *>(f.picStrom)
                                                             : static_cast<QWidget *>(f.picSee);
        if (what == QLatin1String("chart") && reference.endsWith(QLatin1String("steps"))) {
            f.chkAuto->setChecked(true);
            for (int i = 0; i < 40; ++i)
                w.timeStep();
        } else if (!direction.isNull()) {
            w.setCourse(direction.x(), float(direction.y()));
            w.setCurrent(direction.x(), float(direction.y()));
        }
        if (onDesignScreen)
            widget = what == QLatin1String("ship") ? static_cast<QWidget *>(f.image1) : f.image2;
        const QImage shown = onDesignScreen
                                 ? f.picSee->grab(widget->geometry()).toImage().convertToFormat(QImage::Format_RGB32)
                                 : ownPixels(widget);
        const QString file = QStringLiteral(VENDRAL_REFERENCES "/%1@%2.png").arg(reference).arg(qRound(shown.devicePixelRatio()));
        if (qEnvironmentVariableIsSet("VENDRAL_WRITE_REFERENCES")) {
            QVERIFY(shown.save(file));
            QSKIP("reference written");
        }
        const QImage expected = QImage(file).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!expected.isNull(), qPrintable(file));
        QCOMPARE(shown.size(), expected.size());
        QVERIFY(shown == expected);
    }

    // The keyboard turns a dial through the same procedure as the mouse:
    // Right and Up clockwise, Left and Down back, PageUp and PageDown by 10,
    // each from the angle the field shows and landing on a whole degree that
    // the field and the dial both show.
    void keysTurnTheDials_data()
    {
        QTest::addColumn<bool>("course");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<double>("startAngle");
        QTest::addColumn<int>("turn");
        const int right = Qt::Key_Right, left = Qt::Key_Left, up = Qt::Key_Up, down = Qt::Key_Down;
        const int pageUp = Qt::Key_PageUp, pageDown = Qt::Key_PageDown;
        // A negative start angle: no click, the dial keeps its initial
        // direction (course east, current north) and takes the focus by Tab.
        QTest::newRow("course, ten from east") << true << QList<int>(10, right) << -1.0 << 10;
        QTest::newRow("course, up and down") << true << QList<int>{up, up, down} << 90.0 << 1;
        QTest::newRow("course, pages") << true << QList<int>{pageDown, pageDown, pageUp} << 90.0 << -10;
        QTest::newRow("course, ten from a mouse angle") << true << QList<int>(10, right) << 33.7 << 10;
        QTest::newRow("current, back past north") << false << QList<int>{left} << -1.0 << -1;
    }

    void keysTurnTheDials()
    {
        QFETCH(bool, course);
        QFETCH(QList<int>, keys);
        QFETCH(double, startAngle);
        QFETCH(int, turn);
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const Form &f = w.form();
        Dial *dial = course ? f.picFahrt : f.picStrom;
        QLineEdit *angle = course ? f.txtWinkel : f.txtStromW;
        // A click gives the dial the focus and sets the start direction.
        const double a = qDegreesToRadians(startAngle);
        if (startAngle >= 0)
            QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {},
                              dial->mapTo(&w, dial->toPixel(0.8 * std::sin(a), 0.8 * std::cos(a)).toPoint()));
        else
            dial->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), dial);
        const int start = static_cast<int>(toNumber(angle->text().toStdString()));
        QCOMPARE(dial->degrees(), start);
        const int expected = (start + turn + 360) % 360;
        QSignalSpy east(course ? f.txtFahrtx : f.txtStromx, &QLineEdit::textChanged);
        QSignalSpy north(course ? f.txtFahrty : f.txtStromy, &QLineEdit::textChanged);
        for (int key : keys)
            QTest::keyClick(w.windowHandle(), Qt::Key(key));
        QCOMPARE(angle->text(), QString::fromStdString(toText(expected)) + QChar(0x00B0));
        QCOMPARE(dial->degrees(), expected);
        // Within a hundredth of a degree of the whole degree.
        const QPointF d = dial->direction();
        const double shown = std::fmod(qRadiansToDegrees(std::atan2(d.x(), d.y())) + 360, 360);
        QVERIFY2(qAbs(shown - expected) < 0.01, qPrintable(QString::number(shown, 'g', 12)));
        // The fields follow at once, as for a direction set with the mouse.
        QVERIFY(east.count() + north.count() > 0);
    }

    // A dial shows that it has the focus.
    void dialShowsItsFocus()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage unfocused = ownPixels(w.form().picStrom);
        w.form().picStrom->setFocus(Qt::TabFocusReason);
        QVERIFY(ownPixels(w.form().picStrom) != unfocused);
    }
};

VENDRAL_TEST_MAIN(TestDials)
#include "tst_dials.moc"
