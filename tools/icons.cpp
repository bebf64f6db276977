// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window icon as PNG files in the layout of an icon theme, so the
// installed icons and the window's own icon come from the same drawing:
//   vendral_icons DIR NAME SIZE...   writes DIR/SIZExSIZE/apps/NAME.png
#include "layout/artwork.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: vendral_icons DIR NAME SIZE...\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "vendral_icons: not a size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, name);
        if (!QDir().mkpath(folder) || !vendral::iconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "vendral_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
