// The game program on the test's X display.
#include "gamewindow.h"

#include "polling.h"

#include <pictures.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QProcessEnvironment>
#include <QScreen>

namespace {

const QString mainWindowTitle = QStringLiteral("Tolvy经典扫雷中文版");

constexpr int cellSize = 16;
// The canvas's image starts inside its 2-pixel edge; the canvas sits at
// (8, 52) of the central area.
constexpr QPoint fieldInCentral{8 + 2, 52 + 2};
constexpr QPoint faceInCentral{-1, 14}; // x: columns x 8 - 1

bool backgroundAt(const QImage& shot, QPoint at, int columns, int rows)
{
    const QImage& background = Pictures::boardBackground();
    const QSize size(columns * cellSize + 1, rows * cellSize + 1);
    if (!shot.rect().contains(QRect(at, size)))
        return false;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if ((shot.pixel(at.x() + x, at.y() + y) & 0xffffff) != (background.pixel(x, y) & 0xffffff))
                return false;
        }
    }
    return true;
}

} // namespace

GameWindow::GameWindow(const QString& program, const QString& configHome)
    : program_(program), configHome_(configHome)
{
}

GameWindow::~GameWindow()
{
    if (isRunning()) {
        process_->kill();
        process_->waitForFinished();
    }
}

bool GameWindow::fail(const QString& why)
{
    error_ = why;
    return false;
}

bool GameWindow::start()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

    process_ = std::make_unique<QProcess>();
    process_->setProcessEnvironment(environment);
    process_->setProcessChannelMode(QProcess::ForwardedChannels);
    process_->start(program_, {});
    if (!process_->waitForStarted(Polling::patienceMs))
        return fail(QStringLiteral("%1 did not start: %2").arg(program_, process_->errorString()));

    const qint64 pid = process_->processId();
    QList<WindowId> windows;
    if (!Polling::waitFor([&] {
            windows = XdoTool::visibleWindows(pid, mainWindowTitle);
            return windows.size() == 1 || !isRunning();
        })
        || windows.size() != 1)
        return fail(QStringLiteral("no single visible window titled %1 (found %2)").arg(mainWindowTitle).arg(windows.size()));
    mainWindow_ = windows.first();
    return true;
}

bool GameWindow::isRunning() const
{
    return process_ && process_->state() != QProcess::NotRunning;
}

bool GameWindow::quitWithEscape(int* exitCode)
{
    if (!XdoTool::keys(mainWindow_, {QStringLiteral("Escape")}))
        return fail(QStringLiteral("could not press Esc in the main window"));
    if (!process_->waitForFinished(Polling::patienceMs))
        return fail(QStringLiteral("the program still runs after Esc"));
    *exitCode = process_->exitStatus() == QProcess::NormalExit ? process_->exitCode() : -1;
    return true;
}

QRect GameWindow::geometry() const
{
    return XdoTool::geometry(mainWindow_);
}

// Searched rather than computed: the menus' height is the fonts' and the
// toolkit's. The caller checks where the field was found.
bool GameWindow::locateField(int columns, int rows)
{
    QRect window;
    QPoint found(-1, -1);
    const bool seen = Polling::waitFor([&] {
        // A larger field holds a smaller covered one in its corner: the
        // window must have taken the new width first.
        window = geometry();
        if (window.width() != columns * cellSize + 20)
            return false;
        const QImage shot = grab(window);
        for (int y = 0; y < shot.height() && found.y() < 0; ++y) {
            for (int x = 0; x < shot.width() && found.y() < 0; ++x) {
                if (backgroundAt(shot, QPoint(x, y), columns, rows))
                    found = QPoint(x, y);
            }
        }
        return found.y() >= 0;
    });
    if (!seen)
        return fail(QStringLiteral("no covered %1 x %2 field in the main window of %3 x %4")
                        .arg(columns)
                        .arg(rows)
                        .arg(window.width())
                        .arg(window.height()));
    columns_ = columns;
    rows_ = rows;
    fieldOrigin_ = window.topLeft() + found;
    centralOrigin_ = fieldOrigin_ - fieldInCentral;
    return true;
}

QPoint GameWindow::cellPoint(int column, int row) const
{
    const int dx = (column * 7 + row * 3) % cellSize;
    const int dy = (column * 5 + row * 11) % cellSize;
    return fieldOrigin_ + QPoint((column - 1) * cellSize + dx, (row - 1) * cellSize + dy);
}

QPoint GameWindow::facePoint() const
{
    return centralOrigin_ + QPoint(columns_ * 8 + faceInCentral.x() + 13, faceInCentral.y() + 13);
}

QPoint GameWindow::besideField() const
{
    return centralOrigin_ + QPoint(3, fieldInCentral.y() + 20);
}

QImage GameWindow::grab(const QRect& screenRect) const
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screenRect.isEmpty())
        return {};
    return screen->grabWindow(0, screenRect.x(), screenRect.y(), screenRect.width(), screenRect.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage GameWindow::grabField() const
{
    return grab(QRect(fieldOrigin_, QSize(columns_ * cellSize + 1, rows_ * cellSize + 1)));
}

bool GameWindow::waitForFace(const QImage& picture)
{
    const QPoint face = centralOrigin_ + QPoint(columns_ * 8 + faceInCentral.x(), faceInCentral.y());
    const QRect area(face, picture.size());
    if (Polling::waitFor([&] { return grab(area) == picture.convertToFormat(QImage::Format_RGB32); }))
        return true;
    return fail(QStringLiteral("the face button does not show the expected face"));
}

GameWindow::WindowId GameWindow::waitForWindow(const QString& title)
{
    QList<WindowId> windows;
    const qint64 pid = process_->processId();
    if (Polling::waitFor([&] { return (windows = XdoTool::visibleWindows(pid, title)).size() == 1; }))
        return windows.first();
    fail(QStringLiteral("no single visible window titled %1 (found %2)").arg(title).arg(windows.size()));
    return 0;
}

bool GameWindow::waitUntilGone(WindowId window)
{
    const qint64 pid = process_->processId();
    if (Polling::waitFor([&] { return !XdoTool::visibleWindows(pid).contains(window); }))
        return true;
    return fail(QStringLiteral("window %1 is still visible").arg(window));
}

bool GameWindow::chooseFromMenu(const QString& menuLetter, const QStringList& itemKeys)
{
    const qint64 pid = process_->processId();
    const QList<WindowId> before = XdoTool::visibleWindows(pid);
    if (!XdoTool::keys(mainWindow_, {QStringLiteral("alt+") + menuLetter}))
        return fail(QStringLiteral("could not press Alt+%1").arg(menuLetter));

    // The open menu is a window of its own, and holds the keyboard.
    WindowId menu = 0;
    const bool opened = Polling::waitFor([&] {
        for (WindowId window : XdoTool::visibleWindows(pid)) {
            if (!before.contains(window))
                menu = window;
        }
        return menu != 0;
    });
    if (!opened)
        return fail(QStringLiteral("Alt+%1 opened no menu").arg(menuLetter));
    if (!XdoTool::run(QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers")} + itemKeys))
        return fail(QStringLiteral("could not press %1 in the menu").arg(itemKeys.join(u' ')));
    return waitUntilGone(menu);
}
