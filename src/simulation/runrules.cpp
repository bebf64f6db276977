// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/runrules.h"

#include "simulation/runstep.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace vendral {

void RunRules::start(const VoyageFields &fields, VoyageState &state)
{
    if (depth_++ == 0)
        notes_ = RunNotes(fields);
    state.stopRequested = 0;
}

int RunRules::delay(const VoyageFields &fields)
{
    FieldText text;
    fields.read(Field::txtVerz, text);
    std::string_view s = text.view();
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        return 0;
    return std::clamp(value, 0, 100);
}

void RunRules::step(const Voyage &voyage)
{
    const double x0 = number(voyage.fields, Field::txtSchiffx);
    const double y0 = number(voyage.fields, Field::txtSchiffy);
    const Halt halt = runStep(voyage);
    notes_.stepped(x0, y0, voyage.fields);
    switch (halt) {
    case Halt::Edge: end_ = End::Edge; break;
    case Halt::Arrival: end_ = End::Arrival; break;
    case Halt::None: break;
    }
}

void RunRules::requestStop(VoyageState &state)
{
    state.stopRequested = 1;
    end_ = End::Stop;
}

void RunRules::close(VoyageState &state)
{
    closing_ = true;
    state.stopRequested = 1;
    end_ = End::Closing;
}

bool RunRules::finish() { return depth_ > 0 && --depth_ == 0; }

std::string RunRules::report(const VoyageFields &fields) const
{
    switch (end_) {
    case End::Stop: return notes_.report(RunEnd::Stop, fields);
    case End::Edge: return notes_.report(RunEnd::Edge, fields);
    case End::Arrival: return notes_.report(RunEnd::Arrival, fields);
    case End::Closing: break;
    }
    return std::string();
}

} // namespace vendral
