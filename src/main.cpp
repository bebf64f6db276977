#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vendral::MainWindow window;
    window.showMaximized();
    return app.exec();
}
