// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The geometry of the drawings, recorded as primitives: clipping and user
// scale, the chart's current field, the dial faces and pointers, the ship
// symbol. Their pixels are pinned by the reference pictures (tst_dials).
#include "sea.h"

#include "drawing/clipping.h"
#include "drawing/currentfield.h"
#include "drawing/dialface.h"
#include "drawing/random.h"
#include "drawing/shipsymbol.h"
#include "drawing/surface.h"
#include "drawing/userscale.h"

#include "shared/check.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace vendral;
using testing::Sea;

namespace {

enum class Kind { Line, Circle, Point, Print };

// One primitive with the pen it was drawn with. A circle keeps its centre in
// (x1, y1) and its radius in x2; a print keeps the current position.
struct Stroke
{
    Kind kind;
    double x1, y1, x2, y2;
    Rgb colour;
    int width;
    DrawStyle style;
    std::string text;

    double length() const { return std::hypot(x2 - x1, y2 - y1); }
};

struct Recording final : Surface
{
    std::vector<Stroke> strokes;

    void line(double x1, double y1, double x2, double y2, Rgb colour) override
    {
        strokes.push_back({Kind::Line, x1, y1, x2, y2, colour, drawWidth(), drawStyle(), {}});
    }
    void circle(double cx, double cy, double radius, Rgb colour) override
    {
        strokes.push_back({Kind::Circle, cx, cy, radius, 0, colour, drawWidth(), drawStyle(), {}});
    }
    void point(double x, double y, Rgb colour) override
    {
        strokes.push_back({Kind::Point, x, y, x, y, colour, drawWidth(), drawStyle(), {}});
    }
    void print(std::string_view text) override
    {
        strokes.push_back({Kind::Print, currentPos().x, currentPos().y, 0, 0, foreColor(), drawWidth(), drawStyle(),
                           std::string(text)});
    }

    std::vector<Stroke> in(Rgb colour) const
    {
        std::vector<Stroke> found;
        for (const Stroke &s : strokes)
            if (s.colour == colour)
                found.push_back(s);
        return found;
    }
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(clipLineKeepsThePartInside)
{
    const struct
    {
        const char *name;
        Segment line;
        bool visible;
        Segment clipped;
    } rows[] = {
        {"inside", {{10, 10}, {20, 20}}, true, {{10, 10}, {20, 20}}},
        {"crossing", {{-50, 50}, {150, 50}}, true, {{0, 50}, {100, 50}}},
        {"slanting across", {{-50, 0}, {150, 100}}, true, {{0, 25}, {100, 75}}},
        {"slanting down across", {{25, -50}, {75, 150}}, true, {{37.5, 0}, {62.5, 100}}},
        {"outside", {{-50, -50}, {-10, -10}}, false, {}},
        {"far away end", {{50, 50}, {50, 1e300}}, true, {{50, 50}, {50, 100}}},
        {"both far away", {{-1e300, 50}, {1e300, 50}}, true, {{0, 50}, {100, 50}}},
        {"largest doubles", {{-DBL_MAX, 50}, {DBL_MAX, 50}}, true, {{0, 50}, {100, 50}}},
        {"not a number", {{kNaN, 0}, {10, 10}}, false, {}},
        {"infinite", {{0, 0}, {kInf, 10}}, false, {}},
        {"a point", {{5, 5}, {5, 5}}, true, {{5, 5}, {5, 5}}},
        {"steep from inside", {{50, 50}, {1e300, 3e300}}, true, {{50, 50}, {50 + 50 / 3.0, 100}}},
        {"corner to far", {{0, 0}, {-1e300, -1e300}}, true, {{0, 0}, {0, 0}}},
    };
    for (const auto &row : rows) {
        check::Row named(row.name);
        Segment line = row.line;
        CHECK_EQ(clipLine(line, Area{0, 0, 100, 100}), row.visible);
        if (!row.visible)
            continue;
        CHECK_NEAR(line.from.x, row.clipped.from.x, 1e-9);
        CHECK_NEAR(line.from.y, row.clipped.from.y, 1e-9);
        CHECK_NEAR(line.to.x, row.clipped.to.x, 1e-9);
        CHECK_NEAR(line.to.y, row.clipped.to.y, 1e-9);
    }
}

TEST(pixelCoordinatesSaturateFarAway)
{
    CHECK_EQ(pixelCoordinate(12.4), 12);
    CHECK_EQ(pixelCoordinate(-12.6), -13);
    CHECK_EQ(pixelCoordinate(1e300), 1000000);
    CHECK_EQ(pixelCoordinate(-1e300), -1000000);
    CHECK_EQ(pixelCoordinate(kNaN), 0);
}

TEST(userScaleMapsTheArea)
{
    const UserScale chart(0, 100, 100, 0);
    const Size area{200, 100};
    CHECK(chart.toPixel(area, 0, 100) == (Point{0, 0}));
    CHECK(chart.toPixel(area, 100, 0) == (Point{200, 100}));
    CHECK(chart.toPixel(area, 50, 25) == (Point{100, 75}));
    const Point back = chart.toUser(area, chart.toPixel(area, 42.9, 17.2));
    CHECK_NEAR(back.x, 42.9, 1e-9);
    CHECK_NEAR(back.y, 17.2, 1e-9);
    CHECK_EQ(chart.pixelsPerUnitX(area), 2.0);
    CHECK(UserScale().toPixel(area, 3, 4) == (Point{3, 4}));
    // An area without pixels has no user units: positions stay as they are.
    CHECK(chart.toUser(Size{0, 0}, Point{3, 4}) == (Point{3, 4}));
}

constexpr CurrentFieldColours kChart{Rgb{1, 1, 1}, Rgb{2, 2, 2}, Rgb{3, 3, 3}, Rgb{4, 4, 4}};

Recording currentField(Random &random, Sea &sea)
{
    Recording chart;
    drawCurrentField(chart, random, sea, kChart);
    return chart;
}

TEST(gridAndLabelsLieOnTheChart)
{
    Random random;
    Sea sea(10, 10, 1, 0, 1, 1, 1);
    // The pen as the last field's streak left it.
    Recording chart;
    chart.setDrawWidth(3);
    drawCurrentField(chart, random, sea, kChart);
    const auto grid = chart.in(kChart.grid);
    CHECK_EQ(grid.size(), std::size_t(400));
    double covered = 0;
    for (const Stroke &s : grid) {
        CHECK(s.kind == Kind::Line && s.width == 1 && s.style == DrawStyle::Dot);
        CHECK(s.x1 == s.x2 || s.y1 == s.y2);
        CHECK(std::fmod(s.x1, 10) == 0 && std::fmod(s.y1, 10) == 0);
        CHECK(s.x1 >= 0 && s.x2 <= 100 && s.y1 >= 0 && s.y2 <= 100);
        covered += s.length();
    }
    // Every cell drawn whole: the grid's 22 lines of 100 sm, inner ones twice.
    CHECK_NEAR(covered, 4000, 1e-9);
    const auto labels = chart.in(kChart.labels);
    CHECK_EQ(labels.size(), std::size_t(3));
    const struct
    {
        double x, y;
        const char *text;
    } expected[] = {{0, 3, "0"}, {91, 3, "100 sm"}, {0, 99, "100 sm"}};
    for (std::size_t i = 0; i < labels.size() && i < 3; ++i) {
        CHECK(labels[i].kind == Kind::Print);
        CHECK(labels[i].x1 == expected[i].x && labels[i].y1 == expected[i].y);
        CHECK_EQ(labels[i].text, std::string(expected[i].text));
    }
}

// Each streak runs from its place against the current, the speed plus one
// sm long, and ends upstream in a dot three pixels wide.
TEST(streaksFollowTheCurrent)
{
    const struct
    {
        const char *name;
        const char *east, *north, *speed;
        std::size_t streaks;
        double length, ux, uy;
        int widthAfter;
    } rows[] = {
        {"north at 1 knot", " 0", " 1", " 1", 169, 2, 0, 1, 3},
        {"north at 5 knots", " 0", " 1", " 5", 169, 6, 0, 1, 3},
        {"east at 10 knots", " 1", " 0", " 10", 169, 11, 1, 0, 3},
        {"south-west at 3 knots", "-.6", "-.8", " 3", 169, 4, -0.6, -0.8, 3},
        {"no current", " 0", " 1", " 0", 0, 0, 0, 0, 1},
        {"against the current", " 0", " 1", "-2", 0, 0, 0, 0, 1},
        {"speed not a number", " 0", " 1", "abc", 0, 0, 0, 0, 1},
    };
    for (const auto &row : rows) {
        check::Row named(row.name);
        Random random;
        Sea sea(10, 10, 1, 0, 1, 1);
        sea[Field::txtStromx] = row.east;
        sea[Field::txtStromy] = row.north;
        sea[Field::txtStromv] = row.speed;
        const Recording chart = currentField(random, sea);
        const auto streaks = chart.in(kChart.streak);
        const auto ends = chart.in(kChart.streakEnd);
        CHECK_EQ(streaks.size(), row.streaks);
        CHECK_EQ(ends.size(), row.streaks);
        for (std::size_t i = 0; i < streaks.size() && i < ends.size(); ++i) {
            const Stroke &s = streaks[i];
            CHECK(s.kind == Kind::Line && s.width == 1 && s.style == DrawStyle::Solid);
            CHECK(s.x1 >= 0 && s.x1 < 100 && s.y1 >= 0 && s.y1 <= 100 && s.y1 == std::floor(s.y1));
            CHECK_NEAR(s.x1 - s.x2, row.length * row.ux, 1e-4);
            CHECK_NEAR(s.y1 - s.y2, row.length * row.uy, 1e-4);
            CHECK(ends[i].kind == Kind::Point && ends[i].width == 3);
            CHECK(ends[i].x1 == s.x2 && ends[i].y1 == s.y2);
        }
        CHECK_EQ(chart.drawWidth(), row.widthAfter);
        CHECK(chart.drawStyle() == DrawStyle::Solid);
        CHECK(chart.foreColor() == kChart.labels);
    }
}

// Every start of the program draws the same field; each redraw takes new
// places, whether or not the last one showed a current.
TEST(streakPlacesFollowOneSequence)
{
    const auto places = [](const Recording &chart) {
        std::vector<Stroke> starts = chart.in(kChart.streak);
        for (Stroke &s : starts)
            s.x2 = s.y2 = 0;
        return starts;
    };
    const auto same = [](const std::vector<Stroke> &a, const std::vector<Stroke> &b) {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i].x1 != b[i].x1 || a[i].y1 != b[i].y1)
                return false;
        return true;
    };
    Sea sea(10, 10, 1, 0, 1, 1, 1);
    Random first, second;
    const auto start = places(currentField(first, sea));
    CHECK(same(start, places(currentField(second, sea))));
    // The places spread over the whole chart.
    int east = 0, north = 0;
    for (const Stroke &s : start) {
        east += s.x1 > 50;
        north += s.y1 > 50;
    }
    CHECK(east > 40 && east < 129);
    CHECK(north > 40 && north < 129);
    const auto redrawn = places(currentField(first, sea));
    CHECK(!same(start, redrawn));
    sea[Field::txtStromv] = " 0";
    currentField(second, sea);
    sea[Field::txtStromv] = " 1";
    CHECK(!same(places(currentField(second, sea)), redrawn));
    Random third;
    currentField(third, sea);
    CHECK(same(places(currentField(third, sea)), redrawn));
    // Redrawn often, the places reach the chart's edges: y a whole number
    // from 0 to 100, x short of 100.
    double bottom = 100, top = 0, right = 0;
    for (int i = 0; i < 30; ++i)
        for (const Stroke &s : places(currentField(third, sea))) {
            bottom = std::min(bottom, s.y1);
            top = std::max(top, s.y1);
            right = std::max(right, s.x1);
        }
    CHECK(bottom == 0 && top == 100 && right > 99.9 && right < 100);
    int outside = 0;
    for (int i = 0; i < 100000; ++i) {
        const double r = third.next();
        outside += !(r >= 0 && r < 1);
    }
    CHECK_EQ(outside, 0);
}

// The chart as the window draws it: pale blue grid and streaks, white
// streak ends and labels.
TEST(chartFieldColours)
{
    Random random;
    Sea sea(10, 10, 1, 0, 1, 1, 1);
    Recording chart;
    drawCurrentField(chart, random, sea, kChartFieldColours);
    CHECK_EQ(chart.in(Rgb{135, 135, 255}).size(), std::size_t(400));
    CHECK_EQ(chart.in(Rgb{160, 160, 255}).size(), std::size_t(169));
    CHECK_EQ(chart.in(Rgb{255, 255, 255}).size(), std::size_t(169 + 3));
}

constexpr DialFace kFace{Rgb{1, 0, 0}, Rgb{2, 0, 0}, Rgb{3, 0, 0}, Rgb{4, 0, 0}, 16, 0.3, 1, Rgb{5, 0, 0}, 9,
                         Rgb{6, 0, 0}};

// The cardinal and eighth spokes point north first, then round clockwise;
// the fine fan goes round once to just short of north.
TEST(dialFaceIsRingSpokesAndHub)
{
    Recording dial;
    dial.setDrawStyle(DrawStyle::Dot);
    drawDialFace(dial, kFace);
    CHECK_EQ(dial.strokes.size(), std::size_t(1 + 4 + 9 + 17 + 1));
    if (dial.strokes.size() != 32)
        return;
    const Stroke &ring = dial.strokes.front();
    CHECK(ring.kind == Kind::Circle && ring.colour == kFace.ring && ring.width == 2);
    CHECK(ring.x1 == 0 && ring.y1 == 0 && ring.x2 == 0.9);
    const Stroke &hub = dial.strokes.back();
    CHECK(hub.kind == Kind::Circle && hub.colour == kFace.hub && hub.width == 9 && hub.x2 == 0.1);
    CHECK(hub.x1 == 0 && hub.y1 == 0);
    const struct
    {
        const char *name;
        std::size_t first, count;
        Rgb colour;
        double radius;
        int width;
    } fans[] = {{"cardinal", 1, 4, kFace.cardinalSpokes, 1.0, 2},
                {"eighth", 5, 9, kFace.eighthSpokes, 0.9, 2},
                {"fine", 14, 17, kFace.fineSpokes, 0.3, 1}};
    for (const auto &fan : fans) {
        check::Row named(fan.name);
        for (std::size_t i = 0; i < fan.count; ++i) {
            const Stroke &s = dial.strokes[fan.first + i];
            CHECK(s.kind == Kind::Line && s.colour == fan.colour && s.width == fan.width);
            CHECK(s.x1 == 0 && s.y1 == 0);
            CHECK_NEAR(s.length(), fan.radius, 1e-6);
            // Clockwise from north: i / (count - 1) of a turn, to within a
            // thousandth of a radian.
            const double turn = 2 * std::acos(-1.0) * double(i) / double(fan.count == 4 ? 4 : fan.count - 1);
            CHECK_NEAR(std::atan2(s.x2, s.y2) - std::remainder(turn, 2 * std::acos(-1.0)), 0, 1e-3);
        }
    }
    CHECK(dial.drawStyle() == DrawStyle::Solid);
    CHECK_EQ(dial.drawWidth(), kFace.hubWidth);
}

// The faces the window shows, in the colours and widths the dials are known
// by: ring, black cardinal spokes, eighth spokes, the fine fan, hub, pointer.
TEST(courseAndCurrentFaces)
{
    const struct
    {
        const char *name;
        const DialFace &face;
        Rgb ring, eighth, fine;
        std::size_t fineLines;
        double fineRadius;
        Rgb hub;
        int hubWidth;
        Rgb pointer;
    } rows[] = {
        {"course", kCourseDialFace, {0, 0, 255}, {0, 0, 255}, {255, 5, 5}, 73, 0.7, {255, 255, 255}, 7, {0, 0, 0}},
        {"current", kCurrentDialFace, {150, 150, 255}, {200, 200, 255}, {255, 255, 255}, 17, 0.3, {0, 0, 255}, 9,
         {250, 250, 250}},
    };
    for (const auto &row : rows) {
        check::Row named(row.name);
        Recording dial;
        drawDialFace(dial, row.face);
        drawDialPointer(dial, row.face, 0, 1);
        const auto &s = dial.strokes;
        CHECK_EQ(s.size(), 14 + row.fineLines + 2);
        if (s.size() != 14 + row.fineLines + 2)
            continue;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const Rgb expected = i == 0                     ? row.ring
                                 : i < 5                    ? Rgb{0, 0, 0}
                                 : i < 14                   ? row.eighth
                                 : i < 14 + row.fineLines   ? row.fine
                                 : i + 2 == s.size()        ? row.hub
                                                            : row.pointer;
            CHECK(s[i].colour == expected);
        }
        CHECK(s[14].width == 1 && std::fabs(s[14].length() - row.fineRadius) < 1e-6);
        CHECK_EQ(s[s.size() - 2].width, row.hubWidth);
    }
}

TEST(dialPointerReachesBeyondTheRing)
{
    Recording dial;
    dial.setDrawStyle(DrawStyle::Dot);
    drawDialPointer(dial, kFace, 0.6, -0.8);
    CHECK_EQ(dial.strokes.size(), std::size_t(1));
    const Stroke &s = dial.strokes.front();
    CHECK(s.kind == Kind::Line && s.colour == kFace.pointer && s.width == 5 && s.style == DrawStyle::Solid);
    CHECK(s.x1 == 0 && s.y1 == 0);
    CHECK_NEAR(s.x2, 0.66, 1e-6);
    CHECK_NEAR(s.y2, -0.88, 1e-6);
}

// y points down on the symbol, so the bow of a ship heading north is at the top.
TEST(shipSymbolPointsAlongTheHeading)
{
    const struct
    {
        const char *name;
        double hx, hy;
        Point bow;
    } rows[] = {{"north", 0, 1000, {0, -1}}, {"east", 1000, 0, {1, 0}}, {"south-west", -707, -707, {-0.707, 0.707}}};
    const Rgb white{255, 255, 255};
    for (const auto &row : rows) {
        check::Row named(row.name);
        Recording symbol;
        drawShipSymbol(symbol, row.hx, row.hy, white);
        CHECK_EQ(symbol.strokes.size(), std::size_t(3));
        if (symbol.strokes.size() != 3)
            continue;
        const Stroke &bow = symbol.strokes[0], &stern = symbol.strokes[1], &ring = symbol.strokes[2];
        CHECK(bow.kind == Kind::Line && bow.width == 3 && bow.colour == white);
        CHECK(stern.kind == Kind::Line && stern.width == 3);
        CHECK(bow.x1 == 0 && bow.y1 == 0 && stern.x1 == 0 && stern.y1 == 0);
        CHECK_NEAR(bow.x2, row.bow.x, 1e-6);
        CHECK_NEAR(bow.y2, row.bow.y, 1e-6);
        CHECK_NEAR(stern.x2, -row.bow.x, 1e-6);
        CHECK_NEAR(stern.y2, -row.bow.y, 1e-6);
        CHECK(ring.kind == Kind::Circle && ring.width == 2 && ring.x2 == 0.3);
        CHECK_NEAR(ring.x1, -row.bow.x / 3, 1e-6);
        CHECK_NEAR(ring.y1, -row.bow.y / 3, 1e-6);
    }
}

} // namespace

CHECK_MAIN()
