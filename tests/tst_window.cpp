// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window after start-up: its controls as the design's table makes them,
// what neither a picture nor a screen reader tells, the initial state; the
// menu commands and the travel counters; and how a field's text is read.
#include "testsupport.h"

#include "design/controltable.h"
#include "form/fields.h"
#include "form/voyagerun.h"
#include "layout/artwork.h"
#include "layout/designscale.h"

#include "chart/bearingline.h"

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

private:
    // Sails three steps with the bearing line showing, the ship elsewhere.
    static void sail(MainWindow &w)
    {
        prepare(w, 40, 30, 1, 1, 6, 10, 2);
        w.form().chkPeil->setChecked(true);
        for (int i = 0; i < 3; ++i)
            w.timeStep();
    }

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

    // What start-up writes besides the initial state (which is tested on
    // plain data): the distance, the current's speed from its bar, and the
    // design's texts of the bars' fields.
    void initialState()
    {
        MainWindow w;
        const Form &f = w.form();
        const std::pair<const char *, const char *> fields[] = {
            {"txtSchiffx", "10"}, {"txtInsely", "80"},  {"txtWinkel", " 90°"}, {"txtStromW", " 0°"},
            {"txtReisezeitmin", "0"}, {"txtFdW", ""},  {"txtAbstand", "Entfernung zur Insel 98 sm"},
            {"txtFahrtv", "1"},   {"txtStromv", " 1"}, {"txtdt", "1"},        {"txtVerz", "0"},
        };
        for (const auto &[name, shown] : fields)
            QCOMPARE(text(w, name), QString::fromUtf8(shown));
        QCOMPARE(QPointF(f.image1->left(), f.image1->top()), QPointF(10, 10));
        QCOMPARE(QPointF(f.image2->left(), f.image2->top()), QPointF(80, 80));
        QVERIFY(f.linpeil->isHidden());
    }

    // "Startzustand" after a voyage puts markers and fields back and the
    // counters to zero (the whole state is tested on the core).
    void startStateByMenu()
    {
        MainWindow w;
        const Form &f = w.form();
        sail(w);
        f.cmdStart->trigger();
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral("10"));
        QCOMPARE(text(w, "txtReisezeitmin"), QStringLiteral("0"));
        QCOMPARE(QPointF(f.image1->left(), f.image1->top()), QPointF(10, 10));
        QVERIFY(f.linpeil->isHidden());
        QCOMPARE(w.voyage().state().travelTime, 0.0);
    }

    // The menu and the "x" of the time panel clear the counters (tested on
    // the core) but leave the ship, the distance and the track.
    void stageCountersReset_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu Etappenzähler löschen") << "menu";
        QTest::newRow("x in the time panel") << "button";
    }

    void stageCountersReset()
    {
        QFETCH(QString, how);
        MainWindow w;
        const Form &f = w.form();
        sail(w);
        const QString ship = text(w, "txtSchiffx");
        const QString distance = text(w, "txtAbstand");
        const int yellow = countColour(*f.picSee, QColor(240, 240, 2));
        if (how == QLatin1String("menu"))
            f.cmdEtap->trigger();
        else
            QTest::mouseClick(f.Command2, Qt::LeftButton);
        QCOMPARE(text(w, "txtReisezeitmin"), QStringLiteral("0"));
        QCOMPARE(text(w, "txtReiseweg"), QString());
        QCOMPARE(text(w, "txtSchiffx"), ship);
        QCOMPARE(text(w, "txtAbstand"), distance);
        QCOMPARE(countColour(*f.picSee, QColor(240, 240, 2)), yellow);
        w.timeStep();
        QCOMPARE(text(w, "txtReisezeitmin"), QStringLiteral(" 10m"));
    }

    void endClosesTheWindow()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.form().cmdend->trigger();
        QVERIFY(!w.isVisible());
        QVERIFY(w.voyageRun()->closing());
    }

    // Fields are read without a detour through a copy when their text is
    // short and plain; every text reads as its UTF-8 bytes would.
    void fieldTextsReadAsTheirBytes()
    {
        for (const QString &text : {QString(), QStringLiteral(" 12.5E3x"), QStringLiteral("7\u00b0"),
                                    QStringLiteral("\u00e9 1"), QString(64, QLatin1Char('9')),
                                    QString(65, QLatin1Char('9')), QStringLiteral("4") + QChar(0) + QStringLiteral("2")}) {
            FieldText read;
            readText(text, read);
            QCOMPARE(read.view(), text.toStdString());
        }
    }
};

VENDRAL_TEST_MAIN(TestWindow)
#include "tst_window.moc"
