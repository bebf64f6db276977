// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/runrules.h"

#include <functional>
#include <string>
#include <vector>

namespace vendral::web {

// The continuous run in a page, which must never block: a page hands the
// driver slices of time between which it handles input and paints. The runs
// go as on the desktop, where each one is a loop on the stack: the innermost
// run alone steps, a delay is waited out without blocking and ends on time
// whatever happens meanwhile, and events handled between two slices count as
// handled between two steps, so a "Stop" takes effect after one more step.
class RunDriver
{
public:
    // `now` gives milliseconds on a steady clock.
    explicit RunDriver(std::function<double()> now);

    // "Fahrt": a run starts, nested in the ones that go on.
    void start(const Voyage &voyage);
    // "Stop", and the page ending the voyage ("beenden").
    void requestStop(VoyageState &state) { rules_.requestStop(state); }
    void close(VoyageState &state);

    // Runs steps until `until` (on the clock) or until the innermost run
    // waits. Returns the milliseconds until it wants the next slice; a
    // negative number when no run goes on.
    double advance(const Voyage &voyage, double until);

    int depth() const { return rules_.depth(); }
    // Once the last run has ended: why, and the end report (empty after
    // closing). Taking it clears it.
    bool takeEnd(RunRules::End &end, std::string &report, const VoyageFields &fields);

private:
    struct Run
    {
        bool waiting = false;
        double deadline = 0;
    };
    void finishInnermost();

    std::function<double()> now_;
    RunRules rules_;
    std::vector<Run> runs_;
    bool ended_ = false;
};

} // namespace vendral::web
