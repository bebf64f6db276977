// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Starts the program, optionally sails a number of steps of dt minutes with
// the bearing line shown, and saves a picture of the whole screen:
//   vendral_screenshot OUT.png [steps] [dt]
#include "form/form.h"
#include "window/mainwindow.h"
#include "form/scrollbars.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshot.png");
    const int steps = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    const int dt = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 1;
    vendral::MainWindow window;
    window.showMaximized();
    QTimer::singleShot(1500, &window, [&] {
        if (steps > 0) {
            vendral::setScrollValue(window.form().hscdt, dt);
            window.form().chkPeil->setChecked(true);
        }
        for (int i = 0; i < steps; ++i)
            window.timeStep();
        QTimer::singleShot(500, &window, [&] {
            window.screen()->grabWindow(0).save(out);
            app.quit();
        });
    });
    return app.exec();
}
