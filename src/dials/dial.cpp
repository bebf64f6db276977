#include "dials/dial.h"

#include "common/fields.h"
#include "common/form.h"
#include "common/numbers.h"
#include "common/picturebox.h"

#include <QHash>

#include <cmath>

namespace vendral {
namespace {

// The angle step of the faces divides this constant, not 2 pi.
constexpr double kFullTurn = 6.2828;
// The angle read-out converts radians with this constant.
constexpr double kAngleTurn = 6.283;
constexpr int kPointerWidth = 5;

// Spokes from the centre for i = 0 .. last, a `divisions`-th of the turn apart.
void drawSpokes(PictureBox &dial, int divisions, int last, double radius, const QColor &colour)
{
    const double step = kFullTurn / divisions;
    for (int i = 0; i <= last; ++i)
        dial.line(0, 0, static_cast<float>(radius * std::sin(i * step)),
                  static_cast<float>(radius * std::cos(i * step)), colour);
}

struct Recorded
{
    quint64 revision = 0;
    const void *what = nullptr;
    double a = 0;
    double b = 0;
};

// Revisions are unique over all surfaces, so an entry left by a surface that
// is gone can never match a new one at the same address.
QHash<const PictureBox *, Recorded> &recorded()
{
    static QHash<const PictureBox *, Recorded> table;
    return table;
}

} // namespace

bool SameDrawing::shows(const PictureBox &box, const void *what, double a, double b)
{
    const auto it = recorded().constFind(&box);
    return it != recorded().cend() && it->revision == box.revision() && it->what == what && it->a == a && it->b == b;
}

bool SameDrawing::showsAny(const PictureBox &box, const void *what, double &a, double &b)
{
    const auto it = recorded().constFind(&box);
    if (it == recorded().cend() || it->revision != box.revision() || it->what != what)
        return false;
    a = it->a;
    b = it->b;
    return true;
}

void SameDrawing::record(const PictureBox &box, const void *what, double a, double b)
{
    recorded().insert(&box, Recorded{box.revision(), what, a, b});
}

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

namespace {

// The pixels a pointer from the centre to (x, y) can touch, in the dial's
// drawing area.
QRectF pointerArea(const PictureBox &dial, double x, double y)
{
    const QPointF origin = dial.drawingArea().topLeft();
    const QRectF line = QRectF(dial.toPixel(0, 0) - origin, dial.toPixel(x, y) - origin).normalized();
    return line.adjusted(-kPointerWidth, -kPointerWidth, kPointerWidth, kPointerWidth);
}

} // namespace

void drawDialWithPointer(PictureBox &dial, const DialFace &face, const DialDirection &direction)
{
    if (SameDrawing::shows(dial, &face, direction.ux, direction.uy)) {
        dial.setDrawStyle(PictureBox::DrawStyle::Solid);
        dial.setDrawWidth(kPointerWidth);
        return;
    }
    // A cleared dial with its face is the same picture every time: it is
    // drawn once and then put back, with the pen left as the face leaves it.
    // When the dial shows nothing but the face and an earlier pointer, only
    // the earlier pointer's pixels need to be put back.
    const auto key = reinterpret_cast<quintptr>(&face);
    double oldX = 0, oldY = 0;
    const bool onlyPointer = SameDrawing::showsAny(dial, &face, oldX, oldY);
    const bool restored = onlyPointer ? dial.restoreSnapshot(key, pointerArea(dial, 1.1 * oldX, 1.1 * oldY))
                                      : dial.restoreSnapshot(key);
    if (restored) {
        dial.setDrawStyle(PictureBox::DrawStyle::Solid);
        dial.setDrawWidth(face.hubWidth);
    } else {
        dial.clear();
        drawDialFace(dial, face);
        dial.keepSnapshot(key);
    }
    dial.setDrawWidth(kPointerWidth);
    dial.line(0, 0, static_cast<float>(1.1 * direction.ux), static_cast<float>(1.1 * direction.uy), face.pointer);
    SameDrawing::record(dial, &face, direction.ux, direction.uy);
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
