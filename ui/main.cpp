// The program: one main window and its message loop.
#include "firstpaintreport.h"
#include "mainwindow.h"

#include <QApplication>
#include <QWidget>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to its desktop entry; the title stays as set.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tolvy.Mines"));

    MainWindow window;
    std::unique_ptr<FirstPaintReport> firstPaintReport;
    if (qEnvironmentVariableIsSet("TOLVY_BENCH_EXIT_AFTER_PAINT")) {
        if (auto* canvas = window.findChild<QWidget*>(QStringLiteral("画板1")))
            firstPaintReport = std::make_unique<FirstPaintReport>(canvas);
    }
    window.show();
    app.exec();
    return 0;
}
