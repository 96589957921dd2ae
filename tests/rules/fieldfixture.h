// Games laid out from text, and games read back as text, for the rules'
// tests. One character a cell, rows top to bottom:
//   .  covered safe cell (0)         *  covered mine (9)
//   f  flag on a safe cell (21)      F  flag on a mine (20)
//   q  question mark on safe (31)    Q  question mark on a mine (30)
//   p  pressed safe cell (41)        P  pressed mine (40)
//   0 to 8  uncovered with that count (10 to 18)
//   o  uncovered, its count worked out from the mines around it
//   X  the exploded mine (100)
#pragma once

#include "cellcode.h"

#include <QStringList>

class Game;
class RecordingView;

// A game in play on the given field: the mines are those of the text;
// openedCount, correctFlags and the mine counter (mines minus flags) follow
// from it; every cell shows its picture; the clock runs at "1". The view is
// attached to the game and its log is empty.
void layOutField(Game& game, RecordingView& view, const QStringList& rows, Level level = Levels::Custom);

// The board in the characters above ('o' never appears: counts are digits).
QStringList boardText(const Game& game);

// What the canvas shows, one character a cell:
//   #  covered (the background or tile 9)   0 to 8  uncovered tiles
//   F  flag   x  crossed-out mine   *  mine   ?  question mark   !  exploded mine
QStringList pictureText(const Game& game, const RecordingView& view);

// The recorded calls described one a line; drawLog keeps only the drawing of cells.
QStringList callLog(const RecordingView& view);
QStringList drawLog(const RecordingView& view);

// Counts of cells by code on the current board.
int countCells(const Game& game, CellCode code);
int countMineCells(const Game& game);
