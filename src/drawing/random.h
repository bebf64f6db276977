// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace vendral {

// Uniform reals in [0, 1) from a fixed seed, so that every start of the
// program produces the same sequence (xorshift64*, exact on every platform).
class Random
{
public:
    double next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        const std::uint64_t bits = state_ * 0x2545F4914F6CDD1DULL;
        return static_cast<double>(bits >> 11) * 0x1.0p-53;
    }

private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

} // namespace vendral
