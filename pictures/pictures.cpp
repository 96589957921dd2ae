// Decoding of the built-in pictures.
#include "pictures.h"

namespace Pictures {
namespace {

constexpr int TileSize = 16;

// RGB32 so that callers can compare and copy pixels without caring for palettes.
QImage decode(const char* path)
{
    return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32);
}

} // namespace

const QImage& tileSheet()
{
    static const QImage image = decode(":/pictures/tilesheet.xpm");
    return image;
}

const QImage& boardBackground()
{
    static const QImage image = decode(":/pictures/boardbackground.xpm");
    return image;
}

const QImage& explodedMine()
{
    static const QImage image = decode(":/pictures/explodedmine.xpm");
    return image;
}

const QImage& faceSmile()
{
    static const QImage image = decode(":/pictures/facesmile.xpm");
    return image;
}

const QImage& faceSurprised()
{
    static const QImage image = decode(":/pictures/facesurprised.xpm");
    return image;
}

const QImage& facePressed()
{
    static const QImage image = decode(":/pictures/facepressed.xpm");
    return image;
}

QImage tile(TileIndex index)
{
    if (index < 0 || index >= Tile::Count)
        return QImage();
    return tileSheet().copy(index * TileSize, 0, TileSize, TileSize);
}

} // namespace Pictures
