// The field's mouse handlers, without a window.
#include "mousedriver.h"

#include "buttonstate.h"
#include "game.h"

bool MouseDriver::isCoveredAt(int x, int y) const
{
    const GameSession& session = game_.session();
    const int column = cellOfPixel(x);
    const int row = cellOfPixel(y);
    return session.inField(column, row) && session.board.at(column, row) < Cell::Opened;
}

void MouseDriver::onLeftPressed(int x, int y)
{
    GameSession& session = game_.session();
    if (!view_.isClockRunning()) {
        view_.setClockText("1");
        view_.startClock();
    }
    session.buttonState = afterPress(session.buttonState, MouseButton::Left);
    if (session.buttonState == 1 && isCoveredAt(x, y))
        view_.drawTile(cellOfPixel(x), cellOfPixel(y), Tile::Empty);
    if (session.buttonState == 3) {
        view_.suspendBoardRedraw();
        game_.chordBlock(x, y, BlockMode::Press);
        view_.resumeBoardRedraw();
    }
}

void MouseDriver::onRightPressed(int x, int y)
{
    GameSession& session = game_.session();
    session.buttonState = afterPress(session.buttonState, MouseButton::Right);
    if (session.buttonState == 3 && view_.isClockRunning())
        game_.chordBlock(x, y, BlockMode::Press);
}

void MouseDriver::onMouseMoved(int x, int y)
{
    GameSession& session = game_.session();
    const MousePosition last = session.lastMousePosition;
    if (cellOfPixel(last.x) == cellOfPixel(x) && cellOfPixel(last.y) == cellOfPixel(y))
        return;
    if (session.buttonState == 1) {
        if (isCoveredAt(last.x, last.y))
            view_.drawTile(cellOfPixel(last.x), cellOfPixel(last.y), Tile::Covered);
        if (isCoveredAt(x, y))
            view_.drawTile(cellOfPixel(x), cellOfPixel(y), Tile::Empty);
    } else if (session.buttonState == 3) {
        game_.chordBlock(last.x, last.y, BlockMode::Cancel);
        game_.chordBlock(x, y, BlockMode::Press);
    }
    session.lastMousePosition = {x, y};
}

void MouseDriver::onLeftReleased(int x, int y)
{
    GameSession& session = game_.session();
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

void MouseDriver::onRightReleased(int x, int y)
{
    GameSession& session = game_.session();
    if (!view_.isClockRunning())
        view_.startClock();
    session.buttonState = afterRelease(session.buttonState, MouseButton::Right);
    view_.suspendBoardRedraw();
    if (isChordRelease(session.buttonState)) {
        game_.chordBlock(x, y, BlockMode::Release);
        session.buttonState = chordReleased;
    } else if (session.inField(cellOfPixel(x), cellOfPixel(y))) {
        game_.cycleFlag(cellOfPixel(x), cellOfPixel(y));
    }
    view_.resumeBoardRedraw();
}
