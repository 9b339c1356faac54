#!/usr/bin/env python3
"""Draws every picture of the program's resources, the dialog background and the desktop icon.

The small pictures are drawn from simple shapes by a tiny anti-aliasing rasteriser and written
as PNG with zlib, so the result is the same on every machine. Every picture is drawn twice from
the same shapes: at its own size as <number>.png and at twice the resolution as <number>@2x.png
for screens with more than one pixel per unit. Only the dialog background
(data/bg1.jpg) needs ImageMagick's `convert`, for the JPEG. Run from anywhere:

    scripts/make-pictures.py            # writes resources/pictures, data/bg1.jpg, packaging icons

resources/pictures/README.md lists what each picture holds.
"""

import math
import os
import struct
import subprocess
import sys
import zlib

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
PICTURES = os.path.join(ROOT, "resources", "pictures")

KEY_STRIP = (128, 0, 128)  # left out by strips, symbols, flags, swatches
KEY_MAGENTA = (255, 0, 255)  # left out by the button bar and the check boxes

# The one set of colours every picture is drawn in.
INK = (44, 56, 78)  # outlines
PAPER = (252, 252, 250)
PAPER_SHADE = (222, 228, 238)
BLUE = (36, 112, 174)
BLUE_LIGHT = (150, 190, 230)
RED = (205, 60, 50)
YELLOW = (244, 190, 50)
GREEN = (70, 150, 80)
GREY = (130, 136, 148)
BROWN = (150, 105, 60)
WHITE = (255, 255, 255)


# ---------------------------------------------------------------------------------------------
# Shapes: each answers whether a point lies inside and gives a bounding box.


class Shape:
    def __sub__(self, other):
        return Difference(self, other)

    def __and__(self, other):
        return Intersection(self, other)

    def __or__(self, other):
        return Union(self, other)


class Box(Shape):
    """Axis-aligned rectangle with optional corner radius."""

    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.x0, self.y0, self.x1, self.y1, self.r = x0, y0, x1, y1, min(r, (x1 - x0) / 2, (y1 - y0) / 2)

    def bbox(self):
        return self.x0, self.y0, self.x1, self.y1

    def contains(self, x, y):
        if x < self.x0 or x > self.x1 or y < self.y0 or y > self.y1:
            return False
        r = self.r
        if r <= 0:
            return True
        cx = min(max(x, self.x0 + r), self.x1 - r)
        cy = min(max(y, self.y0 + r), self.y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    def grown(self, d):
        return Box(self.x0 - d, self.y0 - d, self.x1 + d, self.y1 + d, self.r + d if self.r else 0)

    def svg(self, fill):
        return (f'<rect x="{self.x0:g}" y="{self.y0:g}" width="{self.x1 - self.x0:g}" '
                f'height="{self.y1 - self.y0:g}" rx="{self.r:g}" fill="{fill}"/>')


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry=None):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, rx if ry is None else ry

    def bbox(self):
        return self.cx - self.rx, self.cy - self.ry, self.cx + self.rx, self.cy + self.ry

    def contains(self, x, y):
        return ((x - self.cx) / self.rx) ** 2 + ((y - self.cy) / self.ry) ** 2 <= 1.0

    def grown(self, d):
        return Ellipse(self.cx, self.cy, self.rx + d, self.ry + d)

    def svg(self, fill):
        return (f'<ellipse cx="{self.cx:g}" cy="{self.cy:g}" rx="{self.rx:g}" ry="{self.ry:g}" '
                f'fill="{fill}"/>')


class Polygon(Shape):
    def __init__(self, points):
        self.points = points

    def bbox(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        return min(xs), min(ys), max(xs), max(ys)

    def contains(self, x, y):
        inside = False
        pts = self.points
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside

    def svg(self, fill):
        coords = " ".join(f"{x:g},{y:g}" for x, y in self.points)
        return f'<polygon points="{coords}" fill="{fill}"/>'


class Stroke(Shape):
    """A polyline of the given width with round ends and joins."""

    def __init__(self, points, width, closed=False):
        self.points = list(points) + ([points[0]] if closed else [])
        self.half = width / 2.0
        self.width = width

    def bbox(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        h = self.half
        return min(xs) - h, min(ys) - h, max(xs) + h, max(ys) + h

    def contains(self, x, y):
        h2 = self.half * self.half
        pts = self.points
        if len(pts) == 1:
            return (x - pts[0][0]) ** 2 + (y - pts[0][1]) ** 2 <= h2
        for (ax, ay), (bx, by) in zip(pts, pts[1:]):
            dx, dy = bx - ax, by - ay
            length2 = dx * dx + dy * dy
            t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
            px, py = ax + t * dx - x, ay + t * dy - y
            if px * px + py * py <= h2:
                return True
        return False

    def svg(self, fill):
        coords = " ".join(f"{x:g},{y:g}" for x, y in self.points)
        return (f'<polyline points="{coords}" fill="none" stroke="{fill}" stroke-width="{self.width:g}" '
                f'stroke-linecap="round" stroke-linejoin="round"/>')


class Difference(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def bbox(self):
        return self.a.bbox()

    def contains(self, x, y):
        return self.a.contains(x, y) and not self.b.contains(x, y)


class Intersection(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def bbox(self):
        a, b = self.a.bbox(), self.b.bbox()
        return max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3])

    def contains(self, x, y):
        return self.a.contains(x, y) and self.b.contains(x, y)


class Union(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def bbox(self):
        a, b = self.a.bbox(), self.b.bbox()
        return min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3])

    def contains(self, x, y):
        return self.a.contains(x, y) or self.b.contains(x, y)


def arc(cx, cy, r, start_deg, end_deg, steps=24, ry=None):
    ry = r if ry is None else ry
    out = []
    for i in range(steps + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
        out.append((cx + r * math.cos(a), cy + ry * math.sin(a)))
    return out


# ---------------------------------------------------------------------------------------------
# Canvas: straight RGBA in floats, shapes composited with 4 × 4 samples per pixel.


class Canvas:
    SAMPLES = 4
    # Pixels per unit of every canvas made: 1 for the pictures themselves, 2 for their @2x
    # versions. Sizes, origins and scales are given in units and multiplied by it.
    resolution = 1

    def __init__(self, width, height):
        self.res = Canvas.resolution
        self.width, self.height = width * self.res, height * self.res
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(self.width * self.height)]

    def fill(self, shape, colour, alpha=1.0, ox=0.0, oy=0.0, scale=1.0):
        """Paints `shape`, given in design units, at origin (ox, oy) and `scale` units per design
        unit."""
        ox, oy, scale = ox * self.res, oy * self.res, scale * self.res
        x0, y0, x1, y1 = shape.bbox()
        px0 = max(0, int(math.floor(ox + x0 * scale)))
        py0 = max(0, int(math.floor(oy + y0 * scale)))
        px1 = min(self.width, int(math.ceil(ox + x1 * scale)) + 1)
        py1 = min(self.height, int(math.ceil(oy + y1 * scale)) + 1)
        n = self.SAMPLES
        offsets = [(i + 0.5) / n for i in range(n)]
        for py in range(py0, py1):
            for px in range(px0, px1):
                hits = 0
                for sy in offsets:
                    uy = (py + sy - oy) / scale
                    for sx in offsets:
                        if shape.contains((px + sx - ox) / scale, uy):
                            hits += 1
                if hits:
                    self.blend(px, py, colour, alpha * hits / (n * n))

    def blend(self, x, y, colour, a):
        p = self.px[y * self.width + x]
        out_a = a + p[3] * (1 - a)
        if out_a <= 0:
            return
        for i in range(3):
            p[i] = (colour[i] * a + p[i] * p[3] * (1 - a)) / out_a
        p[3] = out_a

    def blit(self, other, x, y):
        for j in range(other.height):
            for i in range(other.width):
                q = other.px[j * other.width + i]
                if q[3] > 0 and 0 <= x + i < self.width and 0 <= y + j < self.height:
                    self.blend(x + i, y + j, q[:3], q[3])

    def png(self, path, key):
        rows = bytearray()
        for y in range(self.height):
            rows.append(0)
            for x in range(self.width):
                r, g, b, a = self.px[y * self.width + x]
                alpha = int(round(a * 255))
                if alpha == 0:
                    rows += bytes((*key, 0))
                else:
                    rows += bytes((int(round(r)), int(round(g)), int(round(b)), alpha))
        write_png(path, self.width, self.height, bytes(rows))


def write_png(path, width, height, raw_rows):
    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw_rows, 9))
    data += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


class Pen:
    """Draws design-unit shapes onto a canvas at an origin and scale."""

    def __init__(self, canvas, ox=0.0, oy=0.0, scale=1.0):
        self.canvas, self.ox, self.oy, self.scale = canvas, ox, oy, scale

    def __call__(self, shape, colour, alpha=1.0):
        self.canvas.fill(shape, colour, alpha, self.ox, self.oy, self.scale)

    def framed(self, shape, colour, outline=INK, width=1.0):
        """A shape filled with `colour` inside a `width` outline (shapes that can grow)."""
        self(shape, outline)
        self(shape.grown(-width), colour)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def darker(c, t=0.35):
    return mix(c, (0, 0, 0), t)


# ---------------------------------------------------------------------------------------------
# 16-unit icons: the command icons, drawn at 16 × 16, 20 × 20 (button bar) and 32 × 32.


def sheet(p, x0, y0, x1, y1, fold=4.0):
    """A sheet of paper with a folded top-right corner."""
    outline = Polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])
    inner = Polygon([(x0 + 1, y0 + 1), (x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4),
                     (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)])
    p(outline, INK)
    p(inner, PAPER)
    p(Polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), INK)
    p(Polygon([(x1 - fold + 1, y0 + 1.6), (x1 - fold + 1, y0 + fold - 1), (x1 - 1.6, y0 + fold - 1)]),
      PAPER_SHADE)


def calendar(p, x0=1.0, y0=2.0, x1=15.0, y1=15.0, grid=True, marks=()):
    """A calendar page: blue top band, two rings, a grid of days; `marks` are (column, row, colour)."""
    p.framed(Box(x0, y0, x1, y1, 1.2), PAPER)
    p(Box(x0, y0, x1, y0 + 4, 1.2), BLUE)
    p(Box(x0, y0 + 2.5, x1, y0 + 4), BLUE)
    for rx in (x0 + 3, x1 - 3):
        p(Box(rx - 0.8, y0 - 1.5, rx + 0.8, y0 + 1.5, 0.6), INK)
    if grid:
        cols, rows = 4, 3
        cw = (x1 - x0 - 3) / cols
        ch = (y1 - y0 - 6.5) / rows
        for r in range(rows):
            for c in range(cols):
                cx = x0 + 1.5 + c * cw
                cy = y0 + 5 + r * ch
                p(Box(cx + 0.25, cy + 0.25, cx + cw - 0.25, cy + ch - 0.25), (196, 206, 224))
        for c, r, colour in marks:
            cx = x0 + 1.5 + c * cw
            cy = y0 + 5 + r * ch
            p(Box(cx + 0.25, cy + 0.25, cx + cw - 0.25, cy + ch - 0.25), colour)


def floppy(p, x0=2, y0=2, x1=14, y1=14, body=BLUE):
    p(Polygon([(x0, y0), (x1 - 2, y0), (x1, y0 + 2), (x1, y1), (x0, y1)]), INK)
    p(Polygon([(x0 + 1, y0 + 1), (x1 - 2.4, y0 + 1), (x1 - 1, y0 + 2.4), (x1 - 1, y1 - 1),
               (x0 + 1, y1 - 1)]), body)
    p(Box(x0 + 3, y0 + 1, x1 - 4, y0 + 5), PAPER)
    p(Box(x1 - 6, y0 + 1.8, x1 - 4.8, y0 + 4.2), INK)
    p(Box(x0 + 2.5, y1 - 5.5, x1 - 2.5, y1 - 1), PAPER)
    p(Box(x0 + 3.5, y1 - 4.2, x1 - 3.5, y1 - 3.6), BLUE_LIGHT)


def pencil(p, ax, ay, bx, by, width=2.6):
    """A pencil from its tip (ax, ay) to its end (bx, by)."""
    dx, dy = bx - ax, by - ay
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    nx, ny = -uy * width / 2, ux * width / 2
    tip = 2.6
    sx, sy = ax + ux * tip, ay + uy * tip
    ex, ey = bx - ux * 1.6, by - uy * 1.6
    body = Polygon([(sx + nx, sy + ny), (ex + nx, ey + ny), (ex - nx, ey - ny), (sx - nx, sy - ny)])
    p(Stroke([(sx, sy), (bx, by)], width + 1.0), INK)
    p(Polygon([(ax, ay), (sx + nx * 1.2, sy + ny * 1.2), (sx - nx * 1.2, sy - ny * 1.2)]), INK)
    p(body, YELLOW)
    p(Polygon([(ex + nx, ey + ny), (bx + nx, by + ny), (bx - nx, by - ny), (ex - nx, ey - ny)]), RED)
    p(Polygon([(ax + ux * 0.9, ay + uy * 0.9), (sx + nx * 0.6, sy + ny * 0.6), (sx - nx * 0.6, sy - ny * 0.6)]),
      (235, 205, 160))


def printer(p):
    p.framed(Box(4, 1.5, 12, 7), PAPER)
    p.framed(Box(1, 5.5, 15, 12, 1.5), (205, 212, 224))
    p(Box(3, 8, 4.5, 9), GREEN)
    p.framed(Box(4, 10, 12, 15), PAPER)
    p(Box(5.5, 12, 10.5, 12.8), GREY)


def folder(p, open_flap=True):
    p(Polygon([(1, 3), (6, 3), (7.5, 4.5), (14, 4.5), (14, 13.5), (1, 13.5)]), INK)
    p(Polygon([(2, 4), (5.6, 4), (7.1, 5.5), (13, 5.5), (13, 12.5), (2, 12.5)]), (235, 190, 90))
    if open_flap:
        p(Polygon([(3, 7), (15.5, 7), (13.5, 13.5), (1, 13.5)]), INK)
        p(Polygon([(3.7, 8), (14.2, 8), (12.8, 12.5), (2.3, 12.5)]), YELLOW)


def book(p, cover=BLUE):
    p.framed(Box(2, 1.5, 14, 14.5, 1), cover)
    p(Box(2.8, 12, 13.2, 13.8), PAPER)
    p(Box(4.5, 1.5, 5.3, 12), darker(cover, 0.3))
    p(Box(7, 4, 12, 5), PAPER)
    p(Box(7, 6.5, 11, 7.3), BLUE_LIGHT)


def round_badge(p, colour, cx=8, cy=8, r=7):
    p(Ellipse(cx, cy, r), darker(colour, 0.25))
    p(Ellipse(cx, cy, r - 1), colour)


def glyph_i(p, cx, cy, s, colour=WHITE):
    p(Ellipse(cx, cy - 3.6 * s, 1.15 * s), colour)
    p(Box(cx - 1.0 * s, cy - 1.6 * s, cx + 1.0 * s, cy + 4.4 * s, 0.4 * s), colour)


def glyph_question(p, cx, cy, s, colour=WHITE):
    pts = arc(cx, cy - 2.2 * s, 2.4 * s, 200, 360 + 70, 24)
    pts.append((cx, cy + 0.8 * s))
    p(Stroke(pts, 1.8 * s), colour)
    p(Ellipse(cx, cy + 3.6 * s, 1.1 * s), colour)


def glyph_exclamation(p, cx, cy, s, colour=WHITE):
    p(Polygon([(cx - 1.1 * s, cy - 4.6 * s), (cx + 1.1 * s, cy - 4.6 * s), (cx + 0.6 * s, cy + 1.6 * s),
               (cx - 0.6 * s, cy + 1.6 * s)]), colour)
    p(Ellipse(cx, cy + 3.7 * s, 1.05 * s), colour)


def cake(p):
    p.framed(Box(2, 8, 14, 14.5, 1), (240, 170, 190))
    p(Box(2.8, 10, 13.2, 11), PAPER)
    for x in (5, 8, 11):
        p(Box(x - 0.6, 4.5, x + 0.6, 8.5), BLUE_LIGHT)
        p(Ellipse(x, 3.2, 0.9, 1.4), YELLOW)
        p(Ellipse(x, 3.5, 0.4, 0.7), RED)


def flag_shapes(index):
    """(shape, colour) pairs of the flag of language `index` within the box (0, 0)-(15, 9)."""
    W, H = 15.0, 9.0
    if index == 0:  # Deutsch
        return [(Box(0, 0, W, 3), (20, 20, 20)), (Box(0, 3, W, 6), (221, 0, 0)),
                (Box(0, 6, W, H), (255, 206, 0))]
    if index == 1:  # Nederlands
        return [(Box(0, 0, W, 3), (174, 28, 40)), (Box(0, 3, W, 6), WHITE), (Box(0, 6, W, H), (33, 70, 139))]
    if index == 2:  # English: the crosses of the union flag
        field = Box(0, 0, W, H)
        red, blue = (200, 16, 46), (1, 33, 105)
        diag = (Stroke([(0, 0), (W, H)], 2.4) | Stroke([(0, H), (W, 0)], 2.4)) & field
        thin = (Stroke([(0, 0), (W, H)], 0.8) | Stroke([(0, H), (W, 0)], 0.8)) & field
        return [(field, blue), (diag, WHITE), (thin, red),
                (Box(6, 0, 9, H) | Box(0, 3, W, 6), WHITE), (Box(7, 0, 8, H) | Box(0, 4, W, 5), red)]
    if index == 3:  # Français
        return [(Box(0, 0, 5, H), (0, 85, 164)), (Box(5, 0, 10, H), WHITE), (Box(10, 0, W, H), (239, 65, 53))]
    if index == 4:  # Español
        return [(Box(0, 0, W, H), (170, 21, 27)), (Box(0, 2, W, 7), (241, 191, 0))]
    return [(Box(0, 0, 5, H), (0, 146, 70)), (Box(5, 0, 10, H), WHITE),  # Italiano
            (Box(10, 0, W, H), (206, 43, 55))]


def flag(p, index):
    inner = Pen(p.canvas, p.ox, p.oy + 3 * p.scale, p.scale)
    for shape, colour in flag_shapes(index):
        inner(shape, colour)
    inner(Box(0, 0, 15, 9) - Box(1, 1, 14, 8), INK, 0.35)


def icon_new(p):
    sheet(p, 2, 1, 12, 15)
    star = [(11.5 + (4.2 if i % 2 == 0 else 1.8) * math.cos(math.radians(-90 + 36 * i)),
             11.5 + (4.2 if i % 2 == 0 else 1.8) * math.sin(math.radians(-90 + 36 * i))) for i in range(10)]
    p(Stroke(star, 1.4, closed=True), darker(YELLOW, 0.45))
    p(Polygon(star), YELLOW)


def icon_open(p):
    folder(p)


def icon_save(p):
    floppy(p)


def icon_check(p):
    p(Stroke([(3.5, 8.5), (6.5, 11.5), (12.5, 4.5)], 2.2), INK)


def icon_save_as(p):
    floppy(p, 1, 1, 12, 12)
    pencil(p, 8, 15, 15, 8, 2.4)


def icon_edit(p):
    sheet(p, 2, 1, 12, 15)
    for y in (6, 8.5, 11):
        p(Box(4, y, 9, y + 0.9), BLUE_LIGHT)
    pencil(p, 7, 14, 15, 6, 2.6)


def icon_exit(p):
    p.framed(Box(2, 1.5, 10, 14.5), (170, 130, 90))
    p(Box(3, 2.5, 9, 13.5), (120, 85, 55))
    p(Ellipse(7.5, 8.3, 0.7), YELLOW)
    p(Stroke([(8.5, 8), (14, 8)], 2.2), GREEN)
    p(Polygon([(15.7, 8), (12, 4.3), (12, 11.7)]), GREEN)


def icon_year(p):
    calendar(p, marks=((2, 1, RED),))


def icon_clear(p):
    sheet(p, 2, 1, 12, 15)
    for y in (6, 8.5, 11):
        p(Box(4, y, 9, y + 0.9), BLUE_LIGHT)
    p(Stroke([(8.5, 8.5), (14.5, 14.5)], 2.4), RED)
    p(Stroke([(14.5, 8.5), (8.5, 14.5)], 2.4), RED)


def icon_multi_day(p):
    calendar(p)
    p(Box(3.2, 9.3, 12.8, 11.2, 0.9), GREEN)


def icon_print(p):
    printer(p)


def icon_print_calendar(p):
    """The printer handing out a calendar page: the picture beside the print dialog's heading."""
    printer(p)
    p(Box(5, 11, 11, 14), PAPER)
    p(Box(5, 11, 11, 12.2), BLUE)
    for x in (5.5, 7.5, 9.5):
        p(Box(x, 13, x + 1.2, 14), BLUE_LIGHT)


def icon_print_sheet(p):
    p.framed(Box(0.5, 3, 15.5, 13.5, 0.8), PAPER)
    for r in range(3):
        for c in range(4):
            x = 2 + c * 3.2
            y = 4.6 + r * 2.8
            p(Box(x, y, x + 2.6, y + 2.2), BLUE_LIGHT if (r + c) % 2 else BLUE)


def icon_about(p):
    round_badge(p, BLUE)
    glyph_i(p, 8, 8, 1.0)


def icon_birthdays(p):
    cake(p)


def icon_help(p):
    round_badge(p, GREEN)
    glyph_question(p, 8, 8, 1.0)


def icon_manual(p):
    book(p)


def icon_undo(p):
    """A curved arrow turning back to the left."""
    p(Stroke([(4.5, 13.5)] + arc(9.5, 8.8, 4.7, 90, -90) + [(6.5, 4.1)], 2.2), BLUE)
    p(Polygon([(1.2, 4.1), (6.8, 0.4), (6.8, 7.8)]), BLUE)


def icon_redo(p):
    """The undo arrow mirrored: turning forward to the right."""
    icon_undo(lambda shape, colour, alpha=1.0: p(Mirrored(shape), colour, alpha))


class Mirrored(Shape):
    """A shape mirrored about the vertical line x = 8 of a 16-unit icon."""

    def __init__(self, shape):
        self.shape = shape

    def bbox(self):
        x0, y0, x1, y1 = self.shape.bbox()
        return 16 - x1, y0, 16 - x0, y1

    def contains(self, x, y):
        return self.shape.contains(16 - x, y)


def icon_flag(index):
    return lambda p: flag(p, index)


SMALL_ICONS = {
    0: icon_new, 1: icon_open, 2: icon_save, 3: icon_check, 4: icon_save_as, 5: icon_edit,
    6: icon_exit, 7: icon_year, 8: icon_clear, 9: icon_multi_day, 10: icon_print,
    11: icon_undo, 12: icon_redo, 13: icon_print_sheet, 22: icon_about, 23: icon_birthdays, 24: icon_help, 39: icon_manual,
}
for _language in range(6):
    SMALL_ICONS[41 + _language] = icon_flag(_language)
SMALL_ICON_COUNT = 47

# Toolbar 128, command buttons in order: new, open, edit, save, undo, redo, multi-day, print,
# manual, about.
TOOLBAR_ICONS = [icon_new, icon_open, icon_edit, icon_save, icon_undo, icon_redo, icon_multi_day,
                 icon_print, icon_manual, icon_about]


def strip(images, width, height, scale, key, out):
    canvas = Canvas(width * len(images), height)
    for i, draw in enumerate(images):
        if draw is None:
            continue
        ox = i * width + (width - 16 * scale) / 2
        oy = (height - 16 * scale) / 2
        draw(Pen(canvas, ox, oy, scale))
    canvas.png(out, key)


# ---------------------------------------------------------------------------------------------
# 32-pixel pictures: message symbols, large icons, the print picture.


def symbol_information(p):
    round_badge(p, BLUE, 16, 16, 15)
    glyph_i(p, 16, 17, 2.1)


def symbol_question(p):
    round_badge(p, (46, 140, 160), 16, 16, 15)
    glyph_question(p, 16, 16.5, 2.2)


def symbol_stop(p):
    pts = [(16 + 15 * math.cos(math.radians(22.5 + 45 * i)), 16 + 15 * math.sin(math.radians(22.5 + 45 * i)))
           for i in range(8)]
    inner = [(16 + 13.6 * math.cos(math.radians(22.5 + 45 * i)), 16 + 13.6 * math.sin(math.radians(22.5 + 45 * i)))
             for i in range(8)]
    p(Polygon(pts), darker(RED, 0.3))
    p(Polygon(inner), RED)
    p(Stroke([(10.5, 10.5), (21.5, 21.5)], 3.6), WHITE)
    p(Stroke([(21.5, 10.5), (10.5, 21.5)], 3.6), WHITE)


def symbol_plain(p):
    bubble = Box(2, 4, 30, 23, 5) | Polygon([(8, 21), (8, 29.5), (16, 21)])
    p(bubble, darker(GREY, 0.25))
    inner = Box(3.2, 5.2, 28.8, 21.8, 4) | Polygon([(9.2, 21), (9.2, 26.8), (14.6, 21.5)])
    p(inner, WHITE)
    for y, x1 in ((9, 25), (13, 25), (17, 19)):
        p(Box(7, y, x1, y + 1.8, 0.9), BLUE)


def symbol_warning(p):
    p(Polygon([(16, 2), (31, 29), (1, 29)]), darker(YELLOW, 0.35))
    p(Polygon([(16, 4.6), (29, 27.8), (3, 27.8)]), YELLOW)
    glyph_exclamation(p, 16, 18.5, 1.7, INK)


def scaled(icon):
    return lambda p: icon(Pen(p.canvas, p.ox, p.oy, p.scale * 2))


def icon_photo(p):
    p.framed(Box(1, 2.5, 15, 13.5, 0.8), PAPER)
    p(Box(2.5, 4, 13.5, 12), (170, 205, 240))
    p(Ellipse(11, 6.5, 1.4), YELLOW)
    p(Polygon([(2.5, 12), (6, 7), (9, 10.5), (10.5, 9), (13.5, 12)]), GREEN)


def icon_globe(p):
    p(Ellipse(8, 8, 7), darker(BLUE, 0.2))
    p(Ellipse(8, 8, 6), (110, 170, 220))
    p(Polygon([(4, 4.5), (7.5, 3.5), (8.5, 6), (6.5, 8.5), (7, 11.5), (4.5, 12), (3, 8)]), GREEN)
    p(Polygon([(10, 6.5), (12.5, 6), (13.5, 9), (11, 12), (10, 9.5)]), GREEN)


LARGE_ICONS = [symbol_information, scaled(icon_year), scaled(icon_photo), scaled(icon_print),
               scaled(icon_birthdays), scaled(icon_globe), scaled(icon_open), symbol_warning]
SYMBOLS = [symbol_information, symbol_question, symbol_stop, symbol_plain]


def strip32(images, out, key=KEY_STRIP):
    canvas = Canvas(32 * len(images), 32)
    for i, draw in enumerate(images):
        draw(Pen(canvas, 32 * i, 0, 1.0))
    canvas.png(out, key)


# ---------------------------------------------------------------------------------------------
# Widget-set pictures: check boxes, hand cursor, swatches, calendar and sum buttons.


def check_boxes(out):
    canvas = Canvas(13 * 6, 13)
    for i in range(6):
        state, disabled = i % 3, i >= 3
        p = Pen(canvas, 13 * i, 0, 1.0)
        edge = (160, 166, 176) if disabled else INK
        face = (236, 238, 242) if disabled else WHITE
        mark = (150, 156, 166) if disabled else BLUE
        p(Box(0, 0, 13, 13, 2), edge)
        p(Box(1, 1, 12, 12, 1.4), face)
        if state == 1:
            p(Stroke([(3.2, 6.6), (5.6, 9.2), (9.9, 3.8)], 1.9), mark)
        elif state == 2:
            p(Box(3.5, 3.5, 9.5, 9.5, 1), mix(mark, face, 0.35))
    canvas.png(out, KEY_MAGENTA)


def hand_parts():
    finger = Box(9, 1, 14, 18, 2.5)
    knuckles = [Box(14, 10, 18.5, 19, 2.2), Box(18.5, 11, 23, 20, 2.2), Box(23, 12.5, 27, 21, 2)]
    palm = Box(9, 15, 27, 28, 5)
    thumb = Polygon([(9.5, 19), (4.5, 13.5), (2.5, 15.5), (8, 25), (11, 25)])
    cuff = Box(11, 27, 25, 31, 1)
    return [finger] + knuckles + [palm], thumb, cuff


def hand_cursor(out):
    canvas = Canvas(32, 32)
    p = Pen(canvas)
    boxes, thumb, cuff = hand_parts()
    p(cuff, INK)
    p(cuff.grown(-1), BLUE_LIGHT)
    p(Stroke(thumb.points, 2.2, closed=True), INK)
    for b in boxes:
        p(b.grown(1), INK)
    p(thumb, WHITE)
    for b in boxes:
        p(b, WHITE)
    for x0, x1, y in ((14, 14, 15), (18.5, 18.5, 16), (23, 23, 17)):
        p(Stroke([(x0, y), (x1, y + 4)], 0.9), GREY)
    canvas.png(out, KEY_STRIP)


def swatches(out):
    colours = [(255, 255, 255), (190, 210, 255), (255, 200, 200), (255, 255, 200), (190, 255, 200)]
    canvas = Canvas(24 * len(colours), 16)
    for i, colour in enumerate(colours):
        p = Pen(canvas, 24 * i, 0, 1.0)
        edge = GREY if i == 0 else darker(colour, 0.4)
        p(Box(2, 2, 22, 14, 2.5), edge)
        p(Box(3, 3, 21, 13, 1.8), colour)
    canvas.png(out, KEY_STRIP)


def bitmap_button(out, icon, pressed):
    canvas = Canvas(20, 20)
    p = Pen(canvas)
    p(Box(0, 0, 20, 20, 3), INK)
    p(Box(1, 1, 19, 19, 2.2), (200, 206, 218) if pressed else (238, 241, 247))
    shift = 1 if pressed else 0
    icon(Pen(canvas, 2 + shift, 2 + shift, 1.0))
    canvas.png(out, KEY_STRIP)


def icon_sum(p):
    p(Polygon([(3, 2), (13, 2), (13, 4.5), (7, 4.5), (10.5, 8), (7, 11.5), (13, 11.5), (13, 14), (3, 14),
               (3, 12.5), (7.2, 8), (3, 3.5)]), INK)


# ---------------------------------------------------------------------------------------------
# The product pictures of the birthday import (100 × 72) and the desktop icon.


def appointment_book(out):
    canvas = Canvas(100, 72)
    p = Pen(canvas)
    p(Box(6, 8, 94, 68, 4), (60, 70, 90), 0.25)  # shadow
    p.framed(Box(4, 5, 92, 65, 4), (196, 72, 60))
    for side in ((8, 47), (49, 88)):
        p.framed(Box(side[0], 8, side[1], 62, 1.5), PAPER, (150, 150, 150))
    for x0, x1 in ((8, 47), (49, 88)):
        for i in range(8):
            y = 17 + i * 5.6
            p(Box(x0 + 3, y, x1 - 3, y + 0.8), (200, 208, 222))
        p(Box(x0 + 3, 11, x0 + 19, 14.5, 1), BLUE)
    for y, x0, x1, colour in ((18.5, 12, 40, BLUE_LIGHT), (29.5, 12, 34, (250, 210, 120)),
                              (41, 53, 82, (170, 220, 170)), (52, 53, 76, (240, 180, 180))):
        p(Box(x0, y, x1, y + 4, 1.2), colour)
    for y in range(11, 62, 5):
        p(Ellipse(48, y, 1.8), (110, 116, 128))
        p(Ellipse(48, y, 0.9), (225, 228, 235))
    pencil(p, 62, 60, 92, 30, 4)
    canvas.png(out, KEY_STRIP)


def address_book(out):
    canvas = Canvas(100, 72)
    p = Pen(canvas)
    p(Box(22, 7, 84, 70, 4), (60, 70, 90), 0.25)
    for i, colour in enumerate((RED, YELLOW, GREEN, BLUE, (150, 110, 180))):
        y = 10 + i * 11
        p.framed(Box(70, y, 88, y + 9, 2), colour)
    p.framed(Box(18, 4, 80, 67, 4), (46, 96, 150))
    p(Box(22, 4, 25, 67), (32, 70, 112))
    p.framed(Box(34, 14, 72, 50, 3), PAPER)
    p(Ellipse(53, 26, 6.2), (120, 140, 170))
    p(Polygon(arc(53, 47, 12, 180, 360, 20)), (120, 140, 170))
    p(Box(34, 48, 72, 50), PAPER)
    p(Box(38, 55, 68, 57, 1), (150, 180, 215))
    p(Box(42, 60, 64, 61.5, 0.7), (150, 180, 215))
    canvas.png(out, KEY_STRIP)


def app_icon_shapes():
    """The desktop icon in 64 units: a wall calendar with a landscape photo."""
    shapes = [
        (Box(6, 6, 58, 62, 5), (60, 70, 90), 0.25),
        (Box(4, 4, 56, 60, 5), INK, 1.0),
        (Box(5.5, 5.5, 54.5, 58.5, 4), PAPER, 1.0),
        (Box(9, 13, 51, 35, 2), (140, 195, 235), 1.0),
        (Ellipse(41, 20, 4), YELLOW, 1.0),
        (Polygon([(9, 35), (9, 28), (18, 21), (27, 29), (33, 25), (51, 33), (51, 35)]), (90, 160, 90), 1.0),
        (Polygon([(9, 35), (9, 31), (24, 27), (40, 31), (51, 30), (51, 35)]), (60, 130, 70), 1.0),
    ]
    for row in range(3):
        for col in range(6):
            x = 10 + col * 7
            y = 39 + row * 6
            colour = RED if (row, col) == (2, 5) else (BLUE if (row, col) == (1, 2) else (205, 212, 225))
            shapes.append((Box(x, y, x + 5.5, y + 4.5, 0.8), colour, 1.0))
    for x in (17, 30, 43):
        shapes.append((Box(x - 1.6, 1, x + 1.6, 9, 1.4), GREY, 1.0))
    return shapes


def app_icon(png_out, svg_out, size=256):
    canvas = Canvas(size, size)
    p = Pen(canvas, 0, 0, size / 64)
    body = []
    for shape, colour, alpha in app_icon_shapes():
        p(shape, colour, alpha)
        fill = "#%02x%02x%02x" % tuple(int(round(c)) for c in colour)
        element = shape.svg(fill)
        if alpha < 1:
            element = element.replace("/>", f' fill-opacity="{alpha:g}"/>')
        body.append("  " + element)
    canvas.png(png_out, (255, 255, 255))
    with open(svg_out, "w") as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">\n')
        f.write("\n".join(body) + "\n</svg>\n")


def background(out):
    """A calm, slightly textured blue-grey, darker than the dialogs' light content panels."""
    subprocess.run([
        "convert", "-size", "1600x1000", "-define", "gradient:angle=160",
        "gradient:#7486a6-#46546e",
        "(", "-size", "1600x1000", "xc:none", "-fill", "rgba(255,255,255,0.10)",
        "-draw", "circle 300,200 300,650", "-fill", "rgba(255,255,255,0.07)",
        "-draw", "circle 1350,850 1350,1300", "-fill", "rgba(20,30,50,0.12)",
        "-draw", "circle 1200,150 1200,450", "-blur", "0x120", ")",
        "-composite", "-seed", "7", "-attenuate", "0.25", "+noise", "Gaussian",
        "-strip", "-interlace", "Plane", "-quality", "82", out], check=True)


def pictures(suffix):
    """Every resource picture, written as <number><suffix>.png at the canvas resolution."""
    out = lambda n: os.path.join(PICTURES, f"{n}{suffix}.png")  # noqa: E731
    small = [SMALL_ICONS.get(i) for i in range(SMALL_ICON_COUNT)]
    strip(small, 16, 16, 1.0, KEY_STRIP, out(24582))
    strip(TOOLBAR_ICONS, 22, 20, 1.25, KEY_MAGENTA, out(154))
    strip([icon_flag(i) for i in range(6)], 16, 16, 1.0, KEY_STRIP, out(24595))
    strip32(SYMBOLS, out(113))
    strip32(LARGE_ICONS, out(155))
    strip32([scaled(icon_print_calendar)], out(140))
    swatches(out(142))
    check_boxes(out(24577))
    hand_cursor(out(24576))
    bitmap_button(out(24579), icon_year, False)
    bitmap_button(out(24578), icon_year, True)
    bitmap_button(out(24581), icon_sum, False)
    bitmap_button(out(24580), icon_sum, True)
    appointment_book(out(149))
    address_book(out(150))


def main():
    os.makedirs(PICTURES, exist_ok=True)
    for resolution, suffix in ((1, ""), (2, "@2x")):
        Canvas.resolution = resolution
        pictures(suffix)
    Canvas.resolution = 1
    packaging = os.path.join(ROOT, "packaging")
    os.makedirs(packaging, exist_ok=True)
    app_icon(os.path.join(packaging, "veltrano.png"), os.path.join(packaging, "veltrano.svg"))
    if "--no-background" not in sys.argv:
        background(os.path.join(ROOT, "data", "bg1.jpg"))


if __name__ == "__main__":
    main()
