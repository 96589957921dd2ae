// The game rules.
#include "game.h"

#include "counterclock.h"
#include "fieldsize.h"
#include "numbertext.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Sides beyond any real field are cut here so that counts stay within 16 bits.
constexpr int largestSide = 128;

// Placement gives up drawing after this many attempts and fills the rest in
// order; only fields packed to their capacity ever come near it.
constexpr long placementAttempts = 1'000'000;

// A safe covered cell's mine twin, or 0 when the cell cannot take a mine.
CellCode mineTwin(CellCode code)
{
    switch (code) {
    case Cell::Covered: return Cell::Mine;
    case Cell::FlaggedSafe: return Cell::FlaggedMine;
    case Cell::MarkedSafe: return Cell::MarkedMine;
    case Cell::PressedSafe: return Cell::PressedMine;
    default: return 0;
    }
}

} // namespace

void Game::startNewGame()
{
    resetClock(view_);
    session_.buttonState = 0;
    session_.openedCount = 0;
    session_.correctFlags = 0;
    view_.setBoardEnabled(true);
    view_.clearBoard();

    // Fields outside what the window offers are made playable rather than trusted.
    session_.columns = std::int16_t(std::clamp<int>(session_.columns, 0, largestSide));
    session_.rows = std::int16_t(std::clamp<int>(session_.rows, 0, largestSide));
    session_.mines = std::int16_t(
        std::clamp<int>(session_.mines, 0, FieldLimits::mineCapacity(session_.columns, session_.rows)));

    session_.board = Board(session_.columns, session_.rows);
    setMineCounter(view_, session_.mines);
}

void Game::selectLevel(Level level)
{
    const auto fixed = fixedLevel(level);
    if (!fixed)
        return;
    view_.setLevelChecks(level);
    session_.columns = fixed->size.columns;
    session_.rows = fixed->size.rows;
    session_.mines = fixed->size.mines;
    session_.level = level;
    view_.layoutForField();
}

void Game::placeMines(int column, int row)
{
    Board& board = session_.board;
    const int target = std::min<int>(session_.mines, FieldLimits::mineCapacity(session_.columns, session_.rows));
    int placed = 0;
    int flaggedMines = 0;

    // Marks set before the first uncovering keep their meaning on a mine:
    // a flag becomes a flag on a mine, a question mark one on a mine.
    auto tryCell = [&](int c, int r) {
        if (c == column || r == row)
            return;
        const CellCode twin = mineTwin(board.at(c, r));
        if (twin == 0)
            return;
        board.set(c, r, twin);
        ++placed;
        if (twin == Cell::FlaggedMine)
            ++flaggedMines;
    };

    for (long attempt = 0; placed < target && attempt < placementAttempts; ++attempt) {
        const int c = random_.draw(session_.columns);
        const int r = random_.draw(session_.rows);
        tryCell(c, r);
    }
    for (int r = 1; r <= session_.rows && placed < target; ++r) {
        for (int c = 1; c <= session_.columns && placed < target; ++c)
            tryCell(c, r);
    }
    session_.correctFlags = std::int16_t(flaggedMines);
}

int Game::uncoverCell(int column, int row)
{
    int count = 0;
    for (const CellOffset& offset : neighbourRing) {
        const int c = column + offset.column;
        const int r = row + offset.row;
        if (session_.inField(c, r) && Cell::countsAsMine(session_.board.at(c, r)))
            ++count;
    }
    session_.board.set(column, row, CellCode(Cell::Opened + count));
    ++session_.openedCount;
    return count;
}

void Game::openCell(int column, int row)
{
    if (!session_.inField(column, row) || session_.board.at(column, row) >= Cell::Opened)
        return;
    if (session_.openedCount == 0)
        placeMines(column, row);

    if (session_.board.at(column, row) == Cell::Mine) {
        view_.drawExplodedMine(column, row);
        session_.board.set(column, row, Cell::Exploded);
        loseGame();
        return;
    }

    const int count = uncoverCell(column, row);
    session_.lastCount = std::int16_t(count);
    view_.drawTile(column, row, count);
    if (count == 0)
        floodNeighbours(column, row);
    if (session_.openedCount == session_.safeCells())
        winGame();
}

void Game::floodOpen(int column, int row)
{
    if (!session_.inField(column, row) || session_.board.at(column, row) >= Cell::Opened)
        return;
    const int count = uncoverCell(column, row);
    session_.lastCount = std::int16_t(count);
    view_.drawTile(column, row, count);
    if (count == 0)
        floodNeighbours(column, row);
}

// Depth-first in ring order, exactly as the mutual recursion of floodOpen
// and floodNeighbours would go, but on an explicit stack so that a chain
// across a whole field needs no deep call stack.
void Game::floodNeighbours(int column, int row)
{
    struct Frame {
        int column;
        int row;
        std::size_t next;
    };
    std::vector<Frame> stack{{column, row, 0}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == neighbourRing.size()) {
            stack.pop_back();
            continue;
        }
        const CellOffset offset = neighbourRing[frame.next++];
        const int c = frame.column + offset.column;
        const int r = frame.row + offset.row;
        if (!session_.inField(c, r) || session_.board.at(c, r) >= Cell::Mine)
            continue;
        const int count = uncoverCell(c, r);
        session_.lastCount = std::int16_t(count);
        view_.drawTile(c, r, count);
        if (count == 0)
            stack.push_back({c, r, 0});
    }
}

void Game::chordBlock(int x, int y, BlockMode mode)
{
    // Open is the release's own decision; asked for from outside it would
    // uncover a block whatever its flags.
    if (mode != BlockMode::Press && mode != BlockMode::Release && mode != BlockMode::Cancel)
        return;
    const int column = cellOfPixel(x);
    const int row = cellOfPixel(y);
    if (!session_.inField(column, row))
        return;

    Board& board = session_.board;
    std::array<CellOffset, 9> pressedCells{};
    std::size_t pressedCount = 0;
    int flagsOnMines = 0;
    int flagsOnSafe = 0;
    for (const CellOffset& offset : chordBlockOrder) {
        const int c = column + offset.column;
        const int r = row + offset.row;
        if (!session_.inField(c, r))
            continue;
        const CellCode code = board.at(c, r);
        if (mode == BlockMode::Press) {
            if (code < Cell::Opened || code == Cell::MarkedMine || code == Cell::MarkedSafe)
                pressedCells[pressedCount++] = {c, r};
        } else {
            if (code == Cell::PressedMine || code == Cell::PressedSafe)
                pressedCells[pressedCount++] = {c, r};
            else if (code == Cell::FlaggedMine)
                ++flagsOnMines;
            else if (code == Cell::FlaggedSafe)
                ++flagsOnSafe;
        }
    }

    const int number = board.at(column, row) - Cell::Opened;
    bool failed = false;
    if (flagsOnSafe > 0 && flagsOnMines + flagsOnSafe == number && view_.isJudgeFlagsEnabled())
        failed = true;
    else if (flagsOnMines > 0 && flagsOnMines == number && mode != BlockMode::Cancel)
        mode = BlockMode::Open;

    for (std::size_t i = 0; i < pressedCount; ++i) {
        const auto [c, r] = pressedCells[i];
        const CellCode code = board.at(c, r);
        if (mode == BlockMode::Press) {
            view_.drawTile(c, r, Tile::Empty);
            board.set(c, r, Cell::countsAsMine(code) ? Cell::PressedMine : Cell::PressedSafe);
        } else if (mode == BlockMode::Open && code == Cell::PressedSafe) {
            const int count = uncoverCell(c, r);
            session_.lastCount = std::int16_t(count);
            view_.drawTile(c, r, count);
            if (count == 0)
                floodNeighbours(c, r);
            if (session_.openedCount == session_.safeCells()) {
                winGame();
                return;
            }
        } else {
            // Un-pressing. An Open never meets a pressed mine, since every
            // mine around the number is flagged; should one be left over
            // from an unmatched press, it is covered again, never opened.
            view_.drawTile(c, r, Tile::Covered);
            board.set(c, r, code == Cell::PressedMine ? Cell::Mine : Cell::Covered);
        }
    }

    if (failed && mode == BlockMode::Release)
        loseGame();
}

void Game::cycleFlag(int column, int row)
{
    if (!session_.inField(column, row))
        return;
    Board& board = session_.board;
    const CellCode code = board.at(column, row);

    if (code < Cell::Opened) {
        view_.drawTile(column, row, Tile::Flag);
        addToMineCounter(view_, -1);
        if (code == Cell::Mine) {
            board.set(column, row, Cell::FlaggedMine);
            ++session_.correctFlags;
        } else {
            board.set(column, row, Cell::FlaggedSafe);
        }
        if (session_.correctFlags == session_.mines)
            winGame();
    } else if (code == Cell::FlaggedMine || code == Cell::FlaggedSafe) {
        const bool mine = code == Cell::FlaggedMine;
        if (mine)
            --session_.correctFlags;
        view_.drawTile(column, row, Tile::Covered);
        if (view_.isMarksEnabled()) {
            board.set(column, row, mine ? Cell::MarkedMine : Cell::MarkedSafe);
            view_.drawQuestionMark(column, row);
        } else {
            board.set(column, row, mine ? Cell::Mine : Cell::Covered);
        }
        addToMineCounter(view_, 1);
    } else if (code == Cell::MarkedMine || code == Cell::MarkedSafe) {
        board.set(column, row, code == Cell::MarkedMine ? Cell::Mine : Cell::Covered);
        view_.drawTile(column, row, Tile::Covered);
    }
}

void Game::winGame()
{
    view_.suspendBoardRedraw();
    Board& board = session_.board;
    for (int r = 1; r <= session_.rows; ++r) {
        for (int c = 1; c <= session_.columns; ++c) {
            const CellCode code = board.at(c, r);
            if (code == Cell::Mine || code == Cell::MarkedMine) {
                view_.drawTile(c, r, Tile::Flag);
                addToMineCounter(view_, -1);
            } else if (code == Cell::Covered || code == Cell::MarkedSafe) {
                const int count = uncoverCell(c, r);
                session_.lastCount = std::int16_t(count);
                view_.drawTile(c, r, count);
            } else if (code == Cell::FlaggedSafe) {
                view_.drawTile(c, r, Tile::WrongFlag);
            }
        }
    }
    view_.resumeBoardRedraw();
    view_.setBoardEnabled(false);
    session_.buttonState = 0;
    view_.stopClock();

    view_.messageBox(winMessage(mineCounterValue(view_)), MessageStyle::Information, winMessageTitle);

    const auto fixed = fixedLevel(session_.level);
    if (!fixed)
        return;
    const double best = std::trunc(textToNumber(view_.readBestTimeRecord(std::string(fixed->recordName))));
    const double seconds = clockSeconds(view_);
    if (numberGreater(best, seconds) || numbersEqual(best, 0))
        view_.showHallOfFame(true);
}

void Game::loseGame()
{
    const Board& board = session_.board;
    for (int r = 1; r <= session_.rows; ++r) {
        for (int c = 1; c <= session_.columns; ++c) {
            const CellCode code = board.at(c, r);
            if (code == Cell::FlaggedSafe || code == Cell::MarkedSafe)
                view_.drawTile(c, r, Tile::WrongFlag);
            else if (code == Cell::Mine || code == Cell::MarkedMine)
                view_.drawTile(c, r, Tile::Mine);
        }
    }
    session_.buttonState = 0;
    view_.stopClock();
    view_.resumeBoardRedraw();
    view_.messageBox(loseMessageText, MessageStyle::Plain, defaultMessageTitle);
    view_.setBoardEnabled(false);
}

std::string winMessage(double mineCounter)
{
    std::string middle;
    if (mineCounter < 0)
        middle = "但您还有" + numberToText(std::fabs(mineCounter)) + "处标记地雷错误，\r\n望";
    return "祝贺您！本局胜利了！" + middle + "再接再励，再创辉煌。";
}
