// The mouse's ButtonState arithmetic: a press adds 1 (left) or 2 (right)
// after resetting a stale value; a release subtracts, and any result other
// than 0 is a chord release that leaves 10.
#pragma once

#include "cellcode.h"

enum class MouseButton { Left = 1, Right = 2 };

constexpr ButtonState afterPress(ButtonState state, MouseButton button)
{
    if (state <= 0 || state == 10)
        state = 0;
    return ButtonState(state + int(button));
}

// The raw value right after a release; isChordRelease tells what it means.
constexpr ButtonState afterRelease(ButtonState state, MouseButton button)
{
    return ButtonState(state - int(button));
}

constexpr bool isChordRelease(ButtonState afterReleaseValue) { return afterReleaseValue != 0; }

constexpr ButtonState chordReleased = 10;
