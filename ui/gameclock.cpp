// The one-second timer of the clock label.
#include "gameclock.h"

GameClock::GameClock(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("时钟1"));
    timer_.setInterval(1000);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GameClock::ticked);
}

void GameClock::start()
{
    if (!timer_.isActive())
        timer_.start();
}

void GameClock::stop()
{
    timer_.stop();
}
