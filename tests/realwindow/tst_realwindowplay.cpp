// The program in a real window on an X display of its own, played with the
// pointer as a player plays: whole games lost and won with flags, question
// marks and a chord, every step checked on the screen cell by cell against
// the rules, and the window's size at each fixed level.
#include "gamewindow.h"
#include "mirrorgame.h"
#include "player.h"

#include <pictures.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString hallOfFameTitle = QStringLiteral("Tolvy扫雷英雄榜");
constexpr auto isCoveredSafe = &MirrorGame::isCoveredSafe;
constexpr auto isCoveredMine = &MirrorGame::isCoveredMine;

} // namespace

class RealWindowPlay : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowFitsEachLevel_data();
    void windowFitsEachLevel();
    void lossRevealsMinesAndWrongMarks();
    void winWithFlagsQuestionMarkAndChord();

private:
    // Starts the program on a fresh settings folder, at its first-run level.
    bool startProgram();
    void quitWithEscape();

    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<GameWindow> window_;
    std::unique_ptr<MirrorGame> mirror_;
    std::unique_ptr<Player> player_;
};

void RealWindowPlay::init()
{
    QVERIFY2(QGuiApplication::platformName() == u"xcb", "run on an X display (xvfb-session.sh)");
    config_ = std::make_unique<QTemporaryDir>();
    QVERIFY(config_->isValid());
}

void RealWindowPlay::cleanup()
{
    player_.reset();
    mirror_.reset();
    window_.reset();
    config_.reset();
}

bool RealWindowPlay::startProgram()
{
    window_ = std::make_unique<GameWindow>(QStringLiteral(TOLVY_PROGRAM), config_->path());
    mirror_ = std::make_unique<MirrorGame>(Levels::Intermediate);
    player_ = std::make_unique<Player>(*window_, *mirror_);
    if (!window_->start() || !window_->locateField(16, 16)) {
        qWarning("%s", qPrintable(window_->error()));
        return false;
    }
    return true;
}

void RealWindowPlay::quitWithEscape()
{
    int exitCode = -1;
    QVERIFY2(window_->quitWithEscape(&exitCode), qPrintable(window_->error()));
    QCOMPARE(exitCode, 0);
}

void RealWindowPlay::windowFitsEachLevel_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");

    QTest::newRow("intermediate, the first run's") << Levels::Intermediate << 16 << 16;
    QTest::newRow("beginner") << Levels::Beginner << 8 << 8;
    QTest::newRow("expert") << Levels::Expert << 30 << 16;
}

// The central area is (columns x 16 + 20) x (rows x 16 + 62) with the menus
// above it; the field's image lies inside the canvas's edge at (10, 54).
void RealWindowPlay::windowFitsEachLevel()
{
    QFETCH(Level, level);
    QFETCH(int, columns);
    QFETCH(int, rows);

    QVERIFY(startProgram());
    const QRect first = window_->geometry();
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY2((first.center() - screenCentre).manhattanLength() <= 2, "the window opens centred on the screen");

    if (level != Levels::Intermediate)
        QVERIFY2(player_->chooseLevel(level), qPrintable(player_->error()));

    const QRect window = window_->geometry();
    QCOMPARE(window.topLeft(), first.topLeft());
    const QPoint field = window_->fieldOrigin() - window.topLeft();
    QCOMPARE(field.x(), 10);
    const int menuHeight = field.y() - 54;
    QVERIFY2(menuHeight > 0, "the menus lie above the central area");
    QCOMPARE(window.size(), QSize(columns * 16 + 20, menuHeight + rows * 16 + 62));
    QVERIFY2(window_->waitForFace(Pictures::faceSmile()), qPrintable(window_->error()));

    quitWithEscape();
}

// Marks of every kind on the field, a press carried off the field, then a
// mine: the end shows the exploded mine, the other mines, the flags kept on
// mines and the marks that stood on safe cells crossed out.
void RealWindowPlay::lossRevealsMinesAndWrongMarks()
{
    QVERIFY(startProgram());
    Player& player = *player_;
    QVERIFY2(player.toggleMarks(), qPrintable(player.error()));
    QVERIFY2(player.open(8, 8), qPrintable(player.error()));

    const QList<QPoint> safe = mirror_->cellsWhere(isCoveredSafe);
    const QList<QPoint> mines = mirror_->cellsWhere(isCoveredMine);
    QVERIFY(safe.size() >= 4 && mines.size() >= 3);

    struct Marking {
        QPoint cell;
        int rightClicks;
    };
    const Marking markings[] = {
        {safe[0], 2},  // a question mark on a safe cell
        {safe[1], 1},  // a flag on a safe cell
        {safe[2], 3},  // flag, question mark, covered again without a trace
        {mines[0], 1}, // a flag on a mine
        {mines[1], 2}, // a question mark on a mine
    };
    for (const Marking& marking : markings) {
        for (int click = 0; click < marking.rightClicks; ++click)
            QVERIFY2(player.mark(marking.cell.x(), marking.cell.y()), qPrintable(player.error()));
    }

    // The pressed look follows the pointer and leaves with it; the release
    // off the field opens nothing.
    QVERIFY2(player.holdLeft(safe[3].x(), safe[3].y()), qPrintable(player.error()));
    QVERIFY2(window_->waitForFace(Pictures::faceSurprised()), qPrintable(window_->error()));
    QVERIFY2(player.releaseLeftBesideField(), qPrintable(player.error()));
    QVERIFY2(window_->waitForFace(Pictures::faceSmile()), qPrintable(window_->error()));

    QVERIFY2(player.open(mines[2].x(), mines[2].y()), qPrintable(player.error()));
    QCOMPARE(mirror_->outcome(), MirrorGame::Outcome::Lost);
    QCOMPARE(mirror_->session().board.at(mines[2].x(), mines[2].y()), Cell::Exploded);

    QVERIFY2(player.newGameWithFace(), qPrintable(player.error()));
    quitWithEscape();
}

// A flood from the first click, the mines around a number flagged and the
// number chorded, a question mark left on a mine, then every other safe cell
// opened: the win flags every mine, the question mark too.
void RealWindowPlay::winWithFlagsQuestionMarkAndChord()
{
    QVERIFY(startProgram());
    Player& player = *player_;
    QVERIFY2(player.toggleMarks(), qPrintable(player.error()));
    QVERIFY2(player.open(8, 8), qPrintable(player.error()));

    const GameSession& session = mirror_->session();
    const std::optional<QPoint> number = mirror_->numberToChord();
    QVERIFY2(number, "the first click left no number to chord on");

    for (const QPoint& mine : mirror_->neighboursWhere(*number, isCoveredMine))
        QVERIFY2(player.mark(mine.x(), mine.y()), qPrintable(player.error()));
    const QList<QPoint> chorded = mirror_->neighboursWhere(*number, isCoveredSafe);
    QVERIFY2(player.chord(number->x(), number->y()), qPrintable(player.error()));
    for (const QPoint& cell : chorded)
        QVERIFY(session.board.at(cell.x(), cell.y()) >= Cell::Opened);

    const QPoint marked = mirror_->cellsWhere(isCoveredMine).first();
    for (int click = 0; click < 2; ++click)
        QVERIFY2(player.mark(marked.x(), marked.y()), qPrintable(player.error()));

    QVERIFY2(player.openEverySafeCell(), qPrintable(player.error()));
    QCOMPARE(mirror_->outcome(), MirrorGame::Outcome::Won);

    // A first win on a fresh store is a record: the hall of fame asks for a
    // name. Esc closes it without one.
    QVERIFY(player.pendingHallOfFame());
    const GameWindow::WindowId hallOfFame = window_->waitForWindow(hallOfFameTitle);
    QVERIFY2(hallOfFame != 0, qPrintable(window_->error()));
    QVERIFY(XdoTool::keys(hallOfFame, {QStringLiteral("Escape")}));
    QVERIFY2(window_->waitUntilGone(hallOfFame), qPrintable(window_->error()));
    player.hallOfFameClosed();

    QVERIFY2(player.fieldShown(), qPrintable(player.error()));
    QCOMPARE(session.board.at(marked.x(), marked.y()), Cell::MarkedMine);
    QVERIFY2(window_->waitForFace(Pictures::faceSmile()), qPrintable(window_->error()));
    quitWithEscape();
}

QTEST_MAIN(RealWindowPlay)
#include "tst_realwindowplay.moc"
