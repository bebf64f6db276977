// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/webvoyage.h"

#include "design/controltable.h"
#include "drawing/clipping.h"
#include "drawing/currentfield.h"
#include "drawing/dialface.h"
#include "drawing/shipsymbol.h"
#include "simulation/bearing.h"
#include "simulation/islanddistance.h"
#include "simulation/numbers.h"
#include "simulation/spoken.h"
#include "simulation/timestep.h"
#include "simulation/travelcounters.h"
#include "web/fieldnames.h"

#include <cmath>

namespace vendral::web {
namespace {

const UserScale kChartScale(0, 100, 100, 0);
const UserScale kDialScale(-1.3, 1.3, 1.3, -1.3);

const DialFace &faceOf(DialName dial) { return dial == DialName::picFahrt ? kCourseDialFace : kCurrentDialFace; }

Rgb dialBack(DialName dial)
{
    return *design::findControl(dial == DialName::picFahrt ? "picFahrt" : "picStrom")->back;
}

// The voyage's strokes onto a recorder.
class RecorderChart final : public VoyageChart
{
public:
    explicit RecorderChart(Recorder &recorder)
        : recorder_(recorder)
    {
    }
    void line(double x1, double y1, double x2, double y2, DrawStyle style, int width, Rgb colour) override
    {
        recorder_.setDrawStyle(style);
        recorder_.setDrawWidth(width);
        recorder_.line(x1, y1, x2, y2, colour);
    }
    void circle(double x, double y, double radius, DrawStyle style, int width, Rgb colour) override
    {
        recorder_.setDrawStyle(style);
        recorder_.setDrawWidth(width);
        recorder_.circle(x, y, radius, colour);
    }

private:
    Recorder &recorder_;
};

} // namespace

WebVoyage::WebVoyage(std::function<double()> now)
    : now_(now)
    , runs_(std::move(now))
{
    for (std::size_t i = 0; i < texts_.size(); ++i)
        texts_[i] = std::string(design::findControl(kFieldNames[i])->caption);
    for (const auto &[option, name] : {std::pair{Option::chkAuto, "chkAuto"}, std::pair{Option::chkPeil, "chkPeil"},
                                       std::pair{Option::Check1, "Check1"}})
        ticked_[std::size_t(option)] = design::findControl(name)->has(design::Ticked);
    chart_.setScale(kChartScale);
}

void WebVoyage::startUp(double chartWidth, double chartHeight, int currentSpeed)
{
    chart_.setArea(chartWidth, chartHeight);
    chart_.clear(palette::kChartBlue);
    resetToStart(*this, *this, *this);
    showIslandDistance(*this);
    currentSpeedChanged(*this, *this, currentSpeed);
}

void WebVoyage::read(Field field, FieldText &text) const { text.assign(texts_[std::size_t(field)]); }

void WebVoyage::write(Field field, std::string_view text)
{
    std::string &held = texts_[std::size_t(field)];
    if (held == text)
        return;
    held.assign(text);
    changes_ |= Fields;
    // As on the desktop, a new current vector, typed or computed, draws a
    // new field.
    if (field == Field::txtStromx || field == Field::txtStromy)
        drawCurrentField();
}

void WebVoyage::tick(Option option, bool on)
{
    ticked_[std::size_t(option)] = on;
    if (option == Option::chkAuto)
        autopilotClicked(*this, *this, *this);
    else if (option == Option::chkPeil)
        updateBearingLine(*this, *this, *this);
}

void WebVoyage::moveTo(MarkerName marker, float left, float top)
{
    MarkerPlace &place = markers_[std::size_t(marker)];
    if (place.left == left && place.top == top)
        return;
    place = {left, top};
    changes_ |= Markers;
}

void WebVoyage::resizeChart(double width, double height)
{
    chart_.setArea(width, height);
    paintCurrentField();
    RecorderChart onto(chart_);
    history_.replay(onto);
}

void WebVoyage::line(double x1, double y1, double x2, double y2, DrawStyle style, int width, Rgb colour)
{
    RecorderChart(chart_).line(x1, y1, x2, y2, style, width, colour);
    history_.line(x1, y1, x2, y2, style, width, colour);
    changes_ |= Chart;
}

void WebVoyage::circle(double x, double y, double radius, DrawStyle style, int width, Rgb colour)
{
    RecorderChart(chart_).circle(x, y, radius, style, width, colour);
    history_.circle(x, y, radius, style, width, colour);
    changes_ |= Chart;
}

void WebVoyage::showCourse(const DialDirection &direction, int degrees)
{
    course_ = direction;
    courseDegrees_ = degrees;
    changes_ |= Course;
}

void WebVoyage::showCurrent(const DialDirection &direction, int degrees)
{
    current_ = direction;
    currentDegrees_ = degrees;
    changes_ |= Current;
}

void WebVoyage::showBearingLine(float x1, float y1, float x2, float y2)
{
    const std::array<float, 4> ends{x1, y1, x2, y2};
    if (bearingShown_ && bearing_ == ends)
        return;
    bearingShown_ = true;
    bearing_ = ends;
    changes_ |= Bearing;
}

void WebVoyage::hideBearingLine()
{
    if (!bearingShown_)
        return;
    bearingShown_ = false;
    changes_ |= Bearing;
}

double WebVoyage::bearingEnd(int index) const
{
    const int i = index & 3;
    const Point p = kChartScale.toPixel(chart_.area(), bearing_[std::size_t(i & 2)], bearing_[std::size_t(i | 1)]);
    return (i & 1) ? p.y : p.x;
}

std::string WebVoyage::bearingText() const
{
    return bearingLineText(bearing_[0], bearing_[1], bearing_[2], bearing_[3]);
}

void WebVoyage::wipe(Rgb fore)
{
    chart_.clear(palette::kChartBlue);
    history_.clear();
    chart_.setForeColor(fore);
    changes_ |= Chart;
}

void WebVoyage::drawCurrentField()
{
    history_.clear();
    paintCurrentField();
}

void WebVoyage::paintCurrentField()
{
    chart_.clear(palette::kChartBlue);
    vendral::drawCurrentField(chart_, random_, *this, kChartFieldColours);
    changes_ |= Chart;
}

void WebVoyage::timeStep() { vendral::timeStep(voyage()); }

void WebVoyage::clearCounters() { resetTravelCounters(*this, state_); }

void WebVoyage::redrawChart() { vendral::redrawChart(*this, *this, *this); }

void WebVoyage::startState() { vendral::startState(voyage()); }

void WebVoyage::scrolled(int bar, int value)
{
    switch (bar) {
    case 0: parameterChanged(*this, Parameter::hscfahrtv, value); break;
    case 1: currentSpeedChanged(*this, *this, value); break;
    case 2: parameterChanged(*this, Parameter::hscdt, value); break;
    case 3: parameterChanged(*this, Parameter::hscverz, value); break;
    default: break;
    }
}

std::string WebVoyage::takeRunEnd()
{
    RunRules::End end;
    std::string report;
    if (!runs_.takeEnd(end, report, *this))
        return {};
    switch (end) {
    case RunRules::End::Stop: return "stop\n" + report;
    case RunRules::End::Edge: return "edge\n" + report;
    case RunRules::End::Arrival: return "arrival\n" + report;
    case RunRules::End::Closing: break;
    }
    return "closing\n";
}

void WebVoyage::dialPointer(DialName dial, int phase, double x, double y, double width, double height)
{
    const Point p = kDialScale.toUser({width, height}, {x, y});
    const float fy = static_cast<float>(p.y);
    switch (phase) {
    case 0: hold_.press(dial, *this, *this, p.x, fy); break;
    case 1: hold_.move(dial, *this, *this, p.x, fy); break;
    default: hold_.release(); break;
    }
}

void WebVoyage::dialKey(DialName dial, DialKey key)
{
    const bool course = dial == DialName::picFahrt;
    if (!(course ? course_ : current_))
        return;
    const Vector u = keyDirection((course ? courseDegrees_ : currentDegrees_) + keyTurn(key));
    setDial(dial, *this, *this, u.x, static_cast<float>(u.y));
}

void WebVoyage::dragOver(MarkerName marker, double x, double y)
{
    const Point p = kChartScale.toUser(chart_.area(), {x, y});
    vendral::dragOver(*this, marker, toSingle(p.x), toSingle(p.y));
}

void WebVoyage::dragDrop(MarkerName marker, double x, double y)
{
    const Point p = kChartScale.toUser(chart_.area(), {x, y});
    vendral::dragDrop(*this, *this, marker, toSingle(p.x), toSingle(p.y));
}

void WebVoyage::keyMove(MarkerName marker, int dx, int dy, double width, double height)
{
    const Point corner = kChartScale.toUser(chart_.area(), {0, 0});
    const Point far = kChartScale.toUser(chart_.area(), {width, height});
    vendral::keyMove(*this, *this, marker, left(marker) + dx, top(marker) + dy, far.x - corner.x, far.y - corner.y);
}

int WebVoyage::markerPixel(MarkerName marker, bool vertical) const
{
    const Point p = kChartScale.toPixel(chart_.area(), left(marker), top(marker));
    return pixelCoordinate(vertical ? p.y : p.x);
}

unsigned WebVoyage::takeChanges()
{
    const unsigned c = changes_;
    changes_ = 0;
    return c;
}

const Recorder &WebVoyage::paintDial(DialName dial, double width, double height)
{
    scratch_ = Recorder();
    scratch_.setArea(width, height);
    scratch_.setScale(kDialScale);
    scratch_.setSmooth(true);
    scratch_.clear(dialBack(dial));
    drawDialFace(scratch_, faceOf(dial));
    const auto &direction = dial == DialName::picFahrt ? course_ : current_;
    if (direction)
        drawDialPointer(scratch_, faceOf(dial), direction->ux, direction->uy);
    return scratch_;
}

const Recorder &WebVoyage::paintShip(double width, double height)
{
    scratch_ = Recorder();
    scratch_.setArea(width, height);
    scratch_.setScale(UserScale(-1, -1, 1, 1));
    scratch_.setSmooth(true);
    scratch_.clear(*design::findControl("image1")->back);
    if (course_)
        drawShipSymbol(scratch_, course_->hx, course_->hy, palette::kWhite);
    return scratch_;
}

} // namespace vendral::web
