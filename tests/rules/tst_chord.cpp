// The two-button block: press, cancel, release, open and the wrong-flag loss.
#include "fieldfixture.h"
#include "game.h"
#include "recordingview.h"

#include <QTest>

#include <climits>

class ChordTest : public QObject {
    Q_OBJECT

private slots:
    void chord_data();
    void chord();
    void pressHoldsTheBlockDown();
    void movingThePointerMovesTheBlock();
    void pixelsFindTheirCell_data();
    void pixelsFindTheirCell();
    void pointerOutsideTheFieldDoesNothing_data();
    void pointerOutsideTheFieldDoesNothing();
    void onlyPressReleaseAndCancelAreTaken_data();
    void onlyPressReleaseAndCancelAreTaken();
};

namespace {

// The middle pixel of a cell.
int pixel(int cell) { return (cell - 1) * 16 + 8; }

// Actions such as "P2,2 R2,2 C3,1": Press, Release or Cancel at a cell's middle.
// The view's log is cleared before the last one, so it holds only that one's calls.
void play(Game& game, RecordingView& view, const QString& actions)
{
    const QStringList tokens = actions.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < tokens.size(); ++i) {
        const QString& token = tokens.at(i);
        const QStringList cell = token.mid(1).split(QLatin1Char(','));
        const int x = pixel(cell.at(0).toInt());
        const int y = pixel(cell.at(1).toInt());
        const BlockMode mode = token.at(0) == QLatin1Char('P') ? BlockMode::Press
            : token.at(0) == QLatin1Char('R')                  ? BlockMode::Release
                                                               : BlockMode::Cancel;
        if (i == tokens.size() - 1)
            view.clearLog();
        game.chordBlock(x, y, mode);
    }
}

QString outcome(const RecordingView& view)
{
    if (view.messages.empty())
        return QString();
    return view.messages.back().title == "祝贺" ? QStringLiteral("won") : QStringLiteral("lost");
}

} // namespace

void ChordTest::chord_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<bool>("judgeFlags");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QStringList>("board");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("lastDraws");

    const QStringList twoFlagged{".F..", ".2F.", "q...", "...*"};
    const QStringList twoFlaggedOpen{"1F2.", "12F.", "012.", "001*"};
    const QStringList twoFlaggedOpenPictures{"1F2#", "12F#", "012#", "001#"};
    QTest::newRow("a 2 with both mines flagged opens the block, floods included")
        << twoFlagged << true << "P2,2 R2,2" << twoFlaggedOpen << twoFlaggedOpenPictures << ""
        << QStringList{"drawTile 1,2 1", "drawTile 1,1 1", "drawTile 3,1 2", "drawTile 3,3 2", "drawTile 2,3 1",
               "drawTile 1,3 0", "drawTile 2,4 0", "drawTile 1,4 0", "drawTile 3,4 1"};
    QTest::newRow("the second release finds nothing pressed")
        << twoFlagged << true << "P2,2 R2,2 R2,2" << twoFlaggedOpen << twoFlaggedOpenPictures << ""
        << QStringList{};

    const QStringList wrongFlag{".f..", ".2F.", "*...", "...."};
    const QStringList unpressWrongFlagBlock{"drawTile 1,2 9", "drawTile 1,1 9", "drawTile 3,1 9", "drawTile 3,3 9",
        "drawTile 2,3 9", "drawTile 1,3 9"};
    QTest::newRow("a wrong flag among the 2 loses with the check on")
        << wrongFlag << true << "P2,2 R2,2" << wrongFlag << QStringList{"#x##", "#2F#", "*###", "####"} << "lost"
        << unpressWrongFlagBlock + QStringList{"drawTile 2,1 11", "drawTile 1,3 12"};
    QTest::newRow("the same flags with the check off only un-press")
        << wrongFlag << false << "P2,2 R2,2" << wrongFlag << QStringList{"#F##", "#2F#", "####", "####"} << ""
        << unpressWrongFlagBlock;
    QTest::newRow("a cancel never loses")
        << wrongFlag << true << "P2,2 C2,2" << wrongFlag << QStringList{"#F##", "#2F#", "####", "####"} << ""
        << unpressWrongFlagBlock;
    QTest::newRow("the second release loses on a wrong-flag block")
        << wrongFlag << true << "P4,4 R4,4 R2,2" << wrongFlag << QStringList{"#x##", "#2F#", "*###", "####"}
        << "lost" << QStringList{"drawTile 2,1 11", "drawTile 1,3 12"};
    QTest::newRow("the second release with the check off")
        << wrongFlag << false << "P4,4 R4,4 R2,2" << wrongFlag << QStringList{"#F##", "#2F#", "####", "####"} << ""
        << QStringList{};

    QTest::newRow("three flags round a 2, two on its mines, open the block")
        << QStringList{".f..", "F2F.", "....", "...."} << true << "P2,2 R2,2"
        << QStringList{"1f1.", "F2F.", "121.", "...."} << QStringList{"1F1#", "F2F#", "121#", "####"} << ""
        << QStringList{"drawTile 1,1 1", "drawTile 3,1 1", "drawTile 3,3 1", "drawTile 2,3 2", "drawTile 1,3 1"};
    QTest::newRow("too few flags only un-press")
        << QStringList{".F..", ".2..", "*...", "...."} << true << "P2,2 R2,2"
        << QStringList{".F..", ".2..", "*...", "...."} << QStringList{"#F##", "#2##", "####", "####"} << ""
        << QStringList{"drawTile 1,2 9", "drawTile 1,1 9", "drawTile 3,1 9", "drawTile 3,2 9", "drawTile 3,3 9",
               "drawTile 2,3 9", "drawTile 1,3 9"};

    const QStringList marked{"qQ..", ".1..", "....", "...."};
    const QStringList unmarked{".*..", ".1..", "....", "...."};
    const QStringList unpressMarked{"drawTile 1,2 9", "drawTile 1,1 9", "drawTile 2,1 9", "drawTile 3,1 9",
        "drawTile 3,2 9", "drawTile 3,3 9", "drawTile 2,3 9", "drawTile 1,3 9"};
    QTest::newRow("question marks pressed and cancelled are gone")
        << marked << true << "P2,2 C2,2" << unmarked << QStringList{"####", "#1##", "####", "####"} << ""
        << unpressMarked;
    QTest::newRow("question marks pressed and released are gone")
        << marked << true << "P2,2 R2,2" << unmarked << QStringList{"####", "#1##", "####", "####"} << ""
        << unpressMarked;

    QTest::newRow("on a covered cell")
        << QStringList{"o...", "....", "...*"} << true << "P3,2 R3,2" << QStringList{"0...", "....", "...*"}
        << QStringList{"0###", "####", "####"} << ""
        << QStringList{"drawTile 3,2 9", "drawTile 2,2 9", "drawTile 2,1 9", "drawTile 3,1 9", "drawTile 4,1 9",
               "drawTile 4,2 9", "drawTile 4,3 9", "drawTile 3,3 9", "drawTile 2,3 9"};
    QTest::newRow("on an empty uncovered cell")
        << QStringList{"o...", "....", "...*"} << true << "P1,1 R1,1" << QStringList{"0...", "....", "...*"}
        << QStringList{"0###", "####", "####"} << ""
        << QStringList{"drawTile 2,1 9", "drawTile 2,2 9", "drawTile 1,2 9"};
    QTest::newRow("in a corner the block stays inside the field")
        << QStringList{"2F.", "F..", "..."} << true << "P1,1 R1,1" << QStringList{"2F.", "F2.", "..."}
        << QStringList{"2F#", "F2#", "###"} << "" << QStringList{"drawTile 2,2 2"};
    QTest::newRow("opening the last safe cells wins")
        << QStringList{"F1.", "11.", "..."} << true << "P2,2 R2,2" << QStringList{"F10", "110", "000"}
        << QStringList{"F10", "110", "000"} << "won"
        << QStringList{"drawTile 3,1 0", "drawTile 3,2 0", "drawTile 3,3 0", "drawTile 2,3 0", "drawTile 1,3 0"};
}

void ChordTest::chord()
{
    QFETCH(QStringList, layout);
    QFETCH(bool, judgeFlags);
    QFETCH(QString, actions);
    QFETCH(QStringList, board);
    QFETCH(QStringList, pictures);
    QFETCH(QString, outcome);
    QFETCH(QStringList, lastDraws);

    RecordingView view;
    Game game(view);
    layOutField(game, view, layout);
    view.judgeFlagsEnabled = judgeFlags;
    const int counterBefore = view.counterText.empty() ? 0 : std::stoi(view.counterText);
    play(game, view, actions);

    QCOMPARE(boardText(game), board);
    QCOMPARE(pictureText(game, view), pictures);
    QCOMPARE(::outcome(view), outcome);
    QCOMPARE(drawLog(view), lastDraws);
    QCOMPARE(countCells(game, Cell::Exploded), 0);
    QCOMPARE(view.boardEnabled, outcome.isEmpty());
    if (outcome == QLatin1String("lost")) {
        QCOMPARE(view.messages.back().text, std::string("您个大笨蛋！踩中地雷了！！！"));
        QCOMPARE(view.messages.back().title, std::string("信息："));
        QCOMPARE(view.messages.back().style, MessageStyle::Plain);
        QCOMPARE(std::stoi(view.counterText), counterBefore);
    }
}

void ChordTest::pressHoldsTheBlockDown()
{
    RecordingView view;
    Game game(view);
    layOutField(game, view, {".F..", ".2F.", "q...", "...*"});
    game.chordBlock(pixel(2), pixel(2), BlockMode::Press);
    // Covered cells and question marks go down in block order; flags stay up.
    QCOMPARE(drawLog(view),
        (QStringList{"drawTile 1,2 0", "drawTile 1,1 0", "drawTile 3,1 0", "drawTile 3,3 0", "drawTile 2,3 0",
            "drawTile 1,3 0"}));
    QCOMPARE(boardText(game), (QStringList{"pFp.", "p2F.", "ppp.", "...*"}));
    QCOMPARE(pictureText(game, view), (QStringList{"0F0#", "02F#", "000#", "####"}));
    QCOMPARE(int(game.session().openedCount), 1);
}

void ChordTest::movingThePointerMovesTheBlock()
{
    RecordingView view;
    Game game(view);
    layOutField(game, view, {".F..", ".2F.", "q...", "...*"});
    game.chordBlock(pixel(2), pixel(2), BlockMode::Press);
    game.chordBlock(pixel(2), pixel(2), BlockMode::Cancel);
    game.chordBlock(pixel(3), pixel(3), BlockMode::Press);
    QCOMPARE(boardText(game), (QStringList{".F..", ".2Fp", ".ppp", ".ppP"}));
    QCOMPARE(pictureText(game, view), (QStringList{"#F##", "#2F0", "#000", "#000"}));

    // Released on a pressed centre: nothing to open, everything comes up.
    game.chordBlock(pixel(3), pixel(3), BlockMode::Release);
    QCOMPARE(boardText(game), (QStringList{".F..", ".2F.", "....", "...*"}));
    QCOMPARE(pictureText(game, view), (QStringList{"#F##", "#2F#", "####", "####"}));
    QVERIFY(view.messages.empty());
}

void ChordTest::pixelsFindTheirCell_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QStringList>("board");

    QTest::newRow("top-left pixel") << 0 << 0 << QStringList{"pp.", "pp.", "..0"};
    QTest::newRow("last pixel of the first cell") << 15 << 15 << QStringList{"pp.", "pp.", "..0"};
    QTest::newRow("first pixel of the second column") << 16 << 0 << QStringList{"ppp", "ppp", "..0"};
    QTest::newRow("last pixel of the field") << 47 << 47 << QStringList{"...", ".pp", ".p0"};
}

void ChordTest::pixelsFindTheirCell()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QStringList, board);

    RecordingView view;
    Game game(view);
    layOutField(game, view, {"...", "...", "..o"});
    game.chordBlock(x, y, BlockMode::Press);
    QCOMPARE(boardText(game), board);
}

void ChordTest::pointerOutsideTheFieldDoesNothing_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");

    // The field is 3 x 3 cells, 48 x 48 pixels; the canvas's strip beyond it is 5 pixels.
    QTest::newRow("one pixel left of the canvas") << -1 << 8;
    QTest::newRow("fifteen pixels left") << -15 << 8;
    QTest::newRow("a cell's width left") << -16 << 8;
    QTest::newRow("one pixel above") << 8 << -1;
    QTest::newRow("first pixel right of the field") << 48 << 8;
    QTest::newRow("in the strip below") << 8 << 52;
    QTest::newRow("beyond 65535") << 65536 << 70000;
    QTest::newRow("largest") << INT_MAX << INT_MAX;
    QTest::newRow("smallest") << INT_MIN << INT_MIN;
}

void ChordTest::pointerOutsideTheFieldDoesNothing()
{
    QFETCH(int, x);
    QFETCH(int, y);

    // A release or cancel in the field near the top-left would un-press
    // these cells; a press near the others would press them.
    const QStringList layout{"pp.", "pf.", "..o"};
    for (const BlockMode mode : {BlockMode::Press, BlockMode::Release, BlockMode::Cancel, BlockMode::Open}) {
        RecordingView view;
        Game game(view);
        layOutField(game, view, layout);
        game.chordBlock(x, y, mode);
        QCOMPARE(callLog(view), QStringList());
        QCOMPARE(boardText(game), (QStringList{"pp.", "pf.", "..0"}));
    }
}

void ChordTest::onlyPressReleaseAndCancelAreTaken_data()
{
    QTest::addColumn<int>("mode");

    QTest::newRow("open") << int(BlockMode::Open);
    QTest::newRow("zero") << 0;
    QTest::newRow("five") << 5;
    QTest::newRow("negative") << -1;
}

void ChordTest::onlyPressReleaseAndCancelAreTaken()
{
    QFETCH(int, mode);

    // Open is decided inside a release; asked for from outside, it would
    // uncover a block whose flags do not match its number.
    RecordingView view;
    Game game(view);
    const QStringList layout{"pp.", "p1.", "..*"};
    layOutField(game, view, layout);
    game.chordBlock(pixel(2), pixel(2), BlockMode(mode));
    QCOMPARE(boardText(game), layout);
    QCOMPARE(drawLog(view), QStringList());
    QCOMPARE(int(game.session().openedCount), 1);
}

QTEST_GUILESS_MAIN(ChordTest)
#include "tst_chord.moc"
