// The rules beside the real program.
#include "mirrorgame.h"

MirrorGame::MirrorGame(Level level, bool marks, bool judgeFlags)
    : game_(*this), marks_(marks), judgeFlags_(judgeFlags)
{
    game_.selectLevel(level);
}

// Only a new game clears the field.
void MirrorGame::clearBoard()
{
    outcome_ = Outcome::Playing;
}

void MirrorGame::messageBox(const std::string&, MessageStyle, const std::string& title)
{
    ++messageCount_;
    lastMessageTitle_ = title;
    outcome_ = title == winMessageTitle ? Outcome::Won : Outcome::Lost;
}

void MirrorGame::showHallOfFame(bool recordMode)
{
    if (recordMode)
        ++recordEntries_;
}

QList<QPoint> MirrorGame::cellsWhere(const CellTest& test) const
{
    const GameSession& state = session();
    QList<QPoint> cells;
    for (int row = 1; row <= state.rows; ++row) {
        for (int column = 1; column <= state.columns; ++column) {
            if (test(state.board.at(column, row)))
                cells << QPoint(column, row);
        }
    }
    return cells;
}

QList<QPoint> MirrorGame::neighboursWhere(QPoint cell, const CellTest& test) const
{
    const GameSession& state = session();
    QList<QPoint> cells;
    for (const CellOffset& offset : neighbourRing) {
        const QPoint next = cell + QPoint(offset.column, offset.row);
        if (state.inField(next.x(), next.y()) && test(state.board.at(next.x(), next.y())))
            cells << next;
    }
    return cells;
}

std::optional<QPoint> MirrorGame::numberToChord() const
{
    const auto isNumber = [](CellCode code) { return code > Cell::Opened && code <= Cell::OpenedMax; };
    for (const QPoint& cell : cellsWhere(isNumber)) {
        const int mines = session().board.at(cell.x(), cell.y()) - Cell::Opened;
        if (neighboursWhere(cell, isCoveredMine).size() == mines && !neighboursWhere(cell, isCoveredSafe).isEmpty())
            return cell;
    }
    return std::nullopt;
}
