// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/spoken.h"
#include "simulation/voyage.h"

// The rules of the continuous run ("Fahrt"), for any event loop to drive. A
// driver runs a run like this, so that every other handler, a second "Fahrt"
// included, runs while events are handled:
//
//     rules.start(fields, state);
//     handle events;
//     while (handle events, rules.anotherStep()) {
//         wait rules.delay(fields) ms, handling events (end if closing);
//         rules.step(voyage);
//         if (!rules.goesOn(state)) break;
//     }
//     if (rules.finish()) tell that the runs ended, and why (rules.end()).
//
// A "Fahrt" while a run goes on starts a run nested in it; the inner run
// ends first, and the outer one goes on to one more step, after which the
// stop that ended the inner one ends it too.
namespace vendral {

class RunRules
{
public:
    // Why the last run ended.
    enum class End { Stop, Edge, Arrival, Closing };

    // A run starts, nested in the ones that go on, if any. The first one
    // starts the notes for the end report.
    void start(const VoyageFields &fields, VoyageState &state);

    // After events: whether the run makes another step. A stop asked for
    // while events ran takes effect after that step; closing at once.
    bool anotherStep() const { return !closing_; }

    // The delay before a step in milliseconds, read anew each time: the
    // whole number in txtVerz (blanks around it allowed), held within 0 to
    // 100; 0 for any other text.
    static int delay(const VoyageFields &fields);

    // A pass: time step, arrival test, arrival circle.
    void step(const Voyage &voyage);

    // After a step: whether the run goes on.
    bool goesOn(const VoyageState &state) const { return state.stopRequested != 1 && !closing_; }

    // "Stop", and the window closing: every run ends, closing at once.
    void requestStop(VoyageState &state);
    void close(VoyageState &state);

    // The innermost run ends; true when it was the last one.
    bool finish();

    int depth() const { return depth_; }
    bool closing() const { return closing_; }
    End end() const { return end_; }
    // What the runs since the first one started have come to.
    const RunNotes &notes() const { return notes_; }
    // The end report; empty after closing, which nobody is left to hear.
    std::string report(const VoyageFields &fields) const;

private:
    int depth_ = 0;
    bool closing_ = false;
    End end_ = End::Stop;
    RunNotes notes_;
};

} // namespace vendral
