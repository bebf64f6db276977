#include "dials/coursedial.h"

#include "chart/marker.h"
#include "common/fields.h"
#include "common/form.h"
#include "dials/dial.h"

#include <QLineEdit>

namespace vendral {
namespace {

// The ship symbol in the ship marker, whose y axis points down: a stroke along
// the heading across the whole marker and a small ring toward the stern.
void drawShipSymbol(PictureBox &marker, const DialDirection &d)
{
    static const char symbol = 0;
    if (SameDrawing::shows(marker, &symbol, d.hx, d.hy)) {
        marker.setDrawWidth(2);
        return;
    }
    const QColor white(255, 255, 255);
    marker.clear();
    marker.setDrawWidth(3);
    marker.line(0, 0, static_cast<float>(d.hx / 1000), static_cast<float>(-d.hy / 1000), white);
    marker.line(0, 0, static_cast<float>(-d.hx / 1000), static_cast<float>(d.hy / 1000), white);
    marker.setDrawWidth(2);
    marker.circle(static_cast<float>(-d.hx / 3000), static_cast<float>(d.hy / 3000), 0.3, white);
    SameDrawing::record(marker, &symbol, d.hx, d.hy);
}

} // namespace

void drawCourseDial(Form &form) { drawDialFace(*form.picFahrt, courseDialFace()); }

void setCourse(Form &form, double x, float y)
{
    DialDirection direction;
    if (!dialDirection(x, y, direction))
        return;
    drawDialWithPointer(*form.picFahrt, courseDialFace(), direction);
    writeComponents(form.txtFahrtx, form.txtFahrty, direction);
    drawShipSymbol(*form.image1, direction);
    write(form.txtWinkel, angleText(x, y));
}

} // namespace vendral
