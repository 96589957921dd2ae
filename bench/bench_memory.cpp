// Prints the game's peak and current resident memory once its window has
// painted, and again as a scripted player plays games with real mouse events
// on the field: 100 at the start-up level, then 300 with the levels in turn.
// Memory that grows with the games played shows as a rising figure. Figures
// to read, never a pass or fail.
#include "benchfigures.h"
#include "benchwindow.h"

#include "boardcanvas.h"

#include <QApplication>
#include <QFile>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <utility>
#include <vector>

namespace {

struct Memory {
    long peakKiB = -1;     // VmHWM
    long currentKiB = -1;  // VmRSS, the sum of the three below
    long anonymousKiB = -1; // RssAnon: the heap and other private memory
    long fileKiB = -1;     // RssFile: pages of libraries and fonts in use
    long sharedKiB = -1;   // RssShmem: shared with the X server
    long heapInUseKiB = -1; // allocated and not freed, as the allocator counts it
};

Memory memory()
{
    Memory figures;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return figures;
    // Lines read "VmHWM:     35860 kB".
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(colon);
        const long value = line.mid(colon + 1).trimmed().split(' ').first().toLong();
        if (name == "VmHWM")
            figures.peakKiB = value;
        else if (name == "VmRSS")
            figures.currentKiB = value;
        else if (name == "RssAnon")
            figures.anonymousKiB = value;
        else if (name == "RssFile")
            figures.fileKiB = value;
        else if (name == "RssShmem")
            figures.sharedKiB = value;
    }
    figures.heapInUseKiB = long(mallinfo2().uordblks / 1024);
    return figures;
}

// Plays one game to its end. It knows where the mines are once the first
// click has laid them: it opens safe cells, flags mines, chords on numbers
// whose mines are all flagged, and, when `loses` is true, steps on a mine
// halfway through. Every action is a real press and release on the field
// followed by its repaint.
class ScriptedPlayer {
public:
    explicit ScriptedPlayer(BenchWindow& bench) : bench_(bench) {}

    void play(Level level, bool loses)
    {
        const int cleared = bench_.paintCount();
        bench_.game().selectLevel(level);
        bench_.waitForPaint(cleared);
        const GameSession& s = bench_.session();

        click(Qt::LeftButton, pick(1, s.columns), pick(1, s.rows));
        std::vector<std::pair<int, int>> cells;
        for (int row = 1; row <= s.rows; ++row) {
            for (int column = 1; column <= s.columns; ++column)
                cells.emplace_back(column, row);
        }
        std::shuffle(cells.begin(), cells.end(), random_);

        const int safeCells = s.safeCells();
        for (const auto& [column, row] : cells) {
            if (!bench_.canvas()->isEnabled())
                break;
            if (loses && s.openedCount * 2 >= safeCells) {
                stepOnMine();
                break;
            }
            const CellCode code = s.board.at(column, row);
            if (code == Cell::Covered)
                click(Qt::LeftButton, column, row);
            else if (code == Cell::Mine)
                click(Qt::RightButton, column, row);
            else if (code > Cell::Opened && code <= Cell::OpenedMax && chordOpensSomething(column, row))
                chord(column, row);
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void act(const std::function<void()>& events)
    {
        const int before = bench_.paintCount();
        events();
        bench_.waitForPaint(before);
    }

    void click(Qt::MouseButton button, int column, int row)
    {
        act([&] {
            bench_.press(button, column, row);
            bench_.release(button, column, row);
        });
    }

    void chord(int column, int row)
    {
        act([&] {
            bench_.press(Qt::LeftButton, column, row);
            bench_.press(Qt::RightButton, column, row);
            bench_.release(Qt::LeftButton, column, row);
            bench_.release(Qt::RightButton, column, row);
        });
    }

    void stepOnMine()
    {
        const GameSession& s = bench_.session();
        for (int row = 1; row <= s.rows; ++row) {
            for (int column = 1; column <= s.columns; ++column) {
                if (s.board.at(column, row) == Cell::Mine) {
                    click(Qt::LeftButton, column, row);
                    return;
                }
            }
        }
    }

    // Every mine around the number is flagged and a safe cell is still covered.
    bool chordOpensSomething(int column, int row) const
    {
        const GameSession& s = bench_.session();
        bool covered = false;
        for (int r = row - 1; r <= row + 1; ++r) {
            for (int c = column - 1; c <= column + 1; ++c) {
                if (!s.inField(c, r))
                    continue;
                if (s.board.at(c, r) == Cell::Mine)
                    return false;
                covered = covered || s.board.at(c, r) == Cell::Covered;
            }
        }
        return covered;
    }

    BenchWindow& bench_;
    std::mt19937 random_{20240611};
};

void print(const char* when, const Memory& figures)
{
    std::printf("  %-18s peak %6ld KiB   now %6ld KiB = private %5ld + files %6ld + shared %4ld;   heap in use %5ld KiB\n",
                when, figures.peakKiB, figures.currentKiB, figures.anonymousKiB, figures.fileKiB, figures.sharedKiB,
                figures.heapInUseKiB);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int games = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 100;
    BenchWindow bench;
    if (!bench.showAndWaitForPaint()) {
        std::fprintf(stderr, "bench_memory: the window never painted\n");
        return 1;
    }
    bench.drain(500);
    std::printf("Resident memory of the game in a window on %s; a scripted player loses every fourth game:\n",
                qPrintable(QGuiApplication::platformName()));
    const Memory started = memory();
    print("window painted", started);

    ScriptedPlayer player(bench);
    int played = 0;
    auto playGames = [&](int count, bool levelsInTurn) {
        const Level levels[] = {Levels::Beginner, Levels::Intermediate, Levels::Expert};
        for (int game = 0; game < count; ++game, ++played)
            player.play(levelsInTurn ? levels[game % 3] : Levels::Intermediate, played % 4 == 3);
        bench.drain(500);
        return memory();
    };

    // The start-up level all along: the window keeps its size. The first
    // games fill caches once (glyphs of new digits, the allocator's pools).
    const Memory one = playGames(1, false);
    print("after 1 game", one);
    const Memory ten = playGames(games / 10 - 1, false);
    print(qPrintable(QStringLiteral("after %1 games").arg(played)), ten);
    const Memory sameLevel = playGames(games - played, false);
    print(qPrintable(QStringLiteral("after %1 games").arg(played)), sameLevel);

    // Levels in turn: the expert field's bigger window and field image raise
    // the figures once; after that they should stay put.
    std::printf("  then the three levels in turn:\n");
    const Memory turns1 = playGames(games, true);
    print(qPrintable(QStringLiteral("after %1 games").arg(played)), turns1);
    const Memory turns2 = playGames(games, true);
    print(qPrintable(QStringLiteral("after %1 games").arg(played)), turns2);
    const Memory turns3 = playGames(games, true);
    print(qPrintable(QStringLiteral("after %1 games").arg(played)), turns3);
    std::printf("  (%d message boxes answered, %d hall of fame dialogs turned down)\n", bench.messageCount(),
                bench.dialogCount());

    tableRow(QStringLiteral("Memory: peak growth over the first %1 games").arg(games),
             QStringLiteral("%1 KiB (%2 -> %3 KiB)")
                 .arg(sameLevel.peakKiB - started.peakKiB)
                 .arg(started.peakKiB)
                 .arg(sameLevel.peakKiB),
             QStringLiteral("0"));
    tableRow(QStringLiteral("Memory: peak growth from game %1 to %2").arg(games / 10).arg(games),
             QStringLiteral("%1 KiB").arg(sameLevel.peakKiB - ten.peakKiB), QStringLiteral("0"));
    tableRow(QStringLiteral("Memory: resident growth over %1 more games, levels in turn").arg(2 * games),
             QStringLiteral("%1 KiB (%2 -> %3 KiB)")
                 .arg(turns3.currentKiB - turns1.currentKiB)
                 .arg(turns1.currentKiB)
                 .arg(turns3.currentKiB),
             QStringLiteral("0"));
    return 0;
}
