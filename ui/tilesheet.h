// The thirteen 16 x 16 cell pictures side by side: every picture a cell of
// the field shows, except the exploded mine, is copied from here.
#pragma once

#include "cellcode.h"

#include <QImage>
#include <QRect>

class TileSheet {
public:
    // sheet is 13 tiles of 16 x 16 side by side.
    explicit TileSheet(const QImage& sheet);

    const QImage& image() const { return image_; }

    /* 0 <= tile < Tile::Count */
    static QRect tileRect(TileIndex tile) { return {tile * 16, 0, 16, 16}; }

private:
    QImage image_;
};
