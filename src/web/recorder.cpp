// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/recorder.h"

#include "drawing/clipping.h"

#include <algorithm>
#include <cmath>

namespace vendral::web {
namespace {

bool overlap(const Area &a, const Area &b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

} // namespace

void Recorder::setArea(double width, double height)
{
    area_ = {std::max(1.0, width), std::max(1.0, height)};
    lastCircle_.reset();
}

void Recorder::forget()
{
    drawings_.clear();
    texts_.clear();
    textCount_ = 0;
}

void Recorder::add(Kind kind, Rgb colour, double a, double b, double c, double d)
{
    const double entry[kStride] = {double(kind), double(colour.red), double(colour.green), double(colour.blue),
                                   double(drawWidth()), double(int(drawStyle())), a, b, c, d};
    drawings_.insert(drawings_.end(), entry, entry + kStride);
}

void Recorder::touch(double left, double top, double right, double bottom)
{
    const double m = drawWidth() + 2;
    const Area a{left - m, top - m, right + m, bottom + m};
    if (!touched_)
        touched_ = a;
    else
        touched_ = Area{std::min(touched_->left, a.left), std::min(touched_->top, a.top),
                        std::max(touched_->right, a.right), std::max(touched_->bottom, a.bottom)};
}

void Recorder::clear(Rgb back)
{
    forget();
    add(Clear, back, 0, 0, 0, 0);
    lastCircle_.reset();
    touched_.reset();
}

void Recorder::line(double x1, double y1, double x2, double y2, Rgb colour)
{
    Segment l{scale_.toPixel(area_, x1, y1), scale_.toPixel(area_, x2, y2)};
    const double margin = drawWidth() + 2;
    if (!clipLine(l, Area{-margin, -margin, area_.width + margin, area_.height + margin}))
        return;
    add(Line, colour, l.from.x, l.from.y, l.to.x, l.to.y);
    touch(std::min(l.from.x, l.to.x), std::min(l.from.y, l.to.y), std::max(l.from.x, l.to.x),
          std::max(l.from.y, l.to.y));
}

void Recorder::circle(double cx, double cy, double radius, Rgb colour)
{
    const Point c = scale_.toPixel(area_, cx, cy);
    const double r = std::fabs(radius) * scale_.pixelsPerUnitX(area_);
    if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(r) || r > kFarAway)
        return;
    const double w = drawWidth();
    if (c.x + r + w < 0 || c.y + r + w < 0 || c.x - r - w > area_.width || c.y - r - w > area_.height)
        return;
    const double reach = w + 2;
    const Area around{c.x - r - reach, c.y - r - reach, c.x + r + reach, c.y + r + reach};
    if (!smooth_ && lastCircle_ && lastCircle_->cx == c.x && lastCircle_->cy == c.y && lastCircle_->r == r
        && lastCircle_->width == drawWidth() && lastCircle_->style == drawStyle() && lastCircle_->colour == colour
        && !(touched_ && overlap(*touched_, lastCircle_->reach)))
        return;
    add(Circle, colour, c.x, c.y, r, 0);
    lastCircle_ = LastCircle{c.x, c.y, r, drawWidth(), drawStyle(), colour, around};
    touched_.reset();
}

void Recorder::point(double x, double y, Rgb colour)
{
    const Point p = scale_.toPixel(area_, x, y);
    const double w = drawWidth();
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || p.x < -w || p.y < -w || p.x > area_.width + w
        || p.y > area_.height + w)
        return;
    add(Dot, colour, p.x, p.y, 0, 0);
    touch(p.x, p.y, p.x, p.y);
}

void Recorder::print(std::string_view text)
{
    const Point p = scale_.toPixel(area_, currentPos().x, currentPos().y);
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::fabs(p.x) > kFarAway || std::fabs(p.y) > kFarAway)
        return;
    add(Text, foreColor(), p.x, p.y, double(textCount_++), 0);
    texts_.append(text);
    texts_.push_back('\n');
    // A label is short: a generous box is enough to keep a circle honest.
    touch(p.x, p.y, p.x + 16.0 * double(text.size()), p.y + 40);
}

} // namespace vendral::web
