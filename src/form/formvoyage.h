// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing/random.h"
#include "simulation/handlers.h"
#include "simulation/voyage.h"

class QLineEdit;

namespace vendral {

struct Form;

// The voyage on the window's side, the one owner of what the handlers, the
// run engine and the drag share: its fields are the window's line edits, its
// markers the marker widgets, its chart the sea chart; it holds the
// window-level variables, the dials' hold and the program's random sequence.
// The window makes it once, after its controls, and hands it on.
class FormVoyage final : public VoyageFields,
                         public VoyageMarkers,
                         public VoyageChart,
                         public VoyageIndicators,
                         public ChartField
{
public:
    explicit FormVoyage(const Form &form)
        : form_(form)
    {
    }
    FormVoyage(const FormVoyage &) = delete;
    FormVoyage &operator=(const FormVoyage &) = delete;

    const Form &form() const { return form_; }
    // Everything a time step works on, the window-level variables included.
    Voyage voyage() { return Voyage{*this, *this, *this, *this, state_}; }
    VoyageState &state() { return state_; }
    const VoyageState &state() const { return state_; }
    DialHold &dialHold() { return dialHold_; }
    const DialHold &dialHold() const { return dialHold_; }

    void read(Field field, FieldText &text) const override;
    void write(Field field, std::string_view text) override;
    bool ticked(Option option) const override;

    float left(MarkerName marker) const override;
    float top(MarkerName marker) const override;
    void moveTo(MarkerName marker, float left, float top) override;
    void show(MarkerName marker) override;

    void line(double x1, double y1, double x2, double y2, DrawStyle style, int width, Rgb colour) override;
    void circle(double x, double y, double radius, DrawStyle style, int width, Rgb colour) override;

    void showCourse(const DialDirection &direction, int degrees) override;
    void showCurrent(const DialDirection &direction, int degrees) override;
    void showBearingLine(float x1, float y1, float x2, float y2) override;
    void hideBearingLine() override;

    void wipe(Rgb fore) override;
    void drawCurrentField() override;

private:
    QLineEdit *field(Field field) const;

    const Form &form_;
    VoyageState state_;
    DialHold dialHold_;
    Random rnd_;
};

} // namespace vendral
