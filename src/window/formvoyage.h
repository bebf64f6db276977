// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/voyage.h"

class QLineEdit;

namespace vendral {

struct Form;

// The voyage as the window's controls hold it: the fields are the window's
// line edits, the markers its marker widgets, the chart its sea chart. Cheap
// to make: it holds nothing but the form.
class FormVoyage final : public VoyageFields, public VoyageMarkers, public VoyageChart, public VoyageIndicators
{
public:
    explicit FormVoyage(Form &form)
        : form_(form)
    {
    }

    // Everything a time step works on, the form's window-level variables
    // included.
    Voyage voyage();

    void read(Field field, FieldText &text) const override;
    void write(Field field, std::string_view text) override;
    bool ticked(Option option) const override;

    float left(MarkerName marker) const override;
    float top(MarkerName marker) const override;
    void moveTo(MarkerName marker, float left, float top) override;

    void line(double x1, double y1, double x2, double y2, DrawStyle style, int width, Rgb colour) override;
    void circle(double x, double y, double radius, DrawStyle style, int width, Rgb colour) override;

    void showCourse(const DialDirection &direction, int degrees) override;
    void showCurrent(const DialDirection &direction, int degrees) override;
    void showBearingLine(float x1, float y1, float x2, float y2) override;
    void hideBearingLine() override;

private:
    QLineEdit *field(Field field) const;

    Form &form_;
};

} // namespace vendral
