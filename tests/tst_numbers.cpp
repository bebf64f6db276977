// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Text-to-number and number-to-text conversions of the text fields, in the C
// locale and in a German one (where the decimal separator would be a comma).
#include "shared/check.h"

#include "simulation/numbers.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

using namespace vendral;

namespace {

// Each check runs in the C locale and again in a German one, whose decimal
// separator is a comma that the conversions must not follow. WebAssembly
// has the C locale only.
template <typename Check> void inEveryLocale(Check check)
{
    check();
#ifndef __EMSCRIPTEN__
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") && *std::localeconv()->decimal_point == ',';
    if (german)
        check();
    std::setlocale(LC_ALL, "C");
    if (!german)
        check::fail(__FILE__, __LINE__, "the de_DE.UTF-8 locale is missing: scripts/setup generates it");
#endif
}

struct Reading
{
    const char *row;
    std::string text;
    double expected;
};

const Reading readings[] = {
    {"empty", "", 0.0},
    {"blanks", "   ", 0.0},
    {"letters", "abc", 0.0},
    {"whole", "42", 42.0},
    {"leading blank", " 51", 51.0},
    {"point without zero", " .5", 0.5},
    {"a tenth", " .1", 0.1},
    {"zeros after the point", ".001", 0.001},
    {"every decimal digit", "0123456789", 123456789.0},
    {"negative point", "-.25", -0.25},
    {"comma is no separator", "1,5", 1.0},
    {"blanks inside", " 1 2 . 5", 12.5},
    {"tab and sign", "\t+7", 7.0},
    {"line feed inside", "1\n2", 12.0},
    {"stops at letter", "12abc", 12.0},
    {"second point stops", "1.2.3", 1.2},
    {"exponent E", "1.5E3", 1500.0},
    {"exponent D", "2D-2", 0.02},
    {"exponent lower case", "3e2", 300.0},
    {"bare exponent letter", "4E", 4.0},
    {"exponent sign only", "4E+", 4.0},
    {"minus zero", "-0", 0.0},
    {"unit after number", " 1d", 1.0},
    {"degrees", " 45\u00b0", 45.0},
    {"hex", "&HFF", 255.0},
    {"hex lower", "&hff", 255.0},
    {"negative hex", "-&H10", -16.0},
    {"octal", "&O17", 15.0},
    {"octal stops at 8", "&O178", 15.0},
    {"every octal digit", "&o01234567", 342391.0},
    {"every hex digit", "&H0123456789", 4886718345.0},
    {"hex letters", "&HABCDEF", 11259375.0},
    {"hex lower letters", "&habcdef", 11259375.0},
    {"hex stops at G", "&HFG", 15.0},
    {"hex stops at a colon", "&HF:", 15.0},
    // 2^57 + 24: rounded once, to the nearest double, not digit by digit.
    {"hex rounded once", "&H200000000000018", 144115188075855904.0},
    {"ampersand alone", "&", 0.0},
    {"hex without digits", "&H", 0.0},
    {"hex 64 bit", "&H7FFFFFFFFFFFFFFF", 9223372036854775807.0},
    {"hex 2 to the 64", "&H10000000000000000", 18446744073709551616.0},
    {"hex beyond 64 bit", "&HFFFFFFFFFFFFFFFFFF", 4722366482869645213695.0},
    {"overflow", "1e999", DBL_MAX},
    {"negative overflow", "-1e999", -DBL_MAX},
    {"huge exponent digits", "1e99999999999999999999", DBL_MAX},
    {"underflow", "1e-999", 0.0},
    {"largest finite", "1.7976931348623157E+308", DBL_MAX},
    {"toText of largest", " 1.79769313486232E+308", DBL_MAX},
    {"fifteen digits", " 50.0166666666667", 50.0166666666667},
    {"zeros before exponent overflow", "0.000001e314", 1e308},
};

TEST(toNumberReads)
{
    for (const Reading &r : readings) {
        check::Row row(r.row);
        inEveryLocale([&] {
            // Read correctly rounded, as the compiler reads the literal.
            const double value = toNumber(r.text);
            CHECK_EQ(value, r.expected);
            CHECK(!std::signbit(value) || value < 0);
        });
    }
}

TEST(toNumberLongTexts)
{
    inEveryLocale([] {
        const std::string digits(10000, '9');
        CHECK_EQ(toNumber(digits), DBL_MAX);
        CHECK_EQ(toNumber("." + digits), 1.0);
        CHECK_EQ(toNumber(std::string(10000, 'F').insert(0, "&H")), DBL_MAX);
        CHECK_EQ(toNumber(std::string(5000, '0') + "12"), 12.0);
        CHECK_EQ(toNumber(std::string(5000, '0') + "1e-999"), 0.0);
        CHECK_EQ(toNumber("1." + std::string(10000, '0') + "1e309"), DBL_MAX);
    });
}

struct Writing
{
    const char *row;
    double value;
    std::string expected;
};

const Writing writings[] = {
    {"zero", 0.0, " 0"},
    {"minus zero", -0.0, " 0"},
    {"one digit", 7.0, " 7"},
    {"whole", 51.0, " 51"},
    {"negative whole", -3.0, "-3"},
    {"half", 0.5, " .5"},
    {"negative quarter", -0.25, "-.25"},
    {"fifteen digits", 50.0 + 1.0 / 60.0, " 50.0166666666667"},
    {"thousandths", 0.707, " .707"},
    {"negative thousandths", -0.708, "-.708"},
    {"rounded to 15", 0.1 + 0.2, " .3"},
    {"large whole", 123456789012345.0, " 123456789012345"},
    {"exponent large", 1e20, " 1E+20"},
    {"exponent small", 1.5e-7, " 1.5E-07"},
    {"ten thousandth", 0.0001, " .0001"},
    {"infinity held", HUGE_VAL, " 1.79769313486232E+308"},
    {"minus infinity held", -HUGE_VAL, "-1.79769313486232E+308"},
    {"nan", std::nan(""), " 0"},
};

TEST(toTextWrites)
{
    for (const Writing &w : writings) {
        check::Row row(w.row);
        inEveryLocale([&] { CHECK_EQ(toText(w.value), w.expected); });
    }
}

// What is written reads back to the value shown, and writing that again gives
// the same text: positions survive every step unchanged.
TEST(toTextReadsBack)
{
    const struct
    {
        const char *row;
        double value;
    } values[] = {
        {"third", 1.0 / 3.0}, {"tiny", 3.3e-300},           {"denormal", 4.9e-324},         {"huge", 9.87654321e307},
        {"largest", DBL_MAX}, {"negative largest", -DBL_MAX}, {"position", 97.0000000000001},
    };
    for (const auto &v : values) {
        check::Row row(v.row);
        inEveryLocale([&] {
            const std::string text = toText(v.value);
            const double back = toNumber(text);
            CHECK_EQ(toText(back), text);
            CHECK_NEAR(back, v.value, std::fabs(v.value) * 1e-14);
        });
    }
}

TEST(wholeTextHasNoBlank)
{
    CHECK_EQ(wholeText(42), std::string("42"));
    CHECK_EQ(wholeText(-1), std::string("-1"));
    CHECK_EQ(wholeText(1e300), std::string("1E+300"));
    // Digit by digit below 10^15, from there on as toText writes it.
    CHECK_EQ(wholeText(999999999999999), std::string("999999999999999"));
    CHECK_EQ(wholeText(1e15), std::string("1E+15"));
}

TEST(floorRoundsDown)
{
    CHECK_EQ(floorInt(-0.5), -1.0);
    CHECK_EQ(floorInt(3.99), 3.0);
}

TEST(heldValuesStayFinite)
{
    CHECK_EQ(held(HUGE_VAL), DBL_MAX);
    CHECK_EQ(held(-HUGE_VAL), -DBL_MAX);
    CHECK_EQ(held(std::nan("")), 0.0);
    CHECK_EQ(toSingle(1e300), FLT_MAX);
    CHECK_EQ(toSingle(-1e300), -FLT_MAX);
    CHECK_EQ(toSingle(42.9), 42.9f);
}

} // namespace

CHECK_MAIN()
