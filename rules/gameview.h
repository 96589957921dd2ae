// What the rules need from the window: the only way they reach the screen.
// The main window implements it; tests use a recording fake.
#pragma once

#include "cellcode.h"

#include <string>

class GameView {
public:
    virtual ~GameView() = default;

    // Field pictures; cells are inside the field.
    virtual void drawTile(int column, int row, TileIndex tile) = 0;
    virtual void drawQuestionMark(int column, int row) = 0;
    virtual void drawExplodedMine(int column, int row) = 0;
    virtual void clearBoard() = 0;
    // One level, not counted: a second suspend changes nothing, the first resume releases.
    virtual void suspendBoardRedraw() = 0;
    virtual void resumeBoardRedraw() = 0;
    virtual void setBoardEnabled(bool enabled) = 0;

    // The mine counter and the clock live only as these texts.
    virtual std::string mineCounterText() const = 0;
    virtual void setMineCounterText(const std::string& text) = 0;
    virtual std::string clockText() const = 0;
    virtual void setClockText(const std::string& text) = 0;
    virtual bool isClockRunning() const = 0;
    virtual void startClock() = 0;
    virtual void stopClock() = 0;

    // The two options of the menu.
    virtual bool isMarksEnabled() const = 0;
    virtual bool isJudgeFlagsEnabled() const = 0;

    // Level change: check marks, then fit the window to the field (which starts a new game).
    virtual void setLevelChecks(Level level) = 0;
    virtual void layoutForField() = 0;

    // End of game.
    virtual void messageBox(const std::string& text, MessageStyle style, const std::string& title) = 0;
    virtual std::string readBestTimeRecord(const std::string& valueName) = 0;
    virtual void showHallOfFame(bool recordMode) = 0;
};
