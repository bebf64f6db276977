// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One time step through the window: "Schritt dt" moves the ship's fields and
// marker and draws the track; and the fields' texts as the step reads them.
// The step's arithmetic and the bearing line it turns are tested on the
// voyage core (tst_voyage), the track's pixels by the reference pictures
// (tst_dials), the bearing line's widget by tst_placement.
#include "testsupport.h"

#include "form/fields.h"

using namespace vendral;
using namespace testing;

class TestTimeStep : public QObject
{
    Q_OBJECT

private slots:
    // "Schritt dt" makes a step: the position fields and the ship's marker
    // move, the track is drawn with the step's pen.
    void stepThroughTheWindow()
    {
        MainWindow w;
        prepare(w, 50, 50, 1, 0, 6, 10);
        QTest::mouseClick(w.form().Command1, Qt::LeftButton);
        QCOMPARE(text(w, "txtSchiffx"), QStringLiteral(" 51"));
        QCOMPARE(text(w, "txtSchiffy"), QStringLiteral(" 50"));
        QCOMPARE(w.form().image1->left(), 50.8f);
        QCOMPARE(w.form().image1->top(), 50.4f);
        QCOMPARE(w.form().picSee->canvas().drawStyle(), Canvas::DrawStyle::Dash);
        QCOMPARE(w.form().picSee->canvas().drawWidth(), 2);
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
