// Takes the README's screenshots from the real program: run on an X display
// of its own (scripts/take-screenshots.sh), it plays the game as the tests
// do and writes PNG files to the folder given.
//
//   take-screenshots FOLDER
#include "gamewindow.h"
#include "mirrorgame.h"
#include "player.h"
#include "polling.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QString hallOfFameTitle = QStringLiteral("Tolvy扫雷英雄榜");
const QString customFieldTitle = QStringLiteral("Tolvy扫雷自定义雷区");
const QString winnerName = QStringLiteral("王小明");

class Screenshots {
public:
    Screenshots(const QString& folder, const QString& configHome)
        : folder_(folder), window_(QStringLiteral(TOLVY_PROGRAM), configHome), player_(window_, mirror_)
    {
    }

    bool takeAll();
    const QString& error() const { return error_; }

private:
    bool intermediateGame();
    bool wonGameWithHallOfFame();
    bool expertGame();
    bool customFieldDialog();
    bool beginnerGame();

    // Covered cells next to an uncovered one whose code passes the test.
    QList<QPoint> edgeCells(bool (*test)(CellCode)) const;
    // Covered safe cells without a mine around them: each opens a region.
    QList<QPoint> emptyCells() const;
    bool markAll(const QList<QPoint>& cells, int rightClicks);
    // The main window, with a dialog over it when one is given; the screen
    // around them is left transparent.
    bool save(const QString& name, XdoTool::WindowId dialog = 0);
    bool failed(const QString& why);
    bool playerFailed() { return failed(player_.error()); }
    bool windowFailed() { return failed(window_.error()); }

    QString folder_;
    GameWindow window_;
    MirrorGame mirror_;
    Player player_;
    QString error_;
};

constexpr auto isCoveredSafe = &MirrorGame::isCoveredSafe;
constexpr auto isCoveredMine = &MirrorGame::isCoveredMine;

bool Screenshots::failed(const QString& why)
{
    error_ = why;
    return false;
}

QList<QPoint> Screenshots::edgeCells(bool (*test)(CellCode)) const
{
    const auto isUncovered = [](CellCode code) { return code >= Cell::Opened && code <= Cell::OpenedMax; };
    QList<QPoint> cells;
    for (const QPoint& cell : mirror_.cellsWhere(test)) {
        if (!mirror_.neighboursWhere(cell, isUncovered).isEmpty())
            cells << cell;
    }
    return cells;
}

QList<QPoint> Screenshots::emptyCells() const
{
    QList<QPoint> cells;
    for (const QPoint& cell : mirror_.cellsWhere(isCoveredSafe)) {
        if (mirror_.neighboursWhere(cell, Cell::isMine).isEmpty())
            cells << cell;
    }
    return cells;
}

bool Screenshots::markAll(const QList<QPoint>& cells, int rightClicks)
{
    for (const QPoint& cell : cells) {
        for (int click = 0; click < rightClicks; ++click) {
            if (!player_.mark(cell.x(), cell.y()))
                return playerFailed();
        }
    }
    return true;
}

bool Screenshots::save(const QString& name, XdoTool::WindowId dialog)
{
    QList<QRect> windows{window_.geometry()};
    if (dialog != 0)
        windows << XdoTool::geometry(dialog);
    QRect area;
    for (const QRect& window : windows)
        area |= window;

    // Taken when two looks in a row agree: every window has been painted.
    QImage shot;
    QImage previous;
    const bool settled = Polling::waitFor([&] {
        shot = QImage(area.size(), QImage::Format_ARGB32);
        shot.fill(Qt::transparent);
        QPainter painter(&shot);
        for (const QRect& window : windows)
            painter.drawImage(window.topLeft() - area.topLeft(), window_.grab(window));
        painter.end();
        const bool same = shot == previous;
        previous = shot;
        return same;
    });
    if (!settled)
        return failed(QStringLiteral("the windows for %1 do not settle").arg(name));
    const QString path = QDir(folder_).filePath(name);
    if (!shot.save(path, "PNG"))
        return failed(QStringLiteral("could not write %1").arg(path));
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A game under way: a flood, flags on mines at its edge, a question mark.
bool Screenshots::intermediateGame()
{
    if (!window_.start() || !window_.locateField(16, 16))
        return windowFailed();
    if (!player_.toggleMarks() || !player_.open(8, 8))
        return playerFailed();
    const QList<QPoint> mines = edgeCells(isCoveredMine);
    if (!markAll(mines.mid(0, 4), 1) || !markAll(mines.mid(4, 1), 2))
        return false;
    const QList<QPoint> safe = edgeCells(isCoveredSafe);
    for (const QPoint& cell : safe.mid(0, 6)) {
        if (!player_.open(cell.x(), cell.y()))
            return playerFailed();
    }
    return save(QStringLiteral("intermediate.png"));
}

// The same game to its end; the hall of fame takes the name and shows the
// new record among the others.
bool Screenshots::wonGameWithHallOfFame()
{
    if (!player_.openEverySafeCell())
        return playerFailed();
    if (!player_.pendingHallOfFame())
        return failed(QStringLiteral("the win asked for no name"));
    const XdoTool::WindowId hallOfFame = window_.waitForWindow(hallOfFameTitle);
    if (hallOfFame == 0)
        return windowFailed();
    if (!XdoTool::type(hallOfFame, winnerName) || !XdoTool::keys(hallOfFame, {QStringLiteral("Return")}))
        return failed(QStringLiteral("could not enter the name"));
    if (!Polling::waitFor([&] { return XdoTool::geometry(hallOfFame).width() == 252; }))
        return failed(QStringLiteral("the hall of fame does not change to view mode"));
    if (!save(QStringLiteral("won-game-hall-of-fame.png"), hallOfFame))
        return false;
    if (!XdoTool::keys(hallOfFame, {QStringLiteral("Return")}) || !window_.waitUntilGone(hallOfFame))
        return failed(QStringLiteral("the hall of fame does not close"));
    player_.hallOfFameClosed();
    return player_.fieldShown() || playerFailed();
}

bool Screenshots::expertGame()
{
    if (!player_.chooseLevel(Levels::Expert) || !player_.open(15, 8))
        return playerFailed();
    // A few regions opened, each from the middle of what is still covered.
    for (int region = 0; region < 3; ++region) {
        const QList<QPoint> empty = emptyCells();
        if (empty.isEmpty())
            break;
        const QPoint cell = empty.at(empty.size() / 2);
        if (!player_.open(cell.x(), cell.y()))
            return playerFailed();
    }
    if (!markAll(edgeCells(isCoveredMine).mid(0, 6), 1))
        return false;
    return save(QStringLiteral("expert.png"));
}

bool Screenshots::customFieldDialog()
{
    if (!window_.chooseFromMenu(QStringLiteral("m"), {QStringLiteral("c")}))
        return windowFailed();
    const XdoTool::WindowId dialog = window_.waitForWindow(customFieldTitle);
    if (dialog == 0)
        return windowFailed();
    if (!save(QStringLiteral("custom-field.png"), dialog))
        return false;
    if (!XdoTool::keys(dialog, {QStringLiteral("Escape")}) || !window_.waitUntilGone(dialog))
        return failed(QStringLiteral("the custom field dialog does not close"));
    return true;
}

bool Screenshots::beginnerGame()
{
    if (!player_.chooseLevel(Levels::Beginner) || !player_.open(4, 4))
        return playerFailed();
    if (!markAll(edgeCells(isCoveredMine).mid(0, 2), 1))
        return false;
    return save(QStringLiteral("beginner.png"));
}

bool Screenshots::takeAll()
{
    if (!intermediateGame() || !wonGameWithHallOfFame() || !expertGame() || !customFieldDialog() || !beginnerGame())
        return false;
    int exitCode = -1;
    if (!window_.quitWithEscape(&exitCode) || exitCode != 0)
        return failed(QStringLiteral("the program did not end cleanly"));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: take-screenshots FOLDER\n");
        return 2;
    }
    if (QGuiApplication::platformName() != u"xcb") {
        std::fprintf(stderr, "take-screenshots: run it on an X display (tests/xvfb-session.sh)\n");
        return 2;
    }
    const QString folder = arguments.at(1);
    QTemporaryDir config;
    if (!QDir().mkpath(folder) || !config.isValid()) {
        std::fprintf(stderr, "take-screenshots: cannot prepare %s\n", qPrintable(folder));
        return 1;
    }

    Screenshots screenshots(folder, config.path());
    if (!screenshots.takeAll()) {
        std::fprintf(stderr, "take-screenshots: %s\n", qPrintable(screenshots.error()));
        return 1;
    }
    return 0;
}
