#!/usr/bin/env python3
"""Draws product.bmp, the about window's banner: a night-blue band that lightens to the right,
the program's power symbol on the left and a crescent moon with a few stars on the right, at
501 x 69 pixels, the band's size at 100 % scale (the window stretches it at higher scales; a
larger drawing would double the size of the program file). It is stored with a palette of 256
colours, a third of the bytes of 24-bit pixels: the band has about 290 colours, and the rarest
(edge pixels of the symbol) take the nearest colour kept. Run it again after changing it."""
import math
import struct
import sys

from make_icon import coverage

WIDTH, HEIGHT = 501, 69
ICON = 55  # the power symbol's square, in pixels
STARS = [(0.62, 0.30, 2.2), (0.70, 0.66, 1.6), (0.78, 0.22, 1.8), (0.84, 0.74, 1.4), (0.955, 0.34, 1.6)]


def band(x, y):
    t = x / WIDTH
    left, right = (18, 36, 78), (44, 86, 160)
    base = [l + (r - l) * t for l, r in zip(left, right)]
    # The moon: a disc with a disc cut out of it.
    mx, my, radius = 0.905 * WIDTH, 0.5 * HEIGHT, 19
    if math.hypot(x - mx, y - my) < radius and math.hypot(x - mx - 8, y - my + 5) > radius * 0.85:
        return (244, 232, 180)
    for sx, sy, size in STARS:
        if math.hypot(x - sx * WIDTH, y - sy * HEIGHT) < size * 0.8:
            return (235, 240, 255)
    return tuple(int(c) for c in base)


def pixel(x, y):
    """The band with the power symbol blended over it, anti-aliased by the icon's own sampler."""
    left, top = (HEIGHT - ICON) // 2, (HEIGHT - ICON) // 2
    back = band(x, y)
    if left <= x < left + ICON and top <= y < top + ICON:
        r, g, b, a = coverage(ICON, x - left, y - top)
        alpha = a / 255
        return tuple(int(f * alpha + c * (1 - alpha)) for f, c in zip((r, g, b), back))
    return back


def palette_of(pixels):
    """The 256 most frequent colours, and for every colour the index of the nearest one kept."""
    counts = {}
    for colour in pixels.values():
        counts[colour] = counts.get(colour, 0) + 1
    kept = sorted(counts, key=lambda colour: (-counts[colour], colour))[:256]
    index = {colour: i for i, colour in enumerate(kept)}
    for colour in counts:
        if colour not in index:
            index[colour] = min(range(len(kept)), key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, kept[i])))
    return kept, index


def main(path):
    pixels = {(x, y): pixel(x, y) for y in range(HEIGHT) for x in range(WIDTH)}
    kept, index = palette_of(pixels)
    row_size = (WIDTH + 3) // 4 * 4
    rows = []
    for y in reversed(range(HEIGHT)):  # bottom-up, as a DIB stores them
        row = bytes(index[pixels[(x, y)]] for x in range(WIDTH))
        rows.append(row + b"\x00" * (row_size - len(row)))
    data = b"".join(rows)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in kept)
    colours += b"\x00" * (4 * 256 - len(colours))
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(data), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + colours + data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "product.bmp")
