// The recording GameView of the rules' tests.
#include "recordingview.h"

#include "game.h"

#include <algorithm>

void RecordingView::noteDraw(int column, int row)
{
    if (game_ && !game_->session().inField(column, row))
        ++drawsOutsideField;
}

void RecordingView::drawTile(int column, int row, TileIndex tile)
{
    record({Kind::DrawTile, column, row, tile, {}, {}});
    noteDraw(column, row);
    setPicture(column, row, tile);
}

void RecordingView::drawQuestionMark(int column, int row)
{
    record({Kind::DrawQuestionMark, column, row, 0, {}, {}});
    noteDraw(column, row);
    setPicture(column, row, QuestionMarkPicture);
}

void RecordingView::drawExplodedMine(int column, int row)
{
    record({Kind::DrawExplodedMine, column, row, 0, {}, {}});
    noteDraw(column, row);
    setPicture(column, row, ExplodedMinePicture);
}

void RecordingView::clearBoard()
{
    record({Kind::ClearBoard});
    std::fill(grid_.begin(), grid_.end(), BackgroundPicture);
    farPictures_.clear();
}

void RecordingView::suspendBoardRedraw()
{
    record({Kind::SuspendRedraw});
    suspended = true;
}

void RecordingView::resumeBoardRedraw()
{
    record({Kind::ResumeRedraw});
    suspended = false;
}

void RecordingView::setBoardEnabled(bool enabled)
{
    record({Kind::SetBoardEnabled, 0, 0, enabled, {}, {}});
    boardEnabled = enabled;
}

std::string RecordingView::mineCounterText() const
{
    record({Kind::MineCounterText});
    return counterText;
}

void RecordingView::setMineCounterText(const std::string& text)
{
    record({Kind::SetMineCounterText, 0, 0, 0, text, {}});
    counterText = text;
}

std::string RecordingView::clockText() const
{
    record({Kind::ClockText});
    return clock;
}

void RecordingView::setClockText(const std::string& text)
{
    record({Kind::SetClockText, 0, 0, 0, text, {}});
    clock = text;
}

bool RecordingView::isClockRunning() const
{
    record({Kind::IsClockRunning});
    return clockRunning;
}

void RecordingView::startClock()
{
    record({Kind::StartClock});
    clockRunning = true;
}

void RecordingView::stopClock()
{
    record({Kind::StopClock});
    clockRunning = false;
}

bool RecordingView::isMarksEnabled() const
{
    record({Kind::IsMarksEnabled});
    return marksEnabled;
}

bool RecordingView::isJudgeFlagsEnabled() const
{
    record({Kind::IsJudgeFlagsEnabled});
    return judgeFlagsEnabled;
}

void RecordingView::setLevelChecks(Level level)
{
    record({Kind::SetLevelChecks, 0, 0, level, {}, {}});
    checkedLevel = level;
}

void RecordingView::layoutForField()
{
    record({Kind::LayoutForField});
    if (game_)
        game_->startNewGame();
}

void RecordingView::messageBox(const std::string& text, MessageStyle style, const std::string& title)
{
    record({Kind::MessageBox, 0, 0, int(style), text, title});
    messages.push_back({text, style, title, suspended});
}

std::string RecordingView::readBestTimeRecord(const std::string& valueName)
{
    record({Kind::ReadBestTimeRecord, 0, 0, 0, valueName, {}});
    const auto found = bestTimeRecords.find(valueName);
    return found == bestTimeRecords.end() ? std::string() : found->second;
}

void RecordingView::showHallOfFame(bool recordMode)
{
    record({Kind::ShowHallOfFame, 0, 0, recordMode, {}, {}});
    hallOfFameCalls.push_back(recordMode);
}

void RecordingView::setPicture(int column, int row, int picture)
{
    if (column >= 1 && column <= gridSide && row >= 1 && row <= gridSide)
        grid_[std::size_t((row - 1) * gridSide + (column - 1))] = picture;
    else
        farPictures_[{column, row}] = picture;
}

int RecordingView::picture(int column, int row) const
{
    if (column >= 1 && column <= gridSide && row >= 1 && row <= gridSide)
        return grid_[std::size_t((row - 1) * gridSide + (column - 1))];
    const auto found = farPictures_.find({column, row});
    return found == farPictures_.end() ? BackgroundPicture : found->second;
}

void RecordingView::clearLog()
{
    calls_.clear();
    messages.clear();
    hallOfFameCalls.clear();
}

std::string RecordingView::describe(const Call& call)
{
    const std::string cell = std::to_string(call.column) + "," + std::to_string(call.row);
    switch (call.kind) {
    case Kind::DrawTile: return "drawTile " + cell + " " + std::to_string(call.value);
    case Kind::DrawQuestionMark: return "questionMark " + cell;
    case Kind::DrawExplodedMine: return "explodedMine " + cell;
    case Kind::ClearBoard: return "clearBoard";
    case Kind::SuspendRedraw: return "suspend";
    case Kind::ResumeRedraw: return "resume";
    case Kind::SetBoardEnabled: return "boardEnabled " + std::to_string(call.value);
    case Kind::MineCounterText: return "?counter";
    case Kind::SetMineCounterText: return "counter " + call.text;
    case Kind::ClockText: return "?clock";
    case Kind::SetClockText: return "clock " + call.text;
    case Kind::IsClockRunning: return "?clockRunning";
    case Kind::StartClock: return "startClock";
    case Kind::StopClock: return "stopClock";
    case Kind::IsMarksEnabled: return "?marks";
    case Kind::IsJudgeFlagsEnabled: return "?judgeFlags";
    case Kind::SetLevelChecks: return "levelChecks " + std::to_string(call.value);
    case Kind::LayoutForField: return "layoutForField";
    case Kind::MessageBox:
        return "message " + call.title + "|" + std::to_string(call.value) + "|" + call.text;
    case Kind::ReadBestTimeRecord: return "readRecord " + call.text;
    case Kind::ShowHallOfFame: return "hallOfFame " + std::to_string(call.value);
    }
    return "?";
}
