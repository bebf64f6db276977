// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One time step through the window: "Schritt dt" moves the ship's fields and
// marker, draws the track and turns the bearing line. The step's arithmetic
// is tested on the voyage core (tst_voyage).
#include "testsupport.h"

#include "chart/bearingline.h"
#include "window/fields.h"

using namespace vendral;
using namespace testing;

class TestTimeStep : public QObject
{
    Q_OBJECT

private slots:
    void eastAtSixKnots()
    {
        MainWindow w;
        prepare(w, 50, 50, 1, 0, 6, 10);
        QCOMPARE(text(w, "txtFahrtv"), QStringLiteral(" 6"));
        QCOMPARE(text(w, "txtdt"), QStringLiteral("10"));
        QTest::mouseClick(w.form().Command1, Qt::LeftButton);
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral(" 51"));
        QCOMPARE(text(w, "txtSchiffy"), QStringLiteral(" 50"));
        // The track runs from (50.8, 49.2) to (51.8, 49.2) in yellow.
        const PictureBox &chart = *w.form().picSee;
        const QColor yellow(240, 240, 2);
        QCOMPARE(pixelAt(chart, 51.3, 49.2), yellow);
        QVERIFY(pixelAt(chart, 50.5, 49.2) != yellow);
        QVERIFY(pixelAt(chart, 52.2, 49.2) != yellow);
        QVERIFY(pixelAt(chart, 51.3, 48.7) != yellow);
        // The marker's corner is 0.2 sm west and 0.4 sm north of the position.
        QCOMPARE(w.form().image1->left(), 50.8f);
        QCOMPARE(w.form().image1->top(), 50.4f);
        QCOMPARE(w.form().picSee->canvas().drawStyle(), Canvas::DrawStyle::Dash);
        QCOMPARE(w.form().picSee->canvas().drawWidth(), 2);
    }

    void bearingLineFollowsTheBox()
    {
        MainWindow w;
        Form &f = w.form();
        prepare(w, 30, 40, 1, 0, 6, 10);
        f.chkPeil->setChecked(true);
        w.timeStep();
        QVERIFY(!f.linpeil->isHidden());
        QCOMPARE(f.linpeil->x1(), f.image1->left() + 1.0f);
        QCOMPARE(f.linpeil->y1(), f.image1->top() - 1.0f);
        QCOMPARE(f.linpeil->x2(), 85.0f);
        QCOMPARE(f.linpeil->y2(), 75.0f);
        f.chkPeil->setChecked(false);
        w.timeStep();
        QVERIFY(f.linpeil->isHidden());
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

VENDRAL_TEST_MAIN(TestTimeStep)
#include "tst_timestep.moc"
