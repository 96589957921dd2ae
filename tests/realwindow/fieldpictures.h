// What each cell of the field must show for the rules' state, and the
// comparison of a screenshot of the field with it, cell by cell.
#pragma once

#include "cellcode.h"
#include "mirrorgame.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <optional>

namespace FieldPictures {

// A tile of the tile sheet, the exploded mine, or the raised tile with the
// question mark (text, so only its colour is known exactly).
struct Look {
    enum Kind { Tile, ExplodedMine, QuestionMark } kind = Tile;
    TileIndex tile = Tile::Covered;

    friend bool operator==(const Look&, const Look&) = default;
};

// The field image's pixel where a cell's picture starts. Clicks hit cells
// one pixel further up and left: pixel (x, y) lies in cell (x / 16 + 1, y / 16 + 1).
QPoint cellTopLeft(int column, int row);

// The look of a cell holding code, at the game's outcome: the end of a game
// draws over some cells without changing their codes.
Look lookOf(CellCode code, MirrorGame::Outcome outcome);

// Whether the 16 x 16 cell picture with its top-left pixel at cellTopLeft
// of the shot shows the look.
bool shows(const QImage& shot, QPoint cellTopLeft, const Look& look);

QString describe(const Look& look);

// Whether the shot of a field (its image from pixel (0, 0), columns x 16 + 1
// wide) shows every cell of the mirror as its state says; pressedCell, when
// given, is a covered cell the left button holds down. Otherwise *why lists
// the cells that differ.
bool fieldShows(const QImage& field, const MirrorGame& mirror, std::optional<QPoint> pressedCell, QString* why);

// Whether the region of the shot at topLeft holds exactly the picture.
bool showsPicture(const QImage& shot, QPoint topLeft, const QImage& picture);

} // namespace FieldPictures
