// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chart/marker.h"

namespace vendral {

// The ship marker: a white stroke across the marker along the heading, from
// the bow to the stern, and a small ring a third of the way toward the stern,
// painted from the heading.
class ShipMarker : public Marker
{
    Q_OBJECT

public:
    using Marker::Marker;

    // The heading in whole thousandths, as its fields hold it (x east, y
    // north); no symbol until the first heading is set.
    void setHeading(double hx, double hy);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool hasHeading_ = false;
    double hx_ = 0;
    double hy_ = 0;
};

} // namespace vendral
