#!/usr/bin/env python3
"""Draws the program's pictures: tool cursors, shape glyphs, tool button
pictures and the program icon, as PNG files beside this script.

Run it again after changing a drawing; the PNGs are committed so a build
needs nothing but Qt.  Only the standard library is used.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The sixteen colours a 16-colour bitmap can hold.
BLACK = (0, 0, 0)
MAROON = (128, 0, 0)
GREEN = (0, 128, 0)
OLIVE = (128, 128, 0)
NAVY = (0, 0, 128)
PURPLE = (128, 0, 128)
TEAL = (0, 128, 128)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
RED = (255, 0, 0)
LIME = (0, 255, 0)
YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)
FUCHSIA = (255, 0, 255)
AQUA = (0, 255, 255)
WHITE = (255, 255, 255)


class Img:
    def __init__(self, w, h, bg=None):
        self.w, self.h = w, h
        self.px = [[bg] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.px[y][x]
        return None

    def line(self, x0, y0, x1, y1, c, width=1):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            for ox in range(width):
                for oy in range(width):
                    self.set(x0 + ox, y0 + oy, c)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def rect(self, l, t, r, b, c):  # outline, inclusive
        self.line(l, t, r, t, c)
        self.line(l, b, r, b, c)
        self.line(l, t, l, b, c)
        self.line(r, t, r, b, c)

    def fill(self, l, t, r, b, c):  # inclusive
        for y in range(t, b + 1):
            for x in range(l, r + 1):
                self.set(x, y, c)

    def ellipse(self, cx, cy, rx, ry, c, filled=False, width=1.0):
        for y in range(self.h):
            for x in range(self.w):
                d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
                if filled:
                    if d <= 1.0:
                        self.set(x, y, c)
                else:
                    inner = ((x - cx) / max(rx - width, 0.5)) ** 2 + ((y - cy) / max(ry - width, 0.5)) ** 2
                    if d <= 1.0 and inner >= 1.0:
                        self.set(x, y, c)

    def polygon(self, pts, c):
        n = len(pts)
        for y in range(self.h):
            for x in range(self.w):
                px, py = x + 0.5, y + 0.5
                inside = False
                for i in range(n):
                    x0, y0 = pts[i]
                    x1, y1 = pts[(i + 1) % n]
                    if (y0 > py) != (y1 > py):
                        xi = x0 + (py - y0) * (x1 - x0) / (y1 - y0)
                        if px < xi:
                            inside = not inside
                if inside:
                    self.set(x, y, c)

    def outline_polygon(self, pts, c):
        for i in range(len(pts)):
            x0, y0 = pts[i]
            x1, y1 = pts[(i + 1) % len(pts)]
            self.line(int(x0), int(y0), int(x1), int(y1), c)

    def halo(self, ink, c):
        """Puts c round every pixel of ink so the cursor shows on any chart."""
        marks = []
        for y in range(self.h):
            for x in range(self.w):
                if self.px[y][x] is None:
                    for ox in (-1, 0, 1):
                        for oy in (-1, 0, 1):
                            if self.get(x + ox, y + oy) == ink:
                                marks.append((x, y))
        for x, y in marks:
            self.px[y][x] = c

    def save(self, name):
        raw = bytearray()
        for row in self.px:
            raw.append(0)
            for p in row:
                if p is None:
                    raw += bytes((0, 0, 0, 0))
                else:
                    raw += bytes((p[0], p[1], p[2], 255))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        png = b"\x89PNG\r\n\x1a\n"
        png += chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        png += chunk(b"IEND", b"")
        path = os.path.join(HERE, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(png)


# ---------------------------------------------------------------- cursors
# 32 x 32, black ink with a white rim, the rest transparent.  The hot spot of
# each is where the tool acts; Main.cpp holds the same numbers.

def cursor():
    return Img(32, 32)


def finish(img, name):
    img.halo(BLACK, WHITE)
    img.save("cursors/%s.png" % name)


def draw_erase():  # hot spot 8, 25: the eraser's working corner
    c = cursor()
    body = [(8, 25), (20, 13), (28, 19), (16, 31)]
    c.polygon(body, WHITE)
    c.outline_polygon(body, BLACK)
    c.line(12, 21, 20, 27, BLACK)  # the rubber end
    finish(c, "erase")


def draw_line():  # hot spot 16, 16: a cross hair
    c = cursor()
    c.line(16, 4, 16, 13, BLACK)
    c.line(16, 19, 16, 28, BLACK)
    c.line(4, 16, 13, 16, BLACK)
    c.line(19, 16, 28, 16, BLACK)
    c.set(16, 16, BLACK)
    finish(c, "line")


def draw_paint():  # hot spot 12, 28: the brush tip
    c = cursor()
    c.line(27, 3, 17, 17, BLACK, 2)  # handle
    ferrule = [(14, 16), (18, 20), (16, 22), (12, 18)]
    c.polygon(ferrule, BLACK)
    tip = [(12, 18), (16, 22), (12, 28), (11, 26)]
    c.polygon(tip, BLACK)
    c.set(12, 28, BLACK)
    finish(c, "paint")


def draw_fill():  # hot spot 3, 29: the end of the drip
    c = cursor()
    bucket = [(10, 8), (24, 16), (18, 28), (5, 20)]
    c.polygon(bucket, WHITE)
    c.outline_polygon(bucket, BLACK)
    c.line(10, 8, 16, 2, BLACK)
    c.line(16, 2, 24, 16, BLACK)
    c.line(5, 20, 3, 24, BLACK, 2)
    c.line(3, 24, 3, 29, BLACK)
    finish(c, "fill")


def draw_eye():  # hot spot 8, 23: the pipette's tip
    c = cursor()
    c.ellipse(24.5, 6.5, 4, 4, BLACK, filled=True)  # bulb
    c.line(21, 10, 10, 21, BLACK, 2)
    c.line(10, 21, 8, 23, BLACK)
    c.line(17, 8, 23, 14, BLACK)  # collar
    finish(c, "eye")


def draw_zoom(name, plus):  # hot spot 15, 15: the middle of the lens
    c = cursor()
    c.ellipse(15, 15, 9, 9, BLACK, width=1.6)
    c.line(22, 22, 29, 29, BLACK, 2)
    c.line(11, 15, 19, 15, BLACK)
    if plus:
        c.line(15, 11, 15, 19, BLACK)
    finish(c, name)


def draw_del():  # hot spot 14, 16: where the strokes cross
    c = cursor()
    c.line(7, 9, 21, 23, BLACK, 2)
    c.line(21, 9, 7, 23, BLACK, 2)
    c.rect(4, 6, 25, 27, BLACK)
    finish(c, "del")


# ---------------------------------------------------------------- shape glyphs
# 24 x 24 in the sixteen colours, on the button face.

def glyph():
    return Img(24, 24, SILVER)


def draw_glyphs():
    g = glyph()
    g.rect(4, 6, 19, 17, NAVY)
    g.rect(5, 7, 18, 16, NAVY)
    g.save("glyphs/rect.png")

    g = glyph()
    g.line(3, 20, 20, 3, NAVY, 2)
    g.line(3, 12, 11, 4, TEAL)
    g.save("glyphs/lines.png")

    g = glyph()
    g.ellipse(11.5, 11.5, 9, 9, NAVY, width=1.8)
    g.save("glyphs/circle.png")

    g = glyph()
    g.rect(2, 3, 11, 10, NAVY)
    g.ellipse(17, 7, 5, 5, MAROON, width=1.3)
    g.line(3, 21, 20, 14, GREEN, 2)
    g.save("glyphs/allshp.png")


# ---------------------------------------------------------------- tool buttons
# 20 x 20 pictures for the flat buttons of the tool bar.

def button():
    return Img(20, 20)


def draw_buttons():
    b = button()  # open: a folder
    folder = [(2, 6), (7, 6), (9, 8), (17, 8), (17, 16), (2, 16)]
    b.polygon(folder, YELLOW)
    b.outline_polygon(folder, OLIVE)
    b.line(4, 10, 18, 10, OLIVE)
    b.save("buttons/open.png")

    b = button()  # new: a page with a turned corner
    page = [(4, 2), (12, 2), (16, 6), (16, 18), (4, 18)]
    b.polygon(page, WHITE)
    b.outline_polygon(page, BLACK)
    b.line(12, 2, 12, 6, BLACK)
    b.line(12, 6, 16, 6, BLACK)
    b.save("buttons/new.png")

    b = button()  # save: a disk
    b.fill(3, 3, 16, 16, NAVY)
    b.fill(6, 3, 13, 8, WHITE)
    b.fill(6, 11, 13, 16, SILVER)
    b.fill(10, 4, 11, 7, NAVY)
    b.save("buttons/save.png")

    b = button()  # exit: a door with an arrow out
    b.fill(3, 2, 11, 17, MAROON)
    b.fill(5, 4, 9, 15, WHITE)
    b.line(9, 10, 17, 10, GREEN, 2)
    b.line(14, 7, 17, 10, GREEN, 2)
    b.line(14, 13, 17, 10, GREEN, 2)
    b.save("buttons/exit.png")

    b = button()  # print: a printer
    b.fill(5, 2, 14, 7, WHITE)
    b.rect(5, 2, 14, 7, BLACK)
    b.fill(2, 8, 17, 14, GREY)
    b.rect(2, 8, 17, 14, BLACK)
    b.fill(5, 13, 14, 18, WHITE)
    b.rect(5, 13, 14, 18, BLACK)
    b.save("buttons/print.png")

    b = button()  # paint: a brush
    b.line(17, 2, 10, 10, MAROON, 2)
    b.polygon([(8, 10), (11, 13), (6, 18), (3, 17)], BLUE)
    b.save("buttons/paint.png")

    b = button()  # pick up colour: a pipette
    b.ellipse(15.5, 4.5, 3, 3, BLACK, filled=True)
    b.line(13, 7, 5, 15, TEAL, 2)
    b.line(5, 15, 3, 17, BLUE)
    b.save("buttons/eyedrop.png")

    b = button()  # fill: a tipped bucket pouring
    bucket = [(7, 4), (16, 9), (12, 17), (3, 12)]
    b.polygon(bucket, SILVER)
    b.outline_polygon(bucket, BLACK)
    b.fill(2, 13, 3, 18, BLUE)
    b.save("buttons/fill.png")

    b = button()  # erase: an eraser
    body = [(3, 14), (11, 6), (17, 10), (9, 18)]
    b.polygon(body, FUCHSIA)
    b.outline_polygon(body, BLACK)
    b.line(6, 11, 12, 15, BLACK)
    b.save("buttons/erase.png")

    for name, plus in (("zoomin", True), ("zoomout", False)):
        b = button()
        b.ellipse(8, 8, 6, 6, WHITE, filled=True)
        b.ellipse(8, 8, 6, 6, BLACK, width=1.3)
        b.line(12, 12, 17, 17, MAROON, 2)
        b.line(5, 8, 11, 8, BLACK)
        if plus:
            b.line(8, 5, 8, 11, BLACK)
        b.save("buttons/%s.png" % name)

    b = button()  # delete: a red cross
    b.line(4, 4, 15, 15, RED, 2)
    b.line(15, 4, 4, 15, RED, 2)
    b.save("buttons/delete.png")

    b = button()  # select: the arrow
    arrow = [(5, 2), (5, 16), (8, 13), (11, 18), (13, 17), (10, 12), (14, 12)]
    b.polygon(arrow, WHITE)
    b.outline_polygon(arrow, BLACK)
    b.save("buttons/arrow.png")


# ---------------------------------------------------------------- icon
# A little chart: rows of beads in a brick stagger.

def draw_icon(size):
    img = Img(size, size)
    colours = [BLUE, AQUA, WHITE, FUCHSIA, YELLOW, LIME]
    rows = 5
    pitch = size / rows
    for r in range(rows):
        shift = pitch / 2 if r % 2 else 0
        for k in range(-1, rows + 1):
            cx = k * pitch + shift + pitch / 2
            cy = r * pitch + pitch / 2
            if cx < 0 or cx > size:
                continue
            colour = colours[(r * 2 + k) % len(colours)]
            img.ellipse(cx - 0.5, cy - 0.5, pitch / 2 - 0.6, pitch / 2 - 1.2, colour, filled=True)
            img.ellipse(cx - 0.5, cy - 0.5, pitch / 2 - 0.6, pitch / 2 - 1.2, NAVY, width=1.0)
    img.save("icon/glintweave_%d.png" % size)


if __name__ == "__main__":
    draw_erase()
    draw_line()
    draw_paint()
    draw_fill()
    draw_eye()
    draw_zoom("zoomout", False)
    draw_zoom("zoomin", True)
    draw_del()
    draw_glyphs()
    draw_buttons()
    draw_icon(32)
    draw_icon(64)
