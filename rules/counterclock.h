// The mine counter and the clock: numbers that live only as label texts.
#pragma once

#include "gameview.h"

double mineCounterValue(const GameView& view);
void setMineCounter(GameView& view, double n);
void addToMineCounter(GameView& view, double delta);

double clockSeconds(const GameView& view);
void resetClock(GameView& view);
// The clock's periodic event: one more second.
void tickClock(GameView& view);
