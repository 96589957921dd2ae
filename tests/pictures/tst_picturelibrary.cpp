// The pictures library: built-in data found, decoded to plain pixels, tiles cut from the sheet.
#include "pictures.h"

#include <QFile>
#include <QTest>

using PictureFunction = const QImage& (*)();
Q_DECLARE_METATYPE(PictureFunction)

class TestPictureLibrary : public QObject {
    Q_OBJECT

private slots:
    void decodesEachPicture_data();
    void decodesEachPicture();
    void tileIsCutFromSheet_data();
    void tileIsCutFromSheet();
    void tileOutsideSheetIsNull_data();
    void tileOutsideSheetIsNull();
};

void TestPictureLibrary::decodesEachPicture_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<PictureFunction>("picture");
    QTest::addColumn<QSize>("size");

    QTest::newRow("tile sheet") << "tilesheet" << &Pictures::tileSheet << QSize(208, 16);
    QTest::newRow("board background") << "boardbackground" << &Pictures::boardBackground << QSize(485, 261);
    QTest::newRow("exploded mine") << "explodedmine" << &Pictures::explodedMine << QSize(16, 16);
    QTest::newRow("smile") << "facesmile" << &Pictures::faceSmile << QSize(26, 26);
    QTest::newRow("surprised") << "facesurprised" << &Pictures::faceSurprised << QSize(26, 26);
    QTest::newRow("pressed") << "facepressed" << &Pictures::facePressed << QSize(26, 26);
}

void TestPictureLibrary::decodesEachPicture()
{
    QFETCH(QString, resource);
    QFETCH(PictureFunction, picture);
    QFETCH(QSize, size);

    // This executable never initialises the resources by hand: linking the static
    // library alone must bring them in.
    QVERIFY(QFile::exists(QStringLiteral(":/pictures/%1.xpm").arg(resource)));

    const QImage& image = picture();
    QCOMPARE(image.size(), size);
    QVERIFY2(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32,
             "callers compare and copy pixels without a palette");
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(qAlpha(image.pixel(x, y)), 255);
    }
}

void TestPictureLibrary::tileIsCutFromSheet_data()
{
    QTest::addColumn<TileIndex>("index");
    for (TileIndex index = 0; index < Tile::Count; ++index)
        QTest::addRow("tile %d", index) << index;
}

void TestPictureLibrary::tileIsCutFromSheet()
{
    QFETCH(TileIndex, index);
    const QImage tile = Pictures::tile(index);
    QCOMPARE(tile.size(), QSize(16, 16));
    QCOMPARE(tile, Pictures::tileSheet().copy(index * 16, 0, 16, 16));
}

void TestPictureLibrary::tileOutsideSheetIsNull_data()
{
    QTest::addColumn<TileIndex>("index");
    QTest::newRow("below") << -1;
    QTest::newRow("one past the last") << Tile::Count;
    QTest::newRow("far beyond") << 1000;
}

void TestPictureLibrary::tileOutsideSheetIsNull()
{
    QFETCH(TileIndex, index);
    QVERIFY(Pictures::tile(index).isNull());
}

QTEST_GUILESS_MAIN(TestPictureLibrary)
#include "tst_picturelibrary.moc"
