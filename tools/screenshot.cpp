// Starts the program, optionally performs a few actions, and saves a picture
// of the whole screen: vendral_screenshot OUT.png [steps]
#include "window/mainwindow.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshot.png");
    const int steps = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    vendral::MainWindow window;
    window.showMaximized();
    QTimer::singleShot(1500, &window, [&] {
        for (int i = 0; i < steps; ++i)
            window.timeStep();
        QTimer::singleShot(500, &window, [&] {
            window.screen()->grabWindow(0).save(out);
            app.quit();
        });
    });
    return app.exec();
}
