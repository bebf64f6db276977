// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Placing ship and island by dragging their markers, the bearing line that
// joins them, and the autopilot that steers from one to the other.
#include "testsupport.h"

#include "chart/bearingline.h"
#include "layout/artwork.h"
#include "form/markerdrag.h"

using namespace vendral;
using namespace testing;

namespace {

// A point of the chart in the window's coordinates, for real mouse events.
QPoint onChart(MainWindow &w, double x, double y)
{
    return w.form().picSee->mapTo(&w, w.form().picSee->toPixel(x, y).toPoint());
}

QPoint centreOf(MainWindow &w, QWidget *widget) { return widget->mapTo(&w, widget->rect().center()); }

// The chart's user point under a pixel, as the drag reads it.
QPointF userAt(MainWindow &w, const QPoint &inWindow)
{
    const QPointF p = w.form().picSee->toUser(w.form().picSee->mapFrom(&w, QPointF(inWindow)));
    return QPointF(float(p.x()), float(p.y()));
}

QString whole(double v) { return QString::number(std::floor(v)); }

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void draggingTheShipWithTheMouse()
    {
        auto w = shownWindow();
        const Form &f = w->form();
        QWindow *window = w->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, centreOf(*w, f.image1));
        QVERIFY(w->markerDrag()->dragging());
        const QPoint over = onChart(*w, 30.5, 60.5);
        QTest::mouseMove(window, over);
        const QPointF p = userAt(*w, over);
        QCOMPARE(text(*w, "txtSchiffx"), whole(p.x()));
        QCOMPARE(text(*w, "txtSchiffy"), whole(p.y()));
        QCOMPARE(text(*w, "txtInselx"), QStringLiteral("80"));
        // Until the drop the marker stays where it was.
        QCOMPARE(f.image1->left(), 10.0f);
        const QPoint drop = onChart(*w, 42.9, 17.2);
        QTest::mouseMove(window, drop);
        QTest::mouseRelease(window, Qt::LeftButton, {}, drop);
        const QPointF d = userAt(*w, drop);
        QCOMPARE(f.image1->left(), float(d.x()));
        QCOMPARE(f.image1->top(), float(d.y()));
        QCOMPARE(text(*w, "txtSchiffx"), whole(d.x()));
        QCOMPARE(text(*w, "txtSchiffy"), whole(d.y()));
        QVERIFY(!w->markerDrag()->dragging());
    }

    void draggingTheIslandUpdatesTheDistance()
    {
        auto w = shownWindow();
        const Form &f = w->form();
        QWindow *window = w->windowHandle();
        QTest::mousePress(window, Qt::RightButton, {}, onChart(*w, 81, 79));
        QVERIFY(w->markerDrag()->dragging());
        QStringList distances;
        for (const double x : {60.0, 40.0, 20.0}) {
            QTest::mouseMove(window, onChart(*w, x, 50.3));
            distances << text(*w, "txtAbstand");
            QCOMPARE(text(*w, "txtInselx"), whole(userAt(*w, onChart(*w, x, 50.3)).x()));
        }
        QCOMPARE(distances.removeDuplicates(), 0);
        QCOMPARE(text(*w, "txtSchiffx"), QStringLiteral("10"));
        QTest::mouseRelease(window, Qt::RightButton, {}, onChart(*w, 20, 50.3));
        QVERIFY(qAbs(f.image2->left() - 20) < 0.2);
    }

    // A release over a control on the chart, or off the chart, is no drop.
    void releaseElsewhereIsNoDrop_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("distance read-out") << "txtAbstand";
        QTest::newRow("chart button") << "Command4";
        QTest::newRow("other marker") << "image2";
        QTest::newRow("marker itself") << "image1";
        QTest::newRow("control stand") << "Frame3";
    }

    void releaseElsewhereIsNoDrop()
    {
        QFETCH(QString, target);
        auto w = shownWindow();
        const Form &f = w->form();
        QWindow *window = w->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, centreOf(*w, f.image1));
        const QPoint open = onChart(*w, 50.5, 50.5);
        QTest::mouseMove(window, open);
        const QString x = text(*w, "txtSchiffx");
        const QPoint elsewhere = centreOf(*w, control(*w, target));
        QTest::mouseMove(window, elsewhere);
        QTest::mouseRelease(window, Qt::LeftButton, {}, elsewhere);
        QCOMPARE(f.image1->left(), 10.0f);
        QCOMPARE(f.image1->top(), 10.0f);
        // The fields keep what the last move over the open chart wrote.
        QCOMPARE(text(*w, "txtSchiffx"), x);
        QVERIFY(!w->markerDrag()->dragging());
    }

    // Events sent straight to widgets (no mouse grab) drive the drag as well.
    void eventsSentToTheChartDirectly()
    {
        auto window = shownWindow();
        MainWindow &w = *window;
        const Form &f = w.form();
        QTest::mousePress(f.image2, Qt::LeftButton, {}, QPoint(5, 5));
        const QPoint p = f.picSee->toPixel(30.5, 40.5).toPoint();
        QTest::mouseMove(f.picSee, p);
        QTest::mouseRelease(f.picSee, Qt::LeftButton, {}, p);
        QCOMPARE(text(w, "txtInselx"), QStringLiteral("30"));
        QCOMPARE(text(w, "txtInsely"), QStringLiteral("40"));
        QVERIFY(qAbs(f.image2->left() - 30.5) < 0.2);
    }

    // With any button, a press on the box inside the island is the box's.
    void pressOnTheIslandsBoxIsNoDrag_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }

    void pressOnTheIslandsBoxIsNoDrag()
    {
        QFETCH(Qt::MouseButton, button);
        auto w = shownWindow();
        const Form &f = w->form();
        QWindow *window = w->windowHandle();
        const QPoint box = centreOf(*w, f.Check1);
        QTest::mouseClick(window, button, {}, box);
        QCOMPARE(f.Check1->isChecked(), button == Qt::LeftButton);
        QTest::mousePress(window, button, {}, box);
        QVERIFY(!w->markerDrag()->dragging());
        QTest::mouseMove(window, onChart(*w, 30, 30));
        QTest::mouseRelease(window, button, {}, onChart(*w, 30, 30));
        QCOMPARE(f.image2->left(), 80.0f);
        QCOMPARE(text(*w, "txtInselx"), QStringLiteral("80"));
    }

    // The island's sea lets the chart and the ship beneath show through, its
    // land covers them, and its whole box still takes the pointer. Drawn at
    // any other size than its picture's own pixels, it is smooth: its colours
    // blend, and at its edges it covers the chart in part.
    void islandSeaShowsWhatLiesBeneath()
    {
        auto w = shownWindow();
        const Form &f = w->form();
        const QImage picture = islandPicture();
        const QRect box = f.image2->geometry();
        // Picture pixels to the island's device pixels.
        const QImage cover = ownCover(f.image2);
        const double kx = double(cover.width()) / picture.width(), ky = double(cover.height()) / picture.height();
        const auto at = [&](double x, double y) {
            return QPointF(x * box.width() / picture.width(), y * box.height() / picture.height());
        };
        const QPointF corner = f.picSee->toUser(QPointF(box.topLeft()) + at(2, 28));
        w->markerDrag()->dragDrop(f.image1, corner.x(), corner.y());
        QVERIFY(f.image1->geometry().intersects(box));
        const QImage shown = f.picSee->grab(box).toImage();
        f.image2->hide();
        const QImage beneath = f.picSee->grab(box).toImage();
        f.image2->show();
        // Whether the picture is all sea, or all land, around a device pixel:
        // within the reach of a smooth scaling, and a pixel more.
        const auto around = [&](int x, int y, bool sea) {
            const int rx = int(1 / kx) + 2, ry = int(1 / ky) + 2;
            const int px = int((x + 0.5) / kx), py = int((y + 0.5) / ky);
            for (int v = std::max(0, py - ry); v <= std::min(picture.height() - 1, py + ry); ++v)
                for (int u = std::max(0, px - rx); u <= std::min(picture.width() - 1, px + rx); ++u)
                    if ((picture.pixelColor(u, v) == QColor(0, 0, 255)) != sea)
                        return false;
            return true;
        };
        const QRect check = QRect(f.Check1->geometry().topLeft() * cover.devicePixelRatio(),
                                  f.Check1->size() * cover.devicePixelRatio());
        int shipShows = 0, partly = 0;
        QSet<QRgb> colours;
        for (int y = 0; y < cover.height(); ++y) {
            for (int x = 0; x < cover.width(); ++x) {
                const int alpha = qAlpha(cover.pixel(x, y));
                partly += alpha > 0 && alpha < 255;
                if (alpha == 255)
                    colours << cover.pixel(x, y);
                if (check.contains(x, y))
                    continue;
                if (around(x, y, true)) {
                    QCOMPARE(alpha, 0);
                    QCOMPARE(shown.pixelColor(x, y), beneath.pixelColor(x, y));
                    shipShows += beneath.pixelColor(x, y) == QColor(255, 255, 255);
                } else if (around(x, y, false)) {
                    QCOMPARE(alpha, 255);
                }
            }
        }
        QVERIFY(shipShows > 0);
        QSet<QRgb> own;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                own << picture.pixel(x, y);
        const bool scaled = cover.size() != picture.size();
        QCOMPARE(partly > 0, scaled);
        QCOMPARE(colours.size() > own.size(), scaled);
        // A press on the sea above the ship drags the island.
        QWindow *window = w->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, f.image2->mapTo(w.get(), at(3, 43).toPoint()));
        QTest::mouseMove(window, onChart(*w, 50, 50));
        QTest::mouseRelease(window, Qt::LeftButton, {}, onChart(*w, 50, 50));
        QVERIFY(qAbs(f.image2->left() - 50) < 0.2);
        QCOMPARE(f.image1->left(), float(corner.x()));
    }

    // Without a mouse: Tab to a marker, then the arrow keys move it by 1 sm,
    // its fields and the distance follow as for a drop; it stays on the chart.
    void markersMoveWithTheKeys_data()
    {
        QTest::addColumn<bool>("ship");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QPointF>("corner");
        QTest::addColumn<QString>("distance");
        // From the ship's corner to 4 sm east and 5 sm south of the island's.
        QTest::newRow("ship east and north") << true << QList<int>{Qt::Key_Right, Qt::Key_Up, Qt::Key_Up}
                                             << QPointF(11, 12) << "Entfernung zur Insel 96 sm";
        QTest::newRow("island west and south") << false << QList<int>{Qt::Key_Left, Qt::Key_Down}
                                               << QPointF(79, 79) << "Entfernung zur Insel 97 sm";
        QTest::newRow("island kept on the chart") << false << QList<int>(25, Qt::Key_Up) << QPointF(80, 100)
                                                  << "Entfernung zur Insel 112 sm";
    }

    void markersMoveWithTheKeys()
    {
        QFETCH(bool, ship);
        QFETCH(QList<int>, keys);
        QFETCH(QPointF, corner);
        auto w = shownWindow();
        const Form &f = w->form();
        Marker *marker = ship ? static_cast<Marker *>(f.image1) : f.image2;
        for (int i = 0; i < 80 && QApplication::focusWidget() != marker; ++i)
            QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), marker);
        for (int key : keys)
            QTest::keyClick(w->windowHandle(), Qt::Key(key));
        QCOMPARE(QPointF(marker->left(), marker->top()), corner);
        QCOMPARE(text(*w, ship ? "txtSchiffx" : "txtInselx"), whole(corner.x()));
        QCOMPARE(text(*w, ship ? "txtSchiffy" : "txtInsely"), whole(corner.y()));
        QTEST(text(*w, "txtAbstand"), "distance");
    }

    // Held against an edge, a marker stops wholly on the chart.
    void keysKeepTheMarkerOnTheChart()
    {
        auto w = shownWindow();
        const Form &f = w->form();
        f.image1->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 15; ++i) {
            QTest::keyClick(w->windowHandle(), Qt::Key_Left);
            QTest::keyClick(w->windowHandle(), Qt::Key_Down);
        }
        QCOMPARE(f.image1->left(), 0.0f);
        QVERIFY(f.picSee->drawingArea().contains(f.image1->geometry()));
        QVERIFY(f.picSee->drawingArea().bottom() - f.image1->geometry().bottom() <= 1);
    }

    void bearingLineShowsAndHides()
    {
        MainWindow w;
        const Form &f = w.form();
        QTest::mouseClick(f.chkPeil, Qt::LeftButton);
        QVERIFY(!f.linpeil->isHidden());
        QCOMPARE(f.linpeil->x1(), 11.0f);
        QCOMPARE(f.linpeil->y1(), 9.0f);
        QCOMPARE(f.linpeil->x2(), 85.0f);
        QCOMPARE(f.linpeil->y2(), 75.0f);
        // A drop does not move it; the next click of the box does.
        w.markerDrag()->dragDrop(f.image2, 40, 60);
        QCOMPARE(f.linpeil->x2(), 85.0f);
        QTest::mouseClick(f.chkPeil, Qt::LeftButton);
        QVERIFY(f.linpeil->isHidden());
        QTest::mouseClick(f.chkPeil, Qt::LeftButton);
        QCOMPARE(f.linpeil->x2(), 45.0f);
        QCOMPARE(f.linpeil->y2(), 55.0f);
    }

    void tickingTheAutopilotSteersAtOnce()
    {
        MainWindow w;
        const Form &f = w.form();
        QTest::mouseClick(f.chkAuto, Qt::LeftButton); // off: heading unchanged
        QCOMPARE(text(w, "txtWinkel"), QStringLiteral(" 90°"));
        QTest::mouseClick(f.chkAuto, Qt::LeftButton); // on: toward (85, 76)
        QCOMPARE(text(w, "txtFahrtx"), QStringLiteral(" .75"));
        QCOMPARE(text(w, "txtFahrty"), QStringLiteral(" .66"));
    }
};

VENDRAL_TEST_MAIN(TestPlacement)
#include "tst_placement.moc"
