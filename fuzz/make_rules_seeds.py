#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_rules into corpus/fuzz_rules/.

The byte format is ActionPlayer's (actionplayer.h): a field header, then
actions of one to three bytes. Run it again after changing that format.
"""
import os

LEFT_PRESS, RIGHT_PRESS, LEFT_RELEASE, RIGHT_RELEASE, MOVE = 0, 2, 4, 6, 8
OPEN_CELL, CYCLE_FLAG, CHORD_BLOCK, NEW_GAME, OPTIONS, NEW_FIELD = 10, 11, 12, 13, 14, 15
MARKS, JUDGE = 1, 2


def custom(columns, rows, mines, options=JUDGE):
    return bytes([options, columns - 1, rows - 1, mines >> 8, mines & 255])


def level(n, options=JUDGE):
    return bytes([(52 + n - 1) << 2 | options])


def odd(index, level_index=0, options=JUDGE):
    return bytes([58 << 2 | options, index, level_index])


def px(cell, offset=2):
    """The coordinate byte of a cell counted from 1 (0 and beyond the field allowed)."""
    return (cell + 34 * offset) & 255


def mouse(kind, column, row, offset=2):
    return bytes([kind, px(column, offset), px(row, offset)])


def click(column, row):
    return mouse(MOVE, column, row) + mouse(LEFT_PRESS, column, row) + mouse(LEFT_RELEASE, column, row)


def right_click(column, row):
    return mouse(MOVE, column, row) + mouse(RIGHT_PRESS, column, row) + mouse(RIGHT_RELEASE, column, row)


def quick_right_click(column, row):
    return mouse(RIGHT_PRESS, column, row) + mouse(RIGHT_RELEASE, column, row)


def chord(column, row, left_up_first=True):
    first, second = (LEFT_RELEASE, RIGHT_RELEASE) if left_up_first else (RIGHT_RELEASE, LEFT_RELEASE)
    return (mouse(MOVE, column, row) + mouse(LEFT_PRESS, column, row) + mouse(RIGHT_PRESS, column, row)
            + mouse(first, column, row) + mouse(second, column, row))


def direct(kind, column, row, mode=0):
    return bytes([kind | mode << 4, (column + 2) & 255, (row + 2) & 255])


def every_cell(columns, rows, action):
    return b"".join(action(c, r) for r in range(1, rows + 1) for c in range(1, columns + 1))


seeds = {
    "beginner-sweep": level(1) + every_cell(8, 8, click),
    "beginner-marks-flags-then-sweep": level(1, MARKS) + every_cell(8, 8, right_click) + every_cell(8, 8, click),
    "intermediate-chords": level(2) + click(8, 8) + every_cell(16, 16, chord),
    "expert-flags-cycle": level(3, MARKS | JUDGE) + click(15, 8) + every_cell(30, 16, quick_right_click),
    "expert-chord-right-first": level(3) + click(1, 1) + every_cell(30, 5, lambda c, r: chord(c, r + 11, False)),
    "empty-field-flood": custom(30, 16, 0) + click(30, 16),
    "full-field": custom(30, 16, 435) + click(7, 9) + every_cell(30, 16, quick_right_click),
    "one-cell": custom(1, 1, 0) + click(1, 1) + right_click(1, 1),
    "one-column": custom(1, 16, 0) + right_click(1, 3) + click(1, 1),
    "one-row-flags": custom(30, 1, 0, MARKS) + right_click(4, 1) * 3 + click(30, 1),
    "two-by-two": custom(2, 2, 1) + right_click(2, 2) + click(1, 1) + click(1, 2) + click(2, 1),
    "flags-before-first-click": custom(9, 9, 30, MARKS) + every_cell(9, 9, right_click) + click(5, 5)
    + every_cell(9, 9, click),
    "marks-before-first-click": custom(9, 9, 30, MARKS) + every_cell(9, 9, lambda c, r: right_click(c, r) * 2)
    + click(1, 9) + every_cell(9, 9, chord),
    "chord-moves": level(2) + click(4, 4) + mouse(LEFT_PRESS, 5, 5) + mouse(RIGHT_PRESS, 5, 5)
    + b"".join(mouse(MOVE, c, c) for c in range(0, 18)) + mouse(RIGHT_RELEASE, 17, 17)
    + mouse(MOVE, 3, 3) + mouse(LEFT_RELEASE, 3, 3),
    "press-moves-off-field": level(1) + mouse(LEFT_PRESS, 4, 4)
    + b"".join(mouse(MOVE, c, 4) for c in range(4, -1, -1)) + mouse(LEFT_RELEASE, 0, 4),
    "stray-releases": level(1) + mouse(LEFT_RELEASE, 3, 3) + mouse(RIGHT_RELEASE, 3, 3) + mouse(LEFT_PRESS, 3, 3)
    + mouse(LEFT_RELEASE, 3, 3) + mouse(RIGHT_RELEASE, 6, 6) * 3,
    "presses-without-releases": level(1) + (mouse(LEFT_PRESS, 2, 2) + mouse(RIGHT_PRESS, 2, 2)) * 40
    + mouse(LEFT_RELEASE, 2, 2),
    "far-positions": level(3) + b"".join(bytes([k, b, 255 - (b - 238)]) for k in (0, 4, 2, 6, 8)
                                         for b in range(238, 256)),
    "border-pixels": level(1) + b"".join(mouse(k, c, r, o) for k in (8, 0, 4) for c, r in ((0, 1), (9, 8), (8, 9))
                                         for o in range(7)),
    "direct-calls": level(2) + direct(OPEN_CELL, 8, 8) + b"".join(
        direct(CHORD_BLOCK, c, c, m) for m in range(4) for c in range(-2, 18))
    + b"".join(direct(CYCLE_FLAG, c, 3) for c in range(-2, 20)),
    "direct-press-then-open": level(1) + direct(OPEN_CELL, 1, 1) + direct(CHORD_BLOCK, 5, 5, 0)
    + direct(CHORD_BLOCK, 5, 5, 3) + direct(OPEN_CELL, 5, 5) + direct(CHORD_BLOCK, 5, 5, 1),
    "new-game-mid-game": level(1) + click(1, 1) + right_click(3, 3) + bytes([NEW_GAME]) + click(8, 8)
    + bytes([OPTIONS | 0xF0]) + right_click(2, 2) * 2,
    "clock-ticks": level(1) + bytes([OPTIONS]) * 5 + right_click(2, 2) + bytes([OPTIONS]) * 3 + click(2, 3),
    "field-changes": level(1) + click(1, 1) + bytes([NEW_FIELD]) + custom(12, 9, 20) + click(6, 6)
    + bytes([NEW_FIELD]) + level(3) + click(30, 16),
    "win-then-direct-calls": custom(3, 3, 1) + right_click(3, 3) + click(1, 1) + click(1, 3) + click(3, 1)
    + click(2, 2) + click(2, 3) + click(3, 2) + direct(CYCLE_FLAG, 3, 3) + direct(OPEN_CELL, 3, 3),
    "loss-then-direct-calls": level(1) + every_cell(8, 8, click) + direct(OPEN_CELL, 1, 1)
    + direct(CHORD_BLOCK, 4, 4, 1) + direct(CYCLE_FLAG, 8, 8),
}
for index, (kind, lvl) in enumerate([(0, 0), (1, 0), (2, 1), (3, 0), (4, 2), (5, 3), (6, 4), (7, 0),
                                     (8, 0), (9, 1), (10, 0), (11, 5), (12, 6), (13, 0), (14, 0), (15, 3)]):
    seeds["odd-field-%02d" % index] = odd(kind, lvl) + click(1, 1) + chord(2, 2) + right_click(3, 3) + click(8, 8)

folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "fuzz_rules")
os.makedirs(folder, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)
print(len(seeds), "seeds in", folder)
