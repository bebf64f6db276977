// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility/accessibility.h"
#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Ties the window to its installed desktop entry and icon (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vendral.Vendral"));
    vendral::Accessibility accessibility;
    vendral::MainWindow window(&accessibility);
    window.showMaximized();
    return app.exec();
}
