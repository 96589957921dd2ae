// What must hold between any two actions of a game, whatever the actions
// were: checked by the fuzzers and the soak after every action.
#pragma once

#include "cellcode.h"

#include <cstddef>
#include <string>
#include <vector>

class Game;
struct GameSession;
class QuietView;

class RulesInvariants {
public:
    // A new board has been laid: forget the mines of the last one.
    void newBoard();
    // openCell(column, row) is about to run; firstOpening when no cell is uncovered yet.
    void noteOpenCell(int column, int row, bool firstOpening);

    // "" when everything holds, else what broke.
    std::string check(const Game& game, const QuietView& view);

private:
    std::string checkCells(const GameSession& session);
    std::string checkPlay(const GameSession& session, const QuietView& view) const;
    std::size_t index(int column, int row) const { return std::size_t((row - 1) * columns_ + column - 1); }

    std::vector<CellCode> codes_;
    std::vector<CellCode> checked_; // the codes at the last check that passed
    int columns_ = 0;
    int rows_ = 0;

    // Which cells hold a mine, recorded when the mines first show on the board.
    std::vector<bool> mines_;
    bool placed_ = false;
    int firstColumn_ = 0;
    int firstRow_ = 0;
};
