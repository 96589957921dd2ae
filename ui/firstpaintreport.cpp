// The first-paint report of the start-up benchmark.
#include "firstpaintreport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <ctime>

#include <sys/resource.h>
#include <unistd.h>

namespace {

double nanoseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

// Milliseconds since the process started: its start time in clock ticks
// since boot is the 22nd field of /proc/self/stat, after the command name
// in parentheses.
double millisecondsSinceStart()
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

long peakResidentKiB()
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
double processorMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

} // namespace

FirstPaintReport::FirstPaintReport(QWidget* watched)
{
    watched->installEventFilter(this);
}

bool FirstPaintReport::eventFilter(QObject* watched, QEvent* event)
{
    // The paint is being delivered now; a queued call runs once the
    // whole window has been painted and flushed to the screen.
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &FirstPaintReport::report, Qt::QueuedConnection);
    }
    return false;
}

void FirstPaintReport::report()
{
    std::printf("first-paint monotonic-ns=%.0f since-start-ms=%.0f cpu-ms=%.2f vmhwm-kib=%ld\n",
                nanoseconds(CLOCK_MONOTONIC), millisecondsSinceStart(), processorMilliseconds(),
                peakResidentKiB());
    std::fflush(stdout);
    QCoreApplication::quit();
}
