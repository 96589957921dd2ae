// The rules run beside the real program. The program's pseudo-random
// sequence starts afresh with every run, so the same operations in the same
// order give the same field here: the test knows where the mines lie and
// what every cell must show.
#pragma once

#include "game.h"
#include "gameview.h"

#include <QList>
#include <QPoint>

#include <functional>
#include <optional>
#include <string>

class MirrorGame : public GameView {
public:
    enum class Outcome { Playing, Won, Lost };

    // Started as the program starts: at a fixed level, with its options.
    explicit MirrorGame(Level level = Levels::Intermediate, bool marks = false, bool judgeFlags = true);

    Game& game() { return game_; }
    const GameSession& session() const { return game_.session(); }
    Outcome outcome() const { return outcome_; }
    bool isBoardEnabled() const { return boardEnabled_; }

    using CellTest = std::function<bool(CellCode)>;
    static bool isCoveredSafe(CellCode code) { return code == Cell::Covered; }
    static bool isCoveredMine(CellCode code) { return code == Cell::Mine; }

    // The cells (column, row) whose code passes the test, row by row.
    QList<QPoint> cellsWhere(const CellTest& test) const;
    // The neighbours of a cell whose code passes the test, in ring order.
    QList<QPoint> neighboursWhere(QPoint cell, const CellTest& test) const;
    // The first uncovered number whose mines are all covered and unmarked,
    // with a covered safe cell beside it: flag its mines and a chord on it
    // opens something.
    std::optional<QPoint> numberToChord() const;

    void setMarksEnabled(bool enabled) { marks_ = enabled; }
    void setJudgeFlagsEnabled(bool enabled) { judgeFlags_ = enabled; }

    // Counters of what the program must have shown: message boxes (with the
    // last one's title) and record-entry openings of the hall of fame.
    int messageCount() const { return messageCount_; }
    const std::string& lastMessageTitle() const { return lastMessageTitle_; }
    int recordEntries() const { return recordEntries_; }

    // GameView
    void drawTile(int, int, TileIndex) override {}
    void drawQuestionMark(int, int) override {}
    void drawExplodedMine(int, int) override {}
    void clearBoard() override;
    void suspendBoardRedraw() override {}
    void resumeBoardRedraw() override {}
    void setBoardEnabled(bool enabled) override { boardEnabled_ = enabled; }
    std::string mineCounterText() const override { return mineCounter_; }
    void setMineCounterText(const std::string& text) override { mineCounter_ = text; }
    std::string clockText() const override { return clock_; }
    void setClockText(const std::string& text) override { clock_ = text; }
    bool isClockRunning() const override { return clockRunning_; }
    void startClock() override { clockRunning_ = true; }
    void stopClock() override { clockRunning_ = false; }
    bool isMarksEnabled() const override { return marks_; }
    bool isJudgeFlagsEnabled() const override { return judgeFlags_; }
    void setLevelChecks(Level) override {}
    void layoutForField() override { game_.startNewGame(); }
    void messageBox(const std::string& text, MessageStyle style, const std::string& title) override;
    // The store is fresh: no best time yet, so every fixed-level win is a record.
    std::string readBestTimeRecord(const std::string&) override { return {}; }
    void showHallOfFame(bool recordMode) override;

private:
    Game game_;
    Outcome outcome_ = Outcome::Playing;
    bool boardEnabled_ = true;
    bool marks_;
    bool judgeFlags_;
    bool clockRunning_ = false;
    std::string mineCounter_;
    std::string clock_;
    int messageCount_ = 0;
    std::string lastMessageTitle_;
    int recordEntries_ = 0;
};
