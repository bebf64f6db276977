#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>

class QPainter;

namespace vendral {

// A drawing surface with a user coordinate scale and a retained image: what is
// drawn stays until clear(). The pen state (draw width in pixels, draw style,
// foreground colour) is shared by all drawings and stays as the last caller
// left it. Children can be placed by Left and Top in user units; the values are
// kept in single precision exactly as given.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2 };

    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    void setBackColor(const QColor &color);
    QColor backColor() const { return backColor_; }
    // A sunken border of 2 pixels; the drawing area lies inside it.
    void setBorder(bool on);
    // Antialiased drawing, for the dials; the chart draws crisp pixels.
    void setSmooth(bool on) { smooth_ = on; }

    // User coordinates of the drawing area's top-left and bottom-right corners.
    void setScale(double left, double top, double right, double bottom);
    QRect drawingArea() const;
    QPointF toPixel(double x, double y) const; // widget pixels
    QPointF toUser(const QPointF &widgetPos) const;
    double pixelsPerUnitX() const;

    void setDrawWidth(int pixels);
    int drawWidth() const { return drawWidth_; }
    void setDrawStyle(DrawStyle style) { drawStyle_ = style; }
    DrawStyle drawStyle() const { return drawStyle_; }
    void setForeColor(const QColor &color) { foreColor_ = color; }
    QColor foreColor() const { return foreColor_; }
    void setCurrentPos(double x, double y);

    // A picture under all drawings, at the top-left corner; clear() keeps it.
    void setPicture(const QImage &picture);
    void clear();
    void line(double x1, double y1, double x2, double y2, const QColor &color);
    void box(double x1, double y1, double x2, double y2, const QColor &color);
    void circle(double cx, double cy, double radius, const QColor &color);
    void point(double x, double y, const QColor &color);
    // Text whose top-left corner is the current position, in the fore colour.
    void print(const QString &text);

    // Moves `child` so that its top-left corner is (left, top) in user units.
    void place(QWidget *child, float left, float top);
    // Moves `child` to a position in pixels of the drawing area.
    void placePixels(QWidget *child, int x, int y);
    float childLeft(const QWidget *child) const;
    float childTop(const QWidget *child) const;

    // The retained drawing, at the device pixel ratio.
    const QImage &image() const;

    // Names the drawing as it stands: every clear and every drawing gives it a
    // new number, never used by any surface before.
    quint64 revision() const { return revision_; }

    // Keeps a copy of the drawing under `key`, to put it back later instead of
    // drawing the same picture again (a dial face, say). A resize or another
    // pixel ratio forgets it.
    void keepSnapshot(quintptr key);
    // Puts the kept drawing back; false when there is none for `key`. With an
    // area (in pixels of the drawing area) only that part is put back, for a
    // caller who knows that nothing outside it differs from the snapshot.
    bool restoreSnapshot(quintptr key);
    bool restoreSnapshot(quintptr key, const QRectF &area);

signals:
    void mousePressed(QPointF user, Qt::MouseButton button);
    void mouseMoved(QPointF user, Qt::MouseButtons buttons);
    void mouseReleased(QPointF user, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void ensureImage();
    void changed();
    QPen pen(const QColor &color) const;
    // One painter stays open on the image across consecutive drawings (a
    // current field is some 700 of them); anything that reads, copies or
    // replaces the image ends it first.
    QPainter &painter();
    void finishPainting() const;
    bool snapshotFits(quintptr key) const;
    void stampCircle(const QPointF &centre, double r, const QColor &color);
    void markDirty(const QRectF &pixels);
    void replaceChildren();

    QColor backColor_{Qt::white};
    QColor foreColor_{Qt::black};
    int border_ = 0;
    bool smooth_ = false;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleRight_ = 1, scaleBottom_ = 1;
    bool userScale_ = false;
    int drawWidth_ = 1;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    QPointF current_;
    QImage image_;
    mutable std::unique_ptr<QPainter> painter_;
    struct CircleStamp
    {
        QImage image;
        int margin = 0;
        double radius = -1;
        QPointF fraction;
        int width = 0;
        DrawStyle style = DrawStyle::Solid;
        QRgb colour = 0;
    } stamp_;
    QImage picture_;
    QImage snapshot_;
    quint64 revision_ = 0;
    quintptr snapshotKey_ = 0;
    QRect requested_; // area already handed to update() since the last paint
    struct Placement
    {
        QPointer<QWidget> widget;
        float left = 0;
        float top = 0;
    };
    QHash<const QWidget *, Placement> placements_;
};

} // namespace vendral
