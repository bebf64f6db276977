// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/pagelayout.h"

#include "design/controltable.h"
#include "design/layout.h"
#include "simulation/handlers.h"
#include "simulation/spoken.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vendral::web {
namespace {

using design::ControlRow;
using design::Kind;

constexpr double kPixelsPerPoint = 96.0 / 72.0;

void quoted(std::string &out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

void number(std::string &out, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    out += text;
}

void colour(std::string &out, const std::optional<Rgb> &c)
{
    if (!c) {
        out += "null";
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "\"#%02x%02x%02x\"", c->red, c->green, c->blue);
    out += text;
}

std::string_view kindName(Kind kind)
{
    switch (kind) {
    case Kind::Frame: return "frame";
    case Kind::Label: return "label";
    case Kind::CompassLetter: return "letter";
    case Kind::Edit: return "edit";
    case Kind::Button: return "button";
    case Kind::Check: return "check";
    case Kind::VerticalBar: return "vbar";
    case Kind::HorizontalBar: return "hbar";
    case Kind::Dial: return "dial";
    case Kind::Chart: return "chart";
    case Kind::BearingLine: return "bearing";
    case Kind::ShipMarker: return "ship";
    case Kind::IslandMarker: return "island";
    }
    return "";
}

PixelRect intersected(const PixelRect &a, const PixelRect &b)
{
    const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

class Layout
{
public:
    Layout(double width, double height)
        : width_(width)
        , height_(height)
        , scale_(design::designScaleFor(width, height))
    {
        const PixelRect chart = design::containerPlace("picSee", width, height);
        chartArea_ = {0, 0, chart.width - 2 * kBorder, chart.height - 2 * kBorder};
        magnification_ = design::markerMagnification({double(chartArea_.width), double(chartArea_.height)},
                                                     design::designChartArea(kBorder));
        const PixelRect button = scale_.rect(design::findControl("Command4")->place);
        chartControls_ = design::chartControlPlaces(scale_, chart.width, kBorder, button.width);
    }

    double factor() const { return scale_.factor(); }
    double magnification() const { return magnification_; }
    const PixelRect &chartArea() const { return chartArea_; }

    PixelRect place(const ControlRow &row) const
    {
        const PixelRect own = row.has(design::Unscaled) ? TwipsScale().rect(row.place) : scale_.rect(row.place);
        switch (row.kind) {
        case Kind::Frame:
        case Kind::Chart:
            return design::containerPlace(row.name, width_, height_);
        case Kind::CompassLetter: {
            const PixelRect dial = scale_.rect(design::findControl(row.parent)->place);
            const PixelRect area{kBorder, kBorder, dial.width - 2 * kBorder, dial.height - 2 * kBorder};
            return intersected({own.left + kBorder, own.top + kBorder, own.width, own.height}, area);
        }
        case Kind::BearingLine: return chartArea_;
        case Kind::ShipMarker: return {0, 0, magnified(own.width), magnified(own.height)};
        case Kind::IslandMarker: return {own.left, own.top, magnified(kIslandWidth), magnified(kIslandHeight)};
        default: break;
        }
        if (row.parent == "image2") {
            const double cx = (own.left + own.width / 2.0) * magnification_;
            const double cy = (own.top + own.height / 2.0) * magnification_;
            return {int(std::lround(cx - own.width / 2.0)), int(std::lround(cy - own.height / 2.0)), own.width,
                    own.height};
        }
        if (row.name == "txtAbstand")
            return chartControls_.distance;
        if (row.name == "txtFdW")
            return chartControls_.bearing;
        if (row.name == "txtReiseweg")
            return chartControls_.travelled;
        if (row.name == "Command4")
            return {chartControls_.buttonLeft, 0, own.width, own.height};
        return own;
    }

    double fontPixels(double points) const { return points * scale_.factor() * kPixelsPerPoint; }

private:
    int magnified(int pixels) const { return std::max(1, int(std::lround(pixels * magnification_))); }

    double width_, height_;
    TwipsScale scale_;
    PixelRect chartArea_;
    double magnification_ = 1;
    design::ChartControlPlaces chartControls_;
};

void control(std::string &out, const Layout &layout, const ControlRow &row)
{
    const PixelRect r = layout.place(row);
    out += "{\"name\":";
    quoted(out, row.name);
    out += ",\"kind\":";
    quoted(out, kindName(row.kind));
    out += ",\"parent\":";
    quoted(out, row.parent);
    out += ",\"x\":" + std::to_string(r.left) + ",\"y\":" + std::to_string(r.top) + ",\"w\":" +
           std::to_string(r.width) + ",\"h\":" + std::to_string(r.height);
    out += ",\"caption\":";
    quoted(out, row.caption);
    out += ",\"tooltip\":";
    quoted(out, row.tooltip);
    out += ",\"back\":";
    colour(out, row.back);
    out += ",\"text\":";
    colour(out, row.text);
    out += ",\"font\":";
    number(out, layout.fontPixels(row.points > 0 ? row.points : design::kWindowPoints));
    out += ",\"flags\":" + std::to_string(row.flags);
    out += ",\"range\":[" + std::to_string(row.range.first) + "," + std::to_string(row.range.last) + "," +
           std::to_string(row.range.value) + "]}";
}

void texts(std::string &out, std::span<const ControlText> list)
{
    out += '{';
    for (const ControlText &t : list) {
        if (out.back() != '{')
            out += ',';
        quoted(out, t.control);
        out += ':';
        quoted(out, t.text);
    }
    out += '}';
}

} // namespace

std::string pageLayout(double width, double height)
{
    const Layout layout(width, height);
    std::string out = "{\"factor\":";
    number(out, layout.factor());
    out += ",\"magnification\":";
    number(out, layout.magnification());
    out += ",\"border\":" + std::to_string(kBorder);
    out += ",\"chartArea\":[" + std::to_string(layout.chartArea().width) + "," +
           std::to_string(layout.chartArea().height) + "]";
    out += ",\"windowFont\":";
    number(out, layout.fontPixels(design::kWindowPoints));
    out += ",\"controls\":[";
    for (const ControlRow &row : design::kControls) {
        if (out.back() != '[')
            out += ',';
        control(out, layout, row);
    }
    out += "],\"tabOrder\":[";
    for (std::string_view name : design::kTabOrder) {
        if (out.back() != '[')
            out += ',';
        quoted(out, name);
    }
    out += "],\"menu\":[";
    for (const design::MenuEntry &entry : design::kMenu) {
        if (out.back() != '[')
            out += ',';
        out += "{\"name\":";
        quoted(out, entry.name);
        out += ",\"caption\":";
        quoted(out, entry.caption);
        out += '}';
    }
    out += "],\"names\":";
    texts(out, controlNames());
    // A control named by its label bears the label's caption.
    out += ",\"labels\":{";
    for (const ControlText &labelled : controlLabels()) {
        if (out.back() != '{')
            out += ',';
        quoted(out, labelled.control);
        out += ':';
        const ControlRow *label = design::findControl(labelled.text);
        quoted(out, label ? label->caption : labelled.text);
    }
    out += '}';
    out += ",\"descriptions\":";
    texts(out, controlDescriptions());
    out += ",\"creditsItem\":";
    quoted(out, creditsItemName());
    out += ",\"creditsTitle\":";
    quoted(out, kCreditsTitle);
    out += ",\"creditsText\":";
    quoted(out, kCreditsText);
    out += '}';
    return out;
}

} // namespace vendral::web
