// A player at the real window: every action is done with the pointer or the
// keyboard on the program and done alike on the mirror, and the screen is
// then awaited until it shows what the mirror holds.
#pragma once

#include "gamewindow.h"
#include "mirrorgame.h"

#include <QPoint>
#include <QString>

#include <optional>

class Player {
public:
    Player(GameWindow& window, MirrorGame& mirror) : window_(window), mirror_(mirror) {}

    // Clicks that end a game close the message box that follows with Enter;
    // a record-entry hall of fame is left open (pendingHallOfFame) and the
    // field is checked once the caller has closed it (fieldShown).
    bool open(int column, int row);
    bool mark(int column, int row);
    // Both buttons on a cell: left down, right down, left up, right up.
    bool chord(int column, int row);
    // Opens the covered safe cells one by one, row by row, until the game ends.
    bool openEverySafeCell();

    // The left button held down on a cell, then carried off the field and
    // let go there: nothing opens.
    bool holdLeft(int column, int row);
    bool releaseLeftBesideField();
    // Both buttons held down on a cell, then let go there.
    bool holdChord(int column, int row);
    bool releaseChord();

    bool newGameWithFace();
    // The level from the settings menu; the window takes the field's size.
    bool chooseLevel(Level level);
    bool toggleMarks();
    bool toggleJudgeFlags();

    // Waits until the screen shows the mirror's field.
    bool fieldShown();
    // Whether the last action opened the hall of fame for a new record.
    bool pendingHallOfFame() const { return pendingHallOfFame_; }
    void hallOfFameClosed() { pendingHallOfFame_ = false; }

    MirrorGame& mirror() { return mirror_; }
    GameWindow& window() { return window_; }
    const QString& error() const { return error_; }

private:
    // After an action: the end-of-game box, then the field.
    bool settle(int messagesBefore, int recordEntriesBefore);
    bool fail(const QString& why);
    bool windowFailed();

    GameWindow& window_;
    MirrorGame& mirror_;
    std::optional<QPoint> heldCell_;
    QPoint heldChord_;
    bool pendingHallOfFame_ = false;
    QString error_;
};
