// The cell tiles, the exploded mine and the covered-field background, pixel by pixel.
#include "pictures.h"
#include "pixelrules.h"

#include <QTest>

using namespace PixelRules;

namespace {

QRect tileArea(TileIndex index)
{
    return QRect(index * TileSize, 0, TileSize, TileSize);
}

bool onRedCross(int x, int y)
{
    return y >= 2 && y <= 13 && (x == y - 1 || x == y || x == 14 - y || x == 15 - y);
}

const PixelSet& mineSpikes()
{
    static const PixelSet spikes { { 7, 1 }, { 7, 2 }, { 7, 12 }, { 7, 13 },
                                   { 1, 7 }, { 2, 7 }, { 12, 7 }, { 13, 7 } };
    return spikes;
}

const PixelSet& mineDots()
{
    static const PixelSet dots { { 3, 3 }, { 11, 3 }, { 3, 11 }, { 11, 11 } };
    return dots;
}

const PixelSet& mineHighlight()
{
    static const PixelSet highlight { { 5, 5 }, { 6, 5 }, { 5, 6 }, { 6, 6 } };
    return highlight;
}

// Every pixel of the plain mine tile that is not the opened cell behind it.
PixelSet minePixels()
{
    const QImage& sheet = Pictures::tileSheet();
    const QRect area = tileArea(Tile::Mine);
    PixelSet pixels;
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
            if (sheet.pixel(area.x() + x, area.y() + y) != openedTile(x, y))
                pixels.insert(QPoint(x, y));
        }
    }
    return pixels;
}

// Ink of a digit: what is not light grey inside the cell's grid lines.
PixelSet digitInk(TileIndex index)
{
    const QImage& sheet = Pictures::tileSheet();
    PixelSet ink;
    for (int y = 0; y < TileSize - 1; ++y) {
        for (int x = 0; x < TileSize - 1; ++x) {
            if (sheet.pixel(index * TileSize + x, y) != LightGrey)
                ink.insert(QPoint(x, y));
        }
    }
    return ink;
}

} // namespace

class TestTilePictures : public QObject {
    Q_OBJECT

private slots:
    void emptyTileIsOpenedCell();
    void coveredTileIsRaised();
    void digitTiles_data();
    void digitTiles();
    void digitsDifferInShape();
    void flagTile();
    void mineShape();
    void wrongFlagTileCrossesTheMine();
    void explodedMineIsTheMineOnRed();
    void boardBackgroundIsRaisedTilesOnWhite();
};

void TestTilePictures::emptyTileIsOpenedCell()
{
    VERIFY_PIXELS(Pictures::tileSheet(), tileArea(Tile::Empty), openedTile);
}

void TestTilePictures::coveredTileIsRaised()
{
    VERIFY_PIXELS(Pictures::tileSheet(), tileArea(Tile::Covered), raisedTile);
}

void TestTilePictures::digitTiles_data()
{
    QTest::addColumn<TileIndex>("index");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");

    QTest::newRow("1 blue") << 1 << QRgb(0xFF0402FC) << 4 << 10;
    QTest::newRow("2 green") << 2 << QRgb(0xFF048204) << 2 << 11;
    QTest::newRow("3 red") << 3 << Red << 2 << 11;
    QTest::newRow("4 navy") << 4 << QRgb(0xFF040284) << 2 << 11;
    QTest::newRow("5 maroon") << 5 << QRgb(0xFF840204) << 2 << 11;
    QTest::newRow("6 teal") << 6 << QRgb(0xFF048284) << 2 << 11;
    QTest::newRow("7 black") << 7 << Black << 2 << 11;
    QTest::newRow("8 dark grey") << 8 << DarkGrey << 2 << 11;
}

void TestTilePictures::digitTiles()
{
    QFETCH(TileIndex, index);
    QFETCH(QRgb, colour);
    QFETCH(int, left);
    QFETCH(int, right);

    const PixelSet ink = digitInk(index);
    const auto expected = [&](int x, int y) {
        return ink.contains(QPoint(x, y)) ? colour : openedTile(x, y);
    };
    VERIFY_PIXELS(Pictures::tileSheet(), tileArea(index), expected);

    // Ten pixels high from row 2, and inside its columns.
    const QRect bounds = boundsOf(ink);
    QCOMPARE(bounds.top(), 2);
    QCOMPARE(bounds.bottom(), 11);
    QVERIFY2(bounds.left() >= left && bounds.right() <= right,
             qPrintable(QStringLiteral("ink spans x %1 to %2").arg(bounds.left()).arg(bounds.right())));

    // Bold: no stroke is a single pixel thin, so every ink pixel lies in a 2 x 2 block of ink.
    for (const QPoint& p : ink) {
        bool inBlock = false;
        for (int dy = -1; dy <= 0 && !inBlock; ++dy) {
            for (int dx = -1; dx <= 0 && !inBlock; ++dx) {
                const QPoint corner = p + QPoint(dx, dy);
                inBlock = ink.contains(corner) && ink.contains(corner + QPoint(1, 0))
                    && ink.contains(corner + QPoint(0, 1)) && ink.contains(corner + QPoint(1, 1));
            }
        }
        QVERIFY2(inBlock, qPrintable(QStringLiteral("thin stroke at (%1, %2)").arg(p.x()).arg(p.y())));
    }
}

void TestTilePictures::digitsDifferInShape()
{
    for (TileIndex a = 1; a <= 8; ++a) {
        for (TileIndex b = a + 1; b <= 8; ++b)
            QVERIFY2(digitInk(a) != digitInk(b), qPrintable(QStringLiteral("%1 and %2").arg(a).arg(b)));
    }
}

void TestTilePictures::flagTile()
{
    const QImage& sheet = Pictures::tileSheet();
    const QRect area = tileArea(Tile::Flag);

    PixelSet black { { 8, 8 }, { 8, 9 } };
    for (int x = 6; x <= 9; ++x)
        black.insert(QPoint(x, 10));
    for (int x = 4; x <= 11; ++x) {
        black.insert(QPoint(x, 11));
        black.insert(QPoint(x, 12));
    }
    const QRect pennantBox(4, 3, 5, 5);
    const PixelSet red = pixelsOf(sheet, area, Red);
    const auto expected = [&](int x, int y) {
        if (black.contains(QPoint(x, y)))
            return Black;
        if (pennantBox.contains(x, y) && red.contains(QPoint(x, y)))
            return Red;
        return raisedTile(x, y);
    };
    VERIFY_PIXELS(sheet, area, expected);

    // The pennant fills its box from the pole's column to its tip on the left,
    // narrowing towards the tip.
    QCOMPARE(boundsOf(red), pennantBox);
    int previousHeight = 0;
    for (int x = 4; x <= 8; ++x) {
        int height = 0;
        for (int y = 3; y <= 7; ++y)
            height += red.contains(QPoint(x, y));
        QVERIFY2(height >= previousHeight, qPrintable(QStringLiteral("column %1").arg(x)));
        previousHeight = height;
    }
}

void TestTilePictures::mineShape()
{
    const QImage& sheet = Pictures::tileSheet();
    const QRect area = tileArea(Tile::Mine);
    const PixelSet mine = minePixels();

    const auto expected = [&](int x, int y) {
        if (mineHighlight().contains(QPoint(x, y)))
            return White;
        return mine.contains(QPoint(x, y)) ? Black : openedTile(x, y);
    };
    VERIFY_PIXELS(sheet, area, expected);

    for (const QPoint& p : mineSpikes())
        QVERIFY2(mine.contains(p), qPrintable(QStringLiteral("spike (%1, %2)").arg(p.x()).arg(p.y())));

    // The dots stand apart: nothing else of the mine touches them.
    for (const QPoint& dot : mineDots()) {
        QVERIFY(mine.contains(dot));
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (dx != 0 || dy != 0)
                    QVERIFY2(!mine.contains(dot + QPoint(dx, dy)),
                             qPrintable(QStringLiteral("dot (%1, %2) touches the body").arg(dot.x()).arg(dot.y())));
            }
        }
    }

    // A round body filling x and y 3 to 11, centred on (7, 7), from which the spikes continue.
    const PixelSet body = mine - mineSpikes() - mineDots();
    QCOMPARE(boundsOf(body), QRect(3, 3, 9, 9));
    for (const QPoint p : { QPoint(7, 3), QPoint(7, 11), QPoint(3, 7), QPoint(11, 7) })
        QVERIFY(body.contains(p));
    QVERIFY(mirroredX(body, 7) == body);
    QVERIFY(mirroredY(body, 7) == body);
    QVERIFY(transposed(body) == body);
    for (int y = 3; y <= 11; ++y) {
        int left = 16, right = -1, count = 0;
        for (int x = 0; x < 16; ++x) {
            if (body.contains(QPoint(x, y))) {
                left = qMin(left, x);
                right = qMax(right, x);
                ++count;
            }
        }
        QVERIFY2(count == right - left + 1, qPrintable(QStringLiteral("gap in row %1").arg(y)));
    }
}

void TestTilePictures::wrongFlagTileCrossesTheMine()
{
    const PixelSet mine = minePixels();
    const auto expected = [&](int x, int y) {
        if (onRedCross(x, y))
            return Red;
        return mine.contains(QPoint(x, y)) ? Black : openedTile(x, y);
    };
    VERIFY_PIXELS(Pictures::tileSheet(), tileArea(Tile::WrongFlag), expected);
}

void TestTilePictures::explodedMineIsTheMineOnRed()
{
    const QImage& exploded = Pictures::explodedMine();
    const QImage& sheet = Pictures::tileSheet();
    const QRect mineArea = tileArea(Tile::Mine);
    const PixelSet mine = minePixels();
    const auto expected = [&](int x, int y) {
        if (mine.contains(QPoint(x, y)))
            return sheet.pixel(mineArea.x() + x, mineArea.y() + y);
        return (x == 15 || y == 15) ? DarkGrey : Red;
    };
    VERIFY_PIXELS(exploded, exploded.rect(), expected);
}

void TestTilePictures::boardBackgroundIsRaisedTilesOnWhite()
{
    const auto expected = [](int x, int y) {
        const int gridX = x - 1;
        const int gridY = y - 1;
        if (gridX < 0 || gridY < 0 || gridX >= 30 * TileSize || gridY >= 16 * TileSize)
            return White;
        return raisedTile(gridX % TileSize, gridY % TileSize);
    };
    const QImage& background = Pictures::boardBackground();
    VERIFY_PIXELS(background, background.rect(), expected);
}

QTEST_GUILESS_MAIN(TestTilePictures)
#include "tst_tilepictures.moc"
