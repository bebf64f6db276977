// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/autopilot.h"

#include "simulation/course.h"
#include "simulation/referencepoints.h"
#include "simulation/voyage.h"

#include <cmath>

namespace vendral {

void steerToIsland(const VoyageMarkers &markers, VoyageFields &fields, VoyageIndicators &indicators)
{
    const float shipLeft = markers.left(MarkerName::image1);
    const float shipTop = markers.top(MarkerName::image1);
    const float islandLeft = markers.left(MarkerName::image2);
    const float islandTop = markers.top(MarkerName::image2);
    // Single precision, like the markers' coordinates.
    const float dx = islandLeft - shipLeft + static_cast<float>(kAutopilotAim.east);
    const float dy = islandTop - shipTop + static_cast<float>(kAutopilotAim.north);
    const float r = std::sqrt(dx * dx + dy * dy);
    if (r > 0 && std::isfinite(r)) {
        setCourse(fields, indicators, dx / r, dy / r);
        return;
    }
    // Markers so far apart that the single-precision sums overflow still have
    // a direction; setCourse normalises it itself.
    const double wideDx = static_cast<double>(islandLeft) - shipLeft + kAutopilotAim.east;
    const double wideDy = static_cast<double>(islandTop) - shipTop + kAutopilotAim.north;
    if (std::isfinite(r) || !std::isfinite(wideDx) || !std::isfinite(wideDy))
        return; // r == 0: the ship's corner lies on the aim point
    const double wideR = std::hypot(wideDx, wideDy);
    setCourse(fields, indicators, wideDx / wideR, static_cast<float>(wideDy / wideR));
}

} // namespace vendral
