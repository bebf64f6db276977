// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The drawing surface painted with Qt: retained image, pen state, far end
// points; and the picture box that shows it, with children placed in user
// units.
#include "testsupport.h"

#include "chart/marker.h"
#include "common/canvas.h"
#include "common/picturebox.h"

#include <QtTest>

using namespace vendral;

namespace {

QColor at(const Canvas &canvas, double x, double y)
{
    const QPointF p = canvas.toPixel(x, y) * canvas.image().devicePixelRatio();
    return canvas.image().pixelColor(int(p.x()), int(p.y()));
}

// A cleared canvas with the chart's scale: (0, 100) top left, (100, 0) bottom right.
Canvas chartCanvas(const QSize &size, const QColor &back, qreal dpr = 1.0)
{
    Canvas canvas(size, dpr);
    canvas.setBackColor(back);
    canvas.setScale(UserScale(0, 100, 100, 0));
    canvas.clear();
    return canvas;
}

const Rgb kYellow{255, 255, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 255, 0};

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void drawingsStayUntilCleared()
    {
        Canvas canvas = chartCanvas(QSize(100, 100), Qt::blue);
        canvas.setDrawWidth(3);
        canvas.line(10, 50, 90, 50, kYellow);
        canvas.point(20, 20, kWhite);
        canvas.circle(50, 50, 30, kRed);
        QCOMPARE(at(canvas, 30, 50), QColor(Qt::yellow));
        QCOMPARE(at(canvas, 20, 20), QColor(Qt::white));
        QCOMPARE(at(canvas, 50, 80), QColor(Qt::red));
        QCOMPARE(at(canvas, 70, 70), QColor(Qt::blue));
        // A copy keeps what was drawn when it was taken.
        const Canvas copy = canvas;
        canvas.clear();
        QCOMPARE(at(canvas, 30, 50), QColor(Qt::blue));
        QCOMPARE(at(copy, 30, 50), QColor(Qt::yellow));
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
        Canvas canvas(QSize(100, 100));
        canvas.setBackColor(Qt::black);
        canvas.clear();
        canvas.setDrawStyle(Canvas::DrawStyle(style));
        canvas.setDrawWidth(width);
        canvas.line(10, 50, 90, 50, kWhite);
        int lit = 0;
        for (int x = 10; x < 90; ++x)
            lit += at(canvas, x + 0.25, 50.25) == QColor(Qt::white);
        QCOMPARE(lit < 75, gaps);
        QVERIFY(lit > 20);
    }

    void farEndPointsAreClippedNotDrawn()
    {
        Canvas canvas = chartCanvas(QSize(100, 100), Qt::black);
        canvas.setDrawWidth(2);
        canvas.line(50, 50, 1e300, 50, kWhite);
        canvas.line(40, -1e300, 40, 1e300, kWhite);
        canvas.line(-1e300, -1e300, 1e300, 1e300, kWhite);
        canvas.line(qQNaN(), 0, 1, 1, kWhite);
        canvas.circle(1e300, 1e300, 5, kWhite);
        canvas.circle(50, 50, 1e300, kWhite);
        canvas.point(-1e300, 0, kWhite);
        canvas.setCurrentPos(1e300, 1e300);
        canvas.print("far");
        QCOMPARE(at(canvas, 75, 50), QColor(Qt::white));
        QCOMPARE(at(canvas, 40, 40), QColor(Qt::white));
    }

    // The arrival circle is drawn after every step; drawn again, it must still
    // lie over whatever was drawn across it since, and over nothing else.
    void repeatedCircleLiesOverLaterDrawings_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::newRow("across the ring") << QLineF(10, 50, 90, 50);
        QTest::newRow("clear of the ring") << QLineF(5, 5, 10, 5);
        QTest::newRow("nothing drawn") << QLineF();
    }

    void repeatedCircleLiesOverLaterDrawings()
    {
        QFETCH(QLineF, line);
        const auto draw = [&line](Canvas &canvas, bool circleFirst) {
            canvas.setDrawStyle(Canvas::DrawStyle::Dot);
            canvas.setDrawWidth(1);
            if (circleFirst)
                canvas.circle(50, 50, 20, kWhite);
            canvas.setDrawWidth(3);
            if (!line.isNull())
                canvas.line(line.x1(), line.y1(), line.x2(), line.y2(), kYellow);
            canvas.setDrawWidth(1);
            canvas.circle(50, 50, 20, kWhite);
        };
        Canvas twice = chartCanvas(QSize(120, 120), Qt::blue);
        draw(twice, true);
        Canvas once = chartCanvas(QSize(120, 120), Qt::blue);
        draw(once, false);
        QCOMPARE(twice.image(), once.image());
    }

    // A widget showing the canvas repaints only what a drawing changed.
    void drawingsReportTheirArea()
    {
        Canvas canvas = chartCanvas(QSize(200, 200), Qt::black);
        QRect dirty;
        canvas.setDirtyHandler([&dirty](const QRect &area) { dirty |= area; });
        canvas.line(10, 90, 20, 80, kWhite);
        QVERIFY(dirty.contains(QRect(20, 20, 20, 20)));
        QVERIFY(dirty.width() < 40 && dirty.height() < 40);
        // A copy is shown by no widget: the handler stays with the original,
        // which reports all of itself when a drawing is assigned to it.
        dirty = QRect();
        Canvas copy = canvas;
        copy.line(10, 10, 90, 90, kWhite);
        QCOMPARE(dirty, QRect());
        canvas = copy;
        QCOMPARE(dirty, QRect(0, 0, 200, 200));
    }

    void resizeKeepsTheDrawingAtThePixelRatio_data()
    {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("1") << 1.0;
        QTest::newRow("2") << 2.0;
    }

    void resizeKeepsTheDrawingAtThePixelRatio()
    {
        QFETCH(qreal, dpr);
        Canvas canvas = chartCanvas(QSize(100, 100), Qt::black);
        canvas.setDrawWidth(4);
        canvas.line(0, 50, 100, 50, kGreen);
        canvas.resize(QSize(200, 150), dpr);
        QCOMPARE(canvas.image().size(), QSize(200, 150) * dpr);
        QCOMPARE(canvas.image().devicePixelRatio(), dpr);
        QCOMPARE(at(canvas, 30, 50), QColor(Qt::green));
    }

    void pictureBoxShowsItsCanvasInsideTheBorder()
    {
        PictureBox box;
        box.setBorder(true);
        box.resize(204, 104);
        box.setScale(0, 100, 100, 0);
        QCOMPARE(box.drawingArea(), QRect(2, 2, 200, 100));
        QCOMPARE(box.toPixel(50, 25), QPointF(102, 77));
        QCOMPARE(box.canvas().size(), QSize(200, 100));
        // A marker keeps its place in chart units when the box changes size.
        // Its place is also a pair of properties, as the controls' Left and Top.
        Marker marker(&box);
        QVERIFY(marker.setProperty("left", 42.9f) && marker.setProperty("top", 17.2f));
        QCOMPARE(marker.left(), 42.9f);
        QCOMPARE(marker.top(), 17.2f);
        QCOMPARE(marker.pos(), QPoint(88, 85));
        box.resize(404, 204);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(marker.pos(), QPoint(174, 168));
        marker.moveTo(1e30f, -1e30f);
        QCOMPARE(marker.pos(), QPoint(1000000, 1000000));
    }
};

VENDRAL_TEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
