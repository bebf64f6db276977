#include "dials/currentdial.h"

#include "common/fields.h"
#include "common/form.h"
#include "dials/dial.h"

#include <QLineEdit>

namespace vendral {

void drawCurrentDial(Form &form) { drawDialFace(*form.picStrom, currentDialFace()); }

void setCurrent(Form &form, double x, float y)
{
    DialDirection direction;
    if (!dialDirection(x, y, direction))
        return;
    drawDialWithPointer(*form.picStrom, currentDialFace(), direction);
    writeComponents(form.txtStromx, form.txtStromy, direction);
    write(form.txtStromW, angleText(x, y));
}

} // namespace vendral
