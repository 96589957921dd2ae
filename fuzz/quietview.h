// A GameView without a screen for the scripted player: it keeps the counter
// and clock texts and the canvas state, and notes any drawing outside the field.
#pragma once

#include "gameview.h"

#include <string>

class Game;

class QuietView : public GameView {
public:
    /* game outlives the view's use; layoutForField starts its new game */
    void attach(Game* game) { game_ = game; }

    void setMarksEnabled(bool on) { marks_ = on; }
    void setJudgeFlagsEnabled(bool on) { judgeFlags_ = on; }
    void setBestTimeRecord(const std::string& text) { record_ = text; }
    bool isBoardEnabled() const { return enabled_; }
    bool isRedrawSuspended() const { return suspended_; }
    // The first misuse of the view seen, or "" when there was none.
    const std::string& fault() const { return fault_; }
    // How many message boxes were shown, and the text of the last one.
    long messageCount() const { return messages_; }
    const std::string& lastMessage() const { return message_; }

    void drawTile(int column, int row, TileIndex tile) override;
    void drawQuestionMark(int column, int row) override;
    void drawExplodedMine(int column, int row) override;
    void clearBoard() override {}
    void suspendBoardRedraw() override { suspended_ = true; }
    void resumeBoardRedraw() override { suspended_ = false; }
    void setBoardEnabled(bool enabled) override { enabled_ = enabled; }

    std::string mineCounterText() const override { return counter_; }
    void setMineCounterText(const std::string& text) override { counter_ = text; }
    std::string clockText() const override { return clock_; }
    void setClockText(const std::string& text) override { clock_ = text; }
    bool isClockRunning() const override { return running_; }
    void startClock() override { running_ = true; }
    void stopClock() override { running_ = false; }

    bool isMarksEnabled() const override { return marks_; }
    bool isJudgeFlagsEnabled() const override { return judgeFlags_; }

    void setLevelChecks(Level) override {}
    void layoutForField() override;

    void messageBox(const std::string& text, MessageStyle, const std::string&) override
    {
        ++messages_;
        message_ = text;
    }
    std::string readBestTimeRecord(const std::string&) override { return record_; }
    void showHallOfFame(bool) override {}

private:
    void checkCell(const char* operation, int column, int row);

    Game* game_ = nullptr;
    std::string counter_;
    std::string clock_;
    std::string fault_;
    std::string message_;
    std::string record_ = "999秒;佚名";
    long messages_ = 0;
    bool running_ = false;
    bool enabled_ = true;
    bool suspended_ = false;
    bool marks_ = false;
    bool judgeFlags_ = true;
};
