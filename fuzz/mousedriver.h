// The field's five mouse handlers in plain C++, the way the main window runs
// them: the button arithmetic of buttonstate.h turned into openCell,
// cycleFlag and chordBlock calls. Positions are canvas pixels, any int.
#pragma once

class Game;
class GameView;

class MouseDriver {
public:
    MouseDriver(Game& game, GameView& view) : game_(game), view_(view) {}

    void onLeftPressed(int x, int y);
    void onRightPressed(int x, int y);
    void onMouseMoved(int x, int y);
    void onLeftReleased(int x, int y);
    void onRightReleased(int x, int y);

private:
    // True when (x, y) lies on a covered cell without a mark.
    bool isCoveredAt(int x, int y) const;

    Game& game_;
    GameView& view_;
};
