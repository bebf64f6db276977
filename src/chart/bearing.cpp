// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/bearing.h"

#include "chart/bearingline.h"
#include "chart/shipmarker.h"
#include "common/form.h"

#include <QCheckBox>

namespace vendral {

void updateBearingLine(Form &form)
{
    if (form.chkPeil->checkState() != Qt::Checked) {
        form.linpeil->hide();
        return;
    }
    form.linpeil->show();
    // Single precision, like the markers' own coordinates.
    form.linpeil->setLine(form.image1->left() + 1.0f, form.image1->top() - 1.0f, form.image2->left() + 5.0f,
                          form.image2->top() - 5.0f);
}

} // namespace vendral
