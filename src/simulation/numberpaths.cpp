// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/numberpaths.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vendral::numberpaths {

// The C library follows the process locale's decimal point, which a
// program's locale may have made a comma: the texts here always use ".".
bool readC(const std::string &text, double &value)
{
    std::string local = text;
    const char *point = std::localeconv()->decimal_point;
    if (std::strcmp(point, ".") != 0) {
        const size_t at = local.find('.');
        if (at != std::string::npos)
            local.replace(at, 1, point);
    }
    errno = 0;
    const double read = std::strtod(local.c_str(), nullptr);
    if (errno == ERANGE && (std::isinf(read) || read == 0.0))
        return false;
    value = read;
    return true;
}

std::string writeC(double value)
{
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    const char *point = std::localeconv()->decimal_point;
    if (std::strcmp(point, ".") != 0) {
        const size_t at = text.find(point);
        if (at != std::string::npos)
            text.replace(at, std::strlen(point), ".");
    }
    return text;
}

#if VENDRAL_FLOAT_CHARCONV
bool readLibrary(const std::string &text, double &value)
{
    double read = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), read);
    if (result.ec == std::errc::result_out_of_range)
        return false;
    value = read;
    return true;
}

std::string writeLibrary(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}
#endif

} // namespace vendral::numberpaths
