// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/rundriver.h"

namespace vendral::web {

RunDriver::RunDriver(std::function<double()> now)
    : now_(std::move(now))
{
}

void RunDriver::start(const Voyage &voyage)
{
    if (rules_.closing())
        return;
    rules_.start(voyage.fields, voyage.state);
    runs_.push_back(Run{});
}

void RunDriver::close(VoyageState &state)
{
    rules_.close(state);
    while (!runs_.empty())
        finishInnermost();
}

void RunDriver::finishInnermost()
{
    runs_.pop_back();
    if (rules_.finish())
        ended_ = true;
}

double RunDriver::advance(const Voyage &voyage, double until)
{
    bool stepped = false;
    while (!runs_.empty()) {
        Run &run = runs_.back();
        const double now = now_();
        if (!run.waiting) {
            // The delay is read anew before every step.
            if (const int ms = RunRules::delay(voyage.fields); ms > 0) {
                run.waiting = true;
                run.deadline = now + ms;
            }
        }
        if (run.waiting && now < run.deadline)
            return run.deadline - now;
        // Every slice makes at least one step, however late it comes.
        if (stepped && now >= until)
            return 0;
        run.waiting = false;
        rules_.step(voyage);
        stepped = true;
        if (!rules_.goesOn(voyage.state))
            finishInnermost();
    }
    return -1;
}

bool RunDriver::takeEnd(RunRules::End &end, std::string &report, const VoyageFields &fields)
{
    if (!ended_)
        return false;
    ended_ = false;
    end = rules_.end();
    report = rules_.report(fields);
    return true;
}

} // namespace vendral::web
