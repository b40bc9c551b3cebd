#!/usr/bin/env python3
"""Draws curfew.ico: a white power symbol on a dark blue rounded square, at 16, 24, 32 and 48
pixels, as 32-bit images with alpha; with --awake, the tray's kept-awake variant, which adds an
amber sun in the lower right corner (curfew_awake.ico). Run it again after changing the drawing."""
import math
import struct
import sys


AWAKE = False


def coverage(size, x, y):
    """Colour (r, g, b, a) of one pixel, anti-aliased by 4x4 supersampling."""
    samples = 4
    acc = [0.0, 0.0, 0.0, 0.0]
    for sy in range(samples):
        for sx in range(samples):
            px = (x + (sx + 0.5) / samples) / size
            py = (y + (sy + 0.5) / samples) / size
            colour = shade(px, py)
            if colour is None:
                continue
            r, g, b = colour
            acc[0] += r
            acc[1] += g
            acc[2] += b
            acc[3] += 1
    n = samples * samples
    if acc[3] == 0:
        return (0, 0, 0, 0)
    return (int(acc[0] / acc[3]), int(acc[1] / acc[3]), int(acc[2] / acc[3]), int(255 * acc[3] / n))


def shade(px, py):
    """Colour at a point of the unit square, or None outside the rounded background."""
    if AWAKE:
        sun = math.hypot(px - 0.76, py - 0.76)
        if sun < 0.19:
            return (255, 184, 28)
        if sun < 0.25:
            return (18, 36, 78)
    radius = 0.18
    cx = min(max(px, radius), 1 - radius)
    cy = min(max(py, radius), 1 - radius)
    if math.hypot(px - cx, py - cy) > radius:
        return None
    dx, dy = px - 0.5, py - 0.53
    distance = math.hypot(dx, dy)
    angle = math.degrees(math.atan2(dx, -dy))  # 0 at the top, clockwise
    ring = abs(distance - 0.27) < 0.055 and abs(angle) > 38
    bar = abs(dx) < 0.055 and 0.14 < py < 0.52
    if ring or bar:
        return (255, 255, 255)
    top = (30, 64, 130)
    bottom = (18, 36, 78)
    return tuple(int(t + (b - t) * py) for t, b in zip(top, bottom))


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up, as a DIB stores them
        row = b"".join(struct.pack("BBBB", b, g, r, a) for r, g, b, a in (coverage(size, x, y) for x in range(size)))
        rows.append(row)
    pixels = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    mask = b"\x00" * (mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def main(path):
    sizes = [16, 24, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    arguments = sys.argv[1:]
    if arguments[:1] == ["--awake"]:
        AWAKE = True
        arguments = arguments[1:]
    main(arguments[0] if arguments else ("curfew_awake.ico" if AWAKE else "curfew.ico"))
