#!/usr/bin/env python3
"""Draws Vellorin's icon: a small serif figure, white on a navy tile.

Writes res/icon_images.cpp (32 x 32 and 16 x 16 in 16 colours, one character a
pixel) and res/icons/vellorin-SIZE.png for the desktop: the same two pictures,
and larger sizes drawn smoothly.
Run from the repository's top folder after changing the design.
"""
import math
import struct
import zlib

NAVY = (0, 0, 128)
WHITE = (255, 255, 255)
SILVER = (192, 192, 192)
GRAY = (128, 128, 128)


def segments(levels):
    """The figure's segments in a unit square: a line, serifs, serifs on serifs."""
    out = []

    def serif(x, y, length, angle, level):
        dx, dy = math.cos(angle) * length / 2, -math.sin(angle) * length / 2
        p1, p2 = (x + dx, y + dy), (x - dx, y - dy)
        out.append((p1, p2))
        if level + 1 < levels:
            serif(*p1, length * 0.62, angle + math.pi / 2, level + 1)
            serif(*p2, length * 0.62, angle - math.pi / 2, level + 1)

    serif(0.5, 0.5, 0.46, 0.0, 0)
    return out


def coverage(size, levels, width, samples=4):
    """Per pixel: (inside the rounded tile, covered by a line), each 0..1."""
    lines = segments(levels)
    radius = 0.18
    tile, ink = [], []
    for py in range(size):
        tile_row, ink_row = [], []
        for px in range(size):
            t = k = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) / size
                    y = (py + (sy + 0.5) / samples) / size
                    cx = min(max(x, radius + 0.03), 0.97 - radius)
                    cy = min(max(y, radius + 0.03), 0.97 - radius)
                    if math.hypot(x - cx, y - cy) <= radius:
                        t += 1
                        if any(distance(x, y, a, b) <= width / 2 for a, b in lines):
                            k += 1
            tile_row.append(t / samples ** 2)
            ink_row.append(k / samples ** 2)
        tile.append(tile_row)
        ink.append(ink_row)
    return tile, ink


def distance(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
    return math.hypot(x - ax - t * vx, y - ay - t * vy)


def sixteen_colour_rows(size, levels):
    tile, ink = coverage(size, levels, width=1.4 / size)
    rows = []
    for tile_row, ink_row in zip(tile, ink):
        row = ""
        for t, k in zip(tile_row, ink_row):
            if t < 0.5:
                row += " "
            elif k >= 0.6:
                row += "w"
            elif k >= 0.3:
                row += "s"
            elif t < 0.9:
                row += "g"
            else:
                row += "n"
        rows.append(row)
    return rows


def png(size, levels):
    tile, ink = coverage(size, levels, width=max(1.6 / size, 0.028))
    pixels = []
    for tile_row, ink_row in zip(tile, ink):
        row = []
        for t, k in zip(tile_row, ink_row):
            mix = k / t if t else 0
            colour = [round(n + (w - n) * mix) for n, w in zip(NAVY, WHITE)]
            row.append(colour + [round(255 * t)])
        pixels.append(row)
    return encode_png(size, pixels)


def png_from_rows(rows):
    palette = {"n": NAVY, "w": WHITE, "s": SILVER, "g": GRAY}
    pixels = [[list(palette[c]) + [255] if c in palette else [0, 0, 0, 0] for c in row] for row in rows]
    return encode_png(len(rows), pixels)


def encode_png(size, pixels):
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    with open("res/icon_images.cpp", "w") as out:
        out.write("// Made by tools/make_icons.py: the application icon in 16 colours.\n")
        out.write('#include "res/icon_images.h"\n\n')
        out.write('const char* const kIconPalette = "n #000080 w #FFFFFF s #C0C0C0 g #808080";\n')
        for size, levels in ((32, 4), (16, 3)):
            rows = sixteen_colour_rows(size, levels)
            out.write(f"\nconst char* const kIcon{size}[{size}] = {{\n")
            for row in rows:
                out.write(f'    "{row}",\n')
            out.write("};\n")
            with open(f"res/icons/vellorin-{size}.png", "wb") as small:
                small.write(png_from_rows(rows))
    for size in (48, 64, 128, 256):
        with open(f"res/icons/vellorin-{size}.png", "wb") as out:
            out.write(png(size, 5 if size >= 128 else 4))


if __name__ == "__main__":
    main()
