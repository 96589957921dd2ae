// The program: one main window and its message loop.
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to its desktop entry; the title stays as set.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tolvy.Mines"));

    MainWindow window;
    window.show();
    app.exec();
    return 0;
}
