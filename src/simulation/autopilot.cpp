// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/autopilot.h"

#include "chart/shipmarker.h"
#include "common/form.h"
#include "dials/coursedial.h"

#include <QCheckBox>

#include <cmath>

namespace vendral {

void steerToIsland(Form &form)
{
    // Single precision, like the markers' coordinates.
    const float dx = form.image2->left() - form.image1->left() + 5.0f;
    const float dy = form.image2->top() - form.image1->top() - 4.0f;
    const float r = std::sqrt(dx * dx + dy * dy);
    if (r > 0 && std::isfinite(r)) {
        setCourse(form, dx / r, dy / r);
        return;
    }
    // Markers so far apart that the single-precision sums overflow still have
    // a direction; setCourse normalises it itself.
    const double wideDx = static_cast<double>(form.image2->left()) - form.image1->left() + 5.0;
    const double wideDy = static_cast<double>(form.image2->top()) - form.image1->top() - 4.0;
    if (std::isfinite(r) || !std::isfinite(wideDx) || !std::isfinite(wideDy))
        return; // r == 0: the ship's corner lies on the aim point
    const double wideR = std::hypot(wideDx, wideDy);
    setCourse(form, wideDx / wideR, static_cast<float>(wideDy / wideR));
}

void autopilotClicked(Form &form)
{
    if (form.chkAuto->checkState() == Qt::Checked)
        steerToIsland(form);
}

} // namespace vendral
