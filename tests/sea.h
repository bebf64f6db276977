// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A voyage held in plain data, for the core's tests and benchmarks.
#pragma once

#include "simulation/course.h"
#include "simulation/timestep.h"
#include "simulation/voyage.h"

#include <array>
#include <cstdio>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace testing {

using namespace vendral;

// Set up as the window's start: current north, ship marker at 10, 10,
// island at 80, 80.
struct Sea final : VoyageFields, VoyageMarkers, VoyageChart, VoyageIndicators
{
    struct Line
    {
        double x1, y1, x2, y2;
        DrawStyle style;
        int width;
        Rgb colour;
    };

    std::array<std::string, int(Field::txtAbstand) + 1> texts;
    std::set<Option> ticks;
    float corners[2][2] = {{10, 10}, {80, 80}};
    std::vector<Line> lines;
    bool keepLines = true;
    long circles = 0;
    double circleX = 0, circleY = 0, circleRadius = 0;
    DrawStyle circleStyle = DrawStyle::Solid;
    int circleWidth = 0;
    Rgb circleColour;
    bool markerShown[2] = {};
    // What the dials' pointers last showed.
    DialDirection course, current;
    int courseDegrees = -1, currentDegrees = -1;
    bool bearingShown = false;
    float bearing[4] = {};
    VoyageState state;

    // Ship at (x, y), heading (hx, hy), speed and current speed in knots, dt
    // in minutes; the fields as the scroll bars and dials write them.
    Sea(double x, double y, double hx, double hy, int speed, int dt, int current = 0)
    {
        setCourse(*this, *this, hx, float(hy));
        setCurrent(*this, *this, 0, 1);
        (*this)[Field::txtSchiffx] = exact(x);
        (*this)[Field::txtSchiffy] = exact(y);
        (*this)[Field::txtInselx] = "80";
        (*this)[Field::txtInsely] = "80";
        (*this)[Field::txtFahrtv] = toText(speed);
        (*this)[Field::txtStromv] = toText(current);
        (*this)[Field::txtdt] = std::to_string(dt);
    }

    // Enough digits to read back as exactly `value`.
    static std::string exact(double value)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", value);
        std::string s = text;
        for (char &c : s)
            if (c == ',') // a program's locale may have set a decimal comma
                c = '.';
        return s;
    }

    std::string &operator[](Field field) { return texts[int(field)]; }
    Voyage voyage() { return Voyage{*this, *this, *this, *this, state}; }
    void steps(int n)
    {
        for (int i = 0; i < n; ++i)
            timeStep(voyage());
    }

    void read(Field field, FieldText &text) const override { text.assign(texts[int(field)]); }
    void write(Field field, std::string_view text) override
    {
        if (texts[int(field)] != text)
            texts[int(field)] = text;
    }
    bool ticked(Option option) const override { return ticks.count(option) > 0; }

    float left(MarkerName marker) const override { return corners[int(marker)][0]; }
    float top(MarkerName marker) const override { return corners[int(marker)][1]; }
    void moveTo(MarkerName marker, float left, float top) override
    {
        corners[int(marker)][0] = left;
        corners[int(marker)][1] = top;
    }
    void show(MarkerName marker) override { markerShown[int(marker)] = true; }

    void line(double x1, double y1, double x2, double y2, DrawStyle style, int width, Rgb colour) override
    {
        if (keepLines)
            lines.push_back({x1, y1, x2, y2, style, width, colour});
    }
    void circle(double x, double y, double radius, DrawStyle style, int width, Rgb colour) override
    {
        ++circles;
        circleX = x;
        circleY = y;
        circleRadius = radius;
        circleStyle = style;
        circleWidth = width;
        circleColour = colour;
    }

    void showCourse(const DialDirection &d, int degrees) override { course = d, courseDegrees = degrees; }
    void showCurrent(const DialDirection &d, int degrees) override { current = d, currentDegrees = degrees; }
    void showBearingLine(float x1, float y1, float x2, float y2) override
    {
        bearingShown = true;
        bearing[0] = x1, bearing[1] = y1, bearing[2] = x2, bearing[3] = y2;
    }
    void hideBearingLine() override { bearingShown = false; }
};

} // namespace testing
