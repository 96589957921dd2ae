// Cell codes, tile indices and the small value types of the game rules.
#pragma once

#include <cstdint>

using CellCode = std::int16_t;

// What a cell holds. Mine codes (9, 20, 30, 40) and their safe twins
// (0, 21, 31, 41) never turn into each other during a game.
namespace Cell {
constexpr CellCode Covered = 0;
constexpr CellCode Mine = 9;
constexpr CellCode Opened = 10;        // 10 + number of neighbouring mines
constexpr CellCode OpenedMax = 18;
constexpr CellCode FlaggedMine = 20;
constexpr CellCode FlaggedSafe = 21;
constexpr CellCode MarkedMine = 30;    // question mark
constexpr CellCode MarkedSafe = 31;
constexpr CellCode PressedMine = 40;   // held down by a two-button press
constexpr CellCode PressedSafe = 41;
constexpr CellCode Exploded = 100;     // the mine the player uncovered

// Codes that count as a mine for a neighbour count (not Exploded).
constexpr bool countsAsMine(CellCode code)
{
    return code == Mine || code == FlaggedMine || code == MarkedMine || code == PressedMine;
}
constexpr bool isMine(CellCode code) { return countsAsMine(code) || code == Exploded; }
} // namespace Cell

// A 16 x 16 picture of the tile sheet.
using TileIndex = int;
namespace Tile {
constexpr TileIndex Empty = 0;          // also the pressed look of a covered cell
constexpr TileIndex Covered = 9;
constexpr TileIndex Flag = 10;
constexpr TileIndex WrongFlag = 11;     // crossed-out mine
constexpr TileIndex Mine = 12;
constexpr TileIndex Count = 13;
} // namespace Tile

using Level = std::int16_t;
namespace Levels {
constexpr Level None = 0;
constexpr Level Beginner = 1;
constexpr Level Intermediate = 2;
constexpr Level Expert = 3;
constexpr Level Custom = 10;
} // namespace Levels

// 0 none, 1 left, 2 right, 3 both, 10 a chord was just released; see buttonstate.h.
using ButtonState = std::int16_t;

enum class BlockMode { Press = 1, Release = 2, Cancel = 3, Open = 4 };

enum class Face { Smile, Surprised };

// Message box styles: an OK box without icon, or with the information icon.
enum class MessageStyle { Plain = 0, Information = 64 };
