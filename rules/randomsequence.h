// The game's one pseudo-random sequence: a linear congruential generator
// that starts at 1 and is never seeded again, so every run draws the same.
#pragma once

#include <cstdint>

class RandomSequence {
public:
    // The next raw value, 0 to 32767.
    int next()
    {
        state_ = state_ * 214013u + 2531011u;
        return int((state_ >> 16) & 0x7fffu);
    }
    /* n >= 1; returns 1 to n */
    int draw(int n) { return 1 + next() % n; }

private:
    std::uint32_t state_ = 1;
};
