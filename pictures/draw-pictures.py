#!/usr/bin/env python3
"""Draws the game's pictures and writes them as XPM files next to this script,
plus the application icons (PNG) in icons/. The build only uses the XPM files;
run this again after changing a shape here and commit what it writes."""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# One character per colour in the XPM files, so a diff shows the pixels.
PALETTE = {
    'w': 'FCFEFC',  # white
    '.': 'C4C2C4',  # light grey
    'd': '848284',  # dark grey
    'k': '040204',  # black
    'r': 'FC0204',  # red
    'y': 'FCFE04',  # yellow
    'o': '848204',  # olive
    'b': '0402FC',  # blue
    'g': '048204',  # green
    'n': '040284',  # navy
    'm': '840204',  # maroon
    't': '048284',  # teal
    # The pressed face button has colours of its own.
    'D': '808080',
    's': 'C0C0C0',
    'K': '000000',
    'Y': 'FFFF00',
}

DIGIT_COLOURS = ['b', 'g', 'r', 'n', 'm', 't', 'k', 'd']

# Digits 1 to 8: ten rows for y 2 to 11, columns starting at x 3 ('#' is ink).
DIGITS = {
    1: ["..###...",
        ".####...",
        "#####...",
        "#####...",
        "..###...",
        "..###...",
        "..###...",
        "..###...",
        "#######.",
        "#######."],
    2: [".######.",
        "########",
        "###..###",
        ".....###",
        "...#####",
        ".#####..",
        "####....",
        "###.....",
        "########",
        "########"],
    3: ["#######.",
        "########",
        ".....###",
        ".....###",
        "..#####.",
        "..#####.",
        ".....###",
        ".....###",
        "########",
        "#######."],
    4: ["...####.",
        "..#####.",
        ".###.##.",
        "###..##.",
        "###..##.",
        "########",
        "########",
        ".....##.",
        ".....##.",
        ".....##."],
    5: ["########",
        "########",
        "###.....",
        "###.....",
        "#######.",
        "########",
        ".....###",
        ".....###",
        "########",
        "#######."],
    6: [".#######",
        "########",
        "###.....",
        "###.....",
        "#######.",
        "########",
        "###..###",
        "###..###",
        "########",
        ".######."],
    7: ["########",
        "########",
        ".....###",
        "....###.",
        "....###.",
        "...###..",
        "...###..",
        "..###...",
        "..###...",
        "..###..."],
    8: [".######.",
        "########",
        "###..###",
        "###..###",
        ".######.",
        "########",
        "###..###",
        "###..###",
        "########",
        ".######."],
}
DIGIT_LEFT = {1: 4}  # the 1 keeps to x 4 to 10
DIGIT_TOP = 2


class Canvas:
    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def set(self, x, y, colour):
        self.rows[y][x] = colour

    def get(self, x, y):
        return self.rows[y][x]

    def paste(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                self.rows[top + y][left + x] = other.rows[y][x]

    def recolour(self, mapping):
        copy = Canvas(self.width, self.height, ' ')
        copy.rows = [[mapping.get(c, c) for c in row] for row in self.rows]
        return copy


def raised_tile():
    tile = Canvas(16, 16, '.')
    for y in range(16):
        for x in range(16):
            if x + y == 15 and (x <= 1 or y <= 1):
                colour = '.'
            elif (x <= 1 or y <= 1) and x + y < 15:
                colour = 'w'
            elif x >= 14 or y >= 14:
                colour = 'd'
            else:
                colour = '.'
            tile.set(x, y, colour)
    return tile


def opened_tile(base='.'):
    tile = Canvas(16, 16, base)
    for i in range(16):
        tile.set(15, i, 'd')
        tile.set(i, 15, 'd')
    return tile


def digit_tile(number):
    tile = opened_tile()
    left = DIGIT_LEFT.get(number, 3)
    for row, line in enumerate(DIGITS[number]):
        for column, mark in enumerate(line):
            if mark == '#':
                tile.set(left + column, DIGIT_TOP + row, DIGIT_COLOURS[number - 1])
    return tile


def flag_tile():
    tile = raised_tile()
    # Pennant pointing left, its straight edge against the pole's column.
    pennant = {3: (7, 8), 4: (5, 8), 5: (4, 8), 6: (5, 8), 7: (7, 8)}
    for y, (x0, x1) in pennant.items():
        for x in range(x0, x1 + 1):
            tile.set(x, y, 'r')
    for y in (8, 9):
        tile.set(8, y, 'k')
    for x in range(6, 10):
        tile.set(x, 10, 'k')
    for y in (11, 12):
        for x in range(4, 12):
            tile.set(x, y, 'k')
    return tile


def mine_body(x, y):
    return (x - 7) ** 2 + (y - 7) ** 2 <= 17


def mine_pixels():
    pixels = {(x, y) for y in range(16) for x in range(16) if mine_body(x, y)}
    pixels |= {(7, 1), (7, 2), (7, 12), (7, 13), (1, 7), (2, 7), (12, 7), (13, 7)}
    pixels |= {(3, 3), (11, 3), (3, 11), (11, 11)}
    return pixels


HIGHLIGHT = {(5, 5), (6, 5), (5, 6), (6, 6)}


def draw_mine(tile, highlight):
    for x, y in mine_pixels():
        tile.set(x, y, 'k')
    if highlight:
        for x, y in HIGHLIGHT:
            tile.set(x, y, 'w')


def wrong_flag_tile():
    tile = opened_tile()
    draw_mine(tile, highlight=False)
    for y in range(2, 14):
        for x in (y - 1, y, 14 - y, 15 - y):
            tile.set(x, y, 'r')
    return tile


def mine_tile():
    tile = opened_tile()
    draw_mine(tile, highlight=True)
    return tile


def exploded_mine():
    tile = opened_tile('r')
    draw_mine(tile, highlight=True)
    return tile


def tile_sheet():
    tiles = [opened_tile()] + [digit_tile(n) for n in range(1, 9)]
    tiles += [raised_tile(), flag_tile(), wrong_flag_tile(), mine_tile()]
    sheet = Canvas(16 * len(tiles), 16, '.')
    for index, tile in enumerate(tiles):
        sheet.paste(tile, 16 * index, 0)
    return sheet


def board_background():
    board = Canvas(485, 261, 'w')
    tile = raised_tile()
    for j in range(16):
        for i in range(30):
            board.paste(tile, 1 + 16 * i, 1 + 16 * j)
    return board


def face_frame():
    face = Canvas(26, 26, '.')
    for y in range(26):
        for x in range(26):
            if 3 <= x <= 22 and 3 <= y <= 22:
                continue
            if x + y == 25:
                colour = '.'
            elif x == 0 or y == 0:
                colour = 'd'
            elif (x <= 2 or y <= 2) and x + y < 25:
                colour = 'w'
            else:
                colour = 'd'
            face.set(x, y, colour)
    return face


def draw_head(face):
    """A yellow disc with a black outline over x 6 to 20 and y 5 to 21."""
    def inside(x, y):
        return ((x - 13) / 7.5) ** 2 + ((y - 13) / 8.5) ** 2 <= 1.0
    for y in range(26):
        for x in range(26):
            if not inside(x, y):
                continue
            edge = not all(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            face.set(x, y, 'k' if edge else 'y')


def face_smile():
    face = face_frame()
    draw_head(face)
    for left in (10, 15):
        for y in (10, 11):
            for x in (left, left + 1):
                face.set(x, y, 'k')
    for x, y in [(10, 15), (11, 16)] + [(x, 17) for x in range(12, 17)] + [(17, 16), (18, 15)]:
        face.set(x, y, 'k')
    return face


def face_surprised():
    face = face_frame()
    draw_head(face)
    for cx in (10, 16):
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                face.set(cx + dx, 10 + dy, 'o' if dx and dy else 'k')
    for dx in (-2, -1, 0, 1, 2):
        for dy in (-2, -1, 0, 1, 2):
            if abs(dx) + abs(dy) in (2, 3) and max(abs(dx), abs(dy)) == 2:
                face.set(13 + dx, 16 + dy, 'k')
    return face


def face_pressed(smile):
    face = Canvas(26, 26, 's')
    inner = Canvas(20, 20, ' ')
    for y in range(20):
        for x in range(20):
            inner.set(x, y, smile.get(3 + x, 3 + y))
    face.paste(inner.recolour({'.': 's', 'k': 'K', 'y': 'Y', 'd': 'D', 'w': 's'}), 4, 4)
    for i in range(26):
        for j in (0, 1):
            face.set(i, j, 'D')
            face.set(j, i, 'D')
        face.set(25, i, 'D')
        face.set(i, 25, 'D')
    face.set(25, 0, 's')
    face.set(0, 25, 's')
    return face


def write_xpm(name, canvas):
    used = sorted({c for row in canvas.rows for c in row})
    lines = ['/* XPM */', 'static const char *const %s[] = {' % name.replace('.', '_'),
             '"%d %d %d 1",' % (canvas.width, canvas.height, len(used))]
    lines += ['"%s c #%s",' % (c, PALETTE[c]) for c in used]
    lines += ['"%s",' % ''.join(row) for row in canvas.rows]
    lines[-1] = lines[-1][:-1]
    lines.append('};')
    with open(os.path.join(HERE, name + '.xpm'), 'w') as out:
        out.write('\n'.join(lines) + '\n')


def write_png(path, canvas, size):
    """Nearest-neighbour scaling: every output pixel takes the source pixel under its centre."""
    raw = bytearray()
    for dy in range(size):
        sy = (2 * dy + 1) * canvas.height // (2 * size)
        raw.append(0)
        for dx in range(size):
            sx = (2 * dx + 1) * canvas.width // (2 * size)
            raw += bytes.fromhex(PALETTE[canvas.get(sx, sy)])

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    png = b'\x89PNG\r\n\x1a\n'
    png += chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 2, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(bytes(raw), 9))
    png += chunk(b'IEND', b'')
    with open(path, 'wb') as out:
        out.write(png)


def main():
    smile = face_smile()
    write_xpm('tilesheet', tile_sheet())
    write_xpm('boardbackground', board_background())
    write_xpm('explodedmine', exploded_mine())
    write_xpm('facesmile', smile)
    write_xpm('facesurprised', face_surprised())
    write_xpm('facepressed', face_pressed(smile))

    # Installed into the icon theme under the application's id.
    icons = os.path.join(HERE, 'icons')
    os.makedirs(icons, exist_ok=True)
    for size in (16, 32, 48, 64, 128, 256):
        write_png(os.path.join(icons, '%d.png' % size), smile, size)

if __name__ == '__main__':
    main()
