// Plays a game from a stream of bytes.
#include "actionplayer.h"

#include "buttonstate.h"
#include "counterclock.h"
#include "fieldsize.h"

#include <array>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Pixel bytes: cells -1 to 32 at each of these offsets, then far positions.
constexpr int pixelCells = 34;
constexpr std::array<int, 7> offsetsInCell{0, 15, 8, 1, 14, 5, 11};
constexpr int cellBytes = pixelCells * int(offsetsInCell.size());

constexpr std::array<int, 256 - cellBytes> farPixels{
    -17, -32, -200, -32768, -65536, -70000, INT_MIN, 65535, 65536,
    70000, 32767, 32768, INT_MAX, 528, 1000, 4095, 100000, -1000000,
};

constexpr std::array<int, 16> farCells{
    -32768, 32767, -1000, 1000, INT_MIN, INT_MAX, 65535, -65535, 128, 129, 127, 31, 17, 0, -1, 40000,
};

struct OddField {
    int columns;
    int rows;
    int mines;
};

// Fields the dialogs never give: empty, negative, tiny, over the capacity,
// large, and one so huge that the rules cut it down (its checks are slow).
constexpr std::array<OddField, 16> oddFields{{
    {0, 0, 0}, {0, 5, 1}, {-3, 8, 2}, {8, -1, 1}, {1, 1, 1}, {2, 2, 2}, {31, 16, 99}, {30, 17, 500},
    {8, 8, -5}, {8, 8, 50}, {64, 40, 30}, {-1, 300, 1000}, {32767, 32767, 32767},
    {-32768, -32768, -32768}, {16, 16, 32767}, {129, 2, 127},
}};

constexpr std::array<Level, 7> oddLevels{Levels::Custom, Levels::None, Levels::Beginner, Levels::Intermediate,
                                         Levels::Expert, 7, -1};

// What the settings store may answer for a best time.
constexpr std::array<std::string_view, 4> bestTimeRecords{"999秒;佚名", "", "0秒;", "1e999秒;x"};

constexpr int fieldKinds = 52;  // header kinds below this are sizes of the model
constexpr int levelKinds = 6;   // then fixed levels and any level value, then odd fields

void printBoard(const Game& game)
{
    const GameSession& s = game.session();
    std::fprintf(stderr, "field %d x %d, %d mines, level %d; buttonState %d, openedCount %d, correctFlags %d\n",
                 s.columns, s.rows, s.mines, s.level, s.buttonState, s.openedCount, s.correctFlags);
    for (int r = 1; r <= s.board.rows(); ++r) {
        for (int c = 1; c <= s.board.columns(); ++c)
            std::fprintf(stderr, "%4d", s.board.at(c, r));
        std::fputc('\n', stderr);
    }
}

} // namespace

int pixelOfByte(std::uint8_t byte)
{
    if (byte >= cellBytes)
        return farPixels[byte - cellBytes];
    const int cell = byte % pixelCells - 1;
    return cell * 16 + offsetsInCell[std::size_t(byte / pixelCells)];
}

std::uint8_t byteOfCell(int cell, int offset) { return std::uint8_t(cell + 1 + pixelCells * offset); }

int cellOfByte(std::uint8_t byte)
{
    if (byte >= 240)
        return farCells[byte - 240];
    return byte % 36 - 2;
}

ActionPlayer::ActionPlayer() : game_(view_), mouse_(game_, view_, [](Face) {}) { view_.attach(&game_); }

void ActionPlayer::setUpField(ByteReader& reader)
{
    const std::uint8_t head = reader.take();
    view_.setMarksEnabled(head & 1);
    view_.setJudgeFlagsEnabled(head & 2);
    const int kind = head >> 2;
    GameSession& session = game_.session();
    invariants_.newBoard();

    if (kind < fieldKinds) {
        const int columns = 1 + reader.take() % FieldLimits::MaxColumns;
        const int rows = 1 + reader.take() % FieldLimits::MaxRows;
        const int high = reader.take();
        const int mines = (high << 8 | reader.take()) % (FieldLimits::mineCapacity(columns, rows) + 1);
        session.columns = std::int16_t(columns);
        session.rows = std::int16_t(rows);
        session.mines = std::int16_t(mines);
        session.level = Levels::Custom;
        view_.layoutForField();
    } else if (kind < fieldKinds + levelKinds - 1) {
        game_.selectLevel(Level((kind - fieldKinds) % 3 + 1));
    } else if (kind == fieldKinds + levelKinds - 1) {
        // Any level value; those without a fixed field change nothing.
        game_.selectLevel(oddLevels[reader.take() % oddLevels.size()]);
    } else {
        const OddField& odd = oddFields[reader.take() % oddFields.size()];
        session.columns = std::int16_t(odd.columns);
        session.rows = std::int16_t(odd.rows);
        session.mines = std::int16_t(odd.mines);
        session.level = oddLevels[reader.take() % oddLevels.size()];
        view_.layoutForField();
    }
    checkAfter("new field", kind, 0);
}

bool ActionPlayer::step(ByteReader& reader)
{
    if (reader.atEnd())
        return false;
    ++actions_;
    const std::uint8_t head = reader.take();
    const int kind = head & 15;
    const int high = head >> 4;
    // A disabled canvas delivers no mouse events; the direct calls still come.
    const bool enabled = view_.isBoardEnabled();
    const ButtonState buttons = game_.session().buttonState;

    switch (kind) {
    case Action::LeftPress:
    case Action::LeftPress + 1:
    case Action::RightPress:
    case Action::RightPress + 1:
    case Action::LeftRelease:
    case Action::LeftRelease + 1:
    case Action::RightRelease:
    case Action::RightRelease + 1:
    case Action::Move:
    case Action::Move + 1: {
        const int x = pixelOfByte(reader.take());
        const int y = pixelOfByte(reader.take());
        if (!enabled) {
            checkAfter("ignored mouse event", x, y);
            break;
        }
        const char* name = "";
        if (kind < Action::RightPress) {
            name = "left press";
            mouse_.onLeftPressed(x, y);
        } else if (kind < Action::LeftRelease) {
            name = "right press";
            mouse_.onRightPressed(x, y);
        } else if (kind < Action::RightRelease) {
            name = "left release";
            if (!isChordRelease(afterRelease(buttons, MouseButton::Left)))
                invariants_.noteOpenCell(cellOfPixel(x), cellOfPixel(y), game_.session().openedCount == 0);
            mouse_.onLeftReleased(x, y);
        } else if (kind < Action::Move) {
            name = "right release";
            mouse_.onRightReleased(x, y);
        } else {
            name = "move";
            mouse_.onMouseMoved(x, y);
        }
        checkAfter(name, x, y);
        break;
    }
    case Action::OpenCell: {
        const int column = cellOfByte(reader.take());
        const int row = cellOfByte(reader.take());
        invariants_.noteOpenCell(column, row, game_.session().openedCount == 0);
        game_.openCell(column, row);
        checkAfter("openCell", column, row);
        break;
    }
    case Action::CycleFlag: {
        const int column = cellOfByte(reader.take());
        const int row = cellOfByte(reader.take());
        game_.cycleFlag(column, row);
        checkAfter("cycleFlag", column, row);
        break;
    }
    case Action::ChordBlock: {
        const auto mode = BlockMode(1 + high % 4);
        const int x = pixelOfByte(reader.take());
        const int y = pixelOfByte(reader.take());
        game_.chordBlock(x, y, mode);
        checkAfter(mode == BlockMode::Press     ? "chordBlock Press"
                       : mode == BlockMode::Release ? "chordBlock Release"
                       : mode == BlockMode::Cancel  ? "chordBlock Cancel"
                                                    : "chordBlock Open",
                   x, y);
        break;
    }
    case Action::NewGame:
        invariants_.newBoard();
        game_.startNewGame();
        checkAfter("startNewGame", 0, 0);
        break;
    case Action::Options:
        if (high < 4) {
            tickClock(view_);
            checkAfter("clock tick", 0, 0);
        } else if (high < 8) {
            view_.setBestTimeRecord(std::string(bestTimeRecords[std::size_t(high - 4)]));
            checkAfter("best time record", high - 4, 0);
        } else {
            view_.setMarksEnabled(high & 1);
            view_.setJudgeFlagsEnabled(high & 2);
            checkAfter("options", high & 1, high & 2);
        }
        break;
    case Action::NewField:
        setUpField(reader);
        break;
    }
    return true;
}

long ActionPlayer::play(std::span<const std::uint8_t> bytes)
{
    ByteReader reader(bytes);
    const long before = actions_;
    setUpField(reader);
    while (step(reader)) {
    }
    return actions_ - before;
}

void ActionPlayer::checkAfter(const char* action, int a, int b)
{
    const std::string problem = invariants_.check(game_, view_);
    if (problem.empty())
        return;
    std::fprintf(stderr, "Invariant broken after action %ld, %s (%d, %d): %s\n", actions_, action, a, b,
                 problem.c_str());
    printBoard(game_);
    std::abort();
}
