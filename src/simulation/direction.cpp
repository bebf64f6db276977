// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/direction.h"

#include "simulation/numbers.h"

#include <cmath>

namespace vendral {
namespace {

// The angle read-out converts radians with this constant, not 2 pi.
constexpr double kAngleTurn = 6.283;
constexpr double kPi = 3.14159265358979323846;

} // namespace

bool dialDirection(double x, float y, DialDirection &direction)
{
    const double r = std::hypot(static_cast<double>(y), x);
    if (!(r > 0) || !std::isfinite(r))
        return false;
    direction.ux = x / r;
    direction.uy = y / r;
    direction.hx = floorInt(1000 * direction.ux);
    direction.hy = floorInt(1000 * direction.uy);
    return true;
}

int angleDegrees(double x, float y)
{
    int n = 0;
    if (x == 0)
        n = y > 0 ? 0 : 180;
    else if (y == 0)
        n = x > 0 ? 90 : 270;
    else {
        const int q = static_cast<int>(floorInt(std::atan(x / y) * 360 / kAngleTurn));
        if (x > 0 && y > 0)
            n = q;
        else if (y < 0)
            n = q + 180;
        else
            n = q + 360;
    }
    return n;
}

std::string angleText(double x, float y) { return toText(angleDegrees(x, y)) + "\u00b0"; }

Vector keyDirection(int degrees)
{
    const int angle = (degrees % 360 + 360) % 360;
    const auto along = [](double a) {
        const double radians = a * (kPi / 180);
        return Vector{std::sin(radians), std::cos(radians)};
    };
    // On the axes the fields show the exact angle only for an exact axis.
    switch (angle) {
    case 0: return Vector{0, 1};
    case 90: return Vector{1, 0};
    case 180: return Vector{0, -1};
    case 270: return Vector{-1, 0};
    default: break;
    }
    // Elsewhere the shown angle falls short of the true one by up to a few
    // thousandths of a degree, so the turn goes on until it shows.
    for (int thousandths = 0; thousandths < 1000; ++thousandths) {
        const Vector u = along(angle + thousandths / 1000.0);
        if (angleDegrees(u.x, static_cast<float>(u.y)) == angle)
            return u;
    }
    return along(angle + 0.5);
}

int keyTurn(DialKey key)
{
    switch (key) {
    case DialKey::Right:
    case DialKey::Up: return 1;
    case DialKey::Left:
    case DialKey::Down: return -1;
    case DialKey::PageUp: return 10;
    case DialKey::PageDown: return -10;
    }
    return 0;
}

} // namespace vendral
