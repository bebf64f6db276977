// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dials/coursedial.h"

#include "chart/shipmarker.h"
#include "common/fields.h"
#include "common/form.h"
#include "dials/dial.h"
#include "dials/direction.h"

#include <QLineEdit>

namespace vendral {

void drawCourseDial(Form &form) { form.picFahrt->setFace(courseDialFace()); }

void setCourse(Form &form, double x, float y)
{
    DialDirection direction;
    if (!dialDirection(x, y, direction))
        return;
    form.picFahrt->setDirection(direction.ux, direction.uy, angleDegrees(x, y));
    writeComponents(form.txtFahrtx, form.txtFahrty, direction);
    form.image1->setHeading(direction.hx, direction.hy);
    write(form.txtWinkel, angleText(x, y));
}

} // namespace vendral
