// Plays a game from a stream of bytes: a field and the two options first,
// then one action per byte group (mouse presses, releases and moves through
// the window's own handlers, FieldMouse; direct calls of the rules; new
// games, clock ticks),
// checking the rules' invariants after each action and aborting on the
// first violation with a description of the action and the board.
#pragma once

#include "game.h"
#include "fieldmouse.h"
#include "quietview.h"
#include "rulesinvariants.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Reads bytes from the front; past the end it gives zeros and says so.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool atEnd() const { return next_ >= bytes_.size(); }
    std::uint8_t take() { return atEnd() ? 0 : bytes_[next_++]; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
};

// The action kinds, the low four bits of an action's first byte.
namespace Action {
constexpr int LeftPress = 0;
constexpr int RightPress = 2;
constexpr int LeftRelease = 4;
constexpr int RightRelease = 6;
constexpr int Move = 8;
constexpr int OpenCell = 10;    // then a column byte and a row byte
constexpr int CycleFlag = 11;   // then a column byte and a row byte
constexpr int ChordBlock = 12;  // mode in the high bits, then x and y
constexpr int NewGame = 13;
constexpr int Options = 14;     // high bits: a clock tick, the best time record, or the options
constexpr int NewField = 15;    // then a field header
} // namespace Action

// Canvas pixels of one byte: bytes below 238 go cell by cell from -1 to 32
// at a few offsets inside the cell (so both sides of every cell border come
// up), the rest are far positions on either side.
int pixelOfByte(std::uint8_t byte);
/* -1 <= cell <= 32, 0 <= offset < 7: the byte whose pixel lies in that cell (counted from 0) */
std::uint8_t byteOfCell(int cell, int offset);
// A column or row for the direct calls: -2 to 33 mostly, a few far values.
int cellOfByte(std::uint8_t byte);

class ActionPlayer {
public:
    ActionPlayer();
    ActionPlayer(const ActionPlayer&) = delete;
    ActionPlayer& operator=(const ActionPlayer&) = delete;

    // A field header: options, then a size of the model (1..30 x 1..16 with
    // 0 up to the capacity), a level (fixed or not) or a size beyond the model;
    // lays the field out and starts a new game.
    void setUpField(ByteReader& reader);
    // One action; false when the reader was already at its end.
    bool step(ByteReader& reader);
    // A header and every action that follows; returns the actions played.
    long play(std::span<const std::uint8_t> bytes);

    const Game& game() const { return game_; }
    const QuietView& view() const { return view_; }
    long actionsPlayed() const { return actions_; }

private:
    void checkAfter(const char* action, int a, int b);

    QuietView view_;
    Game game_;
    FieldMouse mouse_;
    RulesInvariants invariants_;
    long actions_ = 0;
};
