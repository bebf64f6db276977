// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// libFuzzer target for the number conversions of the text fields, built with
// clang by scripts/fuzz. The input is read as text, and its first eight bytes
// also as the bits of a double. Any broken property aborts with a message.
#include "simulation/numberpaths.h"
#include "simulation/numbers.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace vendral;

namespace {

[[noreturn]] void fail(const char *what, const std::string &text)
{
    std::fprintf(stderr, "fuzz_numbers: %s: \"%s\"\n", what, text.c_str());
    std::abort();
}

// A value read from any text is a finite number, never minus zero.
double readChecked(std::string_view text)
{
    const double value = toNumber(text);
    if (!std::isfinite(value))
        fail("read a value that is not finite", std::string(text));
    if (value == 0.0 && std::signbit(value))
        fail("read minus zero", std::string(text));
    return value;
}

// What toText writes reads back to a value that writes the same text again.
void checkWritten(double value)
{
    // The C library's path, which WebAssembly takes, writes as the C++
    // library's.
    if (std::isfinite(value) && numberpaths::writeC(value) != numberpaths::writeLibrary(value))
        fail("written differently by the C library", numberpaths::writeLibrary(value));
    const std::string text = toText(value);
    const std::string again = toText(readChecked(text));
    if (again != text)
        fail(("written again as \"" + again + "\"").c_str(), text);

    // A whole number below 10^15 is written exactly, a larger one rounded to
    // 15 digits as toText does; either way its text reads back unchanged.
    const double whole = floorInt(held(value));
    const std::string plain = wholeText(value);
    const double back = readChecked(plain);
    if (std::fabs(whole) < 1e15 ? back != whole : wholeText(back) != plain)
        fail("whole number text reads back differently", plain);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    checkWritten(readChecked(text));

    if (size >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        checkWritten(bits);
    }
    return 0;
}
