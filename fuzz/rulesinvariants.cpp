// The invariants of the rules.
#include "rulesinvariants.h"

#include "counterclock.h"
#include "game.h"
#include "quietview.h"

#include <algorithm>

namespace {

bool isKnownCode(CellCode code)
{
    switch (code) {
    case Cell::Covered:
    case Cell::Mine:
    case Cell::FlaggedMine:
    case Cell::FlaggedSafe:
    case Cell::MarkedMine:
    case Cell::MarkedSafe:
    case Cell::PressedMine:
    case Cell::PressedSafe:
    case Cell::Exploded:
        return true;
    default:
        return code >= Cell::Opened && code <= Cell::OpenedMax;
    }
}

std::string at(int column, int row)
{
    return " at (" + std::to_string(column) + ", " + std::to_string(row) + ")";
}

} // namespace

void RulesInvariants::newBoard()
{
    mines_.clear();
    checked_.clear();
    placed_ = false;
    firstColumn_ = 0;
    firstRow_ = 0;
}

void RulesInvariants::noteOpenCell(int column, int row, bool firstOpening)
{
    if (firstOpening && !placed_) {
        firstColumn_ = column;
        firstRow_ = row;
    }
}

std::string RulesInvariants::check(const Game& game, const QuietView& view)
{
    if (!view.fault().empty())
        return view.fault();
    if (view.isRedrawSuspended())
        return "the canvas was left with its redrawing held back";

    const GameSession& session = game.session();
    const Board& board = session.board;
    if (board.columns() != std::max<int>(session.columns, 1) || board.rows() != std::max<int>(session.rows, 1))
        return "the board is " + std::to_string(board.columns()) + " x " + std::to_string(board.rows())
            + " for a field of " + std::to_string(session.columns) + " x " + std::to_string(session.rows);

    // One copy of the codes, so the walks below cost little even in a debug build.
    columns_ = board.columns();
    rows_ = board.rows();
    codes_.resize(std::size_t(columns_) * std::size_t(rows_));
    for (int r = 1; r <= rows_; ++r) {
        for (int c = 1; c <= columns_; ++c)
            codes_[index(c, r)] = board.at(c, r);
    }

    std::string problem = checkCells(session);
    if (problem.empty())
        problem = checkPlay(session, view);
    if (problem.empty())
        checked_ = codes_;
    return problem;
}

std::string RulesInvariants::checkCells(const GameSession& session)
{
    int mineCells = 0;
    int opened = 0;
    int flaggedMines = 0;
    bool exploded = false;
    for (int r = 1; r <= rows_; ++r) {
        for (int c = 1; c <= columns_; ++c) {
            const CellCode code = codes_[index(c, r)];
            if (!isKnownCode(code))
                return "unknown code " + std::to_string(code) + at(c, r);
            mineCells += Cell::isMine(code);
            opened += code >= Cell::Opened && code <= Cell::OpenedMax;
            flaggedMines += code == Cell::FlaggedMine;
            exploded = exploded || code == Cell::Exploded;
        }
    }

    if (opened != session.openedCount)
        return "openedCount " + std::to_string(session.openedCount) + " but " + std::to_string(opened)
            + " cells uncovered";
    if (flaggedMines != session.correctFlags)
        return "correctFlags " + std::to_string(session.correctFlags) + " but " + std::to_string(flaggedMines)
            + " flags on mines";
    if (!placed_ && mineCells == 0 && session.openedCount == 0)
        return {};

    if (mineCells != session.mines)
        return std::to_string(mineCells) + " mines on a field of " + std::to_string(session.mines);

    if (!placed_) {
        placed_ = true;
        checked_.clear();
        mines_.assign(codes_.size(), false);
        for (int r = 1; r <= rows_; ++r) {
            for (int c = 1; c <= columns_; ++c) {
                const bool mine = Cell::isMine(codes_[index(c, r)]);
                mines_[index(c, r)] = mine;
                if (mine && (c == firstColumn_ || r == firstRow_))
                    return "a mine in the column or row of the first cell" + at(c, r);
            }
        }
    }

    // A cell that kept its code since the last check still holds; its
    // neighbours can't have changed between mine and safe either.
    const bool everyCell = checked_.size() != codes_.size();
    for (int r = 1; r <= rows_; ++r) {
        for (int c = 1; c <= columns_; ++c) {
            const CellCode code = codes_[index(c, r)];
            if (!everyCell && code == checked_[index(c, r)])
                continue;
            if (Cell::isMine(code) != mines_[index(c, r)])
                return "code " + std::to_string(code) + at(c, r) + " changed between mine and safe";
            if (code < Cell::Opened || code > Cell::OpenedMax)
                continue;
            // The exploded mine stops counting once it is 100, so cells
            // uncovered after the loss may count one mine less.
            int counted = 0;
            int mines = 0;
            for (const CellOffset& offset : neighbourRing) {
                const int nc = c + offset.column;
                const int nr = r + offset.row;
                if (nc < 1 || nc > columns_ || nr < 1 || nr > rows_)
                    continue;
                counted += Cell::countsAsMine(codes_[index(nc, nr)]);
                mines += Cell::isMine(codes_[index(nc, nr)]);
            }
            const int shown = code - Cell::Opened;
            if (shown > mines || shown < (exploded ? counted : mines))
                return "shows " + std::to_string(shown) + at(c, r) + " beside " + std::to_string(mines) + " mines";
        }
    }
    return {};
}

std::string RulesInvariants::checkPlay(const GameSession& session, const QuietView& view) const
{
    // Only a game in play: an ended game keeps the pictures of its end.
    if (!view.isBoardEnabled())
        return {};
    int flags = 0;
    for (const CellCode code : codes_)
        flags += code == Cell::FlaggedMine || code == Cell::FlaggedSafe;
    const double counter = mineCounterValue(view);
    if (counter != double(session.mines - flags))
        return "the mine counter shows \"" + view.mineCounterText() + "\" with " + std::to_string(session.mines)
            + " mines and " + std::to_string(flags) + " flags";
    if (session.openedCount > 0 && session.openedCount >= session.safeCells())
        return "every safe cell is uncovered but the game goes on";
    return {};
}
