// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout/artwork.h"

#include "design/palette.h"
#include "layout/designscale.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vendral {
namespace {

const QColor kSea = toQColor(palette::kChartBlue);
const QColor kShore(80, 140, 255);
const QColor kLand(30, 150, 40);
const QColor kInterior(120, 105, 35);

// Outline of the main island in picture pixels, clockwise from the north.
QPolygonF mainIsland()
{
    return QPolygonF({{30, 6},  {38, 8},  {46, 12}, {52, 19}, {53, 27}, {49, 35}, {42, 40},
                      {33, 42}, {24, 41}, {16, 37}, {12, 30}, {14, 22}, {19, 15}, {24, 9}});
}

QPolygonF interior()
{
    return QPolygonF({{30, 15}, {38, 17}, {43, 23}, {42, 30}, {36, 34}, {28, 34}, {22, 30}, {22, 22}, {25, 17}});
}

void fillShape(QPainter &painter, const QPolygonF &shape, const QColor &colour, double grow)
{
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    if (grow > 0) {
        painter.setPen(QPen(colour, 2 * grow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(colour);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
    }
    painter.drawPath(path);
}

} // namespace

QImage islandPicture()
{
    QImage image(57, 46, QImage::Format_RGB888);
    image.fill(kSea);
    QPainter painter(&image);
    // Shore first, a little larger than the land it fringes.
    fillShape(painter, mainIsland(), kShore, 2.5);
    painter.setPen(QPen(kShore, 2));
    painter.setBrush(kShore);
    painter.drawEllipse(QPointF(7, 7), 4.5, 3.5);
    painter.drawEllipse(QPointF(14, 4), 3.0, 2.5);
    fillShape(painter, mainIsland(), kLand, 0);
    fillShape(painter, interior(), kInterior, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLand);
    painter.drawEllipse(QPointF(7, 7), 3.5, 2.5);
    painter.drawEllipse(QPointF(14, 4), 2.0, 1.5);
    return image;
}

QImage iconImage(int size)
{
    // Up to 32 pixels the icon is the designed 16-colour picture; from 48 on
    // (the theme's larger icons) the same arrow is drawn smooth in full colour,
    // since pixel steps scaled up would show as stairs.
    const bool smooth = size >= 48;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.scale(size / 32.0, size / 32.0);
    const QPolygonF arrow({{2, 16}, {15, 3}, {15, 10}, {30, 10}, {30, 22}, {15, 22}, {15, 29}});

    // Checkered face of white and silver squares, clipped to the arrow.
    QPainterPath outline;
    outline.addPolygon(arrow);
    outline.closeSubpath();
    painter.save();
    painter.setClipPath(outline);
    for (int y = 0; y < 32; y += 4)
        for (int x = 0; x < 32; x += 4)
            painter.fillRect(x, y, 4, 4, ((x + y) / 4) % 2 ? QColor(192, 192, 192) : QColor(255, 255, 255));
    painter.restore();

    // Blue highlights along the upper edges, a dark blue outline all round.
    painter.setPen(QPen(QColor(0, 0, 255), 1.5));
    painter.drawPolyline(QPolygonF({{4, 16}, {14, 6}}));
    painter.drawPolyline(QPolygonF({{16, 12}, {29, 12}}));
    painter.setPen(QPen(QColor(0, 0, 128), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(arrow);
    painter.end();
    if (smooth)
        return image;
    // Reduced to 16 colours (transparency and 15 of the classic palette).
    const QList<QRgb> palette = {qRgba(0, 0, 0, 0),     qRgb(0, 0, 0),       qRgb(128, 0, 0),
                                 qRgb(0, 128, 0),       qRgb(128, 128, 0),   qRgb(0, 0, 128),
                                 qRgb(128, 0, 128),     qRgb(0, 128, 128),   qRgb(192, 192, 192),
                                 qRgb(128, 128, 128),   qRgb(255, 0, 0),     qRgb(0, 255, 0),
                                 qRgb(255, 255, 0),     qRgb(0, 0, 255),     qRgb(0, 255, 255),
                                 qRgb(255, 255, 255)};
    return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
}

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(iconImage(32)));
    icon.addPixmap(QPixmap::fromImage(iconImage(16)));
    return icon;
}

} // namespace vendral
