// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Text-to-number and number-to-text conversions of the text fields, in the C
// locale and in a German one (where the decimal separator would be a comma).
#include "simulation/numbers.h"

#include <QLocale>
#include <QtTest>

#include <cfloat>
#include <clocale>
#include <cmath>

using namespace vendral;

class TestNumbers : public QObject
{
    Q_OBJECT

private:
    // Each check runs in the C locale and again in a German one, whose
    // decimal separator is a comma that the conversions must not follow.
    template <typename Check> void inEveryLocale(Check check)
    {
        check();
        const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") && *std::localeconv()->decimal_point == ',';
        if (german) {
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
            check();
        }
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        QVERIFY2(german, "the de_DE.UTF-8 locale is missing: scripts/setup generates it");
    }

private slots:
    void toNumberReads_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks") << "   " << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("whole") << "42" << 42.0;
        QTest::newRow("leading blank") << " 51" << 51.0;
        QTest::newRow("point without zero") << " .5" << 0.5;
        QTest::newRow("negative point") << "-.25" << -0.25;
        QTest::newRow("comma is no separator") << "1,5" << 1.0;
        QTest::newRow("blanks inside") << " 1 2 . 5" << 12.5;
        QTest::newRow("tab and sign") << "\t+7" << 7.0;
        QTest::newRow("stops at letter") << "12abc" << 12.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("exponent E") << "1.5E3" << 1500.0;
        QTest::newRow("exponent D") << "2D-2" << 0.02;
        QTest::newRow("exponent lower case") << "3e2" << 300.0;
        QTest::newRow("bare exponent letter") << "4E" << 4.0;
        QTest::newRow("exponent sign only") << "4E+" << 4.0;
        QTest::newRow("minus zero") << "-0" << 0.0;
        QTest::newRow("unit after number") << " 1d" << 1.0;
        QTest::newRow("degrees") << " 45\u00b0" << 45.0;
        QTest::newRow("hex") << "&HFF" << 255.0;
        QTest::newRow("hex lower") << "&hff" << 255.0;
        QTest::newRow("negative hex") << "-&H10" << -16.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O178" << 15.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("hex without digits") << "&H" << 0.0;
        QTest::newRow("hex 64 bit") << "&H7FFFFFFFFFFFFFFF" << 9223372036854775807.0;
        QTest::newRow("hex beyond 64 bit") << "&HFFFFFFFFFFFFFFFFFF" << 4722366482869645213695.0;
        QTest::newRow("overflow") << "1e999" << DBL_MAX;
        QTest::newRow("negative overflow") << "-1e999" << -DBL_MAX;
        QTest::newRow("huge exponent digits") << "1e99999999999999999999" << DBL_MAX;
        QTest::newRow("underflow") << "1e-999" << 0.0;
        QTest::newRow("largest finite") << "1.7976931348623157E+308" << DBL_MAX;
        QTest::newRow("toText of largest") << " 1.79769313486232E+308" << DBL_MAX;
        QTest::newRow("fifteen digits") << " 50.0166666666667" << 50.0166666666667;
        QTest::newRow("zeros before exponent overflow") << "0.000001e314" << 1e308;
    }

    void toNumberReads()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        inEveryLocale([&] {
            const double value = toNumber(text.toStdString());
            if (expected == 0.0)
                QCOMPARE(value, 0.0);
            else
                QVERIFY2(std::fabs(value - expected) <= std::fabs(expected) * 1e-15,
                         qPrintable(QString::number(value, 'g', 17)));
            QVERIFY(!std::signbit(value) || value < 0);
        });
    }

    void toNumberLongTexts()
    {
        inEveryLocale([] {
            const std::string digits(10000, '9');
            QCOMPARE(toNumber(digits), DBL_MAX);
            QCOMPARE(toNumber("." + digits), 1.0);
            QCOMPARE(toNumber(std::string(10000, 'F').insert(0, "&H")), DBL_MAX);
            QCOMPARE(toNumber(std::string(5000, '0') + "12"), 12.0);
        });
    }

    void toTextWrites_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("minus zero") << -0.0 << " 0";
        QTest::newRow("whole") << 51.0 << " 51";
        QTest::newRow("negative whole") << -3.0 << "-3";
        QTest::newRow("half") << 0.5 << " .5";
        QTest::newRow("negative quarter") << -0.25 << "-.25";
        QTest::newRow("fifteen digits") << 50.0 + 1.0 / 60.0 << " 50.0166666666667";
        QTest::newRow("thousandths") << 0.707 << " .707";
        QTest::newRow("negative thousandths") << -0.708 << "-.708";
        QTest::newRow("rounded to 15") << 0.1 + 0.2 << " .3";
        QTest::newRow("large whole") << 123456789012345.0 << " 123456789012345";
        QTest::newRow("exponent large") << 1e20 << " 1E+20";
        QTest::newRow("exponent small") << 1.5e-7 << " 1.5E-07";
        QTest::newRow("ten thousandth") << 0.0001 << " .0001";
        QTest::newRow("infinity held") << HUGE_VAL << " 1.79769313486232E+308";
        QTest::newRow("minus infinity held") << -HUGE_VAL << "-1.79769313486232E+308";
        QTest::newRow("nan") << std::nan("") << " 0";
    }

    void toTextWrites()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        inEveryLocale([&] { QCOMPARE(QString::fromStdString(toText(value)), expected); });
    }

    // What is written reads back to the value shown, and writing that again
    // gives the same text: positions survive every step unchanged.
    void toTextReadsBack_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("third") << 1.0 / 3.0;
        QTest::newRow("tiny") << 3.3e-300;
        QTest::newRow("denormal") << 4.9e-324;
        QTest::newRow("huge") << 9.87654321e307;
        QTest::newRow("largest") << DBL_MAX;
        QTest::newRow("negative largest") << -DBL_MAX;
        QTest::newRow("position") << 97.0000000000001;
    }

    void toTextReadsBack()
    {
        QFETCH(double, value);
        inEveryLocale([&] {
            const std::string text = toText(value);
            const double back = toNumber(text);
            QCOMPARE(toText(back), text);
            QVERIFY(std::fabs(back - value) <= std::fabs(value) * 1e-14);
        });
    }

    void wholeTextHasNoBlank()
    {
        QCOMPARE(QString::fromStdString(wholeText(42)), QStringLiteral("42"));
        QCOMPARE(QString::fromStdString(wholeText(-1)), QStringLiteral("-1"));
        QCOMPARE(QString::fromStdString(wholeText(1e300)), QStringLiteral("1E+300"));
    }

    void floorRoundsDown()
    {
        QCOMPARE(floorInt(-0.5), -1.0);
        QCOMPARE(floorInt(3.99), 3.0);
    }

    void heldValuesStayFinite()
    {
        QCOMPARE(held(HUGE_VAL), DBL_MAX);
        QCOMPARE(held(-HUGE_VAL), -DBL_MAX);
        QCOMPARE(held(std::nan("")), 0.0);
        QCOMPARE(toSingle(1e300), FLT_MAX);
        QCOMPARE(toSingle(-1e300), -FLT_MAX);
        QCOMPARE(toSingle(42.9), 42.9f);
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
