#!/usr/bin/env python3
"""Draws the Brelix program icon and writes resources/Brelix.ico.

The picture is a small sliding puzzle: a 3 x 3 tray of raised blue-teal tiles
in a light frame, the bottom-right slot empty. Each size is drawn pixel by
pixel for its own grid (no scaling), so the 16 x 16 image stays crisp.

The .ico holds 16 x 16, 32 x 32 and 48 x 48 images, each a 4-bit palette DIB
with its AND mask. The picture has nine opaque colours and fully transparent
corners, so the 16-colour palette and the mask hold it exactly: 8-bit or
32-bit copies would draw the same pixels at three to six times the bytes,
which the program would carry. Every Windows version since 3.1 reads this
layout, whatever the display's depth. Run it from anywhere:
python3 resources/icon/make_icon.py
"""

import os
import struct

TRANSPARENT = (0, 0, 0, 0)

# Colours as (R, G, B); all opaque.
OUTLINE = (70, 82, 96)          # dark rim around the frame
FRAME = (232, 236, 240)         # light frame
FRAME_SHADE = (196, 204, 212)   # inner edge of the frame, where the tray sinks
TRAY = (84, 102, 120)           # the well under the tiles: gutters and gap
TRAY_DEEP = (62, 76, 92)        # the gap's shadowed top and left edges
TILE_FACE = (38, 150, 190)      # blue-teal
TILE_LIGHT = (128, 212, 232)    # bevel: top and left
TILE_DARK = (18, 86, 118)       # bevel: bottom and right
TILE_MARK = (214, 242, 248)     # the small number mark on a 32 px tile


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[TRANSPARENT] * size for _ in range(size)]

    def put(self, x, y, rgb):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = (*rgb, 255) if rgb != TRANSPARENT else TRANSPARENT

    def rect(self, x, y, w, h, rgb):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, rgb)


def draw(size):
    """Geometry for 16, 32 and 48 px: rim 1, frame f, three tiles t wide with
    gutters g, so that 2 * (1 + f) + 3 * t + 2 * g == size."""
    frame, tile, gutter = {16: (1, 4, 0), 32: (2, 8, 1), 48: (3, 12, 2)}[size]
    c = Canvas(size)

    # Rim and frame; corner pixels left out to round the outline.
    c.rect(0, 0, size, size, OUTLINE)
    c.rect(1, 1, size - 2, size - 2, FRAME)
    for x, y in ((0, 0), (size - 1, 0), (0, size - 1), (size - 1, size - 1)):
        c.put(x, y, TRANSPARENT)

    # The tray the tiles sit in.
    inner = 1 + frame
    span = size - 2 * inner
    c.rect(inner, inner, span, span, TRAY)
    if frame >= 2:
        # A shaded inner edge of the frame on top and left: the tray is sunken.
        c.rect(inner - 1, inner - 1, span + 1, 1, FRAME_SHADE)
        c.rect(inner - 1, inner - 1, 1, span + 1, FRAME_SHADE)

    for row in range(3):
        for col in range(3):
            x = inner + col * (tile + gutter)
            y = inner + row * (tile + gutter)
            if row == 2 and col == 2:
                draw_gap(c, x, y, tile)
            else:
                draw_tile(c, x, y, tile, size, row * 3 + col + 1)
    return c


DIGITS = {
    1: (".#.", "##.", ".#.", ".#.", "###"),
    2: ("##.", "..#", ".#.", "#..", "###"),
    3: ("##.", "..#", ".#.", "..#", "##."),
    4: ("#.#", "#.#", "###", "..#", "..#"),
    5: ("###", "#..", "##.", "..#", "##."),
    6: (".##", "#..", "###", "#.#", "###"),
    7: ("###", "..#", ".#.", ".#.", ".#."),
    8: ("###", "#.#", "###", "#.#", "###"),
}


def draw_tile(c, x, y, t, size, number):
    c.rect(x, y, t, t, TILE_FACE)
    c.rect(x, y, t, 1, TILE_LIGHT)
    c.rect(x, y, 1, t, TILE_LIGHT)
    c.rect(x, y + t - 1, t, 1, TILE_DARK)
    c.rect(x + t - 1, y, 1, t, TILE_DARK)
    if size >= 32:
        # The tile's number, in a 3 x 5 pixel font, twice as big at 48 px.
        scale = size // 32
        glyph = DIGITS[number]
        for gy, line in enumerate(glyph):
            for gx, ch in enumerate(line):
                if ch == "#":
                    c.rect(x + 2 * scale + gx * scale, y + scale + gy * scale, scale, scale, TILE_MARK)


def draw_gap(c, x, y, t):
    # Empty slot: the tray shows, shadowed along its top and left edges.
    c.rect(x, y, t, t, TRAY)
    c.rect(x, y, t, 1, TRAY_DEEP)
    c.rect(x, y, 1, t, TRAY_DEEP)


def and_mask(canvas):
    """Bottom-up rows, 1 = transparent (for readers that ignore alpha)."""
    n = canvas.size
    stride = ((n + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(n)):
        row = bytearray(stride)
        for x, (_, _, _, a) in enumerate(canvas.pixels[y]):
            if a == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return bytes(mask)


def palette_of(canvas):
    """The picture's colours, index 0 black for transparent pixels."""
    colours = [(0, 0, 0)]
    for row in canvas.pixels:
        for r, g, b, a in row:
            if a and (r, g, b) not in colours:
                colours.append((r, g, b))
    return colours


def dib(canvas, bits):
    """One icon image: BITMAPINFOHEADER, palette, bottom-up rows, AND mask."""
    n = canvas.size
    stride = ((n * bits + 31) // 32) * 4
    palette = b""
    colour = bytearray()
    if bits == 32:
        for y in reversed(range(n)):
            for r, g, b, a in canvas.pixels[y]:
                colour += bytes((b, g, r, a))
    else:
        colours = palette_of(canvas)
        assert len(colours) <= 1 << bits, "too many colours for the palette"
        colours += [(0, 0, 0)] * ((1 << bits) - len(colours))
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
        for y in reversed(range(n)):
            indexes = [colours.index((r, g, b)) if a else 0 for r, g, b, a in canvas.pixels[y]]
            row = bytearray(stride)
            for x, i in enumerate(indexes):
                if bits == 8:
                    row[x] = i
                else:
                    row[x // 2] |= i << (4 if x % 2 == 0 else 0)
            colour += row
    mask = and_mask(canvas)
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, bits, 0,
                         len(colour) + len(mask), 0, 0, 1 << bits if bits < 32 else 0, 0)
    return header + palette + bytes(colour) + mask


def ico(images):
    """images: (size, bits, canvas) in directory order."""
    count = len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, count))
    offset = 6 + 16 * count
    blobs = []
    for size, bits, canvas in images:
        blob = dib(canvas, bits)
        colours = 1 << bits if bits < 8 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, "..", "Brelix.ico")
    pictures = {size: draw(size) for size in (16, 32, 48)}
    data = ico([(size, bits, pictures[size]) for size in (16, 32, 48) for bits in (4,)])
    with open(target, "wb") as f:
        f.write(data)
    print(f"wrote {os.path.normpath(target)} ({len(data)} bytes)")


if __name__ == "__main__":
    main()
