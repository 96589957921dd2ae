// A main window for tests: its message boxes are recorded instead of shown,
// its field can be laid out from a text picture, and the mouse on the field
// is driven by real mouse events.
#pragma once

#include "cellcode.h"
#include "mainwindow.h"

#include <QEvent>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class BoardCanvas;
class CounterLabel;
class FaceButton;
class GameClock;

struct ShownMessage {
    QString text;
    MessageStyle style;
    QString title;
};

// A settings store of the fixture's own: every window starts as a first run
// and nothing reaches the user's settings.
struct IsolatedSettings {
    IsolatedSettings();
    QTemporaryDir folder;
};

class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    MainWindow& window() { return *window_; }
    Game& game() { return window_->game(); }
    GameSession& session() { return window_->game().session(); }
    BoardCanvas* canvas() const { return canvas_; }
    FaceButton* face() const { return face_; }
    GameClock* clock() const { return clock_; }
    QString clockText() const;
    QString mineCounterText() const;
    const QList<ShownMessage>& messages() const { return messages_; }

    // Shows the window and waits until it is exposed and active.
    bool showAndActivate();

    // A custom field drawn as text, one string per row: '.' covered safe,
    // '*' mine, 'o' uncovered safe, 'F' / 'f' flag on a mine / safe cell,
    // 'Q' / 'q' question mark on a mine / safe cell. With any 'o' the
    // mines are already placed; otherwise the first uncovering places
    // its own mines.
    void plant(const QStringList& rows);
    CellCode cell(int column, int row) const;

    // The middle of a cell in the field's image pixels.
    static QPoint cellCentre(int column, int row);
    // The pixels of a cell as it shows in the field's image.
    QImage cellImage(int column, int row) const;

    // Mouse events on the canvas at image pixels, which may lie outside it.
    void press(Qt::MouseButton button, QPoint imagePos);
    void doubleClick(Qt::MouseButton button, QPoint imagePos);
    void release(Qt::MouseButton button, QPoint imagePos);
    void move(QPoint imagePos);
    void click(Qt::MouseButton button, QPoint imagePos);

private:
    void send(QEvent::Type type, Qt::MouseButton button, QPoint imagePos);

    IsolatedSettings settings_;
    std::unique_ptr<MainWindow> window_;
    BoardCanvas* canvas_;
    FaceButton* face_;
    GameClock* clock_;
    CounterLabel* mineCounter_;
    CounterLabel* clockLabel_;
    QList<ShownMessage> messages_;
    Qt::MouseButtons buttons_;
};

// The tile of the tile sheet that a cell shows.
QImage tileImage(TileIndex tile);
