// Prints how long the heaviest single actions on the expert field take,
// from the mouse event that triggers them to the field's repaint done, and
// how many repaints of the field each one costs. Figures to read, never a
// pass or fail.
#include "benchwindow.h"
#include "benchfigures.h"

#include <QApplication>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int columns = 30;
constexpr int rows = 16;
constexpr int expertMines = 99;

// A 30 x 16 field of covered safe cells.
QStringList emptyField()
{
    return QStringList(rows, QString(columns, QLatin1Char('.')));
}

void put(QStringList& field, int column, int row, char mark)
{
    field[row - 1][column - 1] = QLatin1Char(mark);
}

int mineCount(const QStringList& field)
{
    int mines = 0;
    for (const QString& row : field)
        mines += int(row.count(QLatin1Char('*')) + row.count(QLatin1Char('F')));
    return mines;
}

// Fills the bottom-right corner with mines, row by row from the last cell,
// until the field holds the expert level's 99. Everything left of and above
// the block stays one connected region.
void fillMineBlock(QStringList& field)
{
    for (int row = rows; row >= 1 && mineCount(field) < expertMines; --row) {
        for (int column = columns; column > columns - 14 && mineCount(field) < expertMines; --column) {
            if (field[row - 1][column - 1] == QLatin1Char('.'))
                put(field, column, row, '*');
        }
    }
}

// The top-right cell walled in by three mines and uncovered, so that the
// mines count as laid and no click places new ones.
void openWalledCorner(QStringList& field)
{
    put(field, columns, 1, 'o');
    put(field, columns - 1, 1, '*');
    put(field, columns - 1, 2, '*');
    put(field, columns, 2, '*');
}

// The bottom-left cell walled in and left covered: a flood never reaches it,
// so the game goes on.
void wallInBottomLeft(QStringList& field)
{
    put(field, 2, rows, '*');
    put(field, 1, rows - 1, '*');
    put(field, 2, rows - 1, '*');
}

struct Action {
    const char* name;
    QStringList field;
    // Everything before the measured event: presses, and so on.
    std::function<void(BenchWindow&)> prepare;
    // The one event whose handling and repaint are measured.
    std::function<void(BenchWindow&)> trigger;
    // Whatever the hand still has to do afterwards, not measured.
    std::function<void(BenchWindow&)> finish;
};

std::vector<Action> actions()
{
    std::vector<Action> list;

    QStringList flood = emptyField();
    openWalledCorner(flood);
    wallInBottomLeft(flood);
    fillMineBlock(flood);
    list.push_back({"left click, flood", flood, [](BenchWindow& w) { w.press(Qt::LeftButton, 10, 5); },
                    [](BenchWindow& w) { w.release(Qt::LeftButton, 10, 5); }, nullptr});

    QStringList floodWin = emptyField();
    openWalledCorner(floodWin);
    fillMineBlock(floodWin);
    list.push_back({"left click, flood and win walk", floodWin,
                    [](BenchWindow& w) { w.press(Qt::LeftButton, 10, 5); },
                    [](BenchWindow& w) { w.release(Qt::LeftButton, 10, 5); }, nullptr});

    // A 1 next to its flagged mine: the chord opens the corner, which floods.
    QStringList chord = emptyField();
    openWalledCorner(chord);
    wallInBottomLeft(chord);
    put(chord, 3, 3, 'F');
    put(chord, 2, 2, 'o');
    fillMineBlock(chord);
    list.push_back({"chord, flood", chord,
                    [](BenchWindow& w) {
                        w.press(Qt::LeftButton, 2, 2);
                        w.press(Qt::RightButton, 2, 2);
                    },
                    [](BenchWindow& w) { w.release(Qt::RightButton, 2, 2); },
                    [](BenchWindow& w) { w.release(Qt::LeftButton, 2, 2); }});

    // Every mine flagged but one, nearly every safe cell covered: the last
    // flag wins, and the walk uncovers the rest of the field.
    QStringList flagWin = emptyField();
    openWalledCorner(flagWin);
    fillMineBlock(flagWin);
    for (QString& row : flagWin)
        row.replace(QLatin1Char('*'), QLatin1Char('F'));
    put(flagWin, columns, rows, '*');
    list.push_back({"last flag, win walk", flagWin,
                    [](BenchWindow& w) { w.press(Qt::RightButton, columns, rows); },
                    [](BenchWindow& w) { w.release(Qt::RightButton, columns, rows); }, nullptr});

    // A mine stepped on with every other mine covered and twenty wrong marks.
    QStringList loss = emptyField();
    openWalledCorner(loss);
    for (int column = 1; column <= 10; ++column) {
        put(loss, column, 1, 'f');
        put(loss, column + 10, 1, 'q');
    }
    fillMineBlock(loss);
    list.push_back({"left click on a mine, loss walk", loss,
                    [](BenchWindow& w) { w.press(Qt::LeftButton, columns, rows); },
                    [](BenchWindow& w) { w.release(Qt::LeftButton, columns, rows); }, nullptr});

    return list;
}

struct Run {
    double milliseconds;  // from the event to the end of the repaint
    double handler;       // of which the event's own handling
    double painting;      // and the repaint with its flush to the screen
    int repaints;
    int opened;  // cells uncovered by the action
};

// Times one event from its sending to the end of the field's repaint.
Run measure(BenchWindow& bench, const std::function<void(BenchWindow&)>& trigger)
{
    const int before = bench.paintCount();
    const int openedBefore = bench.session().openedCount;
    const qint64 sent = bench.nanoseconds();
    trigger(bench);
    const qint64 handled = bench.nanoseconds();
    bench.waitForPaint(before);
    const qint64 painted = bench.nanoseconds();
    const qint64 paintStarted = bench.lastPaintNanoseconds();
    // Late repaints would count against the action too.
    bench.drain(20);
    return {double(painted - sent) / 1e6, double(handled - sent) / 1e6, double(painted - paintStarted) / 1e6,
            bench.paintCount() - before, bench.session().openedCount - openedBefore};
}

// One action: plant its field, wait until that shows, do what comes
// before, then time the event up to the end of the field's repaint.
Run runOnce(BenchWindow& bench, const Action& action)
{
    const int planted = bench.paintCount();
    bench.plant(action.field);
    bench.waitForPaint(planted);
    bench.drain(2);
    action.prepare(bench);
    bench.drain(2);

    const Run run = measure(bench, action.trigger);
    if (action.finish)
        action.finish(bench);
    return run;
}

// The first click of a fresh expert game: the click lays the 99 mines
// (never on the clicked cell's row or column) and opens what it opens.
Run firstClick(BenchWindow& bench)
{
    const int cleared = bench.paintCount();
    bench.game().selectLevel(Levels::Expert);
    bench.waitForPaint(cleared);
    bench.drain(2);
    bench.press(Qt::LeftButton, 15, 8);
    bench.drain(2);

    return measure(bench, [](BenchWindow& w) { w.release(Qt::LeftButton, 15, 8); });
}

void report(const char* name, const std::vector<Run>& runs)
{
    std::vector<double> times;
    std::vector<double> handler;
    std::vector<double> painting;
    std::vector<double> repaints;
    std::vector<double> opened;
    for (const Run& run : runs) {
        times.push_back(run.milliseconds);
        handler.push_back(run.handler);
        painting.push_back(run.painting);
        repaints.push_back(run.repaints);
        opened.push_back(run.opened);
    }
    std::printf("  %-36s %6.3f ms (handler %6.3f, repaint %6.3f)  min %6.3f  max %6.3f  repaints %g to %g  "
                "opened %g to %g\n",
                name, median(times), median(handler), median(painting), minimum(times), maximum(times),
                minimum(repaints), maximum(repaints), minimum(opened), maximum(opened));
    tableRow(QStringLiteral("Action: %1").arg(QString::fromLatin1(name)),
             QStringLiteral("%1 ms, %2 repaint(s)").arg(median(times), 0, 'f', 3).arg(maximum(repaints)),
             QStringLiteral("< 1 ms, 1 repaint"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 200;

    BenchWindow bench;
    if (!bench.showAndWaitForPaint()) {
        std::fprintf(stderr, "bench_actions: the window never painted\n");
        return 1;
    }
    bench.drain(200);

    std::printf("Heaviest actions on the 30 x 16 field with 99 mines, %d runs each: medians from the mouse\n"
                "event to the field's repaint flushed to the screen (on %s), of which the event's handling\n"
                "and the repaint itself; the repaints of the field each action caused; cells it opened:\n",
                runs, qPrintable(QGuiApplication::platformName()));
    for (const Action& action : actions()) {
        std::vector<Run> figures;
        for (int run = 0; run < runs; ++run)
            figures.push_back(runOnce(bench, action));
        report(action.name, figures);
    }

    std::vector<Run> figures;
    for (int run = 0; run < runs; ++run)
        figures.push_back(firstClick(bench));
    report("first click of a fresh expert game", figures);
    return 0;
}
