// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <version>

// The two ways the number conversions reach a library: the C++ library's
// std::from_chars and std::to_chars, where it has them for floating point,
// and the C library's strtod and snprintf, where it has not (WebAssembly's
// libc++). Both read every text to the same value and write every value as
// the same text; the conversions use the first where it exists.
namespace vendral::numberpaths {

#if defined(__cpp_lib_to_chars)
#define VENDRAL_FLOAT_CHARCONV 1
#else
#define VENDRAL_FLOAT_CHARCONV 0
#endif

// Reads a plain decimal text ("123.45e-6": digits, at most one point, an
// exponent) into `value`; false where its value lies beyond a double's range,
// too large or too small to be told from 0.
bool readC(const std::string &text, double &value);
// Writes `value` (finite) with at most 15 significant digits, as printf's
// "%.15g" does in the C locale ("1.5e-07").
std::string writeC(double value);

#if VENDRAL_FLOAT_CHARCONV
bool readLibrary(const std::string &text, double &value);
std::string writeLibrary(double value);
#endif

inline bool read(const std::string &text, double &value)
{
#if VENDRAL_FLOAT_CHARCONV
    return readLibrary(text, value);
#else
    return readC(text, value);
#endif
}

inline std::string write(double value)
{
#if VENDRAL_FLOAT_CHARCONV
    return writeLibrary(value);
#else
    return writeC(value);
#endif
}

} // namespace vendral::numberpaths
