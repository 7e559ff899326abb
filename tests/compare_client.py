#!/usr/bin/env python3
"""Finds the main window's client area in a screenshot and compares it, pixel
for pixel, with vellorin-figure's picture of a client area of that size.

usage: compare_client.py SCREEN.ppm X Y WIDTH HEIGHT VELLORIN-FIGURE WORKDIR
"""
import subprocess
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6" and fields[3] == b"255", "expected an 8-bit P6 image"
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def main():
    screen, x, y, width, height, tool, work = sys.argv[1:]
    x, y, width, height = int(x), int(y), int(width), int(height)
    sw, sh, pixels = read_ppm(screen)

    def black(px, py):
        i = (py * sw + px) * 3
        return pixels[i:i + 3] == b"\0\0\0"

    # The client area starts at the first row of the window that is black
    # from edge to edge: the top of its frame, below the menu bar.
    top = next((row for row in range(y, y + height)
                if all(black(px, row) for px in range(x, x + width))), None)
    if top is None:
        print("no framed client area in the window")
        return 1
    client_height = y + height - top
    expected_png = f"{work}/expected.png"
    subprocess.run([tool, "render", "--size", f"{width}x{client_height}", "-o", expected_png], check=True)
    subprocess.run(["convert", expected_png, "-depth", "8", f"{work}/expected.ppm"], check=True)
    ew, eh, expected = read_ppm(f"{work}/expected.ppm")
    differing = 0
    for row in range(eh):
        shown = pixels[((top + row) * sw + x) * 3:((top + row) * sw + x + ew) * 3]
        wanted = expected[row * ew * 3:(row + 1) * ew * 3]
        if shown != wanted:
            differing += 1
    if differing:
        print(f"{differing} of {eh} rows of the {ew}x{eh} client area differ from the figure")
        return 1
    print(f"client area {ew}x{eh} at ({x}, {top}) matches the figure pixel for pixel")
    return 0


if __name__ == "__main__":
    sys.exit(main())
