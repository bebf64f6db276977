// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/direction.h"
#include "simulation/numbers.h"

#include <QByteArray>
#include <QString>

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

class VoyageFields
{
public:
    virtual QString text(Field field) const = 0;
    // Writing the text a field already holds changes nothing.
    virtual void write(Field field, const QString &text) = 0;
    virtual bool ticked(Option option) const = 0;

protected:
    ~VoyageFields() = default;
};

// Reads a text the lenient way; text that is not a number reads as 0.
inline double readNumber(const QString &text)
{
    // A run reads some twenty fields a step, nearly always short ASCII
    // texts: those are read without allocating.
    char ascii[64];
    if (text.size() <= qsizetype(sizeof ascii)) {
        size_t n = 0;
        for (const QChar c : text) {
            if (c.unicode() >= 0x80)
                break;
            ascii[n++] = static_cast<char>(c.unicode());
        }
        if (qsizetype(n) == text.size())
            return toNumber(std::string_view(ascii, n));
    }
    const QByteArray utf8 = text.toUtf8();
    return toNumber(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

inline double number(const VoyageFields &fields, Field field) { return readNumber(fields.text(field)); }

inline std::string textOf(const VoyageFields &fields, Field field) { return fields.text(field).toStdString(); }

inline void write(VoyageFields &fields, Field field, const std::string &text)
{
    fields.write(field, QString::fromStdString(text));
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

protected:
    ~VoyageMarkers() = default;
};

// The chart's pen. A wide pen draws solid whatever its style.
enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2 };

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
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
