// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/direction.h"
#include "simulation/numbers.h"
#include "simulation/pen.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// What the voyage's procedures work on. Every value the user sees and types
// lives in a text field and nowhere else: the procedures read a field at the
// moment they use it and write their results back as text, so the 15-digit
// rounding and the lenient reading apply at every step. The window implements
// these interfaces with its controls; tests implement them with plain data.
namespace vendral {

// The text fields, by the names the window gives them.
enum class Field {
    txtFahrtx, txtFahrty, txtFahrtv, txtWinkel,
    txtStromx, txtStromy, txtStromv, txtStromW,
    txtSchiffx, txtSchiffy, txtInselx, txtInsely,
    txtdt, txtVerz, txtReisezeitd, txtReisezeith, txtReisezeitmin,
    txtReiseweg, txtFdW, txtAbstand,
};

// The check boxes the procedures look at.
enum class Option { chkAuto, chkPeil, Check1 };

// A field's text as UTF-8. A run reads some twenty fields a step, nearly
// always short texts: those stay in place, without an allocation.
class FieldText
{
public:
    // Room for `size` bytes, to be filled in; the old text is gone.
    char *resize(std::size_t size)
    {
        size_ = size;
        if (size <= small_.size())
            return small_.data();
        large_.resize(size);
        return large_.data();
    }
    void assign(std::string_view text) { text.copy(resize(text.size()), text.size()); }
    std::string_view view() const
    {
        return {size_ <= small_.size() ? small_.data() : large_.data(), size_};
    }

private:
    std::array<char, 64> small_;
    std::string large_;
    std::size_t size_ = 0;
};

class VoyageFields
{
public:
    virtual void read(Field field, FieldText &text) const = 0;
    // Writing the text a field already holds changes nothing.
    virtual void write(Field field, std::string_view text) = 0;
    virtual bool ticked(Option option) const = 0;

    std::string text(Field field) const
    {
        FieldText t;
        read(field, t);
        return std::string(t.view());
    }

protected:
    ~VoyageFields() = default;
};

// Reads a field the lenient way; text that is not a number reads as 0.
inline double number(const VoyageFields &fields, Field field)
{
    FieldText text;
    fields.read(field, text);
    return toNumber(text.view());
}

// The ship's marker (image1) and the island's (image2).
enum class MarkerName { image1, image2 };

// The markers' top-left corners (Left, Top) in sm, x east and y north, held in
// single precision as a control's Left and Top are.
class VoyageMarkers
{
public:
    virtual float left(MarkerName marker) const = 0;
    virtual float top(MarkerName marker) const = 0;
    virtual void moveTo(MarkerName marker, float left, float top) = 0;
    // Makes the marker visible, above the chart's drawing.
    virtual void show(MarkerName marker) = 0;

protected:
    ~VoyageMarkers() = default;
};

// Drawing on the chart, in sm; a width is in pixels.
class VoyageChart
{
public:
    virtual void line(double x1, double y1, double x2, double y2, DrawStyle style, int width, Rgb colour) = 0;
    virtual void circle(double x, double y, double radius, DrawStyle style, int width, Rgb colour) = 0;

protected:
    ~VoyageChart() = default;
};

// What shows the voyage besides its fields and the markers' places: the
// dials' pointers, the ship symbol and the bearing line.
class VoyageIndicators
{
public:
    // The course dial's pointer and the ship symbol; `degrees` as txtWinkel
    // shows it.
    virtual void showCourse(const DialDirection &direction, int degrees) = 0;
    // The current dial's pointer.
    virtual void showCurrent(const DialDirection &direction, int degrees) = 0;
    // The bearing line between two points in sm, single precision.
    virtual void showBearingLine(float x1, float y1, float x2, float y2) = 0;
    virtual void hideBearingLine() = 0;

protected:
    ~VoyageIndicators() = default;
};

// The window-level variables that outlive a time step; all 0 at start.
struct VoyageState
{
    // 1 once a stop is asked for ("Stop", the edge of the permitted area,
    // arrival); a run clears it when it starts.
    int stopRequested = 0;
    // Minutes, and sm over ground and through the water, since the last
    // "Etappe".
    double travelTime = 0;
    double distanceOverGround = 0;
    double distanceThroughWater = 0;
};

// Everything a time step reads and writes.
struct Voyage
{
    VoyageFields &fields;
    VoyageMarkers &markers;
    VoyageChart &chart;
    VoyageIndicators &indicators;
    VoyageState &state;
};

} // namespace vendral
