#pragma once

#include <QColor>

#include <functional>

class QLineEdit;

namespace vendral {

class PictureBox;
struct Form;

// What tells one dial face from the other. Both have a ring of radius 0.9,
// four black cardinal spokes to radius 1, nine eighth spokes to 0.9, a fan of
// fine spokes and a hub of radius 0.1, drawn in that order.
struct DialFace
{
    QColor ring;
    QColor eighthSpokes;
    QColor fineSpokes;
    int fineCount = 0;       // fine spokes are drawn for i = 0 .. fineCount
    double fineRadius = 0;
    int fineWidth = 1;
    QColor hub;
    int hubWidth = 1;
    QColor pointer;
};

const DialFace &courseDialFace();
const DialFace &currentDialFace();

// Draws the face over whatever the dial shows; it does not clear.
void drawDialFace(PictureBox &dial, const DialFace &face);

// A direction set on a dial: the unit vector and its components cut down to
// thousandths (hx, hy are whole thousandths from -1000 to 1000).
struct DialDirection
{
    double ux = 0;
    double uy = 0;
    double hx = 0;
    double hy = 0;
};

// The unit vector of (x, y); (0, 0) and vectors that are not finite have no
// direction and give false.
bool dialDirection(double x, float y, DialDirection &direction);

// Remembers what was last drawn on a surface, so that drawing the very same
// picture over it again can be left out: the pixels would not change.
class SameDrawing
{
public:
    // True when `box` still shows what was recorded for (what, a, b).
    static bool shows(const PictureBox &box, const void *what, double a, double b);
    // True when `box` still shows what was recorded for `what`, with any
    // values; they are handed back.
    static bool showsAny(const PictureBox &box, const void *what, double &a, double &b);
    static void record(const PictureBox &box, const void *what, double a, double b);
};

// Clears the dial, draws the face and the pointer to radius 1.1.
void drawDialWithPointer(PictureBox &dial, const DialFace &face, const DialDirection &direction);

// Writes the components as toText(h / 1000), east first.
void writeComponents(QLineEdit *east, QLineEdit *north, const DialDirection &direction);

// The angle in whole degrees from north, clockwise, for the direction (x, y),
// with " 0°", " 90°", " 180°" and " 270°" on the axes.
QString angleText(double x, float y);

// The mouse on a dial: a press with any button takes hold and steers, moves
// steer while held, a release lets go. `dialHeld` is shared by both dials.
using DialSetter = std::function<void(double x, float y)>;
void dialMouseDown(Form &form, double x, float y, const DialSetter &set);
void dialMouseMove(Form &form, double x, float y, const DialSetter &set);
void dialMouseUp(Form &form);

} // namespace vendral
