// Counter and clock arithmetic: read the label's text, compute, write it back.
#include "counterclock.h"

#include "numbertext.h"

double mineCounterValue(const GameView& view) { return textToNumber(view.mineCounterText()); }

void setMineCounter(GameView& view, double n) { view.setMineCounterText(numberToText(n)); }

void addToMineCounter(GameView& view, double delta) { setMineCounter(view, mineCounterValue(view) + delta); }

double clockSeconds(const GameView& view) { return textToNumber(view.clockText()); }

void resetClock(GameView& view)
{
    view.setClockText("");
    view.stopClock();
}

void tickClock(GameView& view) { view.setClockText(numberToText(clockSeconds(view) + 1)); }
