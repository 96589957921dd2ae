// The thirteen 16 x 16 cell pictures side by side.
#include "tilesheet.h"

// Kept in the canvas's own pixel format, so that a tile is copied row by row.
TileSheet::TileSheet(const QImage& sheet) : image_(sheet.convertToFormat(QImage::Format_RGB32)) {}
