// The game rules: new game, levels, placement, uncovering, flood fill,
// chord, flags and the two endings. A callee of the window, never a caller
// of anything but GameView.
#pragma once

#include "cellcode.h"
#include "gamesession.h"
#include "gameview.h"
#include "randomsequence.h"

#include <array>
#include <string>

class Game {
public:
    explicit Game(GameView& view) : view_(view) {}

    GameSession& session() { return session_; }
    const GameSession& session() const { return session_; }
    RandomSequence& random() { return random_; }

    // A fresh covered field of the current size; the clock stopped and blank.
    void startNewGame();
    /* level is 1, 2 or 3 */
    void selectLevel(Level level);

    /* inField, openedCount == 0 */
    void placeMines(int column, int row);
    /* inField and the cell is covered; returns the neighbour count */
    int uncoverCell(int column, int row);

    // Left click; any column and row (outside the field and on marks it does nothing).
    void openCell(int column, int row);
    // Any column and row: cells outside the field or not covered are left alone.
    void floodOpen(int column, int row);
    void floodNeighbours(int column, int row);
    // Both buttons; x, y are pixels of the canvas, negative ones lie outside.
    // mode is Press, Release or Cancel; anything else is ignored.
    void chordBlock(int x, int y, BlockMode mode);
    /* inField */
    void cycleFlag(int column, int row);

    void winGame();
    void loseGame();

private:
    GameView& view_;
    GameSession session_;
    RandomSequence random_;
};

struct CellOffset {
    int column;
    int row;
};

// The eight neighbours in the order every walk visits them: west first,
// then clockwise, south-west last.
inline constexpr std::array<CellOffset, 8> neighbourRing{{
    {-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1},
}};

// The 3 x 3 block of a chord: the centre, then the ring.
inline constexpr std::array<CellOffset, 9> chordBlockOrder{{
    {0, 0}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1},
}};

// The cell of a canvas pixel, counted from 1; pixels left of or above the
// canvas (negative) give 0, which lies outside every field.
constexpr int cellOfPixel(int pixel) { return pixel < 0 ? 0 : pixel / 16 + 1; }

// The win message: m is the mine counter after the reveal (minus the wrong flags).
std::string winMessage(double mineCounter);

inline constexpr const char* loseMessageText = "您个大笨蛋！踩中地雷了！！！";
inline constexpr const char* winMessageTitle = "祝贺";
inline constexpr const char* defaultMessageTitle = "信息：";
