// Numbers read from and written to texts the way the counter, the clock
// and the dialogs do, independent of the locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The leading decimal number of a UTF-8 text: blanks skipped, optional sign,
// digits with an optional fraction and exponent. Full-width forms count as
// ASCII. No number gives 0; a number beyond double's range gives +-infinity.
double textToNumber(std::string_view text);

// "%.13g": whole numbers without a point ("10", "-2", "1000").
std::string numberToText(double number);

// Values that are equal within the game's tolerance of 1e-7.
constexpr double numberTolerance = 1e-7;
inline bool numbersEqual(double a, double b) { return a - b <= numberTolerance && b - a <= numberTolerance; }
inline bool numberGreater(double a, double b) { return a - b > numberTolerance; }
inline bool numberLess(double a, double b) { return b - a > numberTolerance; }

// Truncation toward zero into 16 bits, saturating instead of undefined (NaN gives 0).
std::int16_t truncateToInt16(double number);
