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

QList<QPoint> MirrorGame::cellsWhere(const std::function<bool(CellCode)>& test) const
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
