// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing/clipping.h"

#include <algorithm>
#include <cmath>

namespace vendral {
namespace {

using Wide = long double;

enum Outcode : int { Inside = 0, Left = 1, Right = 2, Top = 4, Bottom = 8 };

int outcode(Wide x, Wide y, const Area &area)
{
    int code = Inside;
    if (x < area.left)
        code |= Left;
    else if (x > area.right)
        code |= Right;
    if (y < area.top)
        code |= Top;
    else if (y > area.bottom)
        code |= Bottom;
    return code;
}

} // namespace

// Cohen-Sutherland in extended precision: each cut puts the end point exactly
// on the edge and moves only the other coordinate along the slope, so a line
// between two points at 1E+300 still crosses the area where it should.
bool clipLine(Segment &line, const Area &area)
{
    if (!std::isfinite(line.from.x) || !std::isfinite(line.from.y) || !std::isfinite(line.to.x)
        || !std::isfinite(line.to.y))
        return false;
    Wide x0 = line.from.x, y0 = line.from.y, x1 = line.to.x, y1 = line.to.y;
    int code0 = outcode(x0, y0, area);
    int code1 = outcode(x1, y1, area);
    for (int pass = 0; pass < 8; ++pass) {
        if ((code0 | code1) == 0) {
            line = Segment{{double(x0), double(y0)}, {double(x1), double(y1)}};
            return true;
        }
        if (code0 & code1)
            return false;
        // Cut the outside end at an edge, measuring along the line from the
        // other end, which is the nearer one whenever it lies inside.
        const bool first = code0 != 0;
        const int out = first ? code0 : code1;
        const Wide bx = first ? x1 : x0, by = first ? y1 : y0;
        const Wide ox = first ? x0 : x1, oy = first ? y0 : y1;
        Wide x = 0, y = 0;
        if (out & (Top | Bottom)) {
            y = (out & Bottom) ? area.bottom : area.top;
            x = bx + (ox - bx) * ((y - by) / (oy - by));
        } else {
            x = (out & Right) ? area.right : area.left;
            y = by + (oy - by) * ((x - bx) / (ox - bx));
        }
        if (first) {
            x0 = x;
            y0 = y;
            code0 = outcode(x0, y0, area);
        } else {
            x1 = x;
            y1 = y;
            code1 = outcode(x1, y1, area);
        }
    }
    return false;
}

int pixelCoordinate(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::lround(std::clamp(value, -kFarAway, kFarAway)));
}

} // namespace vendral
