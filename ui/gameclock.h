// The one-second timer that advances the clock label while a game runs.
#pragma once

#include <QObject>
#include <QTimer>

class GameClock : public QObject {
    Q_OBJECT

public:
    explicit GameClock(QObject* parent = nullptr);

    bool isRunning() const { return timer_.isActive(); }
    // Starting a running clock leaves its rhythm alone.
    void start();
    void stop();

signals:
    // Once a second while running.
    void ticked();

private:
    QTimer timer_;
};
