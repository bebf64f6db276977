// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The voyage core's steps per second without any toolkit, built natively and
// for WebAssembly so that both run the same passes:
//   build/bench/bench_core [seconds]
//   node build-wasm/bench/bench_core.js [seconds]
// Prints "core: S steps/s still, T turning".
#include "corerate.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5;
    testing::Sea still = bench::stillSea();
    const double core = bench::coreRate(still, seconds);
    testing::Sea turning = bench::turningSea();
    const double coreTurning = bench::coreRate(turning, seconds);
    std::printf("core: %.0f steps/s still, %.0f turning\n", core, coreTurning);
}
