// Counts the paint events a widget receives, and the area they cover.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject* watched) { watched->installEventFilter(this); }

    int count() const { return count_; }
    QRegion region() const { return region_; }
    void reset()
    {
        count_ = 0;
        region_ = QRegion();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count_;
            region_ += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    int count_ = 0;
    QRegion region_;
};
