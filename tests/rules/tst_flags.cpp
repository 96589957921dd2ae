// Flags and question marks: the cycle, the mine counter and the win by flags.
#include "fieldfixture.h"
#include "game.h"
#include "recordingview.h"

#include <QTest>

class FlagsTest : public QObject {
    Q_OBJECT

private slots:
    void cycle_data();
    void cycle();
    void wholeCycle_data();
    void wholeCycle();
    void counterGoesBelowZero();
    void flagOnSafeCellOneShortDoesNotWin();
    void winByTheLastFlag_data();
    void winByTheLastFlag();
    void cellsOutsideTheFieldAreIgnored_data();
    void cellsOutsideTheFieldAreIgnored();
};

void FlagsTest::cycle_data()
{
    QTest::addColumn<bool>("marks");
    QTest::addColumn<QChar>("before");
    QTest::addColumn<QChar>("after");
    QTest::addColumn<QStringList>("draws");
    QTest::addColumn<int>("counterChange");
    QTest::addColumn<int>("correctFlagsChange");

    const QStringList flag{"drawTile 1,1 10"};
    const QStringList questionMark{"drawTile 1,1 9", "questionMark 1,1"};
    const QStringList covered{"drawTile 1,1 9"};
    for (const bool marks : {true, false}) {
        const char* on = marks ? "marks on" : "marks off";
        QTest::addRow("%s: covered safe cell is flagged", on) << marks << QChar('.') << QChar('f') << flag << -1 << 0;
        QTest::addRow("%s: covered mine is flagged", on) << marks << QChar('*') << QChar('F') << flag << -1 << 1;
        // An existing question mark goes back to covered whatever the option says.
        QTest::addRow("%s: question mark on a safe cell", on) << marks << QChar('q') << QChar('.') << covered << 0 << 0;
        QTest::addRow("%s: question mark on a mine", on) << marks << QChar('Q') << QChar('*') << covered << 0 << 0;
        for (const char code : {'2', 'p', 'P', 'X'})
            QTest::addRow("%s: '%c' is left alone", on, code) << marks << QChar(code) << QChar(code) << QStringList{}
                                                               << 0 << 0;
    }
    QTest::newRow("marks on: flag on a safe cell becomes a question mark")
        << true << QChar('f') << QChar('q') << questionMark << 1 << 0;
    QTest::newRow("marks on: flag on a mine becomes a question mark")
        << true << QChar('F') << QChar('Q') << questionMark << 1 << -1;
    QTest::newRow("marks off: flag on a safe cell is removed") << false << QChar('f') << QChar('.') << covered << 1 << 0;
    QTest::newRow("marks off: flag on a mine is removed") << false << QChar('F') << QChar('*') << covered << 1 << -1;
}

void FlagsTest::cycle()
{
    QFETCH(bool, marks);
    QFETCH(QChar, before);
    QFETCH(QChar, after);
    QFETCH(QStringList, draws);
    QFETCH(int, counterChange);
    QFETCH(int, correctFlagsChange);

    // (1,1) is the cell under test; the other mines keep any flag from winning.
    RecordingView view;
    Game game(view);
    layOutField(game, view, {QString(before) + "*.", "*o.", "..*"});
    view.marksEnabled = marks;
    const int counter = std::stoi(view.counterText);
    const int correctFlags = game.session().correctFlags;

    game.cycleFlag(1, 1);
    QCOMPARE(boardText(game).first().at(0), after);
    QCOMPARE(drawLog(view), draws);
    QCOMPARE(QString::fromStdString(view.counterText), QString::number(counter + counterChange));
    QCOMPARE(int(game.session().correctFlags), correctFlags + correctFlagsChange);
    QVERIFY(view.messages.empty());
}

void FlagsTest::wholeCycle_data()
{
    QTest::addColumn<bool>("marks");
    QTest::addColumn<QChar>("start");
    QTest::addColumn<QString>("codes");    // after each right click
    QTest::addColumn<QString>("pictures"); // after each right click
    QTest::addColumn<QString>("counters"); // after each right click, from the start

    QTest::newRow("safe cell, marks on") << true << QChar('.') << "fq.fq." << "F?#F?#" << "-1 0 0 -1 0 0";
    QTest::newRow("mine, marks on") << true << QChar('*') << "FQ*FQ*" << "F?#F?#" << "-1 0 0 -1 0 0";
    QTest::newRow("safe cell, marks off") << false << QChar('.') << "f.f.f." << "F#F#F#" << "-1 0 -1 0 -1 0";
    QTest::newRow("mine, marks off") << false << QChar('*') << "F*F*F*" << "F#F#F#" << "-1 0 -1 0 -1 0";
}

void FlagsTest::wholeCycle()
{
    QFETCH(bool, marks);
    QFETCH(QChar, start);
    QFETCH(QString, codes);
    QFETCH(QString, pictures);
    QFETCH(QString, counters);

    RecordingView view;
    Game game(view);
    layOutField(game, view, {QString(start) + "**", ".o.", "..*"});
    view.marksEnabled = marks;
    const int mines = game.session().mines;
    QStringList seenCounters;
    for (int i = 0; i < codes.size(); ++i) {
        game.cycleFlag(1, 1);
        QCOMPARE(boardText(game).first().at(0), codes.at(i));
        QCOMPARE(pictureText(game, view).first().at(0), pictures.at(i));
        QCOMPARE(int(game.session().correctFlags), countCells(game, Cell::FlaggedMine));
        seenCounters << QString::fromStdString(view.counterText);
    }
    QStringList expected;
    for (const QString& change : counters.split(QLatin1Char(' ')))
        expected << QString::number(mines + change.toInt());
    QCOMPARE(seenCounters, expected);
}

void FlagsTest::counterGoesBelowZero()
{
    RecordingView view;
    Game game(view);
    view.marksEnabled = false;
    layOutField(game, view, {"**********..", "o..........."});
    for (int c = 1; c <= 9; ++c)
        game.cycleFlag(c, 1);
    game.cycleFlag(11, 1);
    QCOMPARE(view.counterText, std::string("0"));
    game.cycleFlag(12, 1);
    QCOMPARE(view.counterText, std::string("-1"));
    QCOMPARE(int(game.session().correctFlags), 9);
    QVERIFY(view.messages.empty());

    game.cycleFlag(12, 1);
    QCOMPARE(view.counterText, std::string("0"));
    game.cycleFlag(12, 1);
    game.cycleFlag(12, 1);
    QCOMPARE(view.counterText, std::string("0"));
    QVERIFY(view.messages.empty());
}

void FlagsTest::flagOnSafeCellOneShortDoesNotWin()
{
    RecordingView view;
    Game game(view);
    view.marksEnabled = true;
    layOutField(game, view, {"F*..", ".o..", "...."});
    game.cycleFlag(3, 1);
    QVERIFY(view.messages.empty());
    QCOMPARE(view.counterText, std::string("0"));

    // Taking a flag off a mine and putting it back counts the mine once.
    game.cycleFlag(1, 1);
    QCOMPARE(int(game.session().correctFlags), 0);
    game.cycleFlag(1, 1);
    game.cycleFlag(1, 1);
    QCOMPARE(int(game.session().correctFlags), 1);
    QVERIFY(view.messages.empty());

    game.cycleFlag(2, 1);
    QCOMPARE(view.messages.size(), std::size_t(1));
    QCOMPARE(view.counterText, std::string("-1"));
}

void FlagsTest::winByTheLastFlag_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<QStringList>("board");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("message");

    // (2,1) is flagged last. The rest of the safe cells, question-marked
    // ones too, are uncovered with their counts; wrong flags are crossed out.
    QTest::newRow("two wrong flags elsewhere")
        << QStringList{"F*f.", "q.o.", "f..."} << QStringList{"FFf0", "2210", "f000"}
        << QStringList{"FFx0", "2210", "x000"} << "-2"
        << "祝贺您！本局胜利了！但您还有2处标记地雷错误，\r\n望再接再励，再创辉煌。";
    QTest::newRow("no wrong flag") << QStringList{"F*..", "q.o.", "...."} << QStringList{"FF10", "2210", "0000"}
                                   << QStringList{"FF10", "2210", "0000"} << "0"
                                   << "祝贺您！本局胜利了！再接再励，再创辉煌。";
}

void FlagsTest::winByTheLastFlag()
{
    QFETCH(QStringList, layout);
    QFETCH(QStringList, board);
    QFETCH(QStringList, pictures);
    QFETCH(QString, counter);
    QFETCH(QString, message);

    RecordingView view;
    Game game(view);
    layOutField(game, view, layout);
    game.cycleFlag(2, 1);

    QCOMPARE(boardText(game), board);
    QCOMPARE(pictureText(game, view), pictures);
    QCOMPARE(QString::fromStdString(view.counterText), counter);
    QCOMPARE(view.messages.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(view.messages.front().text), message);
    QCOMPARE(view.messages.front().style, MessageStyle::Information);
    QCOMPARE(view.messages.front().title, std::string("祝贺"));
    QVERIFY(!view.boardEnabled);
    int opened = 0;
    for (char digit = '0'; digit <= '8'; ++digit)
        opened += countCells(game, CellCode(Cell::Opened + (digit - '0')));
    QCOMPARE(int(game.session().openedCount), opened);
}

void FlagsTest::cellsOutsideTheFieldAreIgnored_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    QTest::newRow("column 0") << 0 << 1;
    QTest::newRow("row 0") << 1 << 0;
    QTest::newRow("column beyond") << 4 << 1;
    QTest::newRow("row beyond") << 1 << 4;
    QTest::newRow("negative") << -1 << -1;
    QTest::newRow("huge") << 100000 << -100000;
}

void FlagsTest::cellsOutsideTheFieldAreIgnored()
{
    QFETCH(int, column);
    QFETCH(int, row);

    RecordingView view;
    Game game(view);
    const QStringList layout{"...", ".1.", "..*"};
    layOutField(game, view, layout);
    game.cycleFlag(column, row);
    QCOMPARE(callLog(view), QStringList());
    QCOMPARE(boardText(game), layout);
}

QTEST_GUILESS_MAIN(FlagsTest)
#include "tst_flags.moc"
