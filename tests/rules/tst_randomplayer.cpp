// Thousands of seeded games of random clicks and chords, and random garbage
// input, with the rules' invariants checked after every single call.
#include "fieldfixture.h"
#include "fieldsize.h"
#include "game.h"
#include "numbertext.h"
#include "recordingview.h"

#include <QTest>

#include <algorithm>
#include <climits>
#include <optional>
#include <random>
#include <string>
#include <vector>

class RandomPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void playedGamesKeepTheRules_data();
    void playedGamesKeepTheRules();
    void garbageInputIsHarmless();
};

namespace {

struct CellPosition {
    int column;
    int row;
};

bool isValidCode(CellCode code)
{
    return code == Cell::Covered || code == Cell::Mine || (code >= Cell::Opened && code <= Cell::OpenedMax)
        || code == Cell::FlaggedMine || code == Cell::FlaggedSafe || code == Cell::MarkedMine
        || code == Cell::MarkedSafe || code == Cell::PressedMine || code == Cell::PressedSafe
        || code == Cell::Exploded;
}

bool isOpened(CellCode code) { return code >= Cell::Opened && code <= Cell::OpenedMax; }

// What a cell of a game in play must show.
bool pictureMatches(CellCode code, int picture)
{
    switch (code) {
    case Cell::Covered:
    case Cell::Mine: return picture == RecordingView::BackgroundPicture || picture == Tile::Covered;
    case Cell::FlaggedMine:
    case Cell::FlaggedSafe: return picture == Tile::Flag;
    case Cell::MarkedMine:
    case Cell::MarkedSafe: return picture == RecordingView::QuestionMarkPicture;
    case Cell::PressedMine:
    case Cell::PressedSafe: return picture == Tile::Empty;
    case Cell::Exploded: return picture == RecordingView::ExplodedMinePicture;
    default: return picture == code - Cell::Opened;
    }
}

// What a cell must show once the game is won or lost.
bool endPictureMatches(CellCode code, int picture, bool won)
{
    switch (code) {
    case Cell::Mine:
    case Cell::MarkedMine: return picture == (won ? Tile::Flag : Tile::Mine);
    case Cell::FlaggedSafe: return picture == Tile::WrongFlag;
    case Cell::MarkedSafe: return !won && picture == Tile::WrongFlag;
    case Cell::Covered: return !won && pictureMatches(code, picture);
    case Cell::PressedMine:
    case Cell::PressedSafe: return false;
    default: return pictureMatches(code, picture);
    }
}

std::string cellName(int column, int row) { return "(" + std::to_string(column) + "," + std::to_string(row) + ")"; }

// Watches one game and tells what breaks the rules after each call.
class Referee {
public:
    Referee(const Game& game, const RecordingView& view) : game_(game), view_(view) {}

    void newGame()
    {
        mineMap_.clear();
        lastCodes_.clear();
        placed_ = false;
        allMinesFlaggedAtPlacement_ = false;
        sawAnEnd_ = false;
        endings_ = 0;
    }

    // pressedBlock: the centre of the block a chord holds down now, if any;
    // mouseLike: the calls came in the order the mouse layer makes them.
    std::string check(std::optional<CellPosition> pressedBlock, bool mouseLike)
    {
        const GameSession& session = game_.session();
        const int columns = session.columns;
        const int rows = session.rows;
        if (view_.drawsOutsideField > 0)
            return "drew outside the field";

        lastCodes_.resize(std::size_t(std::max(columns, 0)) * std::size_t(std::max(rows, 0)), -1);
        if (!placed_ && session.openedCount > 0) {
            placed_ = true;
            allMinesFlaggedAtPlacement_ = session.correctFlags == session.mines;
            mineMap_.assign(std::size_t(columns) * std::size_t(rows), false);
            for (int r = 1; r <= rows; ++r) {
                for (int c = 1; c <= columns; ++c)
                    mineMap_[index(c, r)] = Cell::isMine(session.board.at(c, r));
            }
        }

        int mineCells = 0;
        int opened = 0;
        int flagsOnMines = 0;
        int flags = 0;
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= columns; ++c) {
                const CellCode code = session.board.at(c, r);
                if (!isValidCode(code))
                    return "invalid code " + std::to_string(code) + " at " + cellName(c, r);
                const bool mine = Cell::isMine(code);
                mineCells += mine;
                opened += isOpened(code);
                flagsOnMines += code == Cell::FlaggedMine;
                flags += code == Cell::FlaggedMine || code == Cell::FlaggedSafe;
                if (code == Cell::PressedMine || code == Cell::PressedSafe) {
                    if (mouseLike
                        && (!pressedBlock || std::abs(c - pressedBlock->column) > 1
                            || std::abs(r - pressedBlock->row) > 1))
                        return "pressed cell " + cellName(c, r) + " outlived its chord";
                }
                if (placed_ && mine != bool(mineMap_[index(c, r)]))
                    return "cell " + cellName(c, r) + " changed between mine and safe, now "
                        + std::to_string(code);
                // A count stays as stored, so a cell needs checking only when its code changes.
                CellCode& seen = lastCodes_[index(c, r)];
                if (placed_ && isOpened(code) && code != seen && !countFits(code - Cell::Opened, c, r))
                    return "wrong count at " + cellName(c, r);
                seen = code;
            }
        }
        if (!placed_ && mineCells > 0)
            return "mines before the first uncovering";
        if (placed_ && mineCells != session.mines)
            return "mine cells " + std::to_string(mineCells) + " but mines " + std::to_string(session.mines);
        if (opened != session.openedCount)
            return "openedCount " + std::to_string(session.openedCount) + " but " + std::to_string(opened)
                + " cells uncovered";
        if (flagsOnMines != session.correctFlags)
            return "correctFlags " + std::to_string(session.correctFlags) + " but " + std::to_string(flagsOnMines)
                + " flags on mines";

        const std::size_t endings = view_.messages.size();
        if (endings < endings_)
            return "message log cleared";
        const bool ended = endings > endings_;
        endings_ = endings;
        if (mouseLike && view_.suspended)
            return "redraw left suspended";
        if (!mouseLike) {
            if (!sawAnEnd_ && !ended && view_.counterText != numberToText(session.mines - flags))
                return "counter " + view_.counterText + " with " + std::to_string(flags) + " flags";
            sawAnEnd_ = sawAnEnd_ || ended;
            return {};
        }

        if (!ended) {
            if (!view_.boardEnabled)
                return "canvas disabled without an ending";
            if (view_.counterText != numberToText(session.mines - flags))
                return "counter " + view_.counterText + " with " + std::to_string(flags) + " flags";
            if (session.openedCount >= session.safeCells())
                return "every safe cell uncovered but no win";
            if (session.correctFlags >= session.mines && !allMinesFlaggedAtPlacement_)
                return "every mine flagged but no win";
            for (int r = 1; r <= rows; ++r) {
                for (int c = 1; c <= columns; ++c) {
                    if (!pictureMatches(session.board.at(c, r), view_.picture(c, r)))
                        return "picture " + std::to_string(view_.picture(c, r)) + " at " + cellName(c, r)
                            + " for code " + std::to_string(session.board.at(c, r));
                }
            }
            return {};
        }

        if (endings != 1)
            return "more than one ending";
        const RecordingView::Message& message = view_.messages.back();
        const bool won = message.title == "祝贺";
        if (message.shownWhileSuspended)
            return "message shown before the field";
        if (view_.boardEnabled || view_.clockRunning || session.buttonState != 0)
            return "game ended with the canvas, the clock or the buttons still live";
        if (won) {
            const int wrongFlags = flags - session.correctFlags;
            if (session.openedCount + wrongFlags != session.safeCells())
                return "won with safe cells left covered";
            if (view_.counterText != numberToText(-wrongFlags))
                return "won with counter " + view_.counterText;
            const std::string expected = winMessage(-wrongFlags);
            if (message.text != expected)
                return "win message " + message.text;
        } else if (message.text != loseMessageText) {
            return "loss message " + message.text;
        } else if (countCells(game_, Cell::Exploded) > 1) {
            return "more than one exploded mine";
        }
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= columns; ++c) {
                if (!endPictureMatches(session.board.at(c, r), view_.picture(c, r), won))
                    return std::string(won ? "win" : "loss") + " shows picture "
                        + std::to_string(view_.picture(c, r)) + " at " + cellName(c, r) + " for code "
                        + std::to_string(session.board.at(c, r));
            }
        }
        return {};
    }

private:
    std::size_t index(int column, int row) const
    {
        return std::size_t(row - 1) * std::size_t(game_.session().columns) + std::size_t(column - 1);
    }

    // A count is true when it counts every mine around the cell. The
    // exploded mine no longer counts for cells uncovered after it (only
    // garbage input uncovers any), so next to one a count may be short of it.
    bool countFits(int count, int column, int row) const
    {
        const GameSession& session = game_.session();
        int mines = 0;
        int exploded = 0;
        for (const CellOffset& offset : neighbourRing) {
            const int c = column + offset.column;
            const int r = row + offset.row;
            if (session.inField(c, r) && mineMap_[index(c, r)]) {
                ++mines;
                exploded += session.board.at(c, r) == Cell::Exploded;
            }
        }
        return count <= mines && count >= mines - exploded;
    }

    const Game& game_;
    const RecordingView& view_;
    std::vector<bool> mineMap_;
    std::vector<CellCode> lastCodes_; // the codes at the last check
    bool placed_ = false;
    bool allMinesFlaggedAtPlacement_ = false;
    bool sawAnEnd_ = false;
    std::size_t endings_ = 0;
};

int pick(std::mt19937& random, int low, int high) { return std::uniform_int_distribution(low, high)(random); }
bool chance(std::mt19937& random, double p) { return std::bernoulli_distribution(p)(random); }

// A cell whose code satisfies wanted, or nothing.
template <typename Wanted>
std::optional<CellPosition> randomCell(const Game& game, std::mt19937& random, Wanted wanted)
{
    const GameSession& session = game.session();
    std::vector<CellPosition> cells;
    for (int r = 1; r <= session.rows; ++r) {
        for (int c = 1; c <= session.columns; ++c) {
            if (wanted(session.board.at(c, r)))
                cells.push_back({c, r});
        }
    }
    if (cells.empty())
        return std::nullopt;
    return cells[std::size_t(pick(random, 0, int(cells.size()) - 1))];
}

// A pixel in or just around the field.
int nearPixel(std::mt19937& random, int cells) { return pick(random, -20, cells * 16 + 20); }
int pixelOf(int cell, std::mt19937& random) { return (cell - 1) * 16 + pick(random, 0, 15); }
// The cell of a pixel as the window works it out (negative pixels lie outside).
int cellOf(int pixel) { return cellOfPixel(pixel); }

} // namespace

void RandomPlayerTest::playedGamesKeepTheRules_data()
{
    QTest::addColumn<bool>("marks");
    QTest::addColumn<bool>("judgeFlags");
    QTest::addColumn<int>("firstSeed");

    QTest::newRow("both options off") << false << false << 1000;
    QTest::newRow("marks on") << true << false << 2000;
    QTest::newRow("wrong-flag check on") << false << true << 3000;
    QTest::newRow("both options on") << true << true << 4000;
}

void RandomPlayerTest::playedGamesKeepTheRules()
{
    QFETCH(bool, marks);
    QFETCH(bool, judgeFlags);
    QFETCH(int, firstSeed);

    constexpr int games = 600;
    constexpr int actionsPerGame = 400;

    // One game object for the whole run: its own sequence runs on from game to game.
    RecordingView view;
    Game game(view);
    view.attach(&game);
    view.marksEnabled = marks;
    view.judgeFlagsEnabled = judgeFlags;
    Referee referee(game, view);
    GameSession& session = game.session();
    int wins = 0;
    int losses = 0;

    for (int gameIndex = 0; gameIndex < games; ++gameIndex) {
        const int seed = firstSeed + gameIndex;
        std::mt19937 random{std::uint32_t(seed)};
        if (chance(random, 0.1)) {
            game.selectLevel(Level(pick(random, 1, 3)));
        } else {
            session.level = Levels::Custom;
            session.columns = std::int16_t(pick(random, FieldLimits::MinColumns, FieldLimits::MaxColumns));
            session.rows = std::int16_t(pick(random, FieldLimits::MinRows, FieldLimits::MaxRows));
            const int capacity = FieldLimits::mineCapacity(session.columns, session.rows);
            // Half the fields anywhere up to full, half sparse enough to be won.
            session.mines = std::int16_t(pick(random, 1, chance(random, 0.5) ? capacity : capacity / 6));
            view.layoutForField();
        }
        view.clearLog();
        view.bestTimeRecords.clear();
        referee.newGame();
        const int columns = session.columns;
        const int rows = session.rows;

        std::string action;
        // Stops the whole test at the first fault, naming the game and the call.
#define VERIFY_RULES(pressedBlock)                                                                        \
    do {                                                                                                  \
        const std::string fault = referee.check(pressedBlock, true);                                      \
        if (!fault.empty()) {                                                                             \
            qInfo().noquote() << boardText(game).join(QLatin1Char('\n'));                                 \
            QFAIL(qPrintable(QStringLiteral("seed %1, %2: %3")                                            \
                                 .arg(seed)                                                               \
                                 .arg(QString::fromStdString(action), QString::fromStdString(fault)))); \
        }                                                                                                 \
    } while (false)

        for (int step = 0; step < actionsPerGame && view.boardEnabled; ++step) {
            const int kind = pick(random, 0, 99);
            if (kind < 45) {
                // Left click, mostly on a covered cell that is safe.
                std::optional<CellPosition> cell;
                if (chance(random, 0.7))
                    cell = randomCell(game, random, [](CellCode code) { return code == Cell::Covered; });
                const int x = cell ? pixelOf(cell->column, random) : nearPixel(random, columns);
                const int y = cell ? pixelOf(cell->row, random) : nearPixel(random, rows);
                action = "left click at " + std::to_string(x) + "," + std::to_string(y);
                view.suspendBoardRedraw();
                game.openCell(cellOf(x), cellOf(y));
                view.resumeBoardRedraw();
                VERIFY_RULES(std::nullopt);
            } else if (kind < 70) {
                // Right click, often on a mine so that wins by flags happen.
                std::optional<CellPosition> cell;
                if (chance(random, 0.5))
                    cell = randomCell(game, random,
                        [](CellCode code) { return code == Cell::Mine || code == Cell::MarkedMine; });
                const int x = cell ? pixelOf(cell->column, random) : nearPixel(random, columns);
                const int y = cell ? pixelOf(cell->row, random) : nearPixel(random, rows);
                action = "right click at " + std::to_string(x) + "," + std::to_string(y);
                view.suspendBoardRedraw();
                if (session.inField(cellOf(x), cellOf(y)))
                    game.cycleFlag(cellOf(x), cellOf(y));
                view.resumeBoardRedraw();
                VERIFY_RULES(std::nullopt);
            } else {
                // A chord: press, follow the pointer, release one button, then the other.
                std::optional<CellPosition> cell;
                if (chance(random, 0.6))
                    cell = randomCell(game, random,
                        [](CellCode code) { return code > Cell::Opened && code <= Cell::OpenedMax; });
                int x = cell ? pixelOf(cell->column, random) : nearPixel(random, columns);
                int y = cell ? pixelOf(cell->row, random) : nearPixel(random, rows);
                auto blockAt = [&](int px, int py) -> std::optional<CellPosition> {
                    if (!session.inField(cellOf(px), cellOf(py)))
                        return std::nullopt;
                    return CellPosition{cellOf(px), cellOf(py)};
                };
                action = "chord press at " + std::to_string(x) + "," + std::to_string(y);
                game.chordBlock(x, y, BlockMode::Press);
                VERIFY_RULES(blockAt(x, y));
                for (int move = pick(random, 0, 3); move > 0; --move) {
                    const int nextX = chance(random, 0.7) ? x + pick(random, -20, 20) : nearPixel(random, columns);
                    const int nextY = chance(random, 0.7) ? y + pick(random, -20, 20) : nearPixel(random, rows);
                    if (cellOf(nextX) == cellOf(x) && cellOf(nextY) == cellOf(y))
                        continue; // the mouse layer acts only when the pointer reaches another cell
                    action = "chord move to " + std::to_string(nextX) + "," + std::to_string(nextY);
                    game.chordBlock(x, y, BlockMode::Cancel);
                    VERIFY_RULES(std::nullopt);
                    x = nextX;
                    y = nextY;
                    game.chordBlock(x, y, BlockMode::Press);
                    VERIFY_RULES(blockAt(x, y));
                }
                action = "first chord release at " + std::to_string(x) + "," + std::to_string(y);
                view.suspendBoardRedraw();
                game.chordBlock(x, y, BlockMode::Release);
                view.resumeBoardRedraw();
                VERIFY_RULES(std::nullopt);
                if (view.boardEnabled) {
                    if (chance(random, 0.3)) {
                        x = nearPixel(random, columns);
                        y = nearPixel(random, rows);
                    }
                    action = "second chord release at " + std::to_string(x) + "," + std::to_string(y);
                    view.suspendBoardRedraw();
                    game.chordBlock(x, y, BlockMode::Release);
                    view.resumeBoardRedraw();
                    VERIFY_RULES(std::nullopt);
                }
            }
        }
        if (!view.boardEnabled)
            (view.messages.back().title == "祝贺" ? wins : losses) += 1;
    }
    // The player must reach both endings often, or the checks above prove little.
    QVERIFY2(wins > games / 20 && losses > games / 5,
        qPrintable(QStringLiteral("%1 wins, %2 losses").arg(wins).arg(losses)));
    qInfo("%d games: %d won, %d lost", games, wins, losses);
}

void RandomPlayerTest::garbageInputIsHarmless()
{
    constexpr int games = 300;
    constexpr int callsPerGame = 300;
    const int extremes[] = {INT_MIN, INT_MIN + 1, -65536, -32769, -32768, -17, -16, -15, -1, 0, 1,
        32767, 32768, 65535, 65536, INT_MAX - 1, INT_MAX};

    RecordingView view;
    Game game(view);
    view.attach(&game);
    Referee referee(game, view);
    GameSession& session = game.session();

    for (int gameIndex = 0; gameIndex < games; ++gameIndex) {
        const int seed = 9000 + gameIndex;
        std::mt19937 random{std::uint32_t(seed)};
        view.marksEnabled = chance(random, 0.5);
        view.judgeFlagsEnabled = chance(random, 0.5);
        // Any field at all, also ones the window never offers.
        session.level = Level(pick(random, -2, 12));
        session.columns = std::int16_t(chance(random, 0.2) ? pick(random, -40, 40) : pick(random, 8, 30));
        session.rows = std::int16_t(chance(random, 0.2) ? pick(random, -40, 40) : pick(random, 8, 16));
        session.mines = std::int16_t(chance(random, 0.2) ? pick(random, -32768, 32767) : pick(random, -2, 500));
        view.layoutForField();
        view.clearLog();
        referee.newGame();

        auto anyNumber = [&](int cells, int scale) {
            switch (pick(random, 0, 3)) {
            case 0: return extremes[pick(random, 0, int(std::size(extremes)) - 1)];
            case 1: return pick(random, INT_MIN, INT_MAX);
            default: return pick(random, -3 * scale, (cells + 3) * scale);
            }
        };
        for (int call = 0; call < callsPerGame; ++call) {
            std::string action;
            switch (pick(random, 0, 2)) {
            case 0: {
                const int c = anyNumber(session.columns, 1);
                const int r = anyNumber(session.rows, 1);
                action = "openCell " + std::to_string(c) + "," + std::to_string(r);
                game.openCell(c, r);
                break;
            }
            case 1: {
                const int c = anyNumber(session.columns, 1);
                const int r = anyNumber(session.rows, 1);
                action = "cycleFlag " + std::to_string(c) + "," + std::to_string(r);
                game.cycleFlag(c, r);
                break;
            }
            default: {
                const int x = anyNumber(session.columns, 16);
                const int y = anyNumber(session.rows, 16);
                const int mode = pick(random, -1, 5);
                action = "chordBlock " + std::to_string(x) + "," + std::to_string(y) + " mode "
                    + std::to_string(mode);
                game.chordBlock(x, y, BlockMode(mode));
                break;
            }
            }
            const std::string fault = referee.check(std::nullopt, false);
            if (!fault.empty())
                QFAIL(qPrintable(QStringLiteral("seed %1, %2: %3")
                                     .arg(seed)
                                     .arg(QString::fromStdString(action), QString::fromStdString(fault))));
        }
    }
}

QTEST_GUILESS_MAIN(RandomPlayerTest)
#include "tst_randomplayer.moc"
