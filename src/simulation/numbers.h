// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// Number conversions for the text fields. Every value of the voyage lives in a
// text field, so these two functions are the program's only way to read and
// write numbers. Both are independent of the process locale.
namespace vendral {

// Reads the number at the front of `text` the lenient way: leading blanks are
// skipped, blanks inside the number are ignored, an optional sign, digits, one
// "." and an exponent introduced by E or D are read; "&H" and "&O" introduce
// hexadecimal and octal digits. Reading stops at the first character that
// cannot continue the number; no number at all reads as 0. A magnitude beyond
// the range of a double reads as the largest finite value of its sign.
double toNumber(std::string_view text);

// Writes `value` with at most 15 significant digits: a leading blank for zero
// and positive numbers, "-" for negative ones, "." as the decimal point, no 0
// in front of the point, exponent form ("1E+20", "1.5E-07") where the decimal
// exponent is below -4 or 15 and above. Infinities are written as the largest
// finite value of their sign and NaN as 0, so every text reads back.
std::string toText(double value);

// The plain decimal text of a whole number, without a leading blank ("42").
std::string wholeText(double value);

// Rounds down toward minus infinity (floor of -0.5 is -1).
double floorInt(double value);

// Keeps arithmetic results inside the finite doubles: an overflow to an
// infinity becomes the largest finite value of its sign, NaN becomes 0.
double held(double value);

// Converts to single precision the way a control's Left and Top hold it,
// saturating at the largest finite float instead of overflowing.
float toSingle(double value);

} // namespace vendral
