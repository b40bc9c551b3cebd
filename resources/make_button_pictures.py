#!/usr/bin/env python3
"""Draws the push buttons' pictures into pictures/*.ico: line glyphs in the style of the
system's own, at 16, 20, 24, 32, 40 and 48 pixels (small and large pictures at 100 to 200 %
scale), each as a PNG inside the icon file to keep the program small. Only the shape matters:
the program draws each glyph in the text colour of its button, so the pixels are black and the
shape lies in their alpha. Run it again after changing a drawing."""
import math
import os
import struct
import sys
import zlib

SIZES = [16, 20, 24, 32, 40, 48]
SAMPLES = 5  # per pixel and axis


# Shapes in the unit square (x to the right, y down): strokes are polylines of a given width
# with round ends and joins; fills are polygons.

def arc(cx, cy, r, start, end, steps=48, rx=None):
    """Points of an arc from start to end degrees, 0 at the top, clockwise."""
    rx = r if rx is None else rx
    return [(cx + rx * math.sin(math.radians(start + (end - start) * i / steps)),
             cy - r * math.cos(math.radians(start + (end - start) * i / steps))) for i in range(steps + 1)]


def rounded_rect(left, top, right, bottom, radius):
    corners = [(right - radius, top + radius, 0), (right - radius, bottom - radius, 90),
               (left + radius, bottom - radius, 180), (left + radius, top + radius, 270)]
    points = []
    for cx, cy, start in corners:
        points += arc(cx, cy, radius, start, start + 90, steps=8)
    return points + points[:1]


GLYPHS = {
    # A calendar with a plus: a new schedule.
    "new": {"strokes": [rounded_rect(0.14, 0.2, 0.86, 0.86, 0.08), [(0.14, 0.38), (0.86, 0.38)],
                        [(0.34, 0.1), (0.34, 0.26)], [(0.66, 0.1), (0.66, 0.26)],
                        [(0.5, 0.5), (0.5, 0.76)], [(0.37, 0.63), (0.63, 0.63)]]},
    # A pencil, writing towards the lower left.
    "edit": {"strokes": [[(0.16, 0.84), (0.2, 0.66), (0.7, 0.16), (0.84, 0.3), (0.34, 0.8), (0.16, 0.84)],
                         [(0.6, 0.26), (0.74, 0.4)]]},
    # A waste bin.
    "delete": {"strokes": [[(0.14, 0.25), (0.86, 0.25)], [(0.38, 0.25), (0.4, 0.12), (0.6, 0.12), (0.62, 0.25)],
                           [(0.22, 0.25), (0.28, 0.88), (0.72, 0.88), (0.78, 0.25)],
                           [(0.42, 0.42), (0.42, 0.72)], [(0.58, 0.42), (0.58, 0.72)]]},
    # Run: a triangle pointing on.
    "go": {"fills": [[(0.3, 0.16), (0.3, 0.84), (0.84, 0.5)]]},
    # The power symbol: the power options.
    "power": {"strokes": [arc(0.5, 0.55, 0.33, 40, 320), [(0.5, 0.1), (0.5, 0.48)]]},
    # A globe: the web site.
    "globe": {"strokes": [arc(0.5, 0.5, 0.38, 0, 360, steps=64), arc(0.5, 0.5, 0.38, 0, 360, steps=64, rx=0.16),
                          [(0.12, 0.5), (0.88, 0.5)], [(0.18, 0.31), (0.82, 0.31)], [(0.18, 0.69), (0.82, 0.69)]]},
    # A tick: take what is entered.
    "ok": {"strokes": [[(0.16, 0.52), (0.4, 0.76), (0.86, 0.26)]]},
    # A cross: leave without it, or stop.
    "cancel": {"strokes": [[(0.24, 0.24), (0.76, 0.76)], [(0.76, 0.24), (0.24, 0.76)]]},
    "back": {"strokes": [[(0.16, 0.5), (0.84, 0.5)], [(0.44, 0.2), (0.14, 0.5), (0.44, 0.8)]]},
    "forward": {"strokes": [[(0.84, 0.5), (0.16, 0.5)], [(0.56, 0.2), (0.86, 0.5), (0.56, 0.8)]]},
    # A circle that comes round again: load anew.
    "refresh": {"strokes": [arc(0.5, 0.53, 0.32, 60, 352)],
                "fills": [[(0.64, 0.21), (0.4, 0.03), (0.4, 0.39)]]},
}


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def inside(px, py, polygon):
    result = False
    for (ax, ay), (bx, by) in zip(polygon, polygon[1:] + polygon[:1]):
        if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
            result = not result
    return result


def covered(glyph, px, py, half_width):
    for polygon in glyph.get("fills", []):
        if inside(px, py, polygon):
            return True
    for line in glyph.get("strokes", []):
        for (ax, ay), (bx, by) in zip(line, line[1:]):
            if segment_distance(px, py, ax, ay, bx, by) <= half_width:
                return True
    return False


def stroke_width(size):
    """In pixels: a little over one at 16, two at 24 and 32, three at 48."""
    return max(1.3, size / 14)


def alpha_of(glyph, size):
    half_width = stroke_width(size) / 2 / size
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            hits = sum(covered(glyph, (x + (sx + 0.5) / SAMPLES) / size, (y + (sy + 0.5) / SAMPLES) / size, half_width)
                       for sy in range(SAMPLES) for sx in range(SAMPLES))
            row.append(round(255 * hits / SAMPLES ** 2))
        rows.append(row)
    return rows


def png(alpha):
    size = len(alpha)
    raw = b"".join(b"\x00" + b"".join(struct.pack("BBBB", 0, 0, 0, a) for a in row) for row in alpha)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def icon(glyph):
    images = [png(alpha_of(glyph, size)) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(SIZES))
    offset = 6 + 16 * len(SIZES)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, glyph in GLYPHS.items():
        with open(os.path.join(folder, name + ".ico"), "wb") as f:
            f.write(icon(glyph))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "pictures"))
