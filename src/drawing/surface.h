// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing/geometry.h"
#include "simulation/pen.h"

#include <string_view>

namespace vendral {

// Where the program's drawings go: primitives in user coordinates, which the
// surface maps to its pixels on a user scale of its own, with a pen state
// (draw width in pixels, draw style, fore colour, current text position)
// that stays as the last drawing left it. End points may lie arbitrarily
// far away, or be no number at all: a surface draws what of them it can show.
class Surface
{
public:
    // Widths below one pixel draw one pixel wide.
    void setDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }
    int drawWidth() const { return drawWidth_; }
    void setDrawStyle(DrawStyle style) { drawStyle_ = style; }
    DrawStyle drawStyle() const { return drawStyle_; }
    void setForeColor(Rgb colour) { foreColor_ = colour; }
    Rgb foreColor() const { return foreColor_; }
    void setCurrentPos(double x, double y) { current_ = Point{x, y}; }
    Point currentPos() const { return current_; }

    virtual void line(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    virtual void circle(double cx, double cy, double radius, Rgb colour) = 0;
    // A square as wide as the pen, centred on the point.
    virtual void point(double x, double y, Rgb colour) = 0;
    // UTF-8 text whose top-left corner is the current position, in the fore
    // colour.
    virtual void print(std::string_view text) = 0;

    // The outline, as four lines from (x1, y1) round through (x2, y2).
    void box(double x1, double y1, double x2, double y2, Rgb colour)
    {
        line(x1, y1, x2, y1, colour);
        line(x2, y1, x2, y2, colour);
        line(x2, y2, x1, y2, colour);
        line(x1, y2, x1, y1, colour);
    }

protected:
    Surface() = default;
    Surface(const Surface &) = default;
    Surface &operator=(const Surface &) = default;
    ~Surface() = default;

private:
    int drawWidth_ = 1;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    Rgb foreColor_;
    Point current_;
};

} // namespace vendral
