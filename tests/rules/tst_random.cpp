// The game's pseudo-random sequence and the placement it drives.
#include "fieldfixture.h"
#include "game.h"
#include "randomsequence.h"
#include "recordingview.h"

#include <QTest>

class RandomTest : public QObject {
    Q_OBJECT

private slots:
    void rawValuesFromFirstState_data();
    void rawValuesFromFirstState();
    void placementFollowsTheDraws_data();
    void placementFollowsTheDraws();
    void firstPlacementIsTheSameInEveryRun();
    void newGameContinuesTheSequence();
};

void RandomTest::rawValuesFromFirstState_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");
    // The generator's published first values.
    const int values[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int i = 0; i < 10; ++i)
        QTest::addRow("value %d", i + 1) << i << values[i];
}

void RandomTest::rawValuesFromFirstState()
{
    QFETCH(int, index);
    QFETCH(int, value);
    RandomSequence sequence;
    for (int i = 0; i < index; ++i)
        sequence.next();
    QCOMPARE(sequence.next(), value);
}

void RandomTest::placementFollowsTheDraws_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("mines");
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<QStringList>("mineCells");

    // Draws in pairs, column first: (41 % 8 + 1, 18467 % 8 + 1) = (2, 4),
    // then (7, 5), (2, 5), (7, 7), (2, 2), ...
    QTest::newRow("two mines, nothing rejected") << 8 << 8 << 2 << 1 << 1 << QStringList{"2,4", "7,5"};
    QTest::newRow("first cell's column and row rejected")
        << 8 << 8 << 2 << 2 << 1 << QStringList{"7,5", "7,7"};
    QTest::newRow("level 1 from the top-left corner") << 8 << 8 << 10 << 1 << 1
        << QStringList{"2,4", "7,5", "2,5", "7,7", "2,2", "4,7", "4,5", "8,5", "7,2", "5,7"};
    QTest::newRow("wide field") << 30 << 16 << 3 << 15 << 8 << QStringList{"12,4", "5,5", "30,13"};
}

void RandomTest::placementFollowsTheDraws()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, mines);
    QFETCH(int, firstColumn);
    QFETCH(int, firstRow);
    QFETCH(QStringList, mineCells);

    RecordingView view;
    Game game(view);
    view.attach(&game);
    game.session().level = Levels::Custom;
    game.session().columns = std::int16_t(columns);
    game.session().rows = std::int16_t(rows);
    game.session().mines = std::int16_t(mines);
    view.layoutForField();
    game.openCell(firstColumn, firstRow);

    QStringList placed;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            if (Cell::isMine(game.session().board.at(c, r)))
                placed << QStringLiteral("%1,%2").arg(c).arg(r);
        }
    }
    mineCells.sort();
    placed.sort();
    QCOMPARE(placed, mineCells);
}

void RandomTest::firstPlacementIsTheSameInEveryRun()
{
    RecordingView firstView;
    RecordingView secondView;
    Game first(firstView);
    Game second(secondView);
    firstView.attach(&first);
    secondView.attach(&second);
    first.selectLevel(Levels::Expert);
    second.selectLevel(Levels::Expert);
    first.openCell(11, 7);
    second.openCell(11, 7);
    QCOMPARE(boardText(first), boardText(second));
    QCOMPARE(countMineCells(first), 99);
}

void RandomTest::newGameContinuesTheSequence()
{
    // One sequence for the whole run: a second game draws on from where the
    // first stopped, so its mines lie elsewhere, and a second run repeats both.
    QStringList boards[2][2];
    for (auto& run : boards) {
        RecordingView view;
        Game game(view);
        view.attach(&game);
        game.selectLevel(Levels::Intermediate);
        game.openCell(1, 1);
        run[0] = boardText(game);
        game.startNewGame();
        game.openCell(1, 1);
        run[1] = boardText(game);
    }
    QVERIFY(boards[0][0] != boards[0][1]);
    QCOMPARE(boards[1][0], boards[0][0]);
    QCOMPARE(boards[1][1], boards[0][1]);
}

QTEST_GUILESS_MAIN(RandomTest)
#include "tst_random.moc"
