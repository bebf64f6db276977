#include "dials/dial.h"

#include "common/fields.h"
#include "common/form.h"
#include "common/numbers.h"
#include "common/picturebox.h"

#include <cmath>

namespace vendral {
namespace {

// The angle step of the faces divides this constant, not 2 pi.
constexpr double kFullTurn = 6.2828;
// The angle read-out converts radians with this constant.
constexpr double kAngleTurn = 6.283;

// Spokes from the centre for i = 0 .. last, a `divisions`-th of the turn apart.
void drawSpokes(PictureBox &dial, int divisions, int last, double radius, const QColor &colour)
{
    const double step = kFullTurn / divisions;
    for (int i = 0; i <= last; ++i)
        dial.line(0, 0, static_cast<float>(radius * std::sin(i * step)),
                  static_cast<float>(radius * std::cos(i * step)), colour);
}

} // namespace

const DialFace &courseDialFace()
{
    static const DialFace face{QColor(0, 0, 255), QColor(0, 0, 255),   QColor(255, 5, 5), 72, 0.7, 1,
                               QColor(255, 255, 255), 7, QColor(0, 0, 0)};
    return face;
}

const DialFace &currentDialFace()
{
    static const DialFace face{QColor(150, 150, 255), QColor(200, 200, 255), QColor(255, 255, 255), 16, 0.3, 1,
                               QColor(0, 0, 255),     9,                     QColor(250, 250, 250)};
    return face;
}

void drawDialFace(PictureBox &dial, const DialFace &face)
{
    dial.setDrawStyle(PictureBox::DrawStyle::Solid);
    dial.setDrawWidth(2);
    dial.circle(0, 0, 0.9, face.ring);
    drawSpokes(dial, 4, 3, 1.0, QColor(0, 0, 0));
    drawSpokes(dial, 8, 8, 0.9, face.eighthSpokes);
    dial.setDrawWidth(face.fineWidth);
    drawSpokes(dial, face.fineCount, face.fineCount, face.fineRadius, face.fineSpokes);
    dial.setDrawWidth(face.hubWidth);
    dial.circle(0, 0, 0.1, face.hub);
}

bool dialDirection(double x, float y, DialDirection &direction)
{
    const double r = std::hypot(static_cast<double>(y), x);
    if (!(r > 0) || !std::isfinite(r))
        return false;
    direction.ux = x / r;
    direction.uy = y / r;
    direction.hx = floorInt(1000 * direction.ux);
    direction.hy = floorInt(1000 * direction.uy);
    return true;
}

void drawDialWithPointer(PictureBox &dial, const DialFace &face, const DialDirection &direction)
{
    dial.clear();
    drawDialFace(dial, face);
    dial.setDrawWidth(5);
    dial.line(0, 0, static_cast<float>(1.1 * direction.ux), static_cast<float>(1.1 * direction.uy), face.pointer);
}

void writeComponents(QLineEdit *east, QLineEdit *north, const DialDirection &direction)
{
    write(east, toText(direction.hx / 1000));
    write(north, toText(direction.hy / 1000));
}

QString angleText(double x, float y)
{
    double n = 0;
    if (x == 0)
        n = y > 0 ? 0 : 180;
    else if (y == 0)
        n = x > 0 ? 90 : 270;
    else {
        const double q = floorInt(std::atan(x / y) * 360 / kAngleTurn);
        if (x > 0 && y > 0)
            n = q;
        else if (y < 0)
            n = q + 180;
        else
            n = q + 360;
    }
    return QString::fromStdString(toText(n)) + QChar(0x00B0);
}

void dialMouseDown(Form &form, double x, float y, const DialSetter &set)
{
    form.dialHeld = 1;
    set(x, y);
}

void dialMouseMove(Form &form, double x, float y, const DialSetter &set)
{
    if (form.dialHeld == 1)
        set(x, y);
}

void dialMouseUp(Form &form) { form.dialHeld = 0; }

} // namespace vendral
