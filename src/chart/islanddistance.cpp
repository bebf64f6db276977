// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/islanddistance.h"

#include "common/fields.h"
#include "common/form.h"
#include "common/numbers.h"

#include <cmath>

namespace vendral {

void showIslandDistance(Form &form)
{
    const double xs = number(form.txtSchiffx);
    const double ys = number(form.txtSchiffy);
    const double xi = number(form.txtInselx);
    const double yi = number(form.txtInsely);
    const double d = floorInt(held(std::hypot(held(xi + 4 - xs), held(yi - 5 - ys))));
    write(form.txtAbstand, "Entfernung zur Insel" + toText(d) + " sm");
}

} // namespace vendral
