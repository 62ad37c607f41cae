#!/usr/bin/env python3
"""Writes demo.bmp, the small picture the demo converts: a 24-bit 160 by 120
bitmap of a sky, a sun and two hills. Deterministic: the same bytes every run."""
import math
import struct
import sys

W, H = 160, 120


def colour(x, y):
    # sun
    if (x - 118) ** 2 + (y - 30) ** 2 < 15 ** 2:
        return (255, 214, 40)
    # hills
    if y > 80 + 14 * math.sin(x / 19.0):
        return (40, 140 - (y - 80), 50)
    if y > 92 + 8 * math.cos(x / 11.0):
        return (90, 170, 60)
    # sky: light at the horizon, deep at the top
    t = y / H
    return (int(40 + 150 * t), int(90 + 130 * t), int(200 + 50 * t))


def main(path):
    row_bytes = (W * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in range(H - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for x in range(W):
            r, g, b = colour(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        pixels += row
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "demo.bmp")
