// The one record of the running game.
#pragma once

#include "board.h"
#include "cellcode.h"

#include <cstdint>

struct MousePosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct GameSession {
    Level level = Levels::None;
    std::int16_t columns = 0;
    std::int16_t rows = 0;
    std::int16_t mines = 0;
    ButtonState buttonState = 0;
    std::int16_t openedCount = 0;   // 0 until the first uncovering places the mines
    std::int16_t correctFlags = 0;  // cells holding Cell::FlaggedMine
    Board board{1, 1};
    std::int16_t lastCount = 0;     // neighbour count of the cell uncovered last
    MousePosition lastMousePosition; // last move that reached another cell

    bool inField(int column, int row) const
    {
        return column >= 1 && column <= columns && row >= 1 && row <= rows;
    }
    int safeCells() const { return int(columns) * int(rows) - int(mines); }
};
