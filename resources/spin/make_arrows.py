#!/usr/bin/env python3
"""Draws the spin field's arrow images, SpinUp.bmp and SpinDown.bmp: 9 x 6
pixels, 16 colours, a black triangle on olive, which the arrows draw
transparent (olive is also the lower-left pixel)."""
import os
import struct

PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, OLIVE = 0, 3
WIDTH, HEIGHT = 9, 6

# Counted from the top: row 0 background, then a widening black triangle.
UP = [[OLIVE] * WIDTH for _ in range(HEIGHT)]
for row, (first, last) in {1: (4, 4), 2: (3, 5), 3: (2, 6), 4: (1, 7)}.items():
    for col in range(first, last + 1):
        UP[row][col] = BLACK
DOWN = UP[::-1]


def bmp(rows):
    stride = ((WIDTH * 4 + 31) // 32) * 4
    pixels = b""
    for row in reversed(rows):  # bottom-up
        packed = bytearray(stride)
        for col, index in enumerate(row):
            packed[col // 2] |= index << (4 if col % 2 == 0 else 0)
        pixels += bytes(packed)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    return header + info + palette + pixels


here = os.path.dirname(os.path.abspath(__file__))
for name, rows in (("SpinUp.bmp", UP), ("SpinDown.bmp", DOWN)):
    with open(os.path.join(here, name), "wb") as f:
        f.write(bmp(rows))
