// The game as a player meets it on the test's X display: the program started
// with a settings folder of the test's own, its windows found by their
// titles, its field located on the screen and read back pixel by pixel.
#pragma once

#include "xdotool.h"

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

class GameWindow {
public:
    using WindowId = XdoTool::WindowId;

    // configHome becomes the program's XDG_CONFIG_HOME.
    GameWindow(const QString& program, const QString& configHome);
    ~GameWindow();

    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Starts the program and waits until its main window is visible.
    bool start();
    // Presses Esc in the main window and waits for the program to end.
    bool quitWithEscape(int* exitCode);
    bool isRunning() const;

    WindowId mainWindow() const { return mainWindow_; }
    // The main window on the screen, as it is now.
    QRect geometry() const;

    // Waits until the main window is as wide as a field of columns takes
    // (columns x 16 + 20) and finds the covered field of columns x rows in
    // it (the program's background picture, pixel for pixel); keeps its place.
    bool locateField(int columns, int rows);
    // Screen pixel of the field image's pixel (0, 0), inside the canvas's edge.
    QPoint fieldOrigin() const { return fieldOrigin_; }
    // Screen pixel of the central area's top-left corner, below the menus.
    QPoint centralOrigin() const { return centralOrigin_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }

    // Where the pointer goes for a cell. The point wanders over the whole
    // square that hits the cell, edges included, so that a field placed a
    // single pixel off makes some click land in the wrong cell.
    QPoint cellPoint(int column, int row) const;
    QPoint facePoint() const;
    // A point of the central area left of the field: outside every cell.
    QPoint besideField() const;

    QImage grab(const QRect& screenRect) const;
    // The field image: columns x 16 + 1 by rows x 16 + 1 pixels.
    QImage grabField() const;
    bool waitForFace(const QImage& picture);

    // The program's other windows: message boxes and dialogs.
    WindowId waitForWindow(const QString& title);
    bool waitUntilGone(WindowId window);
    // A menu command: Alt with the menu's letter, then the keys that pick
    // the item in the open menu.
    bool chooseFromMenu(const QString& menuLetter, const QStringList& itemKeys);

    // Why the last call that returned false failed.
    const QString& error() const { return error_; }

private:
    bool fail(const QString& why);

    QString program_;
    QString configHome_;
    std::unique_ptr<QProcess> process_;
    WindowId mainWindow_ = 0;
    QPoint fieldOrigin_;
    QPoint centralOrigin_;
    int columns_ = 0;
    int rows_ = 0;
    QString error_;
};
