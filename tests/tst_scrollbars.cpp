// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The parameter scroll bars: direction, range, and commit-only notification.
#include "testsupport.h"

using namespace vendral;
using namespace testing;

namespace {

// Clicks one part of a scroll bar (an arrow or the track) as a user would.
void clickPart(QScrollBar *bar, QStyle::SubControl part)
{
    QTest::mouseClick(bar, Qt::LeftButton, {}, scrollBarPart(bar, part).center());
}

} // namespace

class TestScrollBars : public QObject
{
    Q_OBJECT

private slots:
    // The vertical bars (the current's answers the keys in tst_userinput)
    // have their largest value on top.
    void speedBarHasItsMaximumOnTop()
    {
        MainWindow w;
        const Form &f = w.form();
        w.show();
        QCOMPARE(text(w, "txtFahrtv"), QStringLiteral("1"));
        clickPart(f.hscfahrtv, QStyle::SC_ScrollBarSubLine); // the upper arrow
        QCOMPARE(text(w, "txtFahrtv"), QStringLiteral(" 2"));
        for (int i = 0; i < 12; ++i)
            clickPart(f.hscfahrtv, QStyle::SC_ScrollBarSubLine);
        QCOMPARE(text(w, "txtFahrtv"), QStringLiteral(" 10"));
        clickPart(f.hscfahrtv, QStyle::SC_ScrollBarAddLine); // the lower arrow
        QCOMPARE(text(w, "txtFahrtv"), QStringLiteral(" 9"));
        // The thumb sits at the top end for the largest value.
        setScrollValue(f.hscfahrtv, 10);
        QCOMPARE(f.hscfahrtv->value(), f.hscfahrtv->minimum());
    }

    void fieldsStayInTheBarsRange_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("speed above range") << "hscfahrtv" << "txtFahrtv" << 12 << " 10";
        QTest::newRow("dt below 1") << "hscdt" << "txtdt" << 0 << "1";
        QTest::newRow("dt above 60") << "hscdt" << "txtdt" << 61 << "60";
        QTest::newRow("delay above 100") << "hscverz" << "txtVerz" << 101 << "100";
    }

    void fieldsStayInTheBarsRange()
    {
        QFETCH(QString, bar);
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(QString, expected);
        MainWindow w;
        auto *scroll = control<QScrollBar>(w, bar);
        setScrollValue(scroll, 5); // a first change, so that every row changes
        setScrollValue(scroll, value);
        QCOMPARE(control<QLineEdit>(w, field)->text(), expected);
    }

    // While the thumb is dragged the field stands still; the release commits.
    void thumbDragCommitsOnRelease()
    {
        MainWindow w;
        QScrollBar *bar = w.form().hscdt;
        QSignalSpy changes(bar, &QScrollBar::valueChanged);
        bar->setSliderDown(true);
        bar->setSliderPosition(30);
        bar->setSliderPosition(45);
        QCOMPARE(text(w, "txtdt"), QStringLiteral("1"));
        QCOMPARE(changes.count(), 0);
        bar->setSliderDown(false);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(text(w, "txtdt"), QStringLiteral("45"));
    }

    // The track above the thumb raises the speed, at the press.
    void trackClickCommitsAtOnce()
    {
        MainWindow w;
        w.show();
        clickPart(w.form().hscfahrtv, QStyle::SC_ScrollBarSubPage);
        QCOMPARE(text(w, "txtFahrtv"), QStringLiteral(" 2"));
        clickPart(w.form().hscfahrtv, QStyle::SC_ScrollBarAddPage);
        QCOMPARE(text(w, "txtFahrtv"), QStringLiteral(" 1"));
    }
};

VENDRAL_TEST_MAIN(TestScrollBars)
#include "tst_scrollbars.moc"
