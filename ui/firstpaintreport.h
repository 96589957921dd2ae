// Start-up measurement for the benchmarks, shared by the game and its
// baseline window so that both report the same way.
#pragma once

#include <QObject>

class QEvent;
class QWidget;

// With TOLVY_BENCH_EXIT_AFTER_PAINT set in the environment, the program
// prints one line once the field's first paint has
// reached the screen, and quits, which closes the window as its close box
// would. The line gives CLOCK_MONOTONIC at that moment (for a caller that
// took the same clock before starting the process), the time since the
// process started as the kernel counts it (/proc/self/stat, in clock ticks,
// so only to 10 ms), the processor time used so far, and the peak resident
// memory (VmHWM) in KiB. Nothing else changes: the window is built and shown
// as always.
class FirstPaintReport : public QObject {
public:
    explicit FirstPaintReport(QWidget* watched);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report();
};
