// chordBlock decides Open itself: whatever mode a caller passes, pressed
// cells are uncovered only when the flags around the number match it.
#include "game.h"
#include "quietview.h"

#include <QTest>

class TestChordCallerModes : public QObject {
    Q_OBJECT

private slots:
    void openAskedBeforeTheMines();
    void modeOnPressedBlock_data();
    void modeOnPressedBlock();
};

namespace {

// Pixel inside cell (column, row).
int px(int cell) { return (cell - 1) * 16 + 8; }

} // namespace

void TestChordCallerModes::openAskedBeforeTheMines()
{
    QuietView view;
    Game game(view);
    view.attach(&game);
    game.selectLevel(Levels::Beginner);

    game.chordBlock(px(4), px(4), BlockMode::Press);
    game.chordBlock(px(4), px(4), BlockMode::Open);

    const GameSession& session = game.session();
    QCOMPARE(session.openedCount, 0);
    for (int r = 1; r <= session.rows; ++r) {
        for (int c = 1; c <= session.columns; ++c)
            QCOMPARE(session.board.at(c, r), Cell::Covered);
    }
}

void TestChordCallerModes::modeOnPressedBlock_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("flagged");
    QTest::addColumn<int>("opened");

    // A 4 x 3 field, mines at (3, 3) and (4, 1), the centre (2, 2) showing 1.
    QTest::newRow("release, mine flagged") << int(BlockMode::Release) << true << 8;
    QTest::newRow("open, mine flagged") << int(BlockMode::Open) << true << 8;
    QTest::newRow("cancel, mine flagged") << int(BlockMode::Cancel) << true << 1;
    QTest::newRow("release, no flag") << int(BlockMode::Release) << false << 1;
    QTest::newRow("open, no flag") << int(BlockMode::Open) << false << 1;
    QTest::newRow("unknown mode, no flag") << 9 << false << 1;
}

void TestChordCallerModes::modeOnPressedBlock()
{
    QFETCH(int, mode);
    QFETCH(bool, flagged);
    QFETCH(int, opened);

    QuietView view;
    Game game(view);
    view.attach(&game);
    GameSession& session = game.session();
    session.columns = 4;
    session.rows = 3;
    session.mines = 2;
    session.level = Levels::Custom;
    game.startNewGame();
    session.board.set(4, 1, Cell::Mine);
    session.board.set(3, 3, flagged ? Cell::FlaggedMine : Cell::Mine);
    session.correctFlags = flagged ? 1 : 0;
    game.uncoverCell(2, 2);
    QCOMPARE(session.board.at(2, 2), CellCode(11));

    game.chordBlock(px(2), px(2), BlockMode::Press);
    game.chordBlock(px(2), px(2), BlockMode(mode));

    QCOMPARE(int(session.openedCount), opened);
    QVERIFY(view.isBoardEnabled());
    QCOMPARE(session.board.at(3, 3), flagged ? Cell::FlaggedMine : Cell::Mine);
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c) {
            const CellCode code = session.board.at(c, r);
            QVERIFY2(code != Cell::PressedMine && code != Cell::PressedSafe, "a cell was left pressed");
        }
    }
}

QTEST_GUILESS_MAIN(TestChordCallerModes)
#include "tst_chordcallermodes.moc"
