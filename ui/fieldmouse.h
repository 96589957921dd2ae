// The five mouse handlers of the field: they keep the ButtonState, give the
// pressed look, switch the face, start the clock and call the game's
// uncover, flag and chord operations. They keep no rules of their own.
#pragma once

#include "cellcode.h"

#include <functional>

class Game;
class GameView;

class FieldMouse {
public:
    FieldMouse(Game& game, GameView& view, std::function<void(Face)> showFace);

    // x, y are pixels of the field's image; negative ones lie left of or above it.
    void onLeftPressed(int x, int y);
    void onRightPressed(int x, int y);
    void onMouseMoved(int x, int y);
    void onLeftReleased(int x, int y);
    void onRightReleased(int x, int y);

private:
    bool isCoveredCell(int column, int row) const;
    void notePressPosition(int x, int y);

    Game& game_;
    GameView& view_;
    std::function<void(Face)> showFace_;
};
