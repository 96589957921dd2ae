// A GameView that records the calls the records code makes, with the field
// size in force when the window is laid out.
#pragma once

#include "gamesession.h"
#include "gameview.h"

#include <QString>
#include <QStringList>

class RecordingView : public GameView {
public:
    QStringList calls;
    const GameSession* session = nullptr; // read at layoutForField
    bool judgeFlags = true;
    bool marks = false;
    std::string clock;
    std::string counter;

    void drawTile(int, int, TileIndex) override {}
    void drawQuestionMark(int, int) override {}
    void drawExplodedMine(int, int) override {}
    void clearBoard() override {}
    void suspendBoardRedraw() override {}
    void resumeBoardRedraw() override {}
    void setBoardEnabled(bool) override {}

    std::string mineCounterText() const override { return counter; }
    void setMineCounterText(const std::string& text) override { counter = text; }
    std::string clockText() const override { return clock; }
    void setClockText(const std::string& text) override { clock = text; }
    bool isClockRunning() const override { return false; }
    void startClock() override {}
    void stopClock() override {}

    bool isMarksEnabled() const override { return marks; }
    bool isJudgeFlagsEnabled() const override { return judgeFlags; }

    void setLevelChecks(Level level) override { calls << QStringLiteral("checks %1").arg(level); }
    void layoutForField() override
    {
        calls << (session ? QStringLiteral("layout %1x%2/%3").arg(session->columns).arg(session->rows).arg(session->mines)
                          : QStringLiteral("layout"));
    }

    void messageBox(const std::string& text, MessageStyle, const std::string&) override
    {
        calls << QStringLiteral("message ") + QString::fromStdString(text);
    }
    std::string readBestTimeRecord(const std::string&) override { return {}; }
    void showHallOfFame(bool recordMode) override { calls << QStringLiteral("hall of fame %1").arg(recordMode); }
};
