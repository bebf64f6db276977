// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/pen.h"
#include "simulation/voyage.h"

#include <cstdint>
#include <unordered_set>
#include <vector>

namespace vendral::web {

// What the voyage drew on the chart since the chart was last cleared, in sm,
// so that a chart drawn anew at another size shows the same track and
// circles. A page resized mid-lesson must not lose the student's track.
//
// A run that never ends (the autopilot circling the island) draws over the
// same places again and again, so a stroke that repeats one already kept, to
// 1/256 sm, is not kept twice; at most kLimit strokes are kept.
class ChartHistory
{
public:
    static constexpr std::size_t kLimit = 200000;

    void clear();
    void line(double x1, double y1, double x2, double y2, DrawStyle style, int width, Rgb colour);
    void circle(double x, double y, double radius, DrawStyle style, int width, Rgb colour);
    // The lines in the order drawn, then the circles, which a run draws after
    // every step and so lie on top.
    void replay(VoyageChart &chart) const;
    std::size_t size() const { return lines_.size() + circles_.size(); }

private:
    struct Stroke
    {
        double a, b, c, d;
        DrawStyle style;
        int width;
        Rgb colour;
    };
    bool isNew(const Stroke &stroke);

    std::vector<Stroke> lines_;
    std::vector<Stroke> circles_;
    std::unordered_set<std::uint64_t> seen_;
};

} // namespace vendral::web
