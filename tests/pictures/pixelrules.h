// The pixel rules the pictures must keep, written out independently of the
// generator that draws them, and a comparison that names the pixels that break one.
#pragma once

#include <QImage>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>

namespace PixelRules {

constexpr QRgb White = 0xFFFCFEFC;
constexpr QRgb LightGrey = 0xFFC4C2C4;
constexpr QRgb DarkGrey = 0xFF848284;
constexpr QRgb Black = 0xFF040204;
constexpr QRgb Red = 0xFFFC0204;
constexpr QRgb Yellow = 0xFFFCFE04;
constexpr QRgb Olive = 0xFF848204;

// The pressed face button's own colours.
constexpr QRgb PressedGrey = 0xFF808080;
constexpr QRgb Silver = 0xFFC0C0C0;
constexpr QRgb PressedBlack = 0xFF000000;
constexpr QRgb PressedYellow = 0xFFFFFF00;

constexpr int TileSize = 16;
constexpr int FaceSize = 26;

using Rule = std::function<QRgb(int x, int y)>;

inline QString colourName(QRgb colour)
{
    return QString::asprintf("%06X", colour & 0xFFFFFF);
}

// Every pixel of `area` (image coordinates) against `expected`, given the
// coordinates relative to the area's top-left corner. Empty when all agree.
inline QStringList differences(const QImage& image, const QRect& area, const Rule& expected)
{
    QStringList found;
    int count = 0;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const QRgb actual = image.pixel(area.x() + x, area.y() + y);
            const QRgb wanted = expected(x, y);
            if (actual == wanted)
                continue;
            if (++count <= 8)
                found << QStringLiteral("(%1, %2) is %3, should be %4")
                             .arg(x).arg(y).arg(colourName(actual), colourName(wanted));
        }
    }
    if (count > 8)
        found << QStringLiteral("... %1 pixels differ in all").arg(count);
    return found;
}

// The covered cell, 16 x 16.
inline QRgb raisedTile(int x, int y)
{
    if (x + y == 15 && (x <= 1 || y <= 1))
        return LightGrey;
    if ((y <= 1 || x <= 1) && x + y < 15)
        return White;
    if (y >= 14 || x >= 14)
        return DarkGrey;
    return LightGrey;
}

// An uncovered cell: its right column and bottom row draw the grid.
inline QRgb openedTile(int x, int y)
{
    return (x == 15 || y == 15) ? DarkGrey : LightGrey;
}

// The raised frame of the smiling and the surprised face, outside the square 3..22.
inline QRgb faceFrame(int x, int y)
{
    if (x + y == 25)
        return LightGrey;
    if (x == 0 || y == 0)
        return DarkGrey;
    if ((x <= 2 || y <= 2) && x + y < 25)
        return White;
    return DarkGrey;
}

inline bool inFaceSquare(int x, int y)
{
    return x >= 3 && x <= 22 && y >= 3 && y <= 22;
}

using PixelSet = QSet<QPoint>;

inline PixelSet pixelsOf(const QImage& image, const QRect& area, QRgb colour)
{
    PixelSet pixels;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            if (image.pixel(area.x() + x, area.y() + y) == colour)
                pixels.insert(QPoint(x, y));
        }
    }
    return pixels;
}

inline QRect boundsOf(const PixelSet& pixels)
{
    QRect bounds;
    for (const QPoint& p : pixels)
        bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

// Left and right swapped about the column centreX.
inline PixelSet mirroredX(const PixelSet& pixels, int centreX)
{
    PixelSet result;
    for (const QPoint& p : pixels)
        result.insert(QPoint(2 * centreX - p.x(), p.y()));
    return result;
}

// Top and bottom swapped about the row centreY.
inline PixelSet mirroredY(const PixelSet& pixels, int centreY)
{
    PixelSet result;
    for (const QPoint& p : pixels)
        result.insert(QPoint(p.x(), 2 * centreY - p.y()));
    return result;
}

inline PixelSet transposed(const PixelSet& pixels)
{
    PixelSet result;
    for (const QPoint& p : pixels)
        result.insert(QPoint(p.y(), p.x()));
    return result;
}

} // namespace PixelRules

// Fails with the first differing pixels named.
#define VERIFY_PIXELS(image, area, rule) \
    do { \
        const QStringList found = PixelRules::differences(image, area, rule); \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; ")))); \
    } while (false)
