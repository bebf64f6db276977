// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/charthistory.h"

#include <cmath>

namespace vendral::web {
namespace {

std::uint64_t mix(std::uint64_t hash, double value)
{
    // Quantised so that a run passing the same place twice matches itself.
    const auto q = static_cast<std::uint64_t>(static_cast<std::int64_t>(std::llround(value * 256)));
    return (hash ^ q) * 0x100000001b3ull;
}

} // namespace

void ChartHistory::clear()
{
    lines_.clear();
    circles_.clear();
    seen_.clear();
}

bool ChartHistory::isNew(const Stroke &s)
{
    if (size() >= kLimit)
        return false;
    for (double v : {s.a, s.b, s.c, s.d})
        if (!std::isfinite(v) || std::fabs(v) > 1e9)
            return false;
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (double v : {s.a, s.b, s.c, s.d, double(s.style), double(s.width), double(s.colour.red),
                     double(s.colour.green), double(s.colour.blue)})
        hash = mix(hash, v);
    return seen_.insert(hash).second;
}

void ChartHistory::line(double x1, double y1, double x2, double y2, DrawStyle style, int width, Rgb colour)
{
    const Stroke stroke{x1, y1, x2, y2, style, width, colour};
    if (isNew(stroke))
        lines_.push_back(stroke);
}

void ChartHistory::circle(double x, double y, double radius, DrawStyle style, int width, Rgb colour)
{
    const Stroke stroke{x, y, radius, 0, style, width, colour};
    if (isNew(stroke))
        circles_.push_back(stroke);
}

void ChartHistory::replay(VoyageChart &chart) const
{
    for (const Stroke &s : lines_)
        chart.line(s.a, s.b, s.c, s.d, s.style, s.width, s.colour);
    for (const Stroke &s : circles_)
        chart.circle(s.a, s.b, s.c, s.style, s.width, s.colour);
}

} // namespace vendral::web
