// The cells of the current game.
#include "board.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

Board::Board(int columns, int rows)
    : columns_(std::max(columns, 1))
    , rows_(std::max(rows, 1))
    , cells_(std::size_t(columns_) * std::size_t(rows_), Cell::Covered)
{
}

CellCode Board::at(int column, int row) const
{
    assert(contains(column, row));
    return cells_[std::size_t(index(column, row))];
}

void Board::set(int column, int row, CellCode code)
{
    assert(contains(column, row));
    cells_[std::size_t(index(column, row))] = code;
}
