// The field's drawing: retained image, tiles, question marks, the exploded
// mine, held repaints, and the positions of mouse events.
#include "boardcanvas.h"
#include "paintcounter.h"
#include "tilesheet.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// Every tile different, and different from the background, so that a
// wrong tile or a stray pixel shows.
QImage patternSheet()
{
    QImage sheet(13 * 16, 16, QImage::Format_RGB32);
    for (int x = 0; x < sheet.width(); ++x) {
        for (int y = 0; y < 16; ++y) {
            const int tile = x / 16;
            sheet.setPixel(x, y, qRgb(tile * 19, (x % 16) * 16, y * 16));
        }
    }
    return sheet;
}

QImage patternBackground()
{
    QImage picture(485, 261, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(255, x % 256, y % 256));
    }
    return picture;
}

QImage explodedPicture()
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(qRgb(0xFC, 0x02, 0x04));
    picture.setPixel(7, 7, qRgb(4, 2, 4));
    return picture;
}

constexpr QRect cellRect(int column, int row)
{
    return {(column - 1) * 16 + 1, (row - 1) * 16 + 1, 16, 16};
}

// Pixels of a and b that differ, outside the given rectangle.
int differencesOutside(const QImage& a, const QImage& b, const QRect& inside)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!inside.contains(x, y) && a.pixel(x, y) != b.pixel(x, y))
                ++count;
        }
    }
    return count;
}

} // namespace

class TestBoardCanvas : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tileChangesOnlyItsCell_data();
    void tileChangesOnlyItsCell();
    void questionMark();
    void questionMarkCoveredLeavesNoTrace();
    void explodedMine();
    void clearShowsBackground();
    void newSizeRebuildsImage();
    void repaintsOnlyChangedCell();
    void heldRepaints();
    void enablingCostsNoRepaint();
    void paintShowsImageInsideEdge();
    void mousePositions_data();
    void mousePositions();
    void disabledCanvasIgnoresMouse();

private:
    bool showCanvas();

    std::unique_ptr<TileSheet> tiles_;
    std::unique_ptr<BoardCanvas> canvas_;
};

void TestBoardCanvas::init()
{
    tiles_ = std::make_unique<TileSheet>(patternSheet());
    canvas_ = std::make_unique<BoardCanvas>(*tiles_);
    canvas_->resizeCanvas(QSize(30 * 16 + 5, 16 * 16 + 5));
    canvas_->setBackgroundPicture(patternBackground());
    canvas_->setExplodedMinePicture(explodedPicture());
}

void TestBoardCanvas::cleanup()
{
    canvas_.reset();
    tiles_.reset();
}

bool TestBoardCanvas::showCanvas()
{
    canvas_->show();
    if (!QTest::qWaitForWindowExposed(canvas_.get()))
        return false;
    QCoreApplication::processEvents();
    return true;
}

void TestBoardCanvas::tileChangesOnlyItsCell_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("tile");
    QTest::newRow("top-left, empty") << 1 << 1 << 0;
    QTest::newRow("bottom-right, mine") << 30 << 16 << 12;
    QTest::newRow("top-right, flag") << 30 << 1 << 10;
    QTest::newRow("bottom-left, digit") << 1 << 16 << 5;
    QTest::newRow("middle, covered") << 15 << 8 << 9;
}

void TestBoardCanvas::tileChangesOnlyItsCell()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, tile);
    const QImage before = canvas_->image();
    canvas_->drawTile(column, row, tile);
    const QImage after = canvas_->image();

    QCOMPARE(after.copy(cellRect(column, row)), tiles_->image().copy(TileSheet::tileRect(tile)));
    QCOMPARE(differencesOutside(before, after, cellRect(column, row)), 0);
}

void TestBoardCanvas::questionMark()
{
    QCOMPARE(canvas_->textColor(), QColor(0x04, 0x02, 0x04));
    const QImage before = canvas_->image();
    canvas_->drawQuestionMark(4, 3);
    const QImage after = canvas_->image();

    QCOMPARE(canvas_->textColor(), QColor(0, 0, 0x80));
    QCOMPARE(differencesOutside(before, after, cellRect(4, 3)), 0);
    // The mark is written over a covered tile: navy ink on tile 9's pixels.
    const QImage cell = after.copy(cellRect(4, 3));
    const QImage covered = tiles_->image().copy(TileSheet::tileRect(9));
    int ink = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (cell.pixel(x, y) != covered.pixel(x, y))
                ++ink;
        }
    }
    QVERIFY(ink > 5);
    QVERIFY(cell.pixelColor(0, 0) == covered.pixelColor(0, 0));
}

void TestBoardCanvas::questionMarkCoveredLeavesNoTrace()
{
    canvas_->drawTile(7, 9, 9);
    const QImage covered = canvas_->image();
    canvas_->drawQuestionMark(7, 9);
    QVERIFY(canvas_->image() != covered);
    canvas_->drawTile(7, 9, 9);
    QCOMPARE(canvas_->image(), covered);
}

void TestBoardCanvas::explodedMine()
{
    const QImage before = canvas_->image();
    canvas_->drawExplodedMine(2, 5);
    QCOMPARE(canvas_->image().copy(cellRect(2, 5)), explodedPicture());
    QCOMPARE(differencesOutside(before, canvas_->image(), cellRect(2, 5)), 0);
}

void TestBoardCanvas::clearShowsBackground()
{
    const QImage fresh = canvas_->image();
    QCOMPARE(fresh, patternBackground().copy(0, 0, 30 * 16 + 1, 16 * 16 + 1));
    canvas_->drawTile(3, 3, 4);
    canvas_->drawQuestionMark(5, 5);
    canvas_->drawExplodedMine(30, 16);
    canvas_->clear();
    QCOMPARE(canvas_->image(), fresh);
}

void TestBoardCanvas::newSizeRebuildsImage()
{
    canvas_->drawTile(1, 1, 3);
    canvas_->resizeCanvas(QSize(8 * 16 + 5, 9 * 16 + 5));
    canvas_->setBackgroundPicture(patternBackground());
    QCOMPARE(canvas_->image(), patternBackground().copy(0, 0, 8 * 16 + 1, 9 * 16 + 1));
}

void TestBoardCanvas::repaintsOnlyChangedCell()
{
    QVERIFY(showCanvas());
    PaintCounter paints(canvas_.get());
    canvas_->drawTile(6, 2, 1);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count(), 1);
    QCOMPARE(paints.region(), QRegion(cellRect(6, 2).translated(2, 2)));
}

// The hold is one level and not counted: the first resume releases it, and
// everything drawn meanwhile shows in one repaint.
void TestBoardCanvas::heldRepaints()
{
    QVERIFY(showCanvas());
    PaintCounter paints(canvas_.get());
    canvas_->suspendRedraw();
    canvas_->suspendRedraw();
    for (int column = 1; column <= 30; ++column)
        canvas_->drawTile(column, 4, 2);
    canvas_->drawQuestionMark(1, 1);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count(), 0);

    canvas_->resumeRedraw();
    QVERIFY(!canvas_->isRedrawSuspended());
    QCoreApplication::processEvents();
    QCOMPARE(paints.count(), 1);
    QVERIFY(paints.region().contains(cellRect(1, 4).translated(2, 2)));
    QVERIFY(paints.region().contains(cellRect(30, 4).translated(2, 2)));
    QVERIFY(paints.region().contains(cellRect(1, 1).translated(2, 2)));

    paints.reset();
    canvas_->resumeRedraw();
    QCoreApplication::processEvents();
    QCOMPARE(paints.count(), 0);
}

void TestBoardCanvas::enablingCostsNoRepaint()
{
    QVERIFY(showCanvas());
    PaintCounter paints(canvas_.get());
    canvas_->setEnabled(false);
    canvas_->setEnabled(true);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count(), 0);
}

void TestBoardCanvas::paintShowsImageInsideEdge()
{
    canvas_->drawTile(2, 2, 7);
    const QImage shown = canvas_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), canvas_->size());
    QCOMPARE(shown.copy(2, 2, canvas_->image().width(), canvas_->image().height()), canvas_->image());

    // A two-pixel sunken edge: dark outside, black inside at the top and
    // left; white outside, light grey inside at the bottom and right.
    const int right = shown.width() - 1;
    const int bottom = shown.height() - 1;
    QCOMPARE(shown.pixelColor(10, 0), QColor(0x84, 0x82, 0x84));
    QCOMPARE(shown.pixelColor(0, 10), QColor(0x84, 0x82, 0x84));
    QCOMPARE(shown.pixelColor(10, 1), QColor(0x04, 0x02, 0x04));
    QCOMPARE(shown.pixelColor(1, 10), QColor(0x04, 0x02, 0x04));
    QCOMPARE(shown.pixelColor(10, bottom), QColor(0xFC, 0xFE, 0xFC));
    QCOMPARE(shown.pixelColor(right, 10), QColor(0xFC, 0xFE, 0xFC));
    QCOMPARE(shown.pixelColor(10, bottom - 1), QColor(0xC4, 0xC2, 0xC4));
    QCOMPARE(shown.pixelColor(right - 1, 10), QColor(0xC4, 0xC2, 0xC4));
}

void TestBoardCanvas::mousePositions_data()
{
    QTest::addColumn<QPointF>("widgetPos");
    QTest::addColumn<QPoint>("imagePos");
    QTest::newRow("first pixel inside the edge") << QPointF(2, 2) << QPoint(0, 0);
    QTest::newRow("on the edge") << QPointF(0, 1) << QPoint(-2, -1);
    QTest::newRow("left of the canvas") << QPointF(-20, 30) << QPoint(-22, 28);
    QTest::newRow("above the canvas") << QPointF(40, -3) << QPoint(38, -5);
    QTest::newRow("a fraction left of it") << QPointF(1.5, 9.25) << QPoint(-1, 7);
    QTest::newRow("far right") << QPointF(900, 20) << QPoint(898, 18);
}

void TestBoardCanvas::mousePositions()
{
    QFETCH(QPointF, widgetPos);
    QFETCH(QPoint, imagePos);
    QSignalSpy leftPressed(canvas_.get(), &BoardCanvas::leftPressed);
    QSignalSpy rightPressed(canvas_.get(), &BoardCanvas::rightPressed);
    QSignalSpy moved(canvas_.get(), &BoardCanvas::mouseMoved);
    QSignalSpy leftReleased(canvas_.get(), &BoardCanvas::leftReleased);
    QSignalSpy rightReleased(canvas_.get(), &BoardCanvas::rightReleased);
    const QPointF global = canvas_->mapToGlobal(widgetPos);
    auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, widgetPos, global, button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas_.get(), &event);
    };
    const QList<QVariant> expected{imagePos.x(), imagePos.y()};

    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonDblClick, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::RightButton);
    send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton);

    QCOMPARE(leftPressed.size(), 1);
    QCOMPARE(leftPressed.first(), expected);
    QCOMPARE(rightPressed.size(), 1);
    QCOMPARE(rightPressed.first(), expected);
    QCOMPARE(moved.size(), 1);
    QCOMPARE(moved.first(), expected);
    QCOMPARE(leftReleased.size(), 1);
    QCOMPARE(leftReleased.first(), expected);
    QCOMPARE(rightReleased.size(), 1);
    QCOMPARE(rightReleased.first(), expected);
}

void TestBoardCanvas::disabledCanvasIgnoresMouse()
{
    QSignalSpy leftPressed(canvas_.get(), &BoardCanvas::leftPressed);
    QSignalSpy moved(canvas_.get(), &BoardCanvas::mouseMoved);
    canvas_->setEnabled(false);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 20), canvas_->mapToGlobal(QPointF(20, 20)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas_.get(), &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 20), canvas_->mapToGlobal(QPointF(40, 20)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas_.get(), &move);
    QCOMPARE(leftPressed.size(), 0);
    QCOMPARE(moved.size(), 0);
}

QTEST_MAIN(TestBoardCanvas)
#include "tst_boardcanvas.moc"
