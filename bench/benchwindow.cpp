// The game's main window for the in-process benchmarks.
#include "benchwindow.h"

#include "boardcanvas.h"
#include "fieldlayout.h"

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTimer>

BenchWindow::BenchWindow() : window_(std::make_unique<MainWindow>())
{
    window_->setMessageBoxHandler([this](const QString&, MessageStyle, const QString&) { ++messages_; });
    canvas_ = window_->findChild<BoardCanvas*>(QStringLiteral("画板1"));
    // Sees the field's paints, and any dialog the game opens (the hall of
    // fame after a good time), which is turned down as soon as it shows so
    // that a scripted player never waits.
    qApp->installEventFilter(this);
    clock_.start();
}

BenchWindow::~BenchWindow()
{
    qApp->removeEventFilter(this);
}

bool BenchWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == canvas_ && event->type() == QEvent::Paint) {
        ++paints_;
        lastPaintNs_ = clock_.nsecsElapsed();
    }
    if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<QDialog*>(watched)) {
            ++dialogs_;
            QTimer::singleShot(0, dialog, &QDialog::reject);
        }
    }
    return false;
}

bool BenchWindow::showAndWaitForPaint()
{
    const int before = paints_;
    window_->show();
    return waitForPaint(before);
}

bool BenchWindow::waitForPaint(int before)
{
    QElapsedTimer timer;
    timer.start();
    while (paints_ == before) {
        if (timer.elapsed() > 1000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

void BenchWindow::drain(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, milliseconds);
}

void BenchWindow::plant(const QStringList& rows)
{
    GameSession& s = session();
    int mines = 0;
    for (const QString& row : rows)
        mines += int(row.count(QLatin1Char('*')) + row.count(QLatin1Char('F')));
    s.level = Levels::Custom;
    s.columns = std::int16_t(rows.first().size());
    s.rows = std::int16_t(rows.size());
    s.mines = std::int16_t(mines);
    window_->layoutForField();

    auto each = [&](auto action) {
        for (int r = 1; r <= s.rows; ++r) {
            for (int c = 1; c <= s.columns; ++c)
                action(c, r, rows[r - 1][c - 1].toLatin1());
        }
    };
    each([&](int c, int r, char mark) {
        if (mark == '*' || mark == 'F')
            s.board.set(c, r, Cell::Mine);
    });
    each([&](int c, int r, char mark) {
        if (mark == 'o')
            window_->drawTile(c, r, game().uncoverCell(c, r));
    });
    const bool marks = window_->isMarksEnabled();
    window_->setMarksEnabled(true);
    each([&](int c, int r, char mark) {
        if (mark == 'F' || mark == 'f' || mark == 'q')
            game().cycleFlag(c, r);
        if (mark == 'q')
            game().cycleFlag(c, r);
    });
    window_->setMarksEnabled(marks);
}

void BenchWindow::send(QEvent::Type type, Qt::MouseButton button, int column, int row)
{
    if (type == QEvent::MouseButtonPress)
        buttons_ |= button;
    else if (type == QEvent::MouseButtonRelease)
        buttons_ &= ~Qt::MouseButtons(button);
    const QPoint image = FieldLayout::cellOrigin(column, row) + QPoint(7, 7);
    const QPointF local = image + QPoint(FieldLayout::canvasEdge, FieldLayout::canvasEdge);
    QMouseEvent event(type, local, canvas_->mapToGlobal(local), button, buttons_, Qt::NoModifier);
    QApplication::sendEvent(canvas_, &event);
}

void BenchWindow::press(Qt::MouseButton button, int column, int row)
{
    send(QEvent::MouseButtonPress, button, column, row);
}

void BenchWindow::release(Qt::MouseButton button, int column, int row)
{
    send(QEvent::MouseButtonRelease, button, column, row);
}
