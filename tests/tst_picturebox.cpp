// The drawing surface: user scale, retained image, pen state, clipping of far
// end points, children placed in user units.
#include "common/clipping.h"
#include "common/picturebox.h"

#include <QLabel>
#include <QPainter>
#include <QtTest>

#include <cfloat>

using namespace vendral;

class TestPictureBox : public QObject
{
    Q_OBJECT

private:
    static QColor at(const PictureBox &box, double x, double y)
    {
        const QPointF p = (box.toPixel(x, y) - box.drawingArea().topLeft()) * box.image().devicePixelRatio();
        return box.image().pixelColor(int(p.x()), int(p.y()));
    }

    // A cleared surface with the chart's scale: (0, 100) top left, (100, 0) bottom right.
    static void prepareChart(PictureBox &box, const QSize &size, const QColor &back)
    {
        box.resize(size);
        box.setBackColor(back);
        box.setScale(0, 100, 100, 0);
        box.clear();
    }

private slots:
    void clipLine_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QLineF>("clipped");
        const QRectF area(0, 0, 100, 100);
        Q_UNUSED(area);
        QTest::newRow("inside") << QLineF(10, 10, 20, 20) << true << QLineF(10, 10, 20, 20);
        QTest::newRow("crossing") << QLineF(-50, 50, 150, 50) << true << QLineF(0, 50, 100, 50);
        QTest::newRow("outside") << QLineF(-50, -50, -10, -10) << false << QLineF();
        QTest::newRow("far away end") << QLineF(50, 50, 50, 1e300) << true << QLineF(50, 50, 50, 100);
        QTest::newRow("both far away") << QLineF(-1e300, 50, 1e300, 50) << true << QLineF(0, 50, 100, 50);
        QTest::newRow("largest doubles") << QLineF(-DBL_MAX, 50, DBL_MAX, 50) << true << QLineF(0, 50, 100, 50);
        QTest::newRow("not a number") << QLineF(qQNaN(), 0, 10, 10) << false << QLineF();
        QTest::newRow("infinite") << QLineF(0, 0, qInf(), 10) << false << QLineF();
        QTest::newRow("a point") << QLineF(5, 5, 5, 5) << true << QLineF(5, 5, 5, 5);
        QTest::newRow("steep from inside") << QLineF(50, 50, 1e300, 3e300) << true << QLineF(50, 50, 50 + 50 / 3.0, 100);
        QTest::newRow("corner to far") << QLineF(0, 0, -1e300, -1e300) << true << QLineF(0, 0, 0, 0);
    }

    void clipLine()
    {
        QFETCH(QLineF, line);
        QFETCH(bool, visible);
        QFETCH(QLineF, clipped);
        QCOMPARE(vendral::clipLine(line, QRectF(0, 0, 100, 100)), visible);
        if (visible) {
            QVERIFY(qAbs(line.x1() - clipped.x1()) < 1e-9 && qAbs(line.y1() - clipped.y1()) < 1e-9);
            QVERIFY(qAbs(line.x2() - clipped.x2()) < 1e-9 && qAbs(line.y2() - clipped.y2()) < 1e-9);
        }
    }

    void pixelCoordinatesSaturate()
    {
        QCOMPARE(pixelCoordinate(12.4), 12);
        QCOMPARE(pixelCoordinate(1e300), 1000000);
        QCOMPARE(pixelCoordinate(-1e300), -1000000);
        QCOMPARE(pixelCoordinate(qQNaN()), 0);
    }

    void userScaleMapsTheDrawingArea()
    {
        PictureBox box;
        box.setBorder(true);
        box.resize(204, 104);
        box.setScale(0, 100, 100, 0);
        QCOMPARE(box.drawingArea(), QRect(2, 2, 200, 100));
        QCOMPARE(box.toPixel(0, 100), QPointF(2, 2));
        QCOMPARE(box.toPixel(100, 0), QPointF(202, 102));
        QCOMPARE(box.toPixel(50, 25), QPointF(102, 77));
        const QPointF back = box.toUser(box.toPixel(42.9, 17.2));
        QVERIFY(qAbs(back.x() - 42.9) < 1e-9 && qAbs(back.y() - 17.2) < 1e-9);
        QCOMPARE(box.pixelsPerUnitX(), 2.0);
    }

    void drawingsStayUntilCleared()
    {
        PictureBox box;
        prepareChart(box, QSize(100, 100), Qt::blue);
        box.setDrawWidth(3);
        box.line(10, 50, 90, 50, Qt::yellow);
        box.point(20, 20, Qt::white);
        box.circle(50, 50, 30, Qt::red);
        QCOMPARE(at(box, 30, 50), QColor(Qt::yellow));
        QCOMPARE(at(box, 20, 20), QColor(Qt::white));
        QCOMPARE(at(box, 50, 80), QColor(Qt::red));
        QCOMPARE(at(box, 70, 70), QColor(Qt::blue));
        box.clear();
        QCOMPARE(at(box, 30, 50), QColor(Qt::blue));
    }

    // Dotted and dashed lines one pixel wide leave gaps; wider ones are solid.
    void drawStyleOnlyForThinLines_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("gaps");
        QTest::newRow("solid") << 0 << 1 << false;
        QTest::newRow("dashed") << 1 << 1 << true;
        QTest::newRow("dotted") << 2 << 1 << true;
        QTest::newRow("dashed but wide") << 1 << 2 << false;
    }

    void drawStyleOnlyForThinLines()
    {
        QFETCH(int, style);
        QFETCH(int, width);
        QFETCH(bool, gaps);
        PictureBox box;
        box.resize(100, 100);
        box.setBackColor(Qt::black);
        box.clear();
        box.setDrawStyle(PictureBox::DrawStyle(style));
        box.setDrawWidth(width);
        box.line(10, 50, 90, 50, Qt::white);
        int lit = 0;
        for (int x = 10; x < 90; ++x)
            lit += at(box, x + 0.25, 50.25) == QColor(Qt::white);
        QCOMPARE(lit < 75, gaps);
        QVERIFY(lit > 20);
    }

    // Crisp circles drawn again at one place are stamped; the pixels must be
    // those of drawing the circle.
    void stampedCirclesMatchDrawnOnes_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("width");
        QTest::addColumn<QPointF>("centre");
        QTest::newRow("dotted") << 2 << 1 << QPointF(50.3, 40.7);
        QTest::newRow("solid wide") << 0 << 3 << QPointF(20.5, 60.25);
        QTest::newRow("at the edge") << 1 << 1 << QPointF(98, 2);
    }

    void stampedCirclesMatchDrawnOnes()
    {
        QFETCH(int, style);
        QFETCH(int, width);
        QFETCH(QPointF, centre);
        PictureBox box;
        prepareChart(box, QSize(160, 120), Qt::blue);
        box.setDrawStyle(PictureBox::DrawStyle(style));
        box.setDrawWidth(width);
        box.circle(centre.x(), centre.y(), 7, Qt::white);
        box.circle(centre.x(), centre.y(), 7, Qt::white);
        const QImage stamped = box.image();
        if (stamped.devicePixelRatio() != 1.0)
            QSKIP("circles are stamped at a pixel ratio of 1 only");
        QImage drawn(stamped.size(), QImage::Format_RGB32);
        drawn.fill(Qt::blue);
        QPainter painter(&drawn);
        QPen pen(Qt::white, width);
        pen.setCapStyle(Qt::FlatCap);
        if (width == 1 && style == 1)
            pen.setDashPattern({6, 3});
        else if (width == 1 && style == 2)
            pen.setDashPattern({1, 2});
        painter.setPen(pen);
        painter.drawEllipse(box.toPixel(centre.x(), centre.y()), 7 * 1.6, 7 * 1.6);
        painter.end();
        QCOMPARE(stamped, drawn);
    }

    void farEndPointsAreClippedNotDrawn()
    {
        PictureBox box;
        prepareChart(box, QSize(100, 100), Qt::black);
        box.setDrawWidth(2);
        box.line(50, 50, 1e300, 50, Qt::white);
        box.line(40, -1e300, 40, 1e300, Qt::white);
        box.line(-1e300, -1e300, 1e300, 1e300, Qt::white);
        box.line(qQNaN(), 0, 1, 1, Qt::white);
        box.circle(1e300, 1e300, 5, Qt::white);
        box.circle(50, 50, 1e300, Qt::white);
        box.point(-1e300, 0, Qt::white);
        box.setCurrentPos(1e300, 1e300);
        box.print(QStringLiteral("far"));
        QCOMPARE(at(box, 75, 50), QColor(Qt::white));
        QCOMPARE(at(box, 40, 40), QColor(Qt::white));
    }

    void childrenKeepTheirUserPlace()
    {
        PictureBox box;
        box.resize(200, 200);
        box.setScale(0, 100, 100, 0);
        box.show();
        auto *child = new QLabel(&box);
        box.place(child, 42.9f, 17.2f);
        QCOMPARE(box.childLeft(child), 42.9f);
        QCOMPARE(box.childTop(child), 17.2f);
        QCOMPARE(child->pos(), QPoint(86, 166));
        // A resized surface moves its children with the scale.
        box.resize(400, 400);
        QCOMPARE(child->pos(), QPoint(172, 331));
        box.place(child, 1e30f, -1e30f);
        QCOMPARE(child->pos(), QPoint(1000000, 1000000));
    }

    void resizedSurfaceKeepsItsDrawing()
    {
        PictureBox box;
        prepareChart(box, QSize(100, 100), Qt::black);
        box.setDrawWidth(4);
        box.line(0, 50, 100, 50, Qt::green);
        box.resize(200, 200);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.image().size(), QSize(200, 200) * box.devicePixelRatioF());
        QCOMPARE(at(box, 30, 50), QColor(Qt::green));
    }

    void imageFollowsTheDevicePixelRatio()
    {
        PictureBox box;
        box.resize(50, 40);
        box.clear();
        const qreal dpr = box.devicePixelRatioF();
        QCOMPARE(box.image().devicePixelRatio(), dpr);
        QCOMPARE(box.image().size(), QSize(qRound(50 * dpr), qRound(40 * dpr)));
    }

    void mouseArrivesInUserUnits()
    {
        PictureBox box;
        box.resize(264, 264);
        box.setBorder(true);
        box.setScale(-1.3, 1.3, 1.3, -1.3);
        QSignalSpy pressed(&box, &PictureBox::mousePressed);
        QTest::mousePress(&box, Qt::RightButton, {}, QPoint(132, 32));
        QCOMPARE(pressed.count(), 1);
        const QPointF p = pressed.at(0).at(0).toPointF();
        QVERIFY(qAbs(p.x()) < 1e-9);
        QVERIFY(qAbs(p.y() - 1.0) < 1e-9);
        QCOMPARE(pressed.at(0).at(1).value<Qt::MouseButton>(), Qt::RightButton);
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
