// New games and the fixed levels.
#include "fieldfixture.h"
#include "game.h"
#include "recordingview.h"

#include <QTest>

class NewGameTest : public QObject {
    Q_OBJECT

private slots:
    void sessionBeforeTheFirstGame();
    void selectLevel_data();
    void selectLevel();
    void unknownLevelsAreIgnored_data();
    void unknownLevelsAreIgnored();
    void newGameInTheMiddleOfAGame();
    void newGameAfterTheEnd();
};

void NewGameTest::sessionBeforeTheFirstGame()
{
    RecordingView view;
    Game game(view);
    const GameSession& session = game.session();
    QCOMPARE(session.board.columns(), 1);
    QCOMPARE(session.board.rows(), 1);
    QCOMPARE(int(session.board.at(1, 1)), 0);
    QCOMPARE(int(session.level), 0);
    QCOMPARE(int(session.columns), 0);
    QCOMPARE(int(session.mines), 0);
    QCOMPARE(int(session.openedCount), 0);
    QCOMPARE(session.lastMousePosition.x, 0);
    QCOMPARE(session.lastMousePosition.y, 0);
    // With no field yet, input finds no cell.
    game.openCell(1, 1);
    game.cycleFlag(1, 1);
    game.chordBlock(8, 8, BlockMode::Press);
    QCOMPARE(callLog(view), QStringList());
}

void NewGameTest::selectLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("counter");

    QTest::newRow("beginner") << 1 << 8 << 8 << "10";
    QTest::newRow("intermediate") << 2 << 16 << 16 << "40";
    QTest::newRow("expert") << 3 << 30 << 16 << "99";
}

void NewGameTest::selectLevel()
{
    QFETCH(int, level);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QString, counter);

    RecordingView view;
    Game game(view);
    view.attach(&game);
    // The level already in force starts a new game as well.
    for (int round = 0; round < 2; ++round) {
        view.clearLog();
        game.selectLevel(Level(level));
        QCOMPARE(callLog(view),
            (QStringList{QStringLiteral("levelChecks %1").arg(level), "layoutForField", "clock ", "stopClock",
                "boardEnabled 1", "clearBoard", "counter " + counter}));
        const GameSession& session = game.session();
        QCOMPARE(int(session.level), level);
        QCOMPARE(session.board.columns(), columns);
        QCOMPARE(session.board.rows(), rows);
        QCOMPARE(int(session.columns), columns);
        QCOMPARE(int(session.rows), rows);
        QCOMPARE(int(session.mines), counter.toInt());
        QCOMPARE(countCells(game, Cell::Covered), columns * rows);
        game.openCell(1, 1);
    }
}

void NewGameTest::unknownLevelsAreIgnored_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("none") << 0;
    QTest::newRow("custom") << 10;
    QTest::newRow("four") << 4;
    QTest::newRow("negative") << -1;
}

void NewGameTest::unknownLevelsAreIgnored()
{
    QFETCH(int, level);
    RecordingView view;
    Game game(view);
    view.attach(&game);
    game.selectLevel(Levels::Beginner);
    game.openCell(4, 4);
    const QStringList board = boardText(game);
    view.clearLog();
    game.selectLevel(Level(level));
    QCOMPARE(callLog(view), QStringList());
    QCOMPARE(boardText(game), board);
    QCOMPARE(int(game.session().level), 1);
}

void NewGameTest::newGameInTheMiddleOfAGame()
{
    RecordingView view;
    Game game(view);
    view.attach(&game);
    game.selectLevel(Levels::Beginner);
    game.openCell(4, 4);
    const QStringList firstBoard = boardText(game);
    game.cycleFlag(1, 1);
    game.chordBlock(7 * 16 + 8, 7 * 16 + 8, BlockMode::Press);
    GameSession& session = game.session();
    session.buttonState = 3;
    session.lastMousePosition = {100, 30};
    view.clock = "25";
    view.clockRunning = true;

    game.startNewGame();
    QCOMPARE(view.clock, std::string());
    QVERIFY(!view.clockRunning);
    QCOMPARE(view.counterText, std::string("10"));
    QCOMPARE(countCells(game, Cell::Covered), 64);
    QCOMPARE(pictureText(game, view), QStringList(8, QStringLiteral("########")));
    QCOMPARE(int(session.openedCount), 0);
    QCOMPARE(int(session.correctFlags), 0);
    QCOMPARE(int(session.buttonState), 0);
    QCOMPARE(session.lastMousePosition.x, 100); // the mouse's, not the game's
    QVERIFY(view.messages.empty());

    // The next uncovering places a fresh set.
    game.openCell(4, 4);
    QCOMPARE(countMineCells(game), 10);
    QVERIFY(boardText(game) != firstBoard);
}

void NewGameTest::newGameAfterTheEnd()
{
    RecordingView view;
    Game game(view);
    layOutField(game, view, {"*..", ".o.", "..."}, Levels::Beginner);
    game.openCell(1, 1);
    QVERIFY(!view.boardEnabled);
    game.session().columns = 8;
    game.session().rows = 8;
    game.session().mines = 10;
    game.startNewGame();
    QVERIFY(view.boardEnabled);
    QCOMPARE(countCells(game, Cell::Covered), 64);
    QCOMPARE(view.counterText, std::string("10"));
}

QTEST_GUILESS_MAIN(NewGameTest)
#include "tst_newgame.moc"
