// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window's controls as they stand after start-up: where each lies, what
// it shows, and what neither a picture nor a screen reader tells.
#include "testsupport.h"

#include "design/controltable.h"
#include "layout/artwork.h"
#include "layout/designscale.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

using namespace vendral;
using namespace testing;

namespace {

QString qText(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    // Every control is made as its row in the design's table says, and the
    // menu bar holds the table's commands in order, none opening a menu.
    void controlsAsTheTableSays()
    {
        MainWindow w;
        for (const design::ControlRow &row : design::kControls) {
            const QString name = qText(row.name);
            QWidget *widget = control(w, name);
            QVERIFY2(widget->parentWidget()->objectName() == qText(row.parent), qPrintable(name));
            QVERIFY2(widget->toolTip() == qText(row.tooltip), qPrintable(name));
            QString caption;
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                caption = button->text();
            else if (auto *frame = qobject_cast<QGroupBox *>(widget))
                caption = frame->title();
            else if (auto *label = qobject_cast<QLabel *>(widget))
                caption = label->text();
            // A field's text is the initial state's by now.
            if (row.kind != design::Kind::Edit)
                QVERIFY2(caption == qText(row.caption), qPrintable(name));
            if (row.points > 0 && !row.has(design::BoxOnly)) {
                QVERIFY2(widget->font().pointSizeF() <= row.points * w.designScale().factor(), qPrintable(name));
                QVERIFY2(widget->font().bold() == row.has(design::Bold), qPrintable(name));
            }
            if (auto *field = qobject_cast<QLineEdit *>(widget)) {
                QVERIFY2(field->isReadOnly() == row.has(design::ReadOnly), qPrintable(name));
                QVERIFY2(bool(field->alignment() & Qt::AlignHCenter) == row.has(design::Centred), qPrintable(name));
                if (row.text)
                    QVERIFY2(field->palette().color(QPalette::Text) == toQColor(*row.text), qPrintable(name));
            }
            if (auto *check = qobject_cast<QCheckBox *>(widget))
                QVERIFY2(check->isChecked() == row.has(design::Ticked), qPrintable(name));
        }
        const QList<QAction *> actions = w.menuBar()->actions();
        QCOMPARE(actions.size(), int(std::size(design::kMenu)));
        for (int i = 0; i < actions.size(); ++i) {
            QCOMPARE(actions[i]->objectName(), qText(design::kMenu[i].name));
            QCOMPARE(actions[i]->text(), qText(design::kMenu[i].caption));
            QVERIFY(!actions[i]->menu());
        }
    }

    void windowCaptionAndIcon()
    {
        MainWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Vendral"));
        const QList<QSize> sizes = w.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)));
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(iconImage(32).colorCount() <= 16);
    }

    void islandPictureOnTheChartsBlue()
    {
        const QImage island = islandPicture();
        QCOMPARE(island.size(), QSize(57, 46));
        for (const QPoint corner : {QPoint(0, 0), QPoint(56, 0), QPoint(0, 45), QPoint(56, 45)})
            QCOMPARE(island.pixelColor(corner), toQColor(palette::kChartBlue));
        QVERIFY(island.pixelColor(32, 25) != toQColor(palette::kChartBlue));
    }

    void markersMoveThroughTheirProperties()
    {
        MainWindow w;
        Marker *ship = w.form().image1;
        QVERIFY(ship->setProperty("left", 42.9f));
        QVERIFY(ship->setProperty("top", 17.2f));
        QCOMPARE(ship->left(), 42.9f);
        QCOMPARE(ship->top(), 17.2f);
        const QPointF corner = w.form().picSee->toPixel(42.9, 17.2);
        QVERIFY(qAbs(ship->x() - corner.x()) <= 0.5);
        QVERIFY(qAbs(ship->y() - corner.y()) <= 0.5);
    }
};

VENDRAL_TEST_MAIN(TestWindow)
#include "tst_window.moc"
