// Field sizes and the fixed levels.
#pragma once

#include "cellcode.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

struct FieldSize {
    std::int16_t columns = 0;
    std::int16_t rows = 0;
    std::int16_t mines = 0;

    friend bool operator==(const FieldSize&, const FieldSize&) = default;
};

// Limits of a playable field. Placement keeps the first cell's column and
// row free, so at most (columns - 1) x (rows - 1) mines fit.
namespace FieldLimits {
constexpr int MinColumns = 8;
constexpr int MaxColumns = 30;
constexpr int MinRows = 8;
constexpr int MaxRows = 16;
constexpr int mineCapacity(int columns, int rows)
{
    return columns > 1 && rows > 1 ? (columns - 1) * (rows - 1) : 0;
}
// True for a field the game can lay out and play (stored custom fields are checked with it).
constexpr bool isPlayable(int columns, int rows, int mines)
{
    return columns >= MinColumns && columns <= MaxColumns && rows >= MinRows && rows <= MaxRows
        && mines >= 1 && mines <= mineCapacity(columns, rows);
}
} // namespace FieldLimits

struct FixedLevel {
    Level level;
    FieldSize size;
    std::string_view recordName; // value name of its best time in the settings store
};

inline constexpr std::array<FixedLevel, 3> fixedLevels{{
    {Levels::Beginner, {8, 8, 10}, "初级"},
    {Levels::Intermediate, {16, 16, 40}, "中级"},
    {Levels::Expert, {30, 16, 99}, "高级"},
}};

// The fixed level's row, or nothing for the custom level and unknown values.
constexpr std::optional<FixedLevel> fixedLevel(Level level)
{
    for (const FixedLevel& fixed : fixedLevels) {
        if (fixed.level == level)
            return fixed;
    }
    return std::nullopt;
}
