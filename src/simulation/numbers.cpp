// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/numbers.h"

#include "simulation/numberpaths.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace vendral {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c, int base)
{
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

// Whole number in base 16 or 8. Exact while it fits 64 bits, then carried on
// in double precision, which saturates instead of wrapping.
double readRadix(std::string_view s, size_t i, int base)
{
    std::uint64_t exact = 0;
    double approx = 0.0;
    bool inExact = true;
    for (; i < s.size(); ++i) {
        const int d = digitValue(s[i], base);
        if (d < 0)
            break;
        if (inExact) {
            if (exact <= (UINT64_MAX - static_cast<std::uint64_t>(d)) / static_cast<std::uint64_t>(base)) {
                exact = exact * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
                continue;
            }
            inExact = false;
            approx = static_cast<double>(exact);
        }
        approx = held(approx * base + d);
    }
    return inExact ? static_cast<double>(exact) : approx;
}

// Decimal number: digits, point, digits, exponent. Returns the magnitude.
double readDecimal(std::string_view s, size_t i)
{
    std::string mantissa;
    size_t intDigits = 0;
    size_t firstSignificant = std::string::npos; // index into the digit sequence
    size_t digitCount = 0;
    for (; i < s.size() && isDigit(s[i]); ++i, ++intDigits, ++digitCount) {
        if (firstSignificant == std::string::npos && s[i] != '0')
            firstSignificant = digitCount;
        mantissa += s[i];
    }
    if (i < s.size() && s[i] == '.') {
        mantissa += '.';
        for (++i; i < s.size() && isDigit(s[i]); ++i, ++digitCount) {
            if (firstSignificant == std::string::npos && s[i] != '0')
                firstSignificant = digitCount;
            mantissa += s[i];
        }
    }
    if (digitCount == 0 || firstSignificant == std::string::npos)
        return 0.0;

    // Saturates at 10^9, far beyond any double's range; 64 bits hold ten times
    // that on every platform, where a long may have only 32.
    std::int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        bool negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            negative = s[j++] == '-';
        if (j < s.size() && isDigit(s[j])) {
            for (; j < s.size() && isDigit(s[j]); ++j)
                exponent = std::min<std::int64_t>(exponent * 10 + (s[j] - '0'), 1000000000);
            if (negative)
                exponent = -exponent;
        }
    }
    mantissa += 'e';
    mantissa += std::to_string(exponent);

    double value = 0.0;
    if (!numberpaths::read(mantissa, value)) {
        // Decimal exponent of the leading significant digit decides the side.
        const std::int64_t leading =
            static_cast<std::int64_t>(intDigits) - static_cast<std::int64_t>(firstSignificant) - 1 + exponent;
        return leading > 0 ? DBL_MAX : 0.0;
    }
    return held(value);
}

} // namespace

double toNumber(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c))
            s += c;

    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';

    double magnitude = 0.0;
    if (i + 1 < s.size() && s[i] == '&') {
        const char prefix = s[i + 1];
        if (prefix == 'H' || prefix == 'h')
            magnitude = readRadix(s, i + 2, 16);
        else if (prefix == 'O' || prefix == 'o')
            magnitude = readRadix(s, i + 2, 8);
    } else {
        magnitude = readDecimal(s, i);
    }
    if (magnitude == 0.0)
        return 0.0;
    return negative ? -magnitude : magnitude;
}

std::string toText(double value)
{
    value = held(value);
    if (value == 0.0)
        return " 0";
    std::string s = numberpaths::write(value);
    for (char &c : s)
        if (c == 'e')
            c = 'E';
    const size_t digits = s[0] == '-' ? 1 : 0;
    if (s.compare(digits, 2, "0.") == 0)
        s.erase(digits, 1);
    return value < 0 ? s : " " + s;
}

std::string wholeText(double value)
{
    value = floorInt(held(value));
    if (std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    std::string s = toText(value);
    return s[0] == ' ' ? s.substr(1) : s;
}

double floorInt(double value) { return std::floor(value); }

double held(double value)
{
    if (std::isnan(value))
        return 0.0;
    if (std::isinf(value))
        return std::copysign(DBL_MAX, value);
    return value;
}

float toSingle(double value)
{
    return static_cast<float>(std::clamp(held(value), -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

} // namespace vendral
