// The mouse on the field, driven by mouse events on the canvas: the
// ButtonState arithmetic, the pressed look, the face, clicks, chords and
// positions outside the field.
#include "boardcanvas.h"
#include "facebutton.h"
#include "fieldlayout.h"
#include "windowfixture.h"

#include <QTest>

#include <pictures.h>

namespace {

// (1, 1) uncovered so the mines stay where planted; (3, 3) lies in an
// empty region, (7, 4) and (1, 8) are mines.
const QStringList quietField{
    "o.......",
    "........",
    "........",
    "......*.",
    "........",
    "........",
    "........",
    "*.......",
};

enum class Action { LeftPress, RightPress, LeftRelease, RightRelease };

} // namespace

class TestFieldMouse : public QObject {
    Q_OBJECT

private slots:
    void buttonStateTable_data();
    void buttonStateTable();
    void pressedLook_data();
    void pressedLook();
    void pressedLookFollowsMouse();
    void releaseOutsideField_data();
    void releaseOutsideField();
    void rightClickOutsideFieldOnlyStartsClock();
    void faces();
    void doubleClickIsPress();
    void chord_data();
    void chord();
    void chordBlockFollowsMouse();
    void pressWithoutMoveIsTakenBack_data();
    void pressWithoutMoveIsTakenBack();
    void endedGameTakesNoClicks();
};

void TestFieldMouse::buttonStateTable_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("after");
    // The code of the cell under the mouse afterwards: a single click
    // uncovers or flags it, a press that makes 3 presses the block (the
    // right press only while the clock runs, which it does not here).
    QTest::addColumn<int>("code");

    struct Row {
        int before;
        int leftPress, rightPress, leftRelease, rightRelease;
    };
    const Row table[] = {
        {0, 1, 2, 10, 10},
        {1, 2, 3, 0, 10},
        {2, 3, 4, 10, 0},
        {3, 4, 5, 10, 10},
        {10, 1, 2, 10, 10},
        {-1, 1, 2, 10, 10},
        {4, 5, 6, 10, 10},
    };
    auto codeAfter = [](Action action, int after) -> int {
        if (action == Action::LeftPress && after == 3)
            return Cell::PressedSafe;
        if (action == Action::LeftRelease && after == 0)
            return Cell::Opened;
        if (action == Action::RightRelease && after == 0)
            return Cell::FlaggedSafe;
        return Cell::Covered;
    };
    for (const Row& row : table) {
        const std::pair<Action, int> cases[] = {{Action::LeftPress, row.leftPress},
                                                {Action::RightPress, row.rightPress},
                                                {Action::LeftRelease, row.leftRelease},
                                                {Action::RightRelease, row.rightRelease}};
        const char* names[] = {"left press", "right press", "left release", "right release"};
        for (int i = 0; i < 4; ++i) {
            const auto [action, after] = cases[i];
            QTest::addRow("%d, %s", row.before, names[i]) << row.before << action << after << codeAfter(action, after);
        }
    }
}

void TestFieldMouse::buttonStateTable()
{
    QFETCH(int, before);
    QFETCH(Action, action);
    QFETCH(int, after);
    QFETCH(int, code);
    WindowFixture fixture;
    fixture.plant(quietField);
    fixture.session().buttonState = ButtonState(before);
    const QPoint at = WindowFixture::cellCentre(3, 3);

    switch (action) {
    case Action::LeftPress: fixture.press(Qt::LeftButton, at); break;
    case Action::RightPress: fixture.press(Qt::RightButton, at); break;
    case Action::LeftRelease: fixture.release(Qt::LeftButton, at); break;
    case Action::RightRelease: fixture.release(Qt::RightButton, at); break;
    }

    QCOMPARE(int(fixture.session().buttonState), after);
    QCOMPARE(int(fixture.cell(3, 3)), code);
}

void TestFieldMouse::pressedLook_data()
{
    QTest::addColumn<QString>("mark");
    QTest::addColumn<bool>("looksPressed");
    QTest::newRow("covered safe cell") << "." << true;
    QTest::newRow("covered mine") << "*" << true;
    QTest::newRow("flag on a mine") << "F" << false;
    QTest::newRow("flag on a safe cell") << "f" << false;
    QTest::newRow("question mark on a mine") << "Q" << false;
    QTest::newRow("question mark on a safe cell") << "q" << false;
    QTest::newRow("uncovered cell") << "o" << false;
}

// The pressed look tells nothing about mines, and never covers a mark.
void TestFieldMouse::pressedLook()
{
    QFETCH(QString, mark);
    QFETCH(bool, looksPressed);
    WindowFixture fixture;
    QStringList field = quietField;
    field[4][4] = mark.at(0);
    fixture.plant(field);
    const QImage before = fixture.cellImage(5, 5);

    fixture.press(Qt::LeftButton, WindowFixture::cellCentre(5, 5));
    QCOMPARE(fixture.cellImage(5, 5), looksPressed ? tileImage(Tile::Empty) : before);
}

// Pressing and moving shows the pressed look on one cell at a time; the
// release uncovers the cell under it, not the one first pressed.
void TestFieldMouse::pressedLookFollowsMouse()
{
    WindowFixture fixture;
    fixture.plant(quietField);
    fixture.move(WindowFixture::cellCentre(2, 6));
    fixture.press(Qt::LeftButton, WindowFixture::cellCentre(2, 6));
    fixture.move(WindowFixture::cellCentre(2, 6) + QPoint(3, 2));
    QCOMPARE(fixture.cellImage(2, 6), tileImage(Tile::Empty));

    fixture.move(WindowFixture::cellCentre(3, 6));
    QCOMPARE(fixture.cellImage(2, 6), tileImage(Tile::Covered));
    QCOMPARE(fixture.cellImage(3, 6), tileImage(Tile::Empty));
    fixture.move(WindowFixture::cellCentre(7, 5));
    QCOMPARE(fixture.cellImage(3, 6), tileImage(Tile::Covered));
    QCOMPARE(fixture.cellImage(7, 5), tileImage(Tile::Empty));

    fixture.release(Qt::LeftButton, WindowFixture::cellCentre(7, 5));
    QCOMPARE(fixture.cell(7, 5), CellCode(Cell::Opened + 1));
    QCOMPARE(fixture.cell(2, 6), Cell::Covered);
    QCOMPARE(fixture.session().lastMousePosition.x, WindowFixture::cellCentre(7, 5).x());
}

void TestFieldMouse::releaseOutsideField_data()
{
    QTest::addColumn<QPoint>("releaseAt");
    // The field's image is 8 x 16 + 1 pixels wide and high; a pixel p lies in cell p / 16 + 1.
    QTest::newRow("strip beyond the last column") << QPoint(8 * 16 + 1, 20);
    QTest::newRow("strip below the last row") << QPoint(20, 8 * 16 + 2);
    QTest::newRow("on the left edge") << QPoint(-1, 20);
    QTest::newRow("just left of the canvas") << QPoint(-15, 20);
    QTest::newRow("one cell left of the canvas") << QPoint(-16, 20);
    QTest::newRow("far left") << QPoint(-300, 20);
    QTest::newRow("on the top edge") << QPoint(5, -1);
    QTest::newRow("above the canvas") << QPoint(5, -12);
    QTest::newRow("above and left") << QPoint(-3, -3);
}

// Pressed on (1, 2) and released outside: nothing opens, whichever side
// of the field the release lies on; in particular a position left of or
// above the canvas never counts as column or row 1.
void TestFieldMouse::releaseOutsideField()
{
    QFETCH(QPoint, releaseAt);
    WindowFixture fixture;
    fixture.plant(quietField);
    const QImage field = fixture.canvas()->image();
    const QPoint pressAt = WindowFixture::cellCentre(1, 2);

    fixture.move(pressAt);
    fixture.press(Qt::LeftButton, pressAt);
    fixture.move(releaseAt);
    fixture.release(Qt::LeftButton, releaseAt);

    QCOMPARE(fixture.session().openedCount, 1);
    QCOMPARE(fixture.cell(1, 2), Cell::Covered);
    QCOMPARE(fixture.canvas()->image(), field);
    QCOMPARE(fixture.session().buttonState, ButtonState(0));
    QCOMPARE(fixture.face()->picture(), Pictures::faceSmile());

    // The same for a right click: no flag appears on the field.
    fixture.click(Qt::RightButton, releaseAt);
    QCOMPARE(fixture.cell(1, 2), Cell::Covered);
    QCOMPARE(fixture.canvas()->image(), field);
    QCOMPARE(fixture.mineCounterText(), QStringLiteral("2"));
}

void TestFieldMouse::rightClickOutsideFieldOnlyStartsClock()
{
    WindowFixture fixture;
    fixture.plant(quietField);
    const QImage field = fixture.canvas()->image();
    fixture.click(Qt::RightButton, QPoint(-4, 30));
    QVERIFY(fixture.window().isClockRunning());
    QCOMPARE(fixture.clockText(), QString());
    QCOMPARE(fixture.canvas()->image(), field);
    QCOMPARE(fixture.mineCounterText(), QStringLiteral("2"));
}

// Surprised from a left press to the next release of either button; the
// right button alone never shows it.
void TestFieldMouse::faces()
{
    WindowFixture fixture;
    fixture.plant(quietField);
    const QPoint at = WindowFixture::cellCentre(6, 7);
    QCOMPARE(fixture.face()->picture(), Pictures::faceSmile());
    fixture.press(Qt::RightButton, at);
    QCOMPARE(fixture.face()->picture(), Pictures::faceSmile());
    fixture.release(Qt::RightButton, at);
    fixture.press(Qt::LeftButton, at);
    QCOMPARE(fixture.face()->picture(), Pictures::faceSurprised());
    fixture.press(Qt::RightButton, at);
    fixture.release(Qt::RightButton, at);
    QCOMPARE(fixture.face()->picture(), Pictures::faceSmile());
    fixture.release(Qt::LeftButton, at);
    QCOMPARE(fixture.face()->picture(), Pictures::faceSmile());
}

// Quick clicks arrive as double-clicks and are presses like any other.
void TestFieldMouse::doubleClickIsPress()
{
    WindowFixture fixture;
    fixture.plant(quietField);
    const QPoint at = WindowFixture::cellCentre(8, 3);
    fixture.click(Qt::RightButton, at);
    fixture.doubleClick(Qt::RightButton, at);
    fixture.release(Qt::RightButton, at);
    QCOMPARE(fixture.cell(8, 3), Cell::Covered);

    fixture.doubleClick(Qt::LeftButton, at);
    QCOMPARE(fixture.cellImage(8, 3), tileImage(Tile::Empty));
    fixture.release(Qt::LeftButton, at);
    QCOMPARE(fixture.cell(8, 3), CellCode(Cell::Opened + 1));
}

void TestFieldMouse::chord_data()
{
    QTest::addColumn<bool>("leftFirst");
    QTest::addColumn<bool>("leftReleasedFirst");
    QTest::newRow("left first, left up first") << true << true;
    QTest::newRow("left first, right up first") << true << false;
    QTest::newRow("right first, left up first") << false << true;
    QTest::newRow("right first, right up first") << false << false;
}

// Both buttons on a 1 whose mine is flagged uncover the rest of its block,
// whichever button goes first; neither release opens or flags a single cell.
void TestFieldMouse::chord()
{
    QFETCH(bool, leftFirst);
    QFETCH(bool, leftReleasedFirst);
    WindowFixture fixture;
    fixture.plant({
        "o.......",
        ".F......",
        "..o.....",
        "........",
        "........",
        "........",
        "........",
        ".......*",
    });
    fixture.window().startClock();
    const QPoint at = WindowFixture::cellCentre(3, 3);
    const Qt::MouseButton first = leftFirst ? Qt::LeftButton : Qt::RightButton;
    const Qt::MouseButton second = leftFirst ? Qt::RightButton : Qt::LeftButton;

    fixture.press(first, at);
    fixture.press(second, at);
    QCOMPARE(fixture.session().buttonState, ButtonState(3));
    QCOMPARE(fixture.cell(2, 3), Cell::PressedSafe);
    QCOMPARE(fixture.cellImage(2, 3), tileImage(Tile::Empty));
    QCOMPARE(fixture.cell(2, 2), Cell::FlaggedMine);

    fixture.release(leftReleasedFirst ? Qt::LeftButton : Qt::RightButton, at);
    QCOMPARE(fixture.session().buttonState, ButtonState(10));
    QCOMPARE(fixture.cell(2, 3), Cell::Opened + 1);
    QCOMPARE(fixture.cell(4, 4), Cell::Opened);
    QCOMPARE(fixture.cell(2, 2), Cell::FlaggedMine);

    const qint16 opened = fixture.session().openedCount;
    fixture.release(leftReleasedFirst ? Qt::RightButton : Qt::LeftButton, WindowFixture::cellCentre(6, 6));
    QCOMPARE(fixture.session().buttonState, ButtonState(10));
    QCOMPARE(fixture.session().openedCount, opened);
    QCOMPARE(fixture.mineCounterText(), QStringLiteral("1"));
}

void TestFieldMouse::chordBlockFollowsMouse()
{
    WindowFixture fixture;
    fixture.plant(quietField);
    fixture.move(WindowFixture::cellCentre(3, 3));
    fixture.press(Qt::LeftButton, WindowFixture::cellCentre(3, 3));
    fixture.press(Qt::RightButton, WindowFixture::cellCentre(3, 3));
    QCOMPARE(fixture.cell(4, 4), Cell::PressedSafe);

    fixture.move(WindowFixture::cellCentre(6, 6));
    QCOMPARE(fixture.cell(3, 3), Cell::Covered);
    QCOMPARE(fixture.cellImage(3, 3), tileImage(Tile::Covered));
    QCOMPARE(fixture.cell(4, 4), Cell::Covered);
    QCOMPARE(fixture.cell(5, 5), Cell::PressedSafe);
    QCOMPARE(fixture.cell(7, 5), Cell::PressedSafe);
    QCOMPARE(fixture.cell(7, 4), Cell::Mine);  // outside the new block
    QCOMPARE(fixture.cellImage(7, 7), tileImage(Tile::Empty));

    fixture.release(Qt::LeftButton, WindowFixture::cellCentre(6, 6));
    fixture.release(Qt::RightButton, WindowFixture::cellCentre(6, 6));
    QCOMPARE(fixture.cell(6, 6), Cell::Covered);
    QCOMPARE(fixture.cellImage(6, 6), tileImage(Tile::Covered));
}

// The pointer rests on the field when it appears, so the press comes with no
// move before it: moving on must still take the pressed look back.
void TestFieldMouse::pressWithoutMoveIsTakenBack_data()
{
    QTest::addColumn<bool>("chord");
    QTest::newRow("left button") << false;
    QTest::newRow("both buttons") << true;
}

void TestFieldMouse::pressWithoutMoveIsTakenBack()
{
    QFETCH(bool, chord);
    WindowFixture fixture;
    fixture.plant(quietField);
    fixture.press(Qt::LeftButton, WindowFixture::cellCentre(3, 3));
    if (chord)
        fixture.press(Qt::RightButton, WindowFixture::cellCentre(3, 3));

    fixture.move(WindowFixture::cellCentre(6, 6));
    for (int column = 2; column <= 4; ++column) {
        for (int row = 2; row <= 4; ++row) {
            QCOMPARE(fixture.cell(column, row), Cell::Covered);
            QCOMPARE(fixture.cellImage(column, row), tileImage(Tile::Covered));
        }
    }
}

void TestFieldMouse::endedGameTakesNoClicks()
{
    WindowFixture fixture;
    fixture.plant(quietField);
    fixture.click(Qt::LeftButton, WindowFixture::cellCentre(7, 4));
    QCOMPARE(fixture.messages().size(), 1);
    QVERIFY(!fixture.window().isClockRunning());
    const QString clock = fixture.clockText();
    const QImage field = fixture.canvas()->image();

    fixture.press(Qt::LeftButton, WindowFixture::cellCentre(2, 2));
    QCOMPARE(fixture.face()->picture(), Pictures::faceSmile());
    QVERIFY(!fixture.window().isClockRunning());
    fixture.release(Qt::LeftButton, WindowFixture::cellCentre(2, 2));
    fixture.click(Qt::RightButton, WindowFixture::cellCentre(2, 2));
    QCOMPARE(fixture.clockText(), clock);
    QCOMPARE(fixture.canvas()->image(), field);
    QCOMPARE(fixture.cell(2, 2), Cell::Covered);
}

QTEST_MAIN(TestFieldMouse)
#include "tst_fieldmouse.moc"
