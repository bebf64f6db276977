// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing/surface.h"
#include "drawing/userscale.h"

#include <optional>
#include <string>
#include <vector>

namespace vendral::web {

// A surface that keeps its drawings as a list in pixels, for a page to replay
// onto a canvas. Each drawing takes kStride numbers: its kind, the colour's
// red, green and blue, the pen's width and style, then four numbers:
//   Clear  -              (fills the whole canvas)
//   Line   x1 y1 x2 y2
//   Circle cx cy r -
//   Dot    x y - -        (a square as wide as the pen)
//   Text   x y n -        (the top-left corner; the n-th line of texts())
// Drawings are cut to the area as a canvas of the desktop cuts them, and a
// crisp circle drawn again over pixels that nothing touched since is left
// out, as there.
class Recorder final : public Surface
{
public:
    enum Kind { Clear = 1, Line, Circle, Dot, Text };
    static constexpr int kStride = 10;

    void setArea(double width, double height);
    Size area() const { return area_; }
    void setScale(const UserScale &scale) { scale_ = scale; }
    const UserScale &scale() const { return scale_; }
    // Antialiased drawing never skips a circle.
    void setSmooth(bool on) { smooth_ = on; }

    void clear(Rgb back);
    void line(double x1, double y1, double x2, double y2, Rgb colour) override;
    void circle(double cx, double cy, double radius, Rgb colour) override;
    void point(double x, double y, Rgb colour) override;
    void print(std::string_view text) override;

    const std::vector<double> &drawings() const { return drawings_; }
    // The texts printed, each ended by a line feed.
    const std::string &texts() const { return texts_; }
    // The page has replayed what was recorded.
    void forget();

private:
    void add(Kind kind, Rgb colour, double a, double b, double c, double d);
    void touch(double left, double top, double right, double bottom);

    Size area_{1, 1};
    UserScale scale_;
    bool smooth_ = false;
    std::vector<double> drawings_;
    std::string texts_;
    int textCount_ = 0;

    struct LastCircle
    {
        double cx, cy, r;
        int width;
        DrawStyle style;
        Rgb colour;
        Area reach;
    };
    std::optional<LastCircle> lastCircle_;
    // What was drawn since the last circle.
    std::optional<Area> touched_;
};

} // namespace vendral::web
