// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window's layout on the screen this program runs on (CTest runs it on
// several): the panels in their shares of the screen, every control whole,
// inside the window and answering as itself, every text shown whole, Tab in
// reading order; and the fitting of a caption to its control.
#include "testsupport.h"

#include "common/sunkenborder.h"
#include "design/layout.h"
#include "simulation/referencepoints.h"
#include "layout/artwork.h"
#include "layout/captionfit.h"

#include <QGroupBox>
#include <QLabel>
#include <QScreen>

using namespace vendral;
using namespace testing;

namespace {

QRect inWindow(const QWidget *widget) { return QRect(widget->mapTo(widget->window(), QPoint()), widget->size()); }

// The controls a user can point at: everything on the window's client area
// but static labels and frames.
QList<QWidget *> controls(MainWindow &w)
{
    QList<QWidget *> found;
    for (QWidget *widget : w.centralWidget()->findChildren<QWidget *>())
        if (!qobject_cast<QLabel *>(widget) && !qobject_cast<QGroupBox *>(widget) && widget->isVisible())
            found << widget;
    return found;
}

// The panel (top-level container) a control lies in.
QWidget *panelOf(QWidget *control)
{
    while (control->parentWidget() != control->window()->findChild<QWidget *>(QStringLiteral("client")))
        control = control->parentWidget();
    return control;
}

// The pixels where a widget's text shows: it painted once as it is and once
// with its text in a transparent colour, at its size or a larger one.
QRect textPixels(QWidget *widget, const QSize &size, int *count)
{
    const QSize original = widget->size();
    const QPalette palette = widget->palette();
    widget->resize(size);
    const QImage shown = ownPixels(widget);
    QPalette hidden = palette;
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        hidden.setColor(role, Qt::transparent);
    widget->setPalette(hidden);
    const QImage without = ownPixels(widget);
    widget->setPalette(palette);
    widget->resize(original);
    QRect area;
    *count = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != without.pixel(x, y)) {
                area |= QRect(x, y, 1, 1);
                ++*count;
            }
    const qreal dpr = shown.devicePixelRatio();
    return QRect((QPointF(area.topLeft()) / dpr).toPoint(), (QSizeF(area.size()) / dpr).toSize());
}

// Whether a widget shows all of its text: as much of it as when the widget
// has room to spare (more height; more width too, unless the text wraps).
// `where` receives the text's place in the widget.
bool showsWholeText(QWidget *widget, QRect *where = nullptr)
{
    const auto *label = qobject_cast<QLabel *>(widget);
    const bool wraps = label && label->wordWrap();
    const QSize roomy = widget->size() + QSize(wraps ? 0 : 300, widget->height() + 20);
    int shown = 0, whole = 0;
    const QRect area = textPixels(widget, widget->size(), &shown);
    textPixels(widget, roomy, &whole);
    if (where)
        *where = area;
    return shown > 0 && shown == whole;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    // The texts are measured in the face the window really gets: Liberation
    // Sans, or the one VENDRAL_TEST_FONT names for a run with it hidden.
    void initTestCase()
    {
        const QString wanted = qEnvironmentVariable("VENDRAL_TEST_FONT", QStringLiteral("Liberation Sans"));
        const QString got = QFontInfo(MainWindow().font()).family();
        QVERIFY2(got == wanted, qPrintable(QStringLiteral("the window gets %1 instead of %2, which scripts/setup installs")
                                               .arg(got.isEmpty() ? QStringLiteral("no font") : got, wanted)));
    }

    // The markers keep the size in sm they have on the design's chart, in
    // their own proportions: at least that size across and up, exactly it
    // (to the pixel) on one of the two. The island's box keeps its design
    // size and its spot on the picture.
    void markersKeepTheirSizeInSeaMiles_data()
    {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QSize>("design"); // pixels on the design's chart
        QTest::newRow("island") << "image2" << islandPicture().size();
        QTest::newRow("ship") << "image1" << QSize(16, 16);
    }

    void markersKeepTheirSizeInSeaMiles()
    {
        QFETCH(QString, marker);
        QFETCH(QSize, design);
        MainWindow w;
        const QSizeF area = w.form().picSee->drawingArea().size();
        const vendral::design::PixelSize designArea = vendral::design::designChartArea(kSunkenBorder);
        const QSize size = control(w, marker)->size();
        // In pixels of this chart: the design size in sm, and one pixel.
        const double across = design.width() * area.width() / designArea.width;
        const double up = design.height() * area.height() / designArea.height;
        QVERIFY2(size.width() >= across - 1 && size.height() >= up - 1, qPrintable(marker));
        QVERIFY2(qAbs(size.width() - across) <= 1 || qAbs(size.height() - up) <= 1, qPrintable(marker));
        const double ratio = double(design.width()) / design.height();
        QVERIFY(qAbs(size.width() - size.height() * ratio) <= (1 + ratio) / 2);
        if (marker != QLatin1String("image2"))
            return;
        // The box's middle, (33, 28) at the design size, to the pixel.
        const QRectF box = w.form().Check1->geometry();
        QCOMPARE(box.size(), QSizeF(16, 16));
        QVERIFY(QRectF(QPoint(), size).contains(box));
        QVERIFY(qAbs(box.center().x() - 33.0 * size.width() / 57) <= 1);
        QVERIFY(qAbs(box.center().y() - 28.0 * size.height() / 46) <= 1);
    }

    // Every point the voyage measures on a marker, a fixed distance in sm
    // from its corner, lies on it: on the island's land or shore (where its
    // picture covers the chart), on the ship's box. (On a portrait screen
    // the island's points stay on its box, though some on its sea.)
    void pointsOfTheVoyageLieOnTheMarkers_data()
    {
        QTest::addColumn<bool>("ship");
        QTest::addColumn<QPointF>("offset"); // sm east and north of the corner
        const auto add = [](const char *name, bool ship, Offset o) {
            QTest::newRow(name) << ship << QPointF(o.east, o.north);
        };
        add("autopilot's aim", false, kAutopilotAim);
        add("arrival circle's centre", false, kArrivalCircleCentre);
        add("arrival test's centre", false,
            {kArrivalCircleCentre.east - kShipArrivalPoint.east, kArrivalCircleCentre.north - kShipArrivalPoint.north});
        add("distance point", false, kDistancePoint);
        add("bearing line's end", false, kIslandBearingPoint);
        add("bearing line's start", true, kShipBearingPoint);
    }

    void pointsOfTheVoyageLieOnTheMarkers()
    {
        QFETCH(bool, ship);
        QFETCH(QPointF, offset);
        MainWindow w;
        const Form &f = w.form();
        Marker *marker = ship ? static_cast<Marker *>(f.image1) : f.image2;
        const QPointF p = f.picSee->toPixel(marker->left() + offset.x(), marker->top() + offset.y()) - marker->pos();
        const QSizeF size = marker->size();
        const QString where =
            QStringLiteral("at %1, %2 of %3 x %4").arg(p.x()).arg(p.y()).arg(size.width()).arg(size.height());
        QVERIFY2(QRectF(QPointF(), size).contains(p), qPrintable(where));
        if (ship)
            return;
        const QImage cover = ownCover(marker);
        const QPoint device = (p * cover.devicePixelRatio()).toPoint();
        QVERIFY2(qAlpha(cover.pixel(device)) == 255, qPrintable(where));
    }

    // The track's last segment ends under the ship symbol, in the middle of
    // its marker, where the ship has just been placed.
    void trackEndsUnderTheShip()
    {
        MainWindow w;
        const Form &f = w.form();
        prepare(w, 50, 50, 1, 0, 6, 10);
        w.timeStep();
        const QImage &image = f.picSee->canvas().image();
        const QRgb yellow = qRgb(240, 240, 2);
        QPoint end(-1, -1);
        for (int y = 0; y < image.height(); ++y)
            for (int x = end.x() + 1; x < image.width(); ++x)
                if (image.pixel(x, y) == yellow)
                    end = QPoint(x, y);
        QVERIFY(end.x() >= 0);
        const QPointF onChart = QPointF(end) / image.devicePixelRatio() + f.picSee->drawingArea().topLeft();
        const QRectF ship = f.image1->geometry();
        const QRectF middle = ship.adjusted(ship.width() / 4, ship.height() / 4, -ship.width() / 4, -ship.height() / 4);
        QVERIFY2(middle.contains(onChart), qPrintable(QStringLiteral("%1, %2").arg(onChart.x()).arg(onChart.y())));
    }

    // Each panel takes its fractions of the screen, to the pixel; the design
    // inside shrinks only on a screen that leaves it less room than it was
    // drawn for, never on one of 1024 x 768 or more.
    void panelsTakeTheirShareOfTheScreen_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QRectF>("share"); // left, top, width, height
        QTest::newRow("control stand") << "Frame3" << QRectF(0.02, 0.005, 0.32, 0.51);
        QTest::newRow("current panel") << "Frame4" << QRectF(0.02, 0.52, 0.32, 0.39);
        QTest::newRow("chart") << "picSee" << QRectF(0.36, 0.015, 0.62, 0.84);
        QTest::newRow("time panel") << "Frame2" << QRectF(0.36, 0.85, 0.62, 0.06);
    }

    void panelsTakeTheirShareOfTheScreen()
    {
        QFETCH(QString, panel);
        QFETCH(QRectF, share);
        MainWindow w;
        const QSizeF screen = w.screen()->size();
        const QRect place = control(w, panel)->geometry();
        const QRectF wanted(share.left() * screen.width(), share.top() * screen.height(),
                            share.width() * screen.width(), share.height() * screen.height());
        // Each of the four rounded to the nearest pixel.
        for (const auto &[got, want] : {std::pair{place.left(), wanted.left()}, {place.top(), wanted.top()},
                                        {place.width(), wanted.width()}, {place.height(), wanted.height()}})
            QVERIFY2(qAbs(got - want) <= 0.5, qPrintable(QStringLiteral("%1 for %2").arg(got).arg(want)));
        const double factor = w.designScale().factor();
        if (screen.width() >= 1024 && screen.height() >= 768)
            QCOMPARE(factor, 1.0);
        else
            QVERIFY(factor < 1);
        QCOMPARE(w.form().txtWinkel->font().pointSizeF(), 10.8 * factor);
    }

    // Every point of every control answers as that control: it lies whole
    // inside the window and its panel, and no other control lies over it.
    void everyPointOfAControlAnswersAsIt()
    {
        auto w = shownWindow();
        const QList<QWidget *> all = controls(*w);
        QVERIFY(all.size() >= 35);
        const QRect client = inWindow(w->centralWidget());
        for (QWidget *control : all) {
            const QRect area = inWindow(control);
            QVERIFY2(client.contains(area), qPrintable(control->objectName()));
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    QWidget *hit = w->childAt(x, y);
                    if (hit != control && !control->isAncestorOf(hit))
                        QFAIL(qPrintable(QStringLiteral("%1 at (%2, %3) answers as %4")
                                             .arg(control->objectName())
                                             .arg(x - area.left())
                                             .arg(y - area.top())
                                             .arg(hit ? hit->objectName() : QStringLiteral("nothing"))));
                }
        }
    }

    // Every caption and every field's text at start-up shows whole, in the
    // font actually used (this test runs once more with Liberation Sans
    // hidden), inside its container, and no control lies over a label's text.
    void textsShowWhole()
    {
        auto w = shownWindow();
        int texts = 0;
        for (QWidget *widget : w->centralWidget()->findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(widget);
            const auto *button = qobject_cast<QAbstractButton *>(widget);
            const auto *field = qobject_cast<QLineEdit *>(widget);
            const QString text = label ? label->text() : button ? button->text() : field ? field->text() : QString();
            if (text.trimmed().isEmpty() || widget == w->form().Check1) // only Check1's box shows, by design
                continue;
            ++texts;
            const QString what = text + QStringLiteral(" in ") + QFontInfo(widget->font()).family();
            QRect where;
            QVERIFY2(showsWholeText(widget, &where), qPrintable(what));
            QVERIFY2(captionFits(widget), qPrintable(what));
            const QRect onPanel = where.translated(widget->pos());
            QVERIFY2(widget->parentWidget()->rect().contains(onPanel), qPrintable(what));
            if (!label)
                continue;
            for (QWidget *other : widget->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (!qobject_cast<QLabel *>(other))
                    QVERIFY2(!other->geometry().intersects(onPanel),
                             qPrintable(what + " under " + other->objectName()));
        }
        QVERIFY(texts >= 40);
    }

    // The read-outs stand one below the other in the chart's top-left
    // corner, the button "x" in its top-right corner.
    void chartControlsInItsCorners()
    {
        MainWindow w;
        const Form &f = w.form();
        const QRect area = f.picSee->drawingArea();
        QCOMPARE(f.txtAbstand->pos(), area.topLeft());
        QCOMPARE(f.txtFdW->geometry().topLeft(), f.txtAbstand->geometry().bottomLeft() + QPoint(0, 1));
        QCOMPARE(f.txtReiseweg->geometry().topLeft(), f.txtFdW->geometry().bottomLeft() + QPoint(0, 1));
        QCOMPARE(f.txtReiseweg->size(), f.txtAbstand->size());
        QCOMPARE(f.Command4->y(), area.top());
        QVERIFY(f.picSee->width() - (f.Command4->geometry().right() + 1) <= 3);
        QVERIFY(area.contains(f.Command4->geometry()));
    }

    // Tab goes through the panels one after the other (control stand,
    // current panel, time panel, chart), through each in rows from the top,
    // left to right within a row, visits every control that takes the focus
    // once, and comes round again.
    void tabFollowsReadingOrder()
    {
        auto w = shownWindow();
        QSet<QWidget *> stops;
        for (QWidget *widget : w->centralWidget()->findChildren<QWidget *>())
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled())
                stops << widget;
        w->form().txtFahrtx->setFocus(Qt::TabFocusReason);
        QList<QWidget *> visited{QApplication::focusWidget()};
        for (int i = 0; i < stops.size(); ++i) {
            QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited.last(), visited.first());
        visited.removeLast();
        QCOMPARE(QSet<QWidget *>(visited.begin(), visited.end()), stops);
        QStringList panels{panelOf(visited.first())->objectName()};
        for (int i = 1; i < visited.size(); ++i) {
            QWidget *from = visited[i - 1], *to = visited[i];
            if (panelOf(from) != panelOf(to)) {
                panels << panelOf(to)->objectName();
                continue;
            }
            // The chart itself comes after the controls lying on it.
            if (to == panelOf(to))
                continue;
            const QPoint a = inWindow(from).topLeft(), b = inWindow(to).topLeft();
            QVERIFY2(b.y() > a.y() || (b.y() == a.y() && b.x() > a.x()),
                     qPrintable(from->objectName() + QStringLiteral(" before ") + to->objectName()));
        }
        QCOMPARE(panels, QStringList({"Frame3", "Frame4", "Frame2", "picSee"}));
    }

    // A caption that does not fit its control shrinks until it shows whole,
    // and no further; one that fits keeps its font.
    void captionShrinksToFit_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("shrinks");
        // Shrunk for its width, a caption is one step from being cut; shrunk
        // for its height, it keeps room for the font's whole line, accents
        // and descenders included, which a caption may not use all of.
        QTest::addColumn<bool>("toTheEdge");
        QTest::newRow("label with room") << "label" << "Verzögerung" << QSize(120, 20) << false << false;
        QTest::newRow("label too narrow") << "label" << "Verzögerung" << QSize(50, 20) << true << true;
        QTest::newRow("label too low") << "label" << "Reisezeit" << QSize(80, 9) << true << false;
        QTest::newRow("wrapped label") << "wrapped" << "volle Kraft voraus" << QSize(50, 26) << true << false;
        QTest::newRow("check box") << "check" << "Autopilot" << QSize(55, 20) << true << true;
        QTest::newRow("button") << "button" << "Schritt dt" << QSize(40, 22) << true << true;
        QTest::newRow("button with room") << "button" << "Stop" << QSize(66, 21) << false << false;
    }

    void captionShrinksToFit()
    {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(bool, shrinks);
        QFETCH(bool, toTheEdge);
        QWidget panel;
        panel.resize(300, 100);
        QWidget *widget = nullptr;
        if (kind == QLatin1String("check"))
            widget = new QCheckBox(caption, &panel);
        else if (kind == QLatin1String("button"))
            widget = new QPushButton(caption, &panel);
        else {
            auto *label = new QLabel(caption, &panel);
            label->setWordWrap(kind == QLatin1String("wrapped"));
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            widget = label;
        }
        QFont font = widget->font();
        font.setPointSizeF(10);
        widget->setFont(font);
        widget->resize(size);
        QCOMPARE(showsWholeText(widget), !shrinks);
        shrinkCaptionToFit(widget);
        QVERIFY(showsWholeText(widget));
        QCOMPARE(widget->font().pointSizeF() < 10, shrinks);
        if (toTheEdge) {
            font.setPointSizeF(widget->font().pointSizeF() + 0.25);
            widget->setFont(font);
            QVERIFY(!showsWholeText(widget));
        }
    }
};

VENDRAL_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
