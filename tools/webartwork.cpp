// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Writes the browser edition's pictures from the desktop's artwork, into the
// folder given (web/ of the source tree), with the island's sea clear as the
// island marker shows it:
//   vendral_webartwork web
#include "layout/artwork.h"

#include "design/palette.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QImage island = vendral::islandPicture().convertToFormat(QImage::Format_ARGB32);
    const auto sea = vendral::palette::kChartBlue;
    for (int y = 0; y < island.height(); ++y)
        for (int x = 0; x < island.width(); ++x)
            if (island.pixel(x, y) == qRgb(sea.red, sea.green, sea.blue))
                island.setPixel(x, y, qRgba(0, 0, 0, 0));
    const bool ok = island.save(out.filePath(QStringLiteral("island.png")))
                    && vendral::iconImage(48).save(out.filePath(QStringLiteral("icon.png")));
    return ok ? 0 : 1;
}
