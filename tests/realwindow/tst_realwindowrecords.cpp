// What the program keeps between runs, seen in a real window: a beginner game
// won with the mouse, the winner's name typed into the hall of fame, the
// program left with Esc and started again on the same settings folder. The
// second run finds the level, both options and the record as they were.
#include "gamewindow.h"
#include "mirrorgame.h"
#include "player.h"
#include "polling.h"
#include "settingsstore.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString program = QStringLiteral(TOLVY_PROGRAM);
const QString hallOfFameTitle = QStringLiteral("Tolvy扫雷英雄榜");
// Keys of the keyboard map only: xdotool types other characters by remapping
// a spare key for each, which the program may read before the new mapping
// arrives, so a Chinese name comes out short now and then. The store's own
// tests keep Chinese names.
const QString winnerName = QStringLiteral("Wang Xiaoming");

// The hall of fame in view mode: its client area's width, and the place of
// the three rows of level, time and name.
constexpr int viewModeWidth = 252;
constexpr QRect recordRows{24, 16, 216, 48};

// Whether all nine labels of the rows (caption, time and name of each level)
// show text: the dialog has been painted in view mode.
bool everyRecordLabelPainted(const QImage& rows)
{
    const int columns[][2] = {{0, 40}, {40, 124}, {144, 216}};
    for (int row = 0; row < 3; ++row) {
        for (const auto& column : columns) {
            bool ink = false;
            for (int y = row * 16; y < row * 16 + 16 && !ink; ++y) {
                for (int x = column[0]; x < column[1] && !ink; ++x)
                    ink = qGray(rows.pixel(x, y)) < 100;
            }
            if (!ink)
                return false;
        }
    }
    return true;
}

constexpr auto isCoveredSafe = &MirrorGame::isCoveredSafe;
constexpr auto isCoveredMine = &MirrorGame::isCoveredMine;

} // namespace

class RealWindowRecords : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void levelOptionsAndRecordOutliveTheProgram();

private:
    // The first run: beginner chosen, question marks on, the wrong-flag
    // check off, a game won and the name entered. The hall of fame's rows
    // as they showed after the name was entered go to *recordsShown.
    void winAndEnterName(const QString& configHome, QImage* recordsShown);
    // The second run checks each kept setting by playing.
    void findEverythingKept(const QString& configHome, const QImage& recordsShown);
};

void RealWindowRecords::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName() == u"xcb", "run on an X display (xvfb-session.sh)");
}

void RealWindowRecords::levelOptionsAndRecordOutliveTheProgram()
{
    QTemporaryDir config;
    QVERIFY(config.isValid());

    QImage recordsShown;
    winAndEnterName(config.path(), &recordsShown);
    if (QTest::currentTestFailed())
        return;

    SettingsStore::setBaseFolder(config.path());
    const QString record = SettingsStore::readText(QStringLiteral("初级"));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+秒;") + QRegularExpression::escape(winnerName) + u'$')
                 .match(record)
                 .hasMatch(),
             qPrintable(record));

    findEverythingKept(config.path(), recordsShown);
}

void RealWindowRecords::winAndEnterName(const QString& configHome, QImage* recordsShown)
{
    GameWindow window(program, configHome);
    MirrorGame mirror(Levels::Intermediate);
    Player player(window, mirror);
    QVERIFY2(window.start() && window.locateField(16, 16), qPrintable(window.error()));

    QVERIFY2(player.chooseLevel(Levels::Beginner), qPrintable(player.error()));
    QVERIFY2(player.toggleMarks(), qPrintable(player.error()));
    QVERIFY2(player.toggleJudgeFlags(), qPrintable(player.error()));
    QVERIFY2(player.open(4, 4), qPrintable(player.error()));
    QVERIFY2(player.openEverySafeCell(), qPrintable(player.error()));
    QCOMPARE(mirror.outcome(), MirrorGame::Outcome::Won);
    QVERIFY(player.pendingHallOfFame());

    const GameWindow::WindowId hallOfFame = window.waitForWindow(hallOfFameTitle);
    QVERIFY2(hallOfFame != 0, qPrintable(window.error()));
    QVERIFY(XdoTool::type(hallOfFame, winnerName));
    // Enter shows the new record among the others; a second Enter stores it.
    QVERIFY(XdoTool::keys(hallOfFame, {QStringLiteral("Return")}));
    QRect dialog;
    const bool viewMode =
        Polling::waitFor([&] { return (dialog = XdoTool::geometry(hallOfFame)).width() == viewModeWidth; });
    QVERIFY2(viewMode, "the hall of fame does not change to view mode");
    // Taken once the rows show and stay the same from one look to the next.
    QImage previous;
    const bool painted = Polling::waitFor([&] {
        const QImage rows = window.grab(recordRows.translated(dialog.topLeft()));
        const bool settled = everyRecordLabelPainted(rows) && rows == previous;
        previous = rows;
        return settled;
    });
    QVERIFY2(painted, "the hall of fame does not show its three rows");
    *recordsShown = previous;
    QVERIFY(XdoTool::keys(hallOfFame, {QStringLiteral("Return")}));
    QVERIFY2(window.waitUntilGone(hallOfFame), qPrintable(window.error()));
    player.hallOfFameClosed();
    QVERIFY2(player.fieldShown(), qPrintable(player.error()));

    int exitCode = -1;
    QVERIFY2(window.quitWithEscape(&exitCode), qPrintable(window.error()));
    QCOMPARE(exitCode, 0);
}

void RealWindowRecords::findEverythingKept(const QString& configHome, const QImage& recordsShown)
{
    GameWindow window(program, configHome);
    MirrorGame mirror(Levels::Beginner, true, false);
    Player player(window, mirror);
    QVERIFY2(window.start(), qPrintable(window.error()));
    QVERIFY2(window.locateField(8, 8), qPrintable(window.error()));
    QVERIFY2(player.open(4, 4), qPrintable(player.error()));

    // Question marks are on: the second right click on a cell shows one.
    const QPoint marked = mirror.cellsWhere(isCoveredSafe).last();
    for (int click = 0; click < 2; ++click)
        QVERIFY2(player.mark(marked.x(), marked.y()), qPrintable(player.error()));
    QCOMPARE(mirror.session().board.at(marked.x(), marked.y()), Cell::MarkedSafe);

    // The wrong-flag check is off: a chord on a number with as many flags as
    // its mines, one of them on a safe cell, loses nothing, and the game goes on.
    const std::optional<QPoint> number = mirror.numberToChord();
    QVERIFY2(number, "the first click left no number with a safe cell beside it");
    QList<QPoint> flags = mirror.neighboursWhere(*number, isCoveredMine).mid(1);
    flags << mirror.neighboursWhere(*number, isCoveredSafe).first();
    for (const QPoint& flag : flags)
        QVERIFY2(player.mark(flag.x(), flag.y()), qPrintable(player.error()));
    QVERIFY2(player.chord(number->x(), number->y()), qPrintable(player.error()));
    QCOMPARE(mirror.outcome(), MirrorGame::Outcome::Playing);
    const QPoint next = mirror.cellsWhere(isCoveredSafe).first();
    QVERIFY2(player.open(next.x(), next.y()), qPrintable(player.error()));

    // The hall of fame from the menu shows the rows as the first run left them.
    QVERIFY2(window.chooseFromMenu(QStringLiteral("g"), {QStringLiteral("Down"), QStringLiteral("Return")}),
             qPrintable(window.error()));
    const GameWindow::WindowId hallOfFame = window.waitForWindow(hallOfFameTitle);
    QVERIFY2(hallOfFame != 0, qPrintable(window.error()));
    const bool sameRows = Polling::waitFor(
        [&] { return window.grab(recordRows.translated(XdoTool::geometry(hallOfFame).topLeft())) == recordsShown; });
    QVERIFY2(sameRows, "the hall of fame shows other records than were entered");
    QVERIFY(XdoTool::keys(hallOfFame, {QStringLiteral("Escape")}));
    QVERIFY2(window.waitUntilGone(hallOfFame), qPrintable(window.error()));

    int exitCode = -1;
    QVERIFY2(window.quitWithEscape(&exitCode), qPrintable(window.error()));
    QCOMPARE(exitCode, 0);
}

QTEST_MAIN(RealWindowRecords)
#include "tst_realwindowrecords.moc"
