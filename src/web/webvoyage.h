// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing/random.h"
#include "simulation/handlers.h"
#include "simulation/voyage.h"
#include "web/charthistory.h"
#include "web/recorder.h"
#include "web/rundriver.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace vendral::web {

// The voyage of the browser edition: the page's one owner of what the window
// of the desktop holds. The fields' texts live here, and the page's text
// fields show them; the markers' places, the dials' directions and the
// bearing line are kept for the page to show; the chart's drawings are
// recorded for it to replay. Every handler is the desktop's own.
class WebVoyage final : public VoyageFields,
                        public VoyageMarkers,
                        public VoyageChart,
                        public VoyageIndicators,
                        public ChartField
{
public:
    // What changed since the page last asked, as bits.
    enum Change : unsigned { Fields = 1, Markers = 2, Course = 4, Current = 8, Bearing = 16, Chart = 32 };

    explicit WebVoyage(std::function<double()> now);
    WebVoyage(const WebVoyage &) = delete;
    WebVoyage &operator=(const WebVoyage &) = delete;

    // Start-up, on a chart drawing area of this many pixels.
    void startUp(double chartWidth, double chartHeight, int currentSpeed);
    // The chart's drawing area has a new size: the chart is drawn anew at it,
    // the current field afresh and over it the track and circles drawn since
    // the chart was last cleared.
    void resizeChart(double width, double height);

    void read(Field field, FieldText &text) const override;
    void write(Field field, std::string_view text) override;
    bool ticked(Option option) const override { return ticked_[std::size_t(option)]; }
    // The user has typed into a field, or ticked a box.
    void typed(Field field, std::string_view text) { write(field, text); }
    void tick(Option option, bool on);

    float left(MarkerName marker) const override { return markers_[std::size_t(marker)].left; }
    float top(MarkerName marker) const override { return markers_[std::size_t(marker)].top; }
    void moveTo(MarkerName marker, float left, float top) override;
    void show(MarkerName) override {}

    void line(double x1, double y1, double x2, double y2, DrawStyle style, int width, Rgb colour) override;
    void circle(double x, double y, double radius, DrawStyle style, int width, Rgb colour) override;

    void showCourse(const DialDirection &direction, int degrees) override;
    void showCurrent(const DialDirection &direction, int degrees) override;
    void showBearingLine(float x1, float y1, float x2, float y2) override;
    void hideBearingLine() override;

    void wipe(Rgb fore) override;
    void drawCurrentField() override;

    // The buttons, the menu and the bars.
    void timeStep();
    void fahrt() { runs_.start(voyage()); }
    void stop() { runs_.requestStop(state_); }
    void clearCounters();
    void redrawChart();
    void startState();
    void end() { runs_.close(state_); }
    void scrolled(int bar, int value);
    // Slices of the runs; see RunDriver::advance.
    double advance(double sliceMs) { return runs_.advance(voyage(), now_() + sliceMs); }
    int runDepth() const { return runs_.depth(); }
    // After the last run ended: "" while none has, else why it ended and the
    // end report, "stop\n…", "edge\n…", "arrival\n…" or "closing\n".
    std::string takeRunEnd();

    // The dials, in pixels of their drawing area of `width` by `height`.
    void dialPointer(DialName dial, int phase, double x, double y, double width, double height);
    void dialKey(DialName dial, DialKey key);
    // The markers: a drag over or a drop at a point of the chart's drawing
    // area in pixels, and a move by the keys of one sm in (dx, dy) for a
    // marker shown `width` by `height` pixels.
    void dragOver(MarkerName marker, double x, double y);
    void dragDrop(MarkerName marker, double x, double y);
    void keyMove(MarkerName marker, int dx, int dy, double width, double height);
    // A marker's top-left corner in whole pixels of the chart's area.
    int markerPixel(MarkerName marker, bool vertical) const;

    unsigned takeChanges();
    const DialDirection *course() const { return course_ ? &*course_ : nullptr; }
    int courseDegrees() const { return courseDegrees_; }
    const DialDirection *current() const { return current_ ? &*current_ : nullptr; }
    int currentDegrees() const { return currentDegrees_; }
    bool bearingShown() const { return bearingShown_; }
    // The bearing line's ends in pixels of the chart's area.
    double bearingEnd(int index) const;
    std::string bearingText() const;

    Recorder &chart() { return chart_; }
    // A dial's face and pointer, or the ship symbol, drawn afresh into the
    // scratch recorder at this size.
    const Recorder &paintDial(DialName dial, double width, double height);
    const Recorder &paintShip(double width, double height);

    VoyageState &state() { return state_; }
    const VoyageState &state() const { return state_; }
    Voyage voyage() { return Voyage{*this, *this, *this, *this, state_}; }

private:
    // The current field drawn afresh, the history of the voyage's strokes kept.
    void paintCurrentField();

    struct MarkerPlace
    {
        float left = 0;
        float top = 0;
    };

    std::function<double()> now_;
    std::array<std::string, 20> texts_;
    std::array<bool, 3> ticked_{};
    std::array<MarkerPlace, 2> markers_;
    std::optional<DialDirection> course_, current_;
    int courseDegrees_ = 0, currentDegrees_ = 0;
    bool bearingShown_ = false;
    std::array<float, 4> bearing_{};
    unsigned changes_ = 0;
    Recorder chart_;
    ChartHistory history_;
    Recorder scratch_;
    VoyageState state_;
    DialHold hold_;
    Random random_;
    RunDriver runs_;
};

} // namespace vendral::web
