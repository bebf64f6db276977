// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/formvoyage.h"

#include "chart/bearingline.h"
#include "chart/shipmarker.h"
#include "common/canvas.h"
#include "common/picturebox.h"
#include "dials/dial.h"
#include "drawing/currentfield.h"
#include "form/fields.h"
#include "form/form.h"

#include <QCheckBox>

namespace vendral {
namespace {

void setPen(Canvas &canvas, DrawStyle style, int width)
{
    canvas.setDrawStyle(style);
    canvas.setDrawWidth(width);
}

} // namespace

QLineEdit *FormVoyage::field(Field field) const
{
    const Form &f = form_;
    switch (field) {
    case Field::txtFahrtx: return f.txtFahrtx;
    case Field::txtFahrty: return f.txtFahrty;
    case Field::txtFahrtv: return f.txtFahrtv;
    case Field::txtWinkel: return f.txtWinkel;
    case Field::txtStromx: return f.txtStromx;
    case Field::txtStromy: return f.txtStromy;
    case Field::txtStromv: return f.txtStromv;
    case Field::txtStromW: return f.txtStromW;
    case Field::txtSchiffx: return f.txtSchiffx;
    case Field::txtSchiffy: return f.txtSchiffy;
    case Field::txtInselx: return f.txtInselx;
    case Field::txtInsely: return f.txtInsely;
    case Field::txtdt: return f.txtdt;
    case Field::txtVerz: return f.txtVerz;
    case Field::txtReisezeitd: return f.txtReisezeitd;
    case Field::txtReisezeith: return f.txtReisezeith;
    case Field::txtReisezeitmin: return f.txtReisezeitmin;
    case Field::txtReiseweg: return f.txtReiseweg;
    case Field::txtFdW: return f.txtFdW;
    case Field::txtAbstand: return f.txtAbstand;
    }
    Q_UNREACHABLE();
}

void FormVoyage::read(Field f, FieldText &text) const { readText(field(f)->text(), text); }

void FormVoyage::write(Field f, std::string_view text) { vendral::write(field(f), text); }

bool FormVoyage::ticked(Option option) const
{
    switch (option) {
    case Option::chkAuto: return form_.chkAuto->checkState() == Qt::Checked;
    case Option::chkPeil: return form_.chkPeil->checkState() == Qt::Checked;
    case Option::Check1: return form_.Check1->checkState() == Qt::Checked;
    }
    Q_UNREACHABLE();
}

float FormVoyage::left(MarkerName marker) const
{
    return marker == MarkerName::image1 ? form_.image1->left() : form_.image2->left();
}

float FormVoyage::top(MarkerName marker) const
{
    return marker == MarkerName::image1 ? form_.image1->top() : form_.image2->top();
}

void FormVoyage::moveTo(MarkerName marker, float left, float top)
{
    if (marker == MarkerName::image1)
        form_.image1->moveTo(left, top);
    else
        form_.image2->moveTo(left, top);
}

void FormVoyage::show(MarkerName marker)
{
    if (marker == MarkerName::image1)
        form_.image1->show();
    else
        form_.image2->show();
}

void FormVoyage::line(double x1, double y1, double x2, double y2, DrawStyle style, int width, Rgb colour)
{
    Canvas &chart = form_.picSee->canvas();
    setPen(chart, style, width);
    chart.line(x1, y1, x2, y2, colour);
}

void FormVoyage::circle(double x, double y, double radius, DrawStyle style, int width, Rgb colour)
{
    Canvas &chart = form_.picSee->canvas();
    setPen(chart, style, width);
    chart.circle(x, y, radius, colour);
}

void FormVoyage::showCourse(const DialDirection &direction, int degrees)
{
    form_.picFahrt->setDirection(direction.ux, direction.uy, degrees);
    form_.image1->setHeading(direction.hx, direction.hy);
}

void FormVoyage::showCurrent(const DialDirection &direction, int degrees)
{
    form_.picStrom->setDirection(direction.ux, direction.uy, degrees);
}

void FormVoyage::showBearingLine(float x1, float y1, float x2, float y2)
{
    form_.linpeil->show();
    form_.linpeil->setLine(x1, y1, x2, y2);
}

void FormVoyage::hideBearingLine() { form_.linpeil->hide(); }

void FormVoyage::wipe(Rgb fore)
{
    Canvas &chart = form_.picSee->canvas();
    chart.clear();
    chart.setForeColor(fore);
}

void FormVoyage::drawCurrentField()
{
    Canvas &chart = form_.picSee->canvas();
    chart.clear();
    vendral::drawCurrentField(chart, rnd_, *this, kChartFieldColours);
    // The island marker is a control above the drawing; it only has to be shown.
    show(MarkerName::image2);
}

} // namespace vendral
