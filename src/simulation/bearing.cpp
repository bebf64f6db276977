// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/bearing.h"

#include "simulation/referencepoints.h"
#include "simulation/voyage.h"

namespace vendral {

void updateBearingLine(const VoyageFields &fields, const VoyageMarkers &markers, VoyageIndicators &indicators)
{
    if (!fields.ticked(Option::chkPeil)) {
        indicators.hideBearingLine();
        return;
    }
    // Single precision, like the markers' own coordinates.
    const auto at = [&markers](MarkerName marker, const Offset &offset, float &x, float &y) {
        x = markers.left(marker) + static_cast<float>(offset.east);
        y = markers.top(marker) + static_cast<float>(offset.north);
    };
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    at(MarkerName::image1, kShipBearingPoint, x1, y1);
    at(MarkerName::image2, kIslandBearingPoint, x2, y2);
    indicators.showBearingLine(x1, y1, x2, y2);
}

} // namespace vendral
