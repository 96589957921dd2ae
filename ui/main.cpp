// The program: one main window and its message loop.
#include "mainwindow.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <memory>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Start-up measurement: with TOLVY_BENCH_EXIT_AFTER_PAINT set in the
// environment, the program prints one line once the field's first paint has
// reached the screen, and quits, which closes the window as its close box
// would. The line gives CLOCK_MONOTONIC at that moment (for a caller that
// took the same clock before starting the process), the time since the
// process started as the kernel counts it (/proc/self/stat, in clock ticks,
// so only to 10 ms), the processor time used so far, and the peak resident
// memory (VmHWM) in KiB. Nothing else changes: the window is built and shown
// as always.
class FirstPaintReport : public QObject {
public:
    explicit FirstPaintReport(QWidget* watched) { watched->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The paint is being delivered now; a queued call runs once the
        // whole window has been painted and flushed to the screen.
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, &FirstPaintReport::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static double nanoseconds(clockid_t clock)
    {
        timespec now{};
        clock_gettime(clock, &now);
        return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
    }

    // Milliseconds since the process started: its start time in clock ticks
    // since boot is the 22nd field of /proc/self/stat, after the command name
    // in parentheses.
    static double millisecondsSinceStart()
    {
        QFile stat(QStringLiteral("/proc/self/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 20)
            return -1;
        const double startTicks = fields.at(19).toDouble();
        return nanoseconds(CLOCK_BOOTTIME) / 1e6 - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
    }

    static long peakResidentKiB()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
        }
        return -1;
    }

    // User and system time of all the process's threads so far.
    static double processorMilliseconds()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
               + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }

    void report()
    {
        std::printf("first-paint monotonic-ns=%.0f since-start-ms=%.0f cpu-ms=%.2f vmhwm-kib=%ld\n",
                    nanoseconds(CLOCK_MONOTONIC), millisecondsSinceStart(), processorMilliseconds(),
                    peakResidentKiB());
        std::fflush(stdout);
        QCoreApplication::quit();
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to its desktop entry; the title stays as set.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tolvy.Mines"));

    MainWindow window;
    std::unique_ptr<FirstPaintReport> firstPaintReport;
    if (qEnvironmentVariableIsSet("TOLVY_BENCH_EXIT_AFTER_PAINT")) {
        if (auto* canvas = window.findChild<QWidget*>(QStringLiteral("画板1")))
            firstPaintReport = std::make_unique<FirstPaintReport>(canvas);
    }
    window.show();
    app.exec();
    return 0;
}
