#!/usr/bin/env python3
"""Draws the banner across the top of the About dialog: resources/about/banner.bmp.

A deep blue band that lightens towards the right, the name BRELIX in large
square letters with a soft shadow, and on the right a small tray of raised
tiles numbered 1 to 5 with the bottom-right slot empty, as in the game.

The dialog places the picture 4 pixels up and left of its client area, so
nothing of note is drawn within 4 pixels of the top and left edges.

Writes a 298 x 81 bottom-up BMP with 24 bits per pixel, the format every
Windows version reads. Python's standard library only. Run it from anywhere:
python3 resources/about/make_banner.py
"""

import os
import struct

WIDTH, HEIGHT = 298, 81
HIDDEN = 4  # rows and columns under the dialog's top and left edges

SKY_LEFT = (16, 40, 92)
SKY_RIGHT = (30, 120, 168)
RULE = (140, 200, 228)          # thin light line along the bottom
LETTER = (250, 250, 252)
LETTER_SHADOW = (8, 22, 52)
TRAY = (12, 34, 66)
TILE_FACE = (38, 150, 190)
TILE_LIGHT = (128, 212, 232)
TILE_DARK = (18, 86, 118)
TILE_DIGIT = (236, 248, 252)

# Square capitals, 5 x 7 cells; '#' is ink.
GLYPHS = {
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "I": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
}
# Digits, 3 x 5 cells.
DIGITS = {
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "3": ["##.", "..#", ".#.", "..#", "##."],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "##.", "..#", "##."],
}


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


class Canvas:
    def __init__(self):
        self.rows = [[(0, 0, 0)] * WIDTH for _ in range(HEIGHT)]

    def put(self, x, y, rgb):
        if 0 <= x < WIDTH and 0 <= y < HEIGHT:
            self.rows[y][x] = rgb

    def rect(self, x, y, w, h, rgb):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, rgb)

    def glyph(self, x, y, rows, cell, rgb):
        for gy, line in enumerate(rows):
            for gx, ink in enumerate(line):
                if ink == "#":
                    self.rect(x + gx * cell, y + gy * cell, cell, cell, rgb)


def draw():
    c = Canvas()
    # The band: left to right, and a touch lighter towards the top.
    for y in range(HEIGHT):
        for x in range(WIDTH):
            base = mix(SKY_LEFT, SKY_RIGHT, x / (WIDTH - 1))
            c.put(x, y, mix(base, (255, 255, 255), 0.10 * (1 - y / (HEIGHT - 1))))
    c.rect(0, HEIGHT - 2, WIDTH, 1, RULE)

    # The name, shadow first.
    cell, left, top = 4, 18, 26
    for shadow, colour in ((2, LETTER_SHADOW), (0, LETTER)):
        x = left
        for letter in "BRELIX":
            c.glyph(x + shadow, top + shadow, GLYPHS[letter], cell, colour)
            x += 6 * cell

    # The tray: three columns, two rows of 20-pixel tiles, 2-pixel gutters.
    tile, gutter = 20, 2
    tray_x, tray_y = 208, 18
    tray_w = 3 * tile + 4 * gutter
    tray_h = 2 * tile + 3 * gutter
    c.rect(tray_x, tray_y, tray_w, tray_h, TRAY)
    for n in range(5):
        col, row = n % 3, n // 3
        x = tray_x + gutter + col * (tile + gutter)
        y = tray_y + gutter + row * (tile + gutter)
        c.rect(x, y, tile, tile, TILE_FACE)
        c.rect(x, y, tile, 2, TILE_LIGHT)
        c.rect(x, y, 2, tile, TILE_LIGHT)
        c.rect(x, y + tile - 2, tile, 2, TILE_DARK)
        c.rect(x + tile - 2, y, 2, tile, TILE_DARK)
        c.glyph(x + 7, y + 5, DIGITS[str(n + 1)], 2, TILE_DIGIT)
    return c


def write_bmp(canvas, path):
    stride = (WIDTH * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(canvas.rows):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        pixels += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(draw(), os.path.join(here, "banner.bmp"))
