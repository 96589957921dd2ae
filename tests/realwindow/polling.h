// Waiting for the program under test: a condition is polled until it holds
// or the time is up. Never a fixed sleep, and generous limits, since the
// machine running the tests may be busy.
#pragma once

#include <QDeadlineTimer>
#include <QTest>

namespace Polling {

constexpr int patienceMs = 30000;

template <typename Condition>
bool waitFor(Condition condition, int timeoutMs = patienceMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return condition();
        QTest::qWait(20);
    }
    return true;
}

} // namespace Polling
