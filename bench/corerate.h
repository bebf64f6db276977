// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The voyage core alone, without any window: the passes of a run (time step,
// arrival test, arrival circle) on plain data, the limit a run can approach.
// Shared by the desktop's run benchmark and the core's own, which is built
// natively and for WebAssembly.
#pragma once

#include "sea.h"

#include "simulation/runstep.h"

#include <chrono>

namespace bench {

// Passes of a run on plain data for `seconds`, in steps per second.
inline double coreRate(testing::Sea &sea, double seconds)
{
    sea.keepLines = false;
    sea.ticks.insert(vendral::Option::chkAuto);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const auto elapsed = [start] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    double steps = 0;
    while (elapsed() < seconds) {
        for (int i = 0; i < 1000; ++i) {
            sea.state.stopRequested = 0;
            vendral::runStep(sea.voyage());
        }
        steps += 1000;
    }
    return steps / elapsed();
}

// The ship lying still with the autopilot on, and the ship marker's corner on
// the island's aim point at 1 knot, so that the heading turns at most steps.
inline testing::Sea stillSea() { return testing::Sea(10, 10, 1, 0, 0, 1); }

inline testing::Sea turningSea()
{
    testing::Sea sea(85.2, 75.6, 1, 0, 1, 1);
    sea.moveTo(vendral::MarkerName::image1, 85, 76);
    return sea;
}

} // namespace bench
