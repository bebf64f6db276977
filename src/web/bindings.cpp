// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's script can call: the voyage by its handlers, and the
// recorded drawings as views on the module's memory, valid until the next
// call that draws.

#include "simulation/direction.h"
#include "simulation/spoken.h"
#include "web/fieldnames.h"
#include "web/pagelayout.h"
#include "web/webvoyage.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <chrono>

namespace vendral::web {
namespace {

using emscripten::val;

double now()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

class Page
{
public:
    Page() : voyage_(now) {}

    void startUp(double w, double h, int currentSpeed) { voyage_.startUp(w, h, currentSpeed); }
    void resizeChart(double w, double h) { voyage_.resizeChart(w, h); }
    std::string text(int field) const { return voyage_.text(Field(field)); }
    void typed(int field, const std::string &text) { voyage_.typed(Field(field), text); }
    bool ticked(int option) const { return voyage_.ticked(Option(option)); }
    void tick(int option, bool on) { voyage_.tick(Option(option), on); }

    void timeStep() { voyage_.timeStep(); }
    void fahrt() { voyage_.fahrt(); }
    void stop() { voyage_.stop(); }
    void clearCounters() { voyage_.clearCounters(); }
    void redrawChart() { voyage_.redrawChart(); }
    void startState() { voyage_.startState(); }
    void end() { voyage_.end(); }
    void scrolled(int bar, int value) { voyage_.scrolled(bar, value); }
    double advance(double ms) { return voyage_.advance(ms); }
    int runDepth() const { return voyage_.runDepth(); }
    // Minutes sailed in the stage, for the tests to count steps by.
    double travelTime() const { return voyage_.state().travelTime; }
    std::string takeRunEnd() { return voyage_.takeRunEnd(); }

    void dialPointer(int dial, int phase, double x, double y, double w, double h)
    {
        voyage_.dialPointer(DialName(dial), phase, x, y, w, h);
    }
    void dialKey(int dial, int key) { voyage_.dialKey(DialName(dial), DialKey(key)); }
    void dragOver(int marker, double x, double y) { voyage_.dragOver(MarkerName(marker), x, y); }
    void dragDrop(int marker, double x, double y) { voyage_.dragDrop(MarkerName(marker), x, y); }
    void keyMove(int marker, int dx, int dy, double w, double h) { voyage_.keyMove(MarkerName(marker), dx, dy, w, h); }
    int markerPixel(int marker, bool vertical) const { return voyage_.markerPixel(MarkerName(marker), vertical); }
    unsigned takeChanges() { return voyage_.takeChanges(); }

    // [ux, uy, degrees] of a dial, or null while it shows no direction.
    val dial(int which) const
    {
        const DialDirection *d = which == 0 ? voyage_.course() : voyage_.current();
        if (!d)
            return val::null();
        val out = val::array();
        out.call<void>("push", d->ux, d->uy, which == 0 ? voyage_.courseDegrees() : voyage_.currentDegrees());
        return out;
    }
    val bearing() const
    {
        if (!voyage_.bearingShown())
            return val::null();
        val out = val::array();
        for (int i = 0; i < 4; ++i)
            out.call<void>("push", voyage_.bearingEnd(i));
        return out;
    }

    val chartDrawings() { return drawings(voyage_.chart()); }
    std::string chartTexts() { return voyage_.chart().texts(); }
    void chartReplayed() { voyage_.chart().forget(); }
    val dialDrawings(int dial, double w, double h) { return drawings(voyage_.paintDial(DialName(dial), w, h)); }
    val shipDrawings(double w, double h) { return drawings(voyage_.paintShip(w, h)); }

    // What a screen reader hears.
    std::string dialText(int dial) const
    {
        const std::string_view control = dial == 0 ? "picFahrt" : "picStrom";
        std::string_view name = control;
        for (const ControlText &t : controlNames())
            if (t.control == control)
                name = t.text;
        return vendral::dialText(name, dial == 0 ? voyage_.courseDegrees() : voyage_.currentDegrees());
    }
    std::string shipText() const { return vendral::shipText(voyage_); }
    std::string islandText() const { return vendral::islandText(voyage_); }
    std::string chartSummary() const { return vendral::chartSummary(voyage_); }
    std::string stepReport() const { return vendral::stepReport(voyage_); }
    std::string startStateReport() const { return vendral::startStateReport(voyage_); }
    std::string countersClearedReport() const { return vendral::countersClearedReport(); }
    std::string bearingText() const { return voyage_.bearingText(); }

private:
    static val drawings(const Recorder &r)
    {
        const std::vector<double> &d = r.drawings();
        return val(emscripten::typed_memory_view(d.size(), d.data()));
    }

    WebVoyage voyage_;
};

std::string layout(double w, double h) { return pageLayout(w, h); }

val fieldNames()
{
    val out = val::array();
    for (std::string_view name : kFieldNames)
        out.call<void>("push", std::string(name));
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(vendral)
{
    emscripten::function("layout", &layout);
    emscripten::function("fieldNames", &fieldNames);
    emscripten::class_<Page>("Page")
        .constructor<>()
        .function("startUp", &Page::startUp)
        .function("resizeChart", &Page::resizeChart)
        .function("text", &Page::text)
        .function("typed", &Page::typed)
        .function("ticked", &Page::ticked)
        .function("tick", &Page::tick)
        .function("timeStep", &Page::timeStep)
        .function("fahrt", &Page::fahrt)
        .function("stop", &Page::stop)
        .function("clearCounters", &Page::clearCounters)
        .function("redrawChart", &Page::redrawChart)
        .function("startState", &Page::startState)
        .function("end", &Page::end)
        .function("scrolled", &Page::scrolled)
        .function("advance", &Page::advance)
        .function("runDepth", &Page::runDepth)
        .function("travelTime", &Page::travelTime)
        .function("takeRunEnd", &Page::takeRunEnd)
        .function("dialPointer", &Page::dialPointer)
        .function("dialKey", &Page::dialKey)
        .function("dragOver", &Page::dragOver)
        .function("dragDrop", &Page::dragDrop)
        .function("keyMove", &Page::keyMove)
        .function("markerPixel", &Page::markerPixel)
        .function("takeChanges", &Page::takeChanges)
        .function("dial", &Page::dial)
        .function("bearing", &Page::bearing)
        .function("chartDrawings", &Page::chartDrawings)
        .function("chartTexts", &Page::chartTexts)
        .function("chartReplayed", &Page::chartReplayed)
        .function("dialDrawings", &Page::dialDrawings)
        .function("shipDrawings", &Page::shipDrawings)
        .function("dialText", &Page::dialText)
        .function("shipText", &Page::shipText)
        .function("islandText", &Page::islandText)
        .function("chartSummary", &Page::chartSummary)
        .function("stepReport", &Page::stepReport)
        .function("startStateReport", &Page::startStateReport)
        .function("countersClearedReport", &Page::countersClearedReport)
        .function("bearingText", &Page::bearingText);
}

} // namespace vendral::web
