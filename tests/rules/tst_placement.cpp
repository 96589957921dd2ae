// Mine placement at the first uncovering, and the neighbour count.
#include "fieldfixture.h"
#include "fieldsize.h"
#include "game.h"
#include "numbertext.h"
#include "recordingview.h"

#include <QTest>

class PlacementTest : public QObject {
    Q_OBJECT

private slots:
    void firstCellLineStaysFree_data();
    void firstCellLineStaysFree();
    void placementDrawsNothing();
    void neighbourCount_data();
    void neighbourCount();
    void marksBeforeFirstUncovering_data();
    void marksBeforeFirstUncovering();
    void fieldsAtAndBeyondCapacity_data();
    void fieldsAtAndBeyondCapacity();
};

namespace {

void startCustomGame(Game& game, RecordingView& view, int columns, int rows, int mines)
{
    view.attach(&game);
    GameSession& session = game.session();
    session.level = Levels::Custom;
    session.columns = std::int16_t(columns);
    session.rows = std::int16_t(rows);
    session.mines = std::int16_t(mines);
    view.layoutForField();
}

} // namespace

void PlacementTest::firstCellLineStaysFree_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    QTest::newRow("beginner, top-left corner") << 1 << 1 << 1;
    QTest::newRow("beginner, bottom-right corner") << 1 << 8 << 8;
    QTest::newRow("beginner, inner") << 1 << 4 << 5;
    QTest::newRow("intermediate, left edge") << 2 << 1 << 9;
    QTest::newRow("intermediate, inner") << 2 << 8 << 8;
    QTest::newRow("expert, top edge") << 3 << 17 << 1;
    QTest::newRow("expert, bottom-left corner") << 3 << 1 << 16;
    QTest::newRow("expert, right edge") << 3 << 30 << 7;
}

void PlacementTest::firstCellLineStaysFree()
{
    QFETCH(int, level);
    QFETCH(int, column);
    QFETCH(int, row);

    RecordingView view;
    Game game(view);
    view.attach(&game);
    game.selectLevel(Level(level));
    const GameSession& session = game.session();
    // Many games in a row: the sequence runs on and each game gets other mines.
    for (int round = 0; round < 40; ++round) {
        game.startNewGame();
        game.openCell(column, row);
        const CellCode first = session.board.at(column, row);
        // Only the four diagonal neighbours can hold mines.
        QVERIFY2(first >= Cell::Opened && first <= Cell::Opened + 4, qPrintable(QString::number(first)));
        for (int c = 1; c <= session.columns; ++c)
            QVERIFY(!Cell::isMine(session.board.at(c, row)));
        for (int r = 1; r <= session.rows; ++r)
            QVERIFY(!Cell::isMine(session.board.at(column, r)));
        QCOMPARE(countCells(game, Cell::Mine), int(session.mines));
        QCOMPARE(countMineCells(game), int(session.mines));
        QCOMPARE(int(session.correctFlags), 0);
        QVERIFY(view.messages.empty() || session.openedCount == session.safeCells());
    }
}

void PlacementTest::placementDrawsNothing()
{
    RecordingView view;
    Game game(view);
    view.attach(&game);
    game.selectLevel(Levels::Intermediate);
    view.clearLog();
    game.placeMines(3, 4);
    QCOMPARE(callLog(view), QStringList());
    QCOMPARE(countCells(game, Cell::Mine), 40);
    QCOMPARE(int(game.session().openedCount), 0);
    QCOMPARE(int(game.session().correctFlags), 0);
}

void PlacementTest::neighbourCount_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");

    QTest::newRow("corner, three mines") << QStringList{".*.", "**.", "..."} << 1 << 1 << 3;
    QTest::newRow("bottom-right corner, three mines") << QStringList{"...", ".**", ".*."} << 3 << 3 << 3;
    QTest::newRow("edge, five mines") << QStringList{"*.*", "***", "..."} << 2 << 1 << 5;
    QTest::newRow("right edge, five mines") << QStringList{"..**", "..*.", "..**"} << 4 << 2 << 5;
    QTest::newRow("inner, eight mines") << QStringList{"***", "*.*", "***"} << 2 << 2 << 8;
    QTest::newRow("inner, none") << QStringList{"*...*", ".....", "*...*"} << 3 << 2 << 0;
    QTest::newRow("flag, question mark and press on mines count") << QStringList{"F.Q", "P..", "..."} << 2 << 2
                                                                  << 3;
    QTest::newRow("safe marks, presses and the exploded mine do not")
        << QStringList{"f.q", "p.X", "o.."} << 2 << 2 << 0;
    QTest::newRow("each mine code once") << QStringList{"*F.", "Q.P", "fqX"} << 2 << 2 << 4;
}

void PlacementTest::neighbourCount()
{
    QFETCH(QStringList, layout);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, count);

    RecordingView view;
    Game game(view);
    layOutField(game, view, layout);
    const int opened = game.session().openedCount;
    QCOMPARE(game.uncoverCell(column, row), count);
    QCOMPARE(int(game.session().board.at(column, row)), Cell::Opened + count);
    QCOMPARE(int(game.session().openedCount), opened + 1);
    QCOMPARE(callLog(view), QStringList()); // the callers draw
}

void PlacementTest::marksBeforeFirstUncovering_data()
{
    QTest::addColumn<QString>("pattern"); // which cells get marked
    QTest::addColumn<bool>("questionMarks");

    QTest::newRow("every cell flagged") << "all" << false;
    QTest::newRow("every cell question-marked") << "all" << true;
    QTest::newRow("every other cell flagged") << "every other" << false;
    QTest::newRow("every other cell question-marked") << "every other" << true;
    QTest::newRow("first cell's row and column flagged") << "line" << false;
}

void PlacementTest::marksBeforeFirstUncovering()
{
    QFETCH(QString, pattern);
    QFETCH(bool, questionMarks);

    // The same field twice from the same sequence, once with marks and once without.
    RecordingView markedView;
    RecordingView plainView;
    Game marked(markedView);
    Game plain(plainView);
    markedView.attach(&marked);
    plainView.attach(&plain);
    marked.selectLevel(Levels::Intermediate);
    plain.selectLevel(Levels::Intermediate);

    const int firstColumn = 6;
    const int firstRow = 9;
    markedView.marksEnabled = true;
    int flags = 0;
    for (int r = 1; r <= 16; ++r) {
        for (int c = 1; c <= 16; ++c) {
            if (c == firstColumn && r == firstRow)
                continue;
            const bool wanted = pattern == QLatin1String("all") || (pattern == QLatin1String("every other") && (c + r) % 2)
                || (pattern == QLatin1String("line") && (c == firstColumn || r == firstRow));
            if (!wanted)
                continue;
            marked.cycleFlag(c, r);
            if (questionMarks)
                marked.cycleFlag(c, r);
            else
                ++flags;
        }
    }
    const QStringList picturesBefore = pictureText(marked, markedView);
    markedView.clearLog();

    marked.openCell(firstColumn, firstRow);
    plain.openCell(firstColumn, firstRow);

    const GameSession& session = marked.session();
    int flaggedMines = 0;
    int markedMines = 0;
    for (int r = 1; r <= 16; ++r) {
        for (int c = 1; c <= 16; ++c) {
            const CellCode code = session.board.at(c, r);
            const bool mine = Cell::isMine(plain.session().board.at(c, r));
            QCOMPARE(Cell::isMine(code), mine);
            if (mine) {
                QVERIFY(code == Cell::Mine || code == Cell::FlaggedMine || code == Cell::MarkedMine);
                flaggedMines += code == Cell::FlaggedMine;
                markedMines += code == Cell::MarkedMine;
            }
            if (code == Cell::FlaggedMine || code == Cell::FlaggedSafe)
                QCOMPARE(picturesBefore.at(r - 1).at(c - 1), QLatin1Char('F'));
            if (code == Cell::MarkedMine || code == Cell::MarkedSafe)
                QCOMPARE(picturesBefore.at(r - 1).at(c - 1), QLatin1Char('?'));
        }
    }
    if (pattern == QLatin1String("line"))
        QCOMPARE(flaggedMines, 0);
    else
        QVERIFY(questionMarks ? markedMines > 0 : flaggedMines > 0);
    QCOMPARE(int(session.correctFlags), flaggedMines);
    QCOMPARE(countMineCells(marked), 40);
    // The marks keep their pictures and the counter its flags.
    QCOMPARE(QString::fromStdString(markedView.counterText), QString::number(40 - flags));
    for (const RecordingView::Call& call : markedView.calls()) {
        if (call.kind == RecordingView::Kind::DrawTile)
            QCOMPARE(picturesBefore.at(call.row - 1).at(call.column - 1), QLatin1Char('#'));
    }
}

void PlacementTest::fieldsAtAndBeyondCapacity_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("mines");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("placed");

    QTest::newRow("8 x 8 at capacity, corner") << 8 << 8 << 49 << 1 << 1 << 49;
    QTest::newRow("8 x 8 at capacity, inner") << 8 << 8 << 49 << 4 << 5 << 49;
    QTest::newRow("30 x 16 at capacity") << 30 << 16 << 435 << 30 << 16 << 435;
    QTest::newRow("30 x 16 one below capacity") << 30 << 16 << 434 << 12 << 3 << 434;
    QTest::newRow("8 x 8 one beyond capacity") << 8 << 8 << 50 << 2 << 2 << 49;
    QTest::newRow("8 x 8 with a mine in every cell") << 8 << 8 << 64 << 8 << 1 << 49;
    QTest::newRow("30 x 16 with 480 mines") << 30 << 16 << 480 << 15 << 8 << 435;
    QTest::newRow("largest 16-bit count") << 16 << 16 << 32767 << 1 << 16 << 225;
    QTest::newRow("2 x 2") << 2 << 2 << 1 << 1 << 1 << 1;
    QTest::newRow("one column has no room") << 1 << 8 << 3 << 1 << 4 << 0;
    QTest::newRow("no mines") << 8 << 8 << 0 << 4 << 4 << 0;
    QTest::newRow("negative mines") << 8 << 8 << -5 << 4 << 4 << 0;
}

void PlacementTest::fieldsAtAndBeyondCapacity()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, mines);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, placed);

    RecordingView view;
    Game game(view);
    startCustomGame(game, view, columns, rows, mines);
    const GameSession& session = game.session();
    // The game never promises more mines than it can place.
    QCOMPARE(int(session.mines), placed);
    QCOMPARE(QString::fromStdString(view.counterText), QString::number(placed));

    game.openCell(column, row);
    QCOMPARE(countMineCells(game), placed);
    QVERIFY(!Cell::isMine(session.board.at(column, row)));
    for (int c = 1; c <= columns; ++c)
        QVERIFY(!Cell::isMine(session.board.at(c, row)));
    for (int r = 1; r <= rows; ++r)
        QVERIFY(!Cell::isMine(session.board.at(column, r)));
    if (placed == FieldLimits::mineCapacity(columns, rows)) {
        // Full: every cell off the first cell's column and row holds a mine.
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= columns; ++c)
                QCOMPARE(Cell::isMine(session.board.at(c, r)), c != column && r != row);
        }
    }
}

QTEST_GUILESS_MAIN(PlacementTest)
#include "tst_placement.moc"
