// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The number conversions' two library paths against each other: the C
// library's, which the WebAssembly build uses, must read and write exactly
// as the C++ library's, on ten million values (or as many as the first
// argument or VENDRAL_PATH_VALUES says), in the C locale and in a German one.
#include "shared/check.h"

#include "simulation/numberpaths.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

using namespace vendral;

namespace {

long count = 10'000'000;

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Both paths read `text` alike: in range or not, and to the same bits.
bool readAlike(const std::string &text)
{
    double c = 0, library = 0;
    const bool cInRange = numberpaths::readC(text, c);
    const bool libraryInRange = numberpaths::readLibrary(text, library);
    return cInRange == libraryInRange && (!cInRange || bitsOf(c) == bitsOf(library));
}

// A decimal text as the reading builds one: digits, maybe a point among
// them, an exponent; now and then far beyond a double's range either way.
std::string decimalText(std::mt19937_64 &random)
{
    std::string text;
    const int digits = 1 + int(random() % 25);
    const int point = int(random() % (digits + 2));
    for (int i = 0; i < digits; ++i) {
        if (i == point)
            text += '.';
        text += char('0' + random() % 10);
    }
    const int spread = random() % 8 == 0 ? 700 : 40;
    text += 'e' + std::to_string(int(random() % (2 * spread + 1)) - spread);
    return text;
}

// Random bits give every exponent, subnormals included, with equal weight.
double anyFinite(std::mt19937_64 &random)
{
    for (;;) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            return value;
    }
}

void comparePaths(long values, std::uint64_t seed)
{
    std::mt19937_64 random(seed);
    long differences = 0;
    for (long i = 0; i < values / 2; ++i) {
        const std::string text = decimalText(random);
        if (!readAlike(text) && ++differences <= 5)
            check::fail(__FILE__, __LINE__, "read differently: " + text);

        const double value = anyFinite(random);
        const std::string c = numberpaths::writeC(value), library = numberpaths::writeLibrary(value);
        if (c != library && ++differences <= 5)
            check::fail(__FILE__, __LINE__, "written as " + c + " and as " + library);
        if (!readAlike(library) && ++differences <= 5)
            check::fail(__FILE__, __LINE__, "written text read differently: " + library);
    }
    CHECK_EQ(differences, 0L);
}

TEST(bothPathsAgree)
{
    comparePaths(count, 1);
}

// The C library follows the locale's decimal point; the texts do not.
TEST(bothPathsAgreeInAGermanLocale)
{
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") && *std::localeconv()->decimal_point == ',';
    CHECK(german);
    if (german)
        comparePaths(count / 20, 2);
    std::setlocale(LC_ALL, "C");
}

// The edges of a double's range, where the paths most easily part.
TEST(bothPathsAgreeAtTheEdges)
{
    for (const char *text : {"4.9406564584124654e-324", "2.4703282292062327e-324", "2.4703282292062328e-324",
                             "1e-324", "2.2250738585072011e-308", "2.2250738585072014e-308",
                             "1.7976931348623157e308", "1.7976931348623158e308", "1.797693134862315807e308",
                             "1.7976931348623159e308", "0e999", "0.000e-999", "1e-999", "1e999", "9e-325"}) {
        check::Row row(text);
        CHECK(readAlike(text));
    }
}

// Short texts, which random bits hardly ever give.
TEST(bothPathsAgreeOnShortTexts)
{
    for (const double value : {0.0, 5.0, -5.0, 0.5, 42.0}) {
        const std::string text = numberpaths::writeLibrary(value);
        check::Row row(text);
        CHECK_EQ(numberpaths::writeC(value), text);
        CHECK(readAlike(text));
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (const char *values = std::getenv("VENDRAL_PATH_VALUES"))
        count = std::max(1L, std::strtol(values, nullptr, 10));
    if (argc > 1 && std::strtol(argv[1], nullptr, 10) > 0) {
        count = std::strtol(argv[1], nullptr, 10);
        --argc, ++argv;
    }
    return check::runAll(argc, argv);
}
