#include "chart/bearing.h"

#include "chart/bearingline.h"
#include "chart/marker.h"
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
    form.linpeil->setX1(form.image1->left() + 1.0f);
    form.linpeil->setY1(form.image1->top() - 1.0f);
    form.linpeil->setX2(form.image2->left() + 5.0f);
    form.linpeil->setY2(form.image2->top() - 5.0f);
}

} // namespace vendral
