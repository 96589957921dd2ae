// The real program on a dense screen: started with Qt's scale factor 2 on a
// virtual X display, its window is twice as large, every picture pixel of a
// new field is an exact 2 x 2 block, and a click hits the cell under the
// pointer. Run through tests/xvfb-session.sh; the test reads the screen itself.
#include "fieldlayout.h"
#include "palette.h"
#include "pictures.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int scale = 2;
constexpr int block = FieldLayout::cellSize * scale;
const QString windowTitle = QStringLiteral("Tolvy经典扫雷中文版");

// Each pixel of picture as a scale x scale block: what a sharp screen shows.
QImage blownUp(const QImage& picture)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QImage result(source.size() * scale, QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x)
            result.setPixel(x, y, source.pixel(x / scale, y / scale));
    }
    return result;
}

// The first pixel where picture, placed at at, differs from the screen; or
// (-1, -1) when every pixel matches.
QPoint firstDifference(const QImage& screen, const QImage& picture, const QPoint& at)
{
    if (!screen.rect().contains(QRect(at, picture.size())))
        return at;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if ((screen.pixel(at.x() + x, at.y() + y) & 0xFFFFFF) != (picture.pixel(x, y) & 0xFFFFFF))
                return at + QPoint(x, y);
        }
    }
    return {-1, -1};
}

bool matches(const QImage& screen, const QImage& picture, const QPoint& at)
{
    return firstDifference(screen, picture, at) == QPoint(-1, -1);
}

QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestDenseScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowIsTwiceAsLarge();
    void newFieldIsSharp();
    void fieldEdgeIsTwiceAsWide();
    void faceIsSharp();
    void clickHitsCellUnderPointer_data();
    void clickHitsCellUnderPointer();

private:
    QImage grabScreen() const;
    bool findWindow();
    bool findField();
    QPoint cellTopLeft(int column, int row) const;

    QTemporaryDir settings_;
    QProcess program_;
    QRect window_;
    QPoint fieldOrigin_;   // the screen pixel where cell (1, 1) begins
    int columns_ = 0;
    int rows_ = 0;
    QImage covered_;
    QImage flag_;
    QSet<QPoint> flagged_;
};

QImage TestDenseScreen::grabScreen() const
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

bool TestDenseScreen::findWindow()
{
    const QString id = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                QLatin1Char('^') + windowTitle + QLatin1Char('$')})
                           .section(QLatin1Char('\n'), 0, 0);
    if (id.isEmpty())
        return false;
    const QString shell = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
    QHash<QString, int> values;
    for (const QString& line : shell.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        values.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1).toInt());
    window_ = QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                    values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
    return window_.width() > 0;
}

// The top-left cell is the first place in the window that shows a covered
// tile; the field runs on right and down as far as covered tiles follow.
bool TestDenseScreen::findField()
{
    const QImage screen = grabScreen();
    const QRect area = window_.intersected(screen.rect());
    for (int y = area.top(); y <= area.bottom() - block; ++y) {
        for (int x = area.left(); x <= area.right() - block; ++x) {
            if (!matches(screen, covered_, {x, y}))
                continue;
            fieldOrigin_ = {x, y};
            columns_ = 0;
            while (matches(screen, covered_, cellTopLeft(columns_ + 1, 1)))
                ++columns_;
            rows_ = 0;
            while (matches(screen, covered_, cellTopLeft(1, rows_ + 1)))
                ++rows_;
            return true;
        }
    }
    return false;
}

QPoint TestDenseScreen::cellTopLeft(int column, int row) const
{
    return fieldOrigin_ + QPoint((column - 1) * block, (row - 1) * block);
}

void TestDenseScreen::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
             "needs an X display of its own: run it through tests/xvfb-session.sh");
    QVERIFY(settings_.isValid());
    covered_ = blownUp(Pictures::tile(Tile::Covered));
    flag_ = blownUp(Pictures::tile(Tile::Flag));

    // A fresh user: the program starts with its default level.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    environment.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
    environment.remove(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings_.path());
    program_.setProcessEnvironment(environment);
    program_.setProcessChannelMode(QProcess::ForwardedChannels);
    program_.start(QStringLiteral(TOLVY_PROGRAM), {});
    QVERIFY2(program_.waitForStarted(15000), qPrintable(program_.errorString()));

    QTRY_VERIFY_WITH_TIMEOUT(findWindow(), 30000);
    // Found only where the covered tile shows as exact 2 x 2 blocks.
    QTRY_VERIFY2_WITH_TIMEOUT(findField(), "no sharp covered cell in the window", 30000);
    QVERIFY(columns_ >= 8 && rows_ >= 8);
}

void TestDenseScreen::cleanupTestCase()
{
    if (program_.state() == QProcess::NotRunning)
        return;
    program_.terminate();
    if (!program_.waitForFinished(10000)) {
        program_.kill();
        program_.waitForFinished();
    }
}

void TestDenseScreen::windowIsTwiceAsLarge()
{
    const QSize central = FieldLayout::centralArea(columns_, rows_);
    QCOMPARE(window_.width(), central.width() * scale);
    // The menu bar's height depends on the font; it scales as a whole too.
    QVERIFY(window_.height() >= central.height() * scale);
    QCOMPARE(window_.height() % scale, 0);

    // The field sits where the layout puts it, counted from the window's left
    // and bottom edges (the menu bar above may take one row or two).
    const QPoint fieldInCentral = FieldLayout::boardCanvasPos
        + QPoint(FieldLayout::canvasEdge + 1, FieldLayout::canvasEdge + 1);
    QCOMPARE(fieldOrigin_.x() - window_.x(), fieldInCentral.x() * scale);
    const int belowField = central.height() - fieldInCentral.y() - rows_ * FieldLayout::cellSize;
    QCOMPARE(window_.y() + window_.height() - (fieldOrigin_.y() + rows_ * block), belowField * scale);
}

// The whole retained image of a new field, the white lines and every seam
// between cells included, against the background picture blown up.
void TestDenseScreen::newFieldIsSharp()
{
    const QImage screen = grabScreen();
    QStringList wrongCells;
    for (int row = 1; row <= rows_; ++row) {
        for (int column = 1; column <= columns_; ++column) {
            if (!matches(screen, covered_, cellTopLeft(column, row)))
                wrongCells << QStringLiteral("(%1, %2)").arg(column).arg(row);
        }
    }
    QVERIFY2(wrongCells.isEmpty(), qPrintable(wrongCells.join(QLatin1Char(' '))));

    const QSize imageSize = FieldLayout::boardCanvasSize(columns_, rows_) - QSize(4, 4);
    const QImage expected = blownUp(Pictures::boardBackground().copy(QRect(QPoint(0, 0), imageSize)));
    const QPoint imageTopLeft = fieldOrigin_ - QPoint(scale, scale);
    const QPoint difference = firstDifference(screen, expected, imageTopLeft);
    QVERIFY2(difference == QPoint(-1, -1),
             qPrintable(QStringLiteral("screen pixel (%1, %2)").arg(difference.x()).arg(difference.y())));
}

// The sunken edge around the field is two picture pixels wide, so four
// screen pixels: dark grey then black on the left and the top.
void TestDenseScreen::fieldEdgeIsTwiceAsWide()
{
    const QImage screen = grabScreen();
    const QPoint imageTopLeft = fieldOrigin_ - QPoint(scale, scale);
    const QList<QColor> expected{Palette::darkGrey, Palette::darkGrey, Palette::black, Palette::black};
    const int middleY = fieldOrigin_.y() + rows_ * block / 2;
    const int middleX = fieldOrigin_.x() + columns_ * block / 2;
    for (int i = 0; i < expected.size(); ++i) {
        const int offset = expected.size() - i;
        QCOMPARE(QColor(screen.pixel(imageTopLeft.x() - offset, middleY)), expected.at(i));
        QCOMPARE(QColor(screen.pixel(middleX, imageTopLeft.y() - offset)), expected.at(i));
    }
}

void TestDenseScreen::faceIsSharp()
{
    const QImage screen = grabScreen();
    const QImage face = blownUp(Pictures::faceSmile());
    const int x = window_.x() + FieldLayout::faceButton(columns_).x() * scale;
    bool found = false;
    for (int y = window_.top(); y < fieldOrigin_.y() && !found; ++y)
        found = matches(screen, face, {x, y});
    QVERIFY(found);
}

// The program takes a canvas position p to lie in cell p div 16 + 1: a cell
// answers from one picture pixel above and left of its picture. The cases are
// screen pixels at the corners of that area, where a position scaled or
// rounded the wrong way would land in the neighbour. A right click flags just
// that cell.
void TestDenseScreen::clickHitsCellUnderPointer_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QPoint>("inCell");

    QTest::newRow("first screen pixel of a cell") << 3 << 2 << QPoint(0, 0);
    QTest::newRow("last screen pixel of a cell") << 5 << 4 << QPoint(block - 1, block - 1);
    QTest::newRow("top right, first row") << 8 << 1 << QPoint(block - 1, 0);
    QTest::newRow("bottom left, first column") << 1 << 8 << QPoint(0, block - 1);
}

void TestDenseScreen::clickHitsCellUnderPointer()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QPoint, inCell);

    const QPoint pointer = cellTopLeft(column, row) - QPoint(scale, scale) + inCell;
    xdotool({QStringLiteral("mousemove"), QString::number(pointer.x()), QString::number(pointer.y()),
             QStringLiteral("click"), QStringLiteral("3")});
    flagged_.insert({column, row});
    QTRY_VERIFY_WITH_TIMEOUT(matches(grabScreen(), flag_, cellTopLeft(column, row)), 15000);

    // Nothing else changed: the flags of the rows before, raised tiles elsewhere.
    const QImage screen = grabScreen();
    QStringList wrongCells;
    for (int r = 1; r <= rows_; ++r) {
        for (int c = 1; c <= columns_; ++c) {
            const QImage& tile = flagged_.contains({c, r}) ? flag_ : covered_;
            if (!matches(screen, tile, cellTopLeft(c, r)))
                wrongCells << QStringLiteral("(%1, %2)").arg(c).arg(r);
        }
    }
    QVERIFY2(wrongCells.isEmpty(), qPrintable(wrongCells.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestDenseScreen)
#include "tst_densescreen.moc"
