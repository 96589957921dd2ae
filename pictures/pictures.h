// The game's pictures, decoded once from the built-in XPM data.
#pragma once

#include "cellcode.h"

#include <QImage>

namespace Pictures {

// Each is decoded on first use and kept until the program ends.
const QImage& tileSheet();        // 208 x 16, thirteen tiles side by side
const QImage& boardBackground();  // 485 x 261, a 30 x 16 covered field on white
const QImage& explodedMine();     // 16 x 16
const QImage& faceSmile();        // 26 x 26
const QImage& faceSurprised();    // 26 x 26
const QImage& facePressed();      // 26 x 26

/* 0 <= index < Tile::Count; a null image otherwise */
QImage tile(TileIndex index);

} // namespace Pictures
