// The game's main window for the benchmarks that run inside the process:
// message boxes and dialogs never block, the field is driven by real mouse
// events, and the field's repaints are counted.
#pragma once

#include "cellcode.h"
#include "mainwindow.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QStringList>

#include <memory>

class BoardCanvas;

class BenchWindow : public QObject {
public:
    BenchWindow();
    ~BenchWindow() override;

    MainWindow& window() { return *window_; }
    Game& game() { return window_->game(); }
    GameSession& session() { return window_->game().session(); }
    BoardCanvas* canvas() const { return canvas_; }
    int messageCount() const { return messages_; }
    int dialogCount() const { return dialogs_; }

    // Shows the window and waits for the field's first paint; false if it never comes.
    bool showAndWaitForPaint();

    // Paint events the field has received so far.
    int paintCount() const { return paints_; }
    // Nanoseconds on the window's own clock, and when the field's last paint began.
    qint64 nanoseconds() const { return clock_.nsecsElapsed(); }
    qint64 lastPaintNanoseconds() const { return lastPaintNs_; }
    // Processes events until the field has been painted since paintCount()
    // was `before`, or a second has passed; false on the timeout.
    bool waitForPaint(int before);
    // Processes events for a while, so that late repaints show in paintCount().
    void drain(int milliseconds);

    // A field drawn as text, one string per row: '.' covered safe, '*' mine,
    // 'o' uncovered safe, 'F' / 'f' flag on a mine / safe cell, 'q' question
    // mark on a safe cell. Without any 'o' the first uncovering still places
    // mines of its own, so benchmarks plant at least one.
    void plant(const QStringList& rows);

    // Mouse events on the field at the middle of a cell.
    void press(Qt::MouseButton button, int column, int row);
    void release(Qt::MouseButton button, int column, int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void send(QEvent::Type type, Qt::MouseButton button, int column, int row);

    std::unique_ptr<MainWindow> window_;
    BoardCanvas* canvas_ = nullptr;
    QElapsedTimer clock_;
    int paints_ = 0;
    qint64 lastPaintNs_ = 0;
    int messages_ = 0;
    int dialogs_ = 0;
    Qt::MouseButtons buttons_;
};
