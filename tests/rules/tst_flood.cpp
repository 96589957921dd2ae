// Flood fill: depth-first in ring order, round marks, one win test after it.
#include "fieldfixture.h"
#include "game.h"
#include "recordingview.h"

#include <QTest>

#include <random>
#include <set>
#include <utility>
#include <vector>

class FloodTest : public QObject {
    Q_OBJECT

private slots:
    void depthFirstInRingOrder_data();
    void depthFirstInRingOrder();
    void winTestRunsOnceAfterTheFlood();
    void floodAcrossAlmostTheWholeField_data();
    void floodAcrossAlmostTheWholeField();
    void floodUncoversTheRegionAndItsBorder();
    void floodOpenIgnoresCellsItMustNotTouch_data();
    void floodOpenIgnoresCellsItMustNotTouch();
};

void FloodTest::depthFirstInRingOrder_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("draws");
    QTest::addColumn<QStringList>("board");

    // Each cell's ring is finished depth-first before the next ring cell:
    // from (2,2) the flood goes west, then round the top to the east side,
    // and only then down to (2,3).
    QTest::newRow("open field")
        << QStringList{"o...", "....", "...*"} << 2 << 2
        << QStringList{"drawTile 2,2 0", "drawTile 1,2 0", "drawTile 2,1 0", "drawTile 3,1 0", "drawTile 4,1 0",
               "drawTile 4,2 1", "drawTile 3,2 1", "drawTile 2,3 0", "drawTile 1,3 0", "drawTile 3,3 1",
               "drawTile 4,3 10"}
        << QStringList{"0000", "0011", "001*"};
    // A flag and a question mark stay; the cells behind them are reached round them.
    QTest::newRow("round a flag and a question mark")
        << QStringList{"of...", ".q...", "....*"} << 1 << 3
        << QStringList{"drawTile 1,3 0", "drawTile 1,2 0", "drawTile 2,3 0", "drawTile 3,2 0", "drawTile 3,1 0",
               "drawTile 4,1 0", "drawTile 5,1 0", "drawTile 5,2 1", "drawTile 4,2 1", "drawTile 4,3 1",
               "drawTile 3,3 0"}
        << QStringList{"0f000", "0q011", "0001*"};
    QTest::newRow("pressed cells and numbers stop it")
        << QStringList{"o.p..", "..*..", "....."} << 1 << 3
        << QStringList{"drawTile 1,3 0", "drawTile 1,2 0", "drawTile 2,1 1", "drawTile 2,2 1", "drawTile 2,3 1"}
        << QStringList{"01p..", "01*..", "01..."};
}

void FloodTest::depthFirstInRingOrder()
{
    QFETCH(QStringList, layout);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QStringList, draws);
    QFETCH(QStringList, board);

    RecordingView view;
    Game game(view);
    layOutField(game, view, layout);
    game.openCell(column, row);
    QCOMPARE(drawLog(view), draws);
    QCOMPARE(boardText(game), board);
}

void FloodTest::winTestRunsOnceAfterTheFlood()
{
    RecordingView view;
    Game game(view);
    layOutField(game, view, {"o...", "....", "...*"});
    game.openCell(2, 2);

    QCOMPARE(view.messages.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(view.messages.front().title), QStringLiteral("祝贺"));
    // The whole flood is drawn before the win starts its walk.
    const QStringList calls = callLog(view);
    const int lastFloodDraw = calls.indexOf(QStringLiteral("drawTile 3,3 1"));
    const int winStart = calls.indexOf(QStringLiteral("suspend"));
    QVERIFY(lastFloodDraw >= 0);
    QVERIFY(winStart > lastFloodDraw);
    QCOMPARE(calls.count(QStringLiteral("suspend")), 1);
    QCOMPARE(int(game.session().openedCount), game.session().safeCells());
}

void FloodTest::floodAcrossAlmostTheWholeField_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    QTest::newRow("from the top-left corner") << 1 << 1;
    QTest::newRow("from the bottom-right corner") << 30 << 16;
    QTest::newRow("from the middle") << 15 << 8;
}

void FloodTest::floodAcrossAlmostTheWholeField()
{
    QFETCH(int, column);
    QFETCH(int, row);

    // One mine on 30 x 16: the first click floods all 479 safe cells, along
    // a chain that runs through nearly all of them.
    RecordingView view;
    Game game(view);
    view.attach(&game);
    game.session().level = Levels::Custom;
    game.session().columns = 30;
    game.session().rows = 16;
    game.session().mines = 1;
    view.layoutForField();
    game.openCell(column, row);

    const GameSession& session = game.session();
    QCOMPARE(int(session.openedCount), 479);
    QCOMPARE(view.messages.size(), std::size_t(1));
    std::set<std::pair<int, int>> drawn;
    int floodDraws = 0;
    for (const RecordingView::Call& call : view.calls()) {
        if (call.kind == RecordingView::Kind::SuspendRedraw)
            break; // the win's walk starts
        if (call.kind == RecordingView::Kind::DrawTile) {
            ++floodDraws;
            drawn.insert({call.column, call.row});
        }
    }
    QCOMPARE(floodDraws, 479);
    QCOMPARE(int(drawn.size()), 479);
}

void FloodTest::floodUncoversTheRegionAndItsBorder()
{
    // Against a plain breadth-first search on random fields with random marks:
    // the flood uncovers the connected cells without mines around them that
    // carry no mark, plus every cell bordering them, each drawn once.
    std::mt19937 random(20260101);
    int floods = 0;
    for (int trial = 0; trial < 300; ++trial) {
        RecordingView view;
        Game game(view);
        view.attach(&game);
        GameSession& session = game.session();
        session.level = Levels::Custom;
        session.columns = std::int16_t(std::uniform_int_distribution(8, 30)(random));
        session.rows = std::int16_t(std::uniform_int_distribution(8, 16)(random));
        session.mines = std::int16_t(std::uniform_int_distribution(1, session.columns * session.rows / 8)(random));
        view.layoutForField();
        for (int i = 0; i < trial; ++i) // the game's own sequence moves on
            game.random().next();

        // The first uncovering places the mines; then some cells get marks.
        game.openCell(std::uniform_int_distribution(1, int(session.columns))(random),
            std::uniform_int_distribution(1, int(session.rows))(random));
        std::bernoulli_distribution marked(0.1);
        for (int r = 1; r <= session.rows; ++r) {
            for (int c = 1; c <= session.columns; ++c) {
                if (marked(random))
                    game.cycleFlag(c, r);
            }
        }

        auto countAround = [&](int c, int r) {
            int count = 0;
            for (const CellOffset& offset : neighbourRing) {
                const int nc = c + offset.column;
                const int nr = r + offset.row;
                count += session.inField(nc, nr) && Cell::countsAsMine(session.board.at(nc, nr));
            }
            return count;
        };
        std::vector<std::pair<int, int>> starts;
        for (int r = 1; r <= session.rows; ++r) {
            for (int c = 1; c <= session.columns; ++c) {
                if (session.board.at(c, r) == Cell::Covered && countAround(c, r) == 0)
                    starts.push_back({c, r});
            }
        }
        if (starts.empty())
            continue;
        const auto [startColumn, startRow] = starts[std::uniform_int_distribution<std::size_t>(0, starts.size() - 1)(random)];

        std::set<std::pair<int, int>> expected{{startColumn, startRow}};
        std::vector<std::pair<int, int>> queue{{startColumn, startRow}};
        for (std::size_t next = 0; next < queue.size(); ++next) {
            const auto [c, r] = queue[next];
            if (countAround(c, r) != 0)
                continue;
            for (const CellOffset& offset : neighbourRing) {
                const int nc = c + offset.column;
                const int nr = r + offset.row;
                if (session.inField(nc, nr) && session.board.at(nc, nr) == Cell::Covered
                    && expected.insert({nc, nr}).second)
                    queue.push_back({nc, nr});
            }
        }

        ++floods;
        const int openedBefore = session.openedCount;
        view.clearLog();
        game.openCell(startColumn, startRow);

        std::set<std::pair<int, int>> drawn;
        int draws = 0;
        for (const RecordingView::Call& call : view.calls()) {
            if (call.kind == RecordingView::Kind::SuspendRedraw)
                break;
            if (call.kind == RecordingView::Kind::DrawTile) {
                ++draws;
                drawn.insert({call.column, call.row});
                QCOMPARE(call.value, countAround(call.column, call.row));
                QCOMPARE(int(session.board.at(call.column, call.row)), Cell::Opened + call.value);
            }
        }
        QCOMPARE(drawn, expected);
        QCOMPARE(draws, int(expected.size()));
        QCOMPARE(int(session.openedCount), openedBefore + int(expected.size()));
    }
    QVERIFY2(floods > 100, qPrintable(QStringLiteral("only %1 floods checked").arg(floods)));
}

void FloodTest::floodOpenIgnoresCellsItMustNotTouch_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    QTest::newRow("left of the field") << 0 << 2;
    QTest::newRow("above the field") << 2 << 0;
    QTest::newRow("right of the field") << 5 << 2;
    QTest::newRow("below the field") << 2 << 4;
    QTest::newRow("far away") << -100000 << 100000;
    QTest::newRow("uncovered") << 1 << 1;
    QTest::newRow("flag") << 2 << 1;
    QTest::newRow("question mark") << 3 << 1;
    QTest::newRow("pressed") << 4 << 1;
}

void FloodTest::floodOpenIgnoresCellsItMustNotTouch()
{
    QFETCH(int, column);
    QFETCH(int, row);

    RecordingView view;
    Game game(view);
    const QStringList layout{"ofqp", "....", "...*"};
    layOutField(game, view, layout);
    game.floodOpen(column, row);
    QCOMPARE(callLog(view), QStringList());
    QCOMPARE(boardText(game), (QStringList{"0fqp", "....", "...*"}));
}

QTEST_GUILESS_MAIN(FloodTest)
#include "tst_flood.moc"
