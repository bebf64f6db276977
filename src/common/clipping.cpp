#include "common/clipping.h"

#include <algorithm>
#include <cmath>

namespace vendral {

bool clipLine(QLineF &line, const QRectF &area)
{
    if (!std::isfinite(line.x1()) || !std::isfinite(line.y1()) || !std::isfinite(line.x2())
        || !std::isfinite(line.y2()))
        return false;
    // Extended precision: the difference of two end points near the largest
    // double still has a finite value there.
    using Wide = long double;
    const Wide x0 = line.x1(), y0 = line.y1();
    const Wide dx = line.x2() - x0, dy = line.y2() - y0;

    Wide t0 = 0.0L, t1 = 1.0L;
    // Each edge: p * t <= q keeps the point inside.
    const Wide p[4] = {-dx, dx, -dy, dy};
    const Wide q[4] = {x0 - area.left(), area.right() - x0, y0 - area.top(), area.bottom() - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0L) {
            if (q[i] < 0.0L)
                return false;
            continue;
        }
        const Wide t = q[i] / p[i];
        if (p[i] < 0.0L)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    line = QLineF(static_cast<double>(x0 + t0 * dx), static_cast<double>(y0 + t0 * dy),
                  static_cast<double>(x0 + t1 * dx), static_cast<double>(y0 + t1 * dy));
    return true;
}

int pixelCoordinate(double value)
{
    constexpr double limit = 1000000.0;
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::lround(std::clamp(value, -limit, limit)));
}

} // namespace vendral
