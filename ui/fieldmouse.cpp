// The five mouse handlers of the field. The toolkit captures the mouse for
// the field while any button is down, so releases and moves outside it
// arrive here too.
#include "fieldmouse.h"

#include "buttonstate.h"
#include "game.h"

#include <utility>

FieldMouse::FieldMouse(Game& game, GameView& view, std::function<void(Face)> showFace)
    : game_(game), view_(view), showFace_(std::move(showFace))
{
}

bool FieldMouse::isCoveredCell(int column, int row) const
{
    const GameSession& session = game_.session();
    return session.inField(column, row) && session.board.at(column, row) < Cell::Opened;
}

// A press where no move has been seen (the field appeared under a resting
// pointer) would leave the pointer's last cell elsewhere, and the pressed
// look or block drawn here would never be taken back when it moves on.
void FieldMouse::notePressPosition(int x, int y)
{
    MousePosition& last = game_.session().lastMousePosition;
    if (cellOfPixel(last.x) != cellOfPixel(x) || cellOfPixel(last.y) != cellOfPixel(y))
        last = {x, y};
}

void FieldMouse::onLeftPressed(int x, int y)
{
    GameSession& session = game_.session();
    notePressPosition(x, y);
    if (!view_.isClockRunning()) {
        view_.setClockText("1");
        view_.startClock();
    }
    session.buttonState = afterPress(session.buttonState, MouseButton::Left);
    showFace_(Face::Surprised);

    const int column = cellOfPixel(x);
    const int row = cellOfPixel(y);
    if (session.buttonState == 1 && isCoveredCell(column, row))
        view_.drawTile(column, row, Tile::Empty);

    if (session.buttonState == 3) {
        view_.suspendBoardRedraw();
        game_.chordBlock(x, y, BlockMode::Press);
        view_.resumeBoardRedraw();
    }
}

void FieldMouse::onRightPressed(int x, int y)
{
    GameSession& session = game_.session();
    notePressPosition(x, y);
    session.buttonState = afterPress(session.buttonState, MouseButton::Right);
    if (session.buttonState == 3 && view_.isClockRunning())
        game_.chordBlock(x, y, BlockMode::Press);
}

void FieldMouse::onMouseMoved(int x, int y)
{
    GameSession& session = game_.session();
    const MousePosition last = session.lastMousePosition;
    const int oldColumn = cellOfPixel(last.x);
    const int oldRow = cellOfPixel(last.y);
    const int newColumn = cellOfPixel(x);
    const int newRow = cellOfPixel(y);
    if (oldColumn == newColumn && oldRow == newRow)
        return;

    if (session.buttonState == 1) {
        if (isCoveredCell(oldColumn, oldRow))
            view_.drawTile(oldColumn, oldRow, Tile::Covered);
        if (isCoveredCell(newColumn, newRow))
            view_.drawTile(newColumn, newRow, Tile::Empty);
    } else if (session.buttonState == 3) {
        game_.chordBlock(last.x, last.y, BlockMode::Cancel);
        game_.chordBlock(x, y, BlockMode::Press);
    }
    session.lastMousePosition = {x, y};
}

void FieldMouse::onLeftReleased(int x, int y)
{
    GameSession& session = game_.session();
    showFace_(Face::Smile);
    session.buttonState = afterRelease(session.buttonState, MouseButton::Left);

    view_.suspendBoardRedraw();
    if (isChordRelease(session.buttonState)) {
        game_.chordBlock(x, y, BlockMode::Release);
        session.buttonState = chordReleased;
    } else {
        game_.openCell(cellOfPixel(x), cellOfPixel(y));
    }
    view_.resumeBoardRedraw();
}

void FieldMouse::onRightReleased(int x, int y)
{
    GameSession& session = game_.session();
    showFace_(Face::Smile);
    if (!view_.isClockRunning())
        view_.startClock();
    session.buttonState = afterRelease(session.buttonState, MouseButton::Right);

    view_.suspendBoardRedraw();
    if (isChordRelease(session.buttonState)) {
        game_.chordBlock(x, y, BlockMode::Release);
        session.buttonState = chordReleased;
    } else {
        const int column = cellOfPixel(x);
        const int row = cellOfPixel(y);
        if (session.inField(column, row))
            game_.cycleFlag(column, row);
    }
    view_.resumeBoardRedraw();
}
