// The cells of the current game, addressed (column, row) from 1.
#pragma once

#include "cellcode.h"

#include <vector>

class Board {
public:
    // 1 <= columns, 1 <= rows; every cell starts covered and safe.
    Board(int columns, int rows);

    int columns() const { return columns_; }
    int rows() const { return rows_; }

    bool contains(int column, int row) const
    {
        return column >= 1 && column <= columns_ && row >= 1 && row <= rows_;
    }

    /* contains(column, row) */
    CellCode at(int column, int row) const;
    /* contains(column, row) */
    void set(int column, int row, CellCode code);

private:
    int index(int column, int row) const { return (row - 1) * columns_ + (column - 1); }

    int columns_;
    int rows_;
    std::vector<CellCode> cells_;
};
