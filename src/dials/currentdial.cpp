// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dials/currentdial.h"

#include "common/fields.h"
#include "common/form.h"
#include "dials/dial.h"
#include "dials/direction.h"

#include <QLineEdit>

namespace vendral {

void drawCurrentDial(Form &form) { form.picStrom->setFace(currentDialFace()); }

void setCurrent(Form &form, double x, float y)
{
    DialDirection direction;
    if (!dialDirection(x, y, direction))
        return;
    form.picStrom->setDirection(direction.ux, direction.uy, angleDegrees(x, y));
    writeComponents(form.txtStromx, form.txtStromy, direction);
    write(form.txtStromW, angleText(x, y));
}

} // namespace vendral
