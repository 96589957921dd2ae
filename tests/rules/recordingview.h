// A GameView for tests: records every call in order and keeps what the
// window would show (each cell's picture, the counter and clock texts,
// the clock's state, the canvas's enabled state, the message boxes).
#pragma once

#include "gameview.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class Game;

class RecordingView : public GameView {
public:
    enum class Kind {
        DrawTile,
        DrawQuestionMark,
        DrawExplodedMine,
        ClearBoard,
        SuspendRedraw,
        ResumeRedraw,
        SetBoardEnabled,
        MineCounterText,
        SetMineCounterText,
        ClockText,
        SetClockText,
        IsClockRunning,
        StartClock,
        StopClock,
        IsMarksEnabled,
        IsJudgeFlagsEnabled,
        SetLevelChecks,
        LayoutForField,
        MessageBox,
        ReadBestTimeRecord,
        ShowHallOfFame,
    };

    struct Call {
        Kind kind;
        int column = 0;
        int row = 0;
        int value = 0;      // tile, level, style or a yes/no
        std::string text;   // counter, clock, message or record name
        std::string title;
    };

    struct Message {
        std::string text;
        MessageStyle style;
        std::string title;
        bool shownWhileSuspended; // the canvas still held back when the box opened
    };

    // Pictures of a cell besides the tile indices.
    static constexpr int BackgroundPicture = -1; // the canvas background after clearBoard
    static constexpr int QuestionMarkPicture = 100;
    static constexpr int ExplodedMinePicture = 101;

    // With a game attached, layoutForField starts a new game as the window
    // does, and drawing outside the game's field is counted.
    void attach(Game* game) { game_ = game; }

    void drawTile(int column, int row, TileIndex tile) override;
    void drawQuestionMark(int column, int row) override;
    void drawExplodedMine(int column, int row) override;
    void clearBoard() override;
    void suspendBoardRedraw() override;
    void resumeBoardRedraw() override;
    void setBoardEnabled(bool enabled) override;

    std::string mineCounterText() const override;
    void setMineCounterText(const std::string& text) override;
    std::string clockText() const override;
    void setClockText(const std::string& text) override;
    bool isClockRunning() const override;
    void startClock() override;
    void stopClock() override;

    bool isMarksEnabled() const override;
    bool isJudgeFlagsEnabled() const override;

    void setLevelChecks(Level level) override;
    void layoutForField() override;

    void messageBox(const std::string& text, MessageStyle style, const std::string& title) override;
    std::string readBestTimeRecord(const std::string& valueName) override;
    void showHallOfFame(bool recordMode) override;

    // What the tests set.
    bool marksEnabled = true;
    bool judgeFlagsEnabled = true;
    std::map<std::string, std::string> bestTimeRecords; // a missing name reads as ""

    // What the window would show now.
    std::string counterText;
    std::string clock;
    bool clockRunning = false;
    bool boardEnabled = true;
    bool suspended = false;
    int checkedLevel = 0;
    std::vector<Message> messages;
    std::vector<bool> hallOfFameCalls; // the record mode of each opening
    int drawsOutsideField = 0;

    int picture(int column, int row) const;
    // Sets a cell's picture without recording a call (for laying out fixtures).
    void setPicture(int column, int row, int picture);

    const std::vector<Call>& calls() const { return calls_; }
    // Forgets the calls and the messages; what is shown stays.
    void clearLog();
    // One line per call, e.g. "drawTile 3,4 0", "counter -1", "message 祝贺|64|…".
    static std::string describe(const Call& call);

private:
    void record(Call call) const { calls_.push_back(std::move(call)); }
    void noteDraw(int column, int row);

    // Pictures of cells up to this column and row live in a flat grid (the
    // random player reads them thousands of times), any others in a map.
    static constexpr int gridSide = 160;

    Game* game_ = nullptr;
    mutable std::vector<Call> calls_;
    std::vector<int> grid_ = std::vector<int>(gridSide * gridSide, BackgroundPicture);
    std::map<std::pair<int, int>, int> farPictures_;
};
