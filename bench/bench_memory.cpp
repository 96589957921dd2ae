// Prints the game's peak and current resident memory once its window has
// painted, and again after a scripted player has played 100 games (and 100
// more) with real mouse events on the field: memory that grows with the
// games played would show as a rising figure. Figures to read, never a pass
// or fail.
#include "benchfigures.h"
#include "benchwindow.h"

#include "boardcanvas.h"

#include <QApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <utility>
#include <vector>

namespace {

struct Memory {
    long peakKiB = -1;     // VmHWM
    long currentKiB = -1;  // VmRSS
};

Memory memory()
{
    Memory figures;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return figures;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        const long value = line.mid(6).trimmed().split(' ').first().toLong();
        if (line.startsWith("VmHWM:"))
            figures.peakKiB = value;
        else if (line.startsWith("VmRSS:"))
            figures.currentKiB = value;
    }
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
    std::printf("  %-28s peak (VmHWM) %6ld KiB   now (VmRSS) %6ld KiB\n", when, figures.peakKiB,
                figures.currentKiB);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchWindow bench;
    if (!bench.showAndWaitForPaint()) {
        std::fprintf(stderr, "bench_memory: the window never painted\n");
        return 1;
    }
    bench.drain(500);
    const Memory started = memory();

    ScriptedPlayer player(bench);
    const Level levels[] = {Levels::Beginner, Levels::Intermediate, Levels::Expert};
    auto playGames = [&](int first, int count) {
        for (int game = first; game < first + count; ++game)
            player.play(levels[game % 3], game % 4 == 3);
        bench.drain(500);
    };
    playGames(0, 100);
    const Memory after100 = memory();
    playGames(100, 100);
    const Memory after200 = memory();

    std::printf("Resident memory of the game in a window on %s (levels in turn, every fourth game lost;\n"
                "%d message boxes answered):\n",
                qPrintable(QGuiApplication::platformName()), bench.messageCount());
    print("window painted", started);
    print("after 100 games", after100);
    print("after 200 games", after200);
    tableRow(QStringLiteral("Memory: peak growth over 100 games"),
             QStringLiteral("%1 KiB (%2 -> %3 KiB)")
                 .arg(after100.peakKiB - started.peakKiB)
                 .arg(started.peakKiB)
                 .arg(after100.peakKiB),
             QStringLiteral("0"));
    tableRow(QStringLiteral("Memory: resident growth from game 100 to 200"),
             QStringLiteral("%1 KiB").arg(after200.currentKiB - after100.currentKiB), QStringLiteral("0"));
    return 0;
}
