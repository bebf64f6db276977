// Course dial and current dial: directions, read-outs, pointer and mouse.
#include "testsupport.h"

#include "common/numbers.h"
#include "dials/dial.h"

using namespace vendral;
using namespace testing;

namespace {

QPoint at(const PictureBox *dial, double x, double y) { return dial->toPixel(x, y).toPoint(); }

bool near(const QColor &actual, const QColor &expected, int tolerance = 40)
{
    return qAbs(actual.red() - expected.red()) <= tolerance && qAbs(actual.green() - expected.green()) <= tolerance
           && qAbs(actual.blue() - expected.blue()) <= tolerance;
}

// Pixel rounding may tip a read-out by a degree.
bool angleNear(const QString &text, int expected)
{
    return text.endsWith(QChar(0x00B0)) && qAbs(toNumber(text.toStdString()) - expected) <= 1;
}

// A press at a point between pixels, as a tablet or a scaled screen delivers.
void pressAt(PictureBox *dial, const QPointF &pos)
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
        QTest::newRow("north-east") << 1.0 << 1.0 << " .707" << " .707" << " 45°";
        QTest::newRow("north-west") << -1.0 << 1.0 << "-.708" << " .707" << " 314°";
        QTest::newRow("south-east") << 1.0 << -1.0 << " .707" << "-.708" << " 134°";
        QTest::newRow("south-west") << -1.0 << -1.0 << "-.708" << "-.708" << " 225°";
        QTest::newRow("3 4") << 3.0 << 4.0 << " .6" << " .8" << " 36°";
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

    void setCurrentExamples_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("east");
        QTest::addColumn<QString>("north");
        QTest::addColumn<QString>("angle");
        QTest::newRow("north") << 0.0 << 1.0 << " 0" << " 1" << " 0°";
        QTest::newRow("south-west") << -1.0 << -1.0 << "-.708" << "-.708" << " 225°";
        QTest::newRow("3 4") << 3.0 << 4.0 << " .6" << " .8" << " 36°";
    }

    void setCurrentExamples()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        MainWindow w;
        w.setCurrent(x, float(y));
        QTEST(text(w, "txtStromx"), "east");
        QTEST(text(w, "txtStromy"), "north");
        QTEST(text(w, "txtStromW"), "angle");
    }

    void pointerAndShipSymbol()
    {
        MainWindow w;
        Form &f = w.form();
        // Pointer due east to 1.1, beyond the ring and the cardinal spokes.
        QCOMPARE(pixelAt(*f.picFahrt, 1.05, 0), QColor(0, 0, 0));
        w.setCourse(0, 1);
        QCOMPARE(pixelAt(*f.picFahrt, 0, 1.05), QColor(0, 0, 0));
        QVERIFY(pixelAt(*f.picFahrt, 1.05, 0) != QColor(0, 0, 0));
        // The ship symbol points north: white toward the top of the marker.
        QCOMPARE(pixelAt(*f.image1, 0, -0.7), QColor(255, 255, 255));
        QCOMPARE(pixelAt(*f.image1, -0.7, 0), QColor(0, 0, 255));
        // The current pointer is near white.
        QCOMPARE(pixelAt(*f.picStrom, 0, 1.05), QColor(250, 250, 250));
        w.setCurrent(1, 0);
        QCOMPARE(pixelAt(*f.picStrom, 1.05, 0), QColor(250, 250, 250));
        QCOMPARE(pixelAt(*f.picStrom, 0, 1.05), QColor(0, 0, 255));
    }

    // (0, 0) has no direction: nothing changes, nothing is redrawn.
    void zeroVectorChangesNothing()
    {
        MainWindow w;
        Form &f = w.form();
        w.setCourse(1, 1);
        w.setCurrent(-1, 1);
        const QImage course = f.picFahrt->image();
        const QImage current = f.picStrom->image();
        const QImage chart = f.picSee->image();
        QSignalSpy stromx(f.txtStromx, &QLineEdit::textChanged);
        w.setCourse(0, 0);
        w.setCurrent(0, 0);
        QCOMPARE(text(w, "txtFahrtx"), QStringLiteral(" .707"));
        QCOMPARE(text(w, "txtWinkel"), QStringLiteral(" 45°"));
        QCOMPARE(text(w, "txtStromW"), QStringLiteral(" 314°"));
        QCOMPARE(f.picFahrt->image(), course);
        QCOMPARE(f.picStrom->image(), current);
        QCOMPARE(f.picSee->image(), chart);
        QCOMPARE(stromx.count(), 0);
    }

    void dialFacesAreDrawn()
    {
        MainWindow w;
        Form &f = w.form();
        // Course dial: blue ring at 0.9, red fine spokes, white hub.
        // The ring between two spokes, at 22.5 degrees.
        QVERIFY(near(pixelAt(*f.picFahrt, 0.3444, 0.8315), QColor(0, 0, 255)));
        QCOMPARE(pixelAt(*f.picFahrt, 0, -0.1), QColor(255, 255, 255));
        QCOMPARE(pixelAt(*f.picFahrt, 0, -0.95), QColor(0, 0, 0));
        QCOMPARE(pixelAt(*f.picFahrt, 1.2, 1.2), QColor(246, 246, 246));
        // Current dial: light ring, blue background outside.
        QVERIFY(near(pixelAt(*f.picStrom, 0.3444, 0.8315), QColor(150, 150, 255)));
        QCOMPARE(pixelAt(*f.picStrom, 1.2, 1.2), QColor(0, 0, 255));
    }

    void mouseSteersWhileHeld()
    {
        MainWindow w;
        Form &f = w.form();
        PictureBox *dial = f.picFahrt;
        QTest::mousePress(dial, Qt::RightButton, {}, at(dial, -0.6, -1.0));
        QCOMPARE(f.dialHeld, 1);
        QVERIFY(angleNear(text(w, "txtWinkel"), 210));
        QTest::mouseMove(dial, at(dial, -1.0, 0.6));
        QVERIFY(angleNear(text(w, "txtWinkel"), 300));
        // Outside the dial the direction still counts.
        QTest::mouseMove(dial, at(dial, 3.0, 5.0));
        const QString last = text(w, "txtWinkel");
        QVERIFY(angleNear(last, 30));
        QTest::mouseRelease(dial, Qt::RightButton, {}, at(dial, 3.0, 5.0));
        QCOMPARE(f.dialHeld, 0);
        QTest::mouseMove(dial, at(dial, 1.0, -0.6));
        QCOMPARE(text(w, "txtWinkel"), last);
    }

    void pressOnTheCentreKeepsTheHeading()
    {
        MainWindow w;
        PictureBox *dial = w.form().picFahrt;
        w.setCourse(-1, -1);
        const QPointF centre = dial->toPixel(0, 0);
        QCOMPARE(dial->toUser(centre), QPointF(0, 0));
        pressAt(dial, centre);
        QCOMPARE(text(w, "txtWinkel"), QStringLiteral(" 225°"));
        QCOMPARE(text(w, "txtFahrtx"), QStringLiteral("-.708"));
        QCOMPARE(w.form().dialHeld, 0);
    }

    void dragOnCurrentDialEndingOverCourseDial()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Form &f = w.form();
        QWindow *window = w.windowHandle();
        const auto inWindow = [&](PictureBox *dial, double x, double y) {
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
        QCOMPARE(f.dialHeld, 0);
    }

    // Redrawing only what changed must give the pixels of a full redraw.
    void quickRedrawsMatchFullDrawings_data()
    {
        QTest::addColumn<QList<QPointF>>("courses");
        QTest::newRow("one turn") << QList<QPointF>{{1, 1}};
        QTest::newRow("same twice") << QList<QPointF>{{-0.3, 0.7}, {-0.3, 0.7}};
        QTest::newRow("many turns") << QList<QPointF>{{1, 1}, {-0.3, 0.7}, {0.2, -1}, {-1, -0.01}, {0.05, 1}};
    }

    void quickRedrawsMatchFullDrawings()
    {
        QFETCH(QList<QPointF>, courses);
        MainWindow w;
        PictureBox &dial = *w.form().picFahrt;
        for (const QPointF &c : courses)
            w.setCourse(c.x(), float(c.y()));
        const QImage quick = dial.image();
        const QImage ship = w.form().image1->image();
        const QPointF last = courses.last();
        const double r = std::hypot(last.x(), double(float(last.y())));
        dial.clear();
        drawDialFace(dial, courseDialFace());
        dial.setDrawWidth(5);
        dial.line(0, 0, float(1.1 * last.x() / r), float(1.1 * float(last.y()) / r), QColor(0, 0, 0));
        QCOMPARE(quick, dial.image());
        // A ship symbol drawn on a fresh window for the same heading.
        MainWindow fresh;
        fresh.setCourse(last.x(), float(last.y()));
        QCOMPARE(ship, fresh.form().image1->image());
    }

    void angleTextOnTheAxes()
    {
        QCOMPARE(angleText(0, 1), QStringLiteral(" 0°"));
        QCOMPARE(angleText(1, 0), QStringLiteral(" 90°"));
        QCOMPARE(angleText(0, -1), QStringLiteral(" 180°"));
        QCOMPARE(angleText(-1, 0), QStringLiteral(" 270°"));
        QCOMPARE(angleText(1e-300, -1), QStringLiteral(" 179°"));
    }
};

QTEST_MAIN(TestDials)
#include "tst_dials.moc"
