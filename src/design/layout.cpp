// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "design/layout.h"

#include "design/controltable.h"

#include <algorithm>
#include <cmath>

namespace vendral::design {
namespace {

int toPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

} // namespace

ContainerLayout layoutFor(std::string_view container, double w, double h)
{
    for (const ScreenShare &s : kScreenShares)
        if (s.name == container)
            return {static_cast<float>(h * s.top), static_cast<float>(w * s.left), static_cast<float>(w * s.width),
                    static_cast<float>(h * s.height)};
    return {0, 0, 0, 0};
}

PixelRect containerPlace(std::string_view container, double widthPixels, double heightPixels)
{
    const ContainerLayout l = layoutFor(container, widthPixels * kTwipsPerPixel, heightPixels * kTwipsPerPixel);
    return {toPixels(l.left), toPixels(l.top), toPixels(l.width), toPixels(l.height)};
}

double designScaleFor(double widthPixels, double heightPixels)
{
    const double w = widthPixels * kTwipsPerPixel;
    const double h = heightPixels * kTwipsPerPixel;
    double factor = 1.0;
    for (const ScreenShare &s : kScreenShares) {
        const TwipsRect design = findControl(s.name)->place;
        factor = std::min({factor, w * s.width / design.width, h * s.height / design.height});
    }
    return factor;
}

PixelSize designChartArea(int border)
{
    const PixelRect chart = containerPlace("picSee", 1024, 768);
    return {double(chart.width - 2 * border), double(chart.height - 2 * border)};
}

double markerMagnification(PixelSize chart, PixelSize design)
{
    if (chart.width <= 0 || chart.height <= 0 || design.width <= 0 || design.height <= 0)
        return 1;
    return std::max(chart.width / design.width, chart.height / design.height);
}

ChartControlPlaces chartControlPlaces(const TwipsScale &scale, int chartWidth, int border, int buttonWidth)
{
    const int width = scale.pixels(4200);
    const int height = scale.pixels(450);
    return {{0, 0, width, height},
            {0, height, width, height},
            {0, 2 * height, width, height},
            chartWidth - buttonWidth - scale.pixels(36) - border};
}

} // namespace vendral::design
