// Prints how long the window takes for a left click that floods the whole
// expert field: the release handler (uncovering, drawing, the win) and the
// one repaint that shows it. A figure to read, never a pass or fail.
#include "boardcanvas.h"
#include "windowfixture.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Every safe cell of the expert field is reached from (10, 5); the click
// ends in a win when wins is true, else one walled-in cell stays covered.
QStringList expertField(bool wins)
{
    QStringList rows(16, QString(30, QLatin1Char('.')));
    rows[0][0] = QLatin1Char('o');
    for (int row = 14; row < 16; ++row) {
        for (int column = 27; column < 30; ++column)
            rows[row][column] = QLatin1Char('*');
    }
    if (!wins) {
        rows[0][28] = QLatin1Char('*');
        rows[1][28] = QLatin1Char('*');
        rows[1][29] = QLatin1Char('*');
    }
    return rows;
}

struct Figures {
    std::vector<double> handler;
    std::vector<double> repaint;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void print(const char* what, const std::vector<double>& values)
{
    std::printf("  %-28s median %7.3f ms   min %7.3f ms   max %7.3f ms\n", what, median(values),
                *std::min_element(values.begin(), values.end()), *std::max_element(values.begin(), values.end()));
}

Figures measure(WindowFixture& fixture, bool wins, int runs)
{
    Figures figures;
    const QPoint at = WindowFixture::cellCentre(10, 5);
    for (int run = 0; run < runs; ++run) {
        fixture.plant(expertField(wins));
        fixture.press(Qt::LeftButton, at);
        QCoreApplication::processEvents();

        QElapsedTimer timer;
        timer.start();
        fixture.release(Qt::LeftButton, at);
        const qint64 handled = timer.nsecsElapsed();
        fixture.canvas()->repaint();
        const qint64 painted = timer.nsecsElapsed();
        figures.handler.push_back(double(handled) / 1e6);
        figures.repaint.push_back(double(painted - handled) / 1e6);
    }
    return figures;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    WindowFixture fixture;
    if (!fixture.showAndActivate())
        return 1;
    const int runs = 200;

    for (bool wins : {false, true}) {
        const Figures figures = measure(fixture, wins, runs);
        std::printf("Left click flooding the expert field (%s), %d runs:\n",
                    wins ? "ends in a win, reveal included" : "game goes on", runs);
        print("release handler", figures.handler);
        print("the one repaint of the field", figures.repaint);
    }
    return 0;
}
