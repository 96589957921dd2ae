// The end of a game: the win and loss walks, the messages and the best time.
#include "fieldfixture.h"
#include "game.h"
#include "recordingview.h"

#include <QTest>

class EndGameTest : public QObject {
    Q_OBJECT

private slots:
    void winWalk();
    void loseWalk();
    void uncoveringAMineLoses();
    void winByUncoveringFlagsTheMinesLeft();
    void winMessage_data();
    void winMessage();
    void bestTime_data();
    void bestTime();
};

namespace {

// The calls that end a game, without the drawing and the texts read.
QStringList endingCalls(const RecordingView& view)
{
    QStringList calls;
    for (const RecordingView::Call& call : view.calls()) {
        switch (call.kind) {
        case RecordingView::Kind::SuspendRedraw:
        case RecordingView::Kind::ResumeRedraw:
        case RecordingView::Kind::SetBoardEnabled:
        case RecordingView::Kind::StartClock:
        case RecordingView::Kind::StopClock:
        case RecordingView::Kind::SetClockText:
        case RecordingView::Kind::MessageBox:
        case RecordingView::Kind::ReadBestTimeRecord:
        case RecordingView::Kind::ShowHallOfFame:
            calls << QString::fromStdString(RecordingView::describe(call));
            break;
        default:
            break;
        }
    }
    return calls;
}

} // namespace

void EndGameTest::winWalk()
{
    RecordingView view;
    Game game(view);
    layOutField(game, view, {"*Qf.", "qFo.", "...."});
    game.session().buttonState = 3;
    view.clock = "57";
    game.winGame();

    // Row by row: mines not flagged get a flag, safe cells not uncovered are
    // uncovered (question marks too), a wrong flag is crossed out.
    QCOMPARE(drawLog(view),
        (QStringList{"drawTile 1,1 10", "drawTile 2,1 10", "drawTile 3,1 11", "drawTile 4,1 0", "drawTile 1,2 3",
            "drawTile 4,2 0", "drawTile 1,3 1", "drawTile 2,3 1", "drawTile 3,3 1", "drawTile 4,3 0"}));
    QCOMPARE(boardText(game), (QStringList{"*Qf0", "3F20", "1110"}));
    QCOMPARE(pictureText(game, view), (QStringList{"FFx0", "3F20", "1110"}));
    QCOMPARE(int(game.session().openedCount), 8);
    QCOMPARE(int(game.session().buttonState), 0);
    QCOMPARE(view.counterText, std::string("-1"));
    QCOMPARE(view.clock, std::string("57"));
    QCOMPARE(endingCalls(view),
        (QStringList{"suspend", "resume", "boardEnabled 0", "stopClock",
            "message 祝贺|64|祝贺您！本局胜利了！但您还有1处标记地雷错误，\r\n望再接再励，再创辉煌。"}));
    QVERIFY(!view.messages.front().shownWhileSuspended);
    QVERIFY(!view.clockRunning);
    QVERIFY(!view.boardEnabled);
}

void EndGameTest::loseWalk()
{
    RecordingView view;
    Game game(view);
    const QStringList layout{"*Qf.", "qFX.", "o..."};
    layOutField(game, view, layout);
    game.session().buttonState = 1;
    view.clock = "12";
    view.suspendBoardRedraw(); // as the release that lost
    view.clearLog();
    game.loseGame();

    // Mines show, wrong marks are crossed out, flags on mines and the exploded
    // mine stay, covered safe cells stay covered; no code changes.
    QCOMPARE(drawLog(view),
        (QStringList{"drawTile 1,1 12", "drawTile 2,1 12", "drawTile 3,1 11", "drawTile 1,2 11"}));
    QCOMPARE(boardText(game), (QStringList{"*Qf.", "qFX.", "1..."}));
    QCOMPARE(pictureText(game, view), (QStringList{"**x#", "xF!#", "1###"}));
    QCOMPARE(int(game.session().buttonState), 0);
    QCOMPARE(view.counterText, std::string("2")); // four mines, two flags: untouched
    QCOMPARE(view.clock, std::string("12"));
    QCOMPARE(endingCalls(view),
        (QStringList{"stopClock", "resume", "message 信息：|0|您个大笨蛋！踩中地雷了！！！", "boardEnabled 0"}));
    QVERIFY(!view.messages.front().shownWhileSuspended);
}

void EndGameTest::uncoveringAMineLoses()
{
    RecordingView view;
    Game game(view);
    layOutField(game, view, {"*..", ".o.", "..*"}, Levels::Beginner);
    game.openCell(1, 1);
    QCOMPARE(drawLog(view), (QStringList{"explodedMine 1,1", "drawTile 3,3 12"}));
    QCOMPARE(boardText(game), (QStringList{"X..", ".2.", "..*"}));
    QCOMPARE(view.messages.size(), std::size_t(1));
    QVERIFY(view.hallOfFameCalls.empty());
    QVERIFY(!view.boardEnabled);
}

void EndGameTest::winByUncoveringFlagsTheMinesLeft()
{
    RecordingView view;
    Game game(view);
    layOutField(game, view, {"*Q", "o."});
    QCOMPARE(view.counterText, std::string("2"));
    game.openCell(2, 2);
    QCOMPARE(boardText(game), (QStringList{"*Q", "22"}));
    QCOMPARE(pictureText(game, view), (QStringList{"FF", "22"}));
    QCOMPARE(view.counterText, std::string("0"));
    QCOMPARE(view.messages.size(), std::size_t(1));
    QCOMPARE(view.messages.front().text, std::string("祝贺您！本局胜利了！再接再励，再创辉煌。"));
}

void EndGameTest::winMessage_data()
{
    QTest::addColumn<double>("counter");
    QTest::addColumn<QString>("message");

    const QString plain = QStringLiteral("祝贺您！本局胜利了！再接再励，再创辉煌。");
    QTest::newRow("no wrong flag") << 0.0 << plain;
    QTest::newRow("one wrong flag") << -1.0 << "祝贺您！本局胜利了！但您还有1处标记地雷错误，\r\n望再接再励，再创辉煌。";
    QTest::newRow("twelve wrong flags") << -12.0
                                        << "祝贺您！本局胜利了！但您还有12处标记地雷错误，\r\n望再接再励，再创辉煌。";
    QTest::newRow("a counter above 0 has no middle part") << 3.0 << plain;
}

void EndGameTest::winMessage()
{
    QFETCH(double, counter);
    QFETCH(QString, message);
    QCOMPARE(QString::fromStdString(::winMessage(counter)), message);
}

void EndGameTest::bestTime_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("record"); // a null text: nothing stored
    QTest::addColumn<QString>("clock");
    QTest::addColumn<bool>("hallOfFame");

    QTest::newRow("equal time") << 1 << "10秒;甲" << "10" << false;
    QTest::newRow("one second less") << 1 << "11秒;甲" << "10" << true;
    QTest::newRow("one second more") << 1 << "9秒;甲" << "10" << false;
    QTest::newRow("no record") << 2 << QString() << "300" << true;
    QTest::newRow("empty record") << 2 << "" << "300" << true;
    QTest::newRow("record reading 0") << 2 << "0秒;乙" << "1" << true;
    QTest::newRow("record without a number") << 3 << "佚名" << "1" << true;
    QTest::newRow("nobody's record, beaten") << 3 << "999秒;佚名" << "998" << true;
    QTest::newRow("nobody's record, equalled") << 3 << "999秒;佚名" << "999" << false;
    QTest::newRow("a fraction is cut off first") << 1 << "10.9秒;甲" << "10" << false;
    QTest::newRow("full-width digits") << 1 << "１１秒;甲" << "10" << true;
    QTest::newRow("clock never ticked") << 1 << "5秒;甲" << "" << true;
    QTest::newRow("a clock beyond 999") << 1 << "999秒;佚名" << "1000" << false;
    QTest::newRow("custom level keeps no time") << 10 << "0秒;甲" << "1" << false;
}

void EndGameTest::bestTime()
{
    QFETCH(int, level);
    QFETCH(QString, record);
    QFETCH(QString, clock);
    QFETCH(bool, hallOfFame);

    const char* names[] = {"初级", "中级", "高级"};
    RecordingView view;
    Game game(view);
    layOutField(game, view, {"*..", "...", "..o"}, Level(level));
    if (!record.isNull()) {
        for (const char* name : names)
            view.bestTimeRecords[name] = record.toStdString();
    }
    view.clock = clock.toStdString();
    game.winGame();

    QStringList expected{"stopClock", "message 祝贺|64|祝贺您！本局胜利了！再接再励，再创辉煌。"};
    if (level != Levels::Custom)
        expected << QStringLiteral("readRecord %1").arg(QString::fromUtf8(names[level - 1]));
    if (hallOfFame)
        expected << QStringLiteral("hallOfFame 1");
    const QStringList calls = endingCalls(view);
    QCOMPARE(calls.mid(calls.indexOf(QStringLiteral("stopClock"))), expected);
}

QTEST_GUILESS_MAIN(EndGameTest)
#include "tst_endgame.moc"
