// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The design's table and the layout's maths, without a window: where the
// containers go on a screen, how far the design shrinks on a small one, how
// twips become pixels, how large the markers are drawn, and whether the
// table can be walked as it stands.
#include "design/controltable.h"
#include "design/layout.h"

#include "shared/check.h"

#include <set>
#include <string>

using namespace vendral;
using namespace vendral::design;

namespace {

// The design's own example: 1024 x 768 pixels at 15 twips each.
TEST(workedExample)
{
    const struct
    {
        const char *row;
        ContainerLayout twips;
        PixelRect pixels;
    } rows[] = {
        {"Frame3", {57.6f, 307.2f, 4915.2f, 5875.2f}, {20, 4, 328, 392}},
        {"picSee", {172.8f, 5529.6f, 9523.2f, 9676.8f}, {369, 12, 635, 645}},
        {"Frame2", {9792.0f, 5529.6f, 9523.2f, 691.2f}, {369, 653, 635, 46}},
        {"no such container", {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        const ContainerLayout l = layoutFor(r.row, 15360, 11520);
        CHECK_NEAR(l.top, r.twips.top, 1e-3);
        CHECK_NEAR(l.left, r.twips.left, 1e-3);
        CHECK_NEAR(l.width, r.twips.width, 1e-3);
        CHECK_NEAR(l.height, r.twips.height, 1e-3);
        CHECK(containerPlace(r.row, 1024, 768) == r.pixels);
    }
    // The chart of 635 x 645 pixels draws inside its border of 2.
    CHECK_EQ(designChartArea(2).width, 631.0);
    CHECK_EQ(designChartArea(2).height, 641.0);
}

// The design shrinks only where a container's share of the screen is
// smaller than its design place, as far as the tightest of them needs.
TEST(designShrinksOnSmallScreens)
{
    const struct
    {
        const char *row;
        double width, height, factor;
    } rows[] = {
        {"1024 x 768, drawn for", 1024, 768, 1.0},
        {"1920 x 1080", 1920, 1080, 1.0},
        {"800 x 600: the time panel's height", 800, 600, 540.0 / 690},
        {"640 x 480", 640, 480, 432.0 / 690},
        {"768 x 1024: the panels' width", 768, 1024, 11520 * 0.32 / 4890},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        CHECK_NEAR(designScaleFor(r.width, r.height), r.factor, 1e-12);
    }
}

TEST(twipsBecomeWholePixels)
{
    const struct
    {
        const char *row;
        double factor;
        TwipsRect twips;
        PixelRect pixels;
    } rows[] = {
        {"15 twips a pixel", 1, {225, 450, 840, 360}, {15, 30, 56, 24}},
        {"halves round away from 0", 1, {7.5, 22.5, 0, 0}, {1, 2, 0, 0}},
        // The width of 10 twips alone would round to a pixel.
        {"edges rounded, not the size", 1, {10, 0, 10, 0}, {1, 0, 0, 0}},
        {"shrunk by half", 0.5, {225, 450, 840, 360}, {8, 15, 28, 12}},
        {"factor above 1 kept at 1", 2, {225, 450, 840, 360}, {15, 30, 56, 24}},
        {"negative factor kept at 0", -1, {225, 450, 840, 360}, {0, 0, 0, 0}},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        CHECK(TwipsScale(r.factor).rect(r.twips) == r.pixels);
    }
}

// The markers keep their size in sm: on a chart stretched more one way
// than the other, the larger ratio.
TEST(markersMagnifiedWithTheChart)
{
    const struct
    {
        const char *row;
        PixelSize chart;
        double magnification;
    } rows[] = {
        {"design's chart", {631, 641}, 1},
        {"twice as large", {1262, 1282}, 2},
        {"wide", {1262, 641}, 2},
        {"tall", {631, 1923}, 3},
        {"empty", {0, 641}, 1},
    };
    for (const auto &r : rows) {
        check::Row row(r.row);
        CHECK_NEAR(markerMagnification(r.chart, {631, 641}), r.magnification, 1e-12);
    }
    CHECK_EQ(markerMagnification({631, 641}, {0, 0}), 1.0);
}

// The read-outs one below the other in the chart's top-left corner, the
// button "x" in its top-right corner, 36 twips in from the border.
TEST(chartControlsInItsCorners)
{
    const ChartControlPlaces design = chartControlPlaces(TwipsScale(1), 635, 2, 21);
    CHECK(design.distance == (PixelRect{0, 0, 280, 30}));
    CHECK(design.bearing == (PixelRect{0, 30, 280, 30}));
    CHECK(design.travelled == (PixelRect{0, 60, 280, 30}));
    CHECK_EQ(design.buttonLeft, 635 - 21 - 2 - 2);
    const ChartControlPlaces shrunk = chartControlPlaces(TwipsScale(0.5), 400, 2, 11);
    CHECK(shrunk.travelled == (PixelRect{0, 30, 140, 15}));
    CHECK_EQ(shrunk.buttonLeft, 400 - 11 - 1 - 2);
}

// A front-end makes the rows in order: each row's parent is made before
// it, every name is made once, Tab and the containers' shares find theirs.
TEST(tableCanBeWalked)
{
    std::set<std::string_view> made{"client"};
    for (const ControlRow &c : kControls) {
        check::Row row{std::string(c.name)};
        CHECK(made.contains(c.parent));
        CHECK(made.insert(c.name).second);
        const bool colourNeeded = c.kind == Kind::Dial || c.kind == Kind::Chart || c.kind == Kind::ShipMarker;
        CHECK(c.back || !colourNeeded);
    }
    std::set<std::string_view> stops;
    for (std::string_view name : kTabOrder) {
        check::Row row{std::string(name)};
        CHECK(findControl(name) != nullptr);
        CHECK(stops.insert(name).second);
    }
    for (const ScreenShare &share : kScreenShares) {
        check::Row row{std::string(share.name)};
        CHECK(findControl(share.name) != nullptr && findControl(share.name)->parent == "client");
    }
}

} // namespace

CHECK_MAIN()
