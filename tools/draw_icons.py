#!/usr/bin/env python3
"""Draws the program's pictures: the two report marks, the placeholder of the
report's image cells, the clipboard picture and the application logo.

Pure Python (zlib and struct only): every shape is a signed distance function
in pixel units and its coverage is anti-aliased over one pixel.  Run from the
repository root:

    python3 tools/draw_icons.py            # writes resources/icons/*
    python3 tools/draw_icons.py OUTDIR     # writes into another folder
"""
import math
import os
import struct
import sys
import zlib


# --- shapes: signed distance (negative inside), in pixels --------------------

def seg(ax, ay, bx, by, half_width):
    """Thick segment with round caps."""
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy

    def d(x, y):
        t = ((x - ax) * dx + (y - ay) * dy) / ll if ll else 0.0
        t = min(1.0, max(0.0, t))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - half_width
    return d


def polyline(points, half_width):
    parts = [seg(*points[i], *points[i + 1], half_width)
             for i in range(len(points) - 1)]
    return lambda x, y: min(p(x, y) for p in parts)


def disc(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, half_width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - half_width


def rounded_rect(x0, y0, x1, y1, radius):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return d


def wedge(ax, ay, half_angle, inset=0.0):
    """Region below the apex (ax, ay) within +-half_angle of straight down."""
    c, s = math.cos(half_angle), math.sin(half_angle)

    def d(x, y):
        px, py = x - ax, y - ay
        # outward normals of the two edges of the wedge
        left = -c * px - s * py
        right = c * px - s * py
        return max(left, right) + inset
    return d


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


# --- canvas ------------------------------------------------------------------

class Canvas:
    def __init__(self, width, height, background=(0, 0, 0, 0)):
        self.w, self.h = width, height
        r, g, b, a = background
        self.px = [[float(r), float(g), float(b), a / 255.0]
                   for _ in range(width * height)]

    def fill(self, shape, colour, opacity=1.0):
        """Paints the union of shape with colour (an RGB tuple or a function
        of x, y giving one) using source-over compositing."""
        for y in range(self.h):
            for x in range(self.w):
                cov = 0.5 - shape(x + 0.5, y + 0.5)
                if cov <= 0.0:
                    continue
                a = min(1.0, cov) * opacity
                rgb = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                p = self.px[y * self.w + x]
                out_a = a + p[3] * (1.0 - a)
                for i in range(3):
                    p[i] = (rgb[i] * a + p[i] * p[3] * (1.0 - a)) / out_a
                p[3] = out_a

    def png(self, alpha=True):
        raw = bytearray()
        for y in range(self.h):
            raw.append(0)  # filter: none
            for x in range(self.w):
                p = self.px[y * self.w + x]
                a = p[3]
                if alpha:
                    if a <= 0.0:
                        raw += b"\0\0\0\0"
                        continue
                    raw += bytes(int(round(min(255.0, max(0.0, c))))
                                 for c in p[:3])
                    raw.append(int(round(a * 255)))
                else:  # flatten onto white
                    raw += bytes(int(round(c * a + 255.0 * (1.0 - a)))
                                 for c in p[:3])

        def chunk(kind, data):
            body = kind + data
            return (struct.pack(">I", len(data)) + body +
                    struct.pack(">I", zlib.crc32(body) & 0xffffffff))
        colour_type = 6 if alpha else 2
        header = struct.pack(">IIBBBBB", self.w, self.h, 8, colour_type,
                             0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
                chunk(b"IEND", b""))


def ico_with_png(png, width, height):
    """A Windows icon file whose single image is stored as PNG; 256 is
    written as 0 in the directory entry."""
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                        len(png), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entry + png


# --- pictures ----------------------------------------------------------------

BLACK = (0, 0, 0)


def scaled(shape, factor):
    """The shape drawn factor times larger: same picture, more pixels."""
    return lambda x, y: shape(x / factor, y / factor) * factor


# The marks are drawn at 16 x 16 for the screen and four times as large (the
# @4x files) for the printed report, which shows them at the same size.
def checkmark(factor=1):
    c = Canvas(16 * factor, 16 * factor)
    c.fill(scaled(polyline([(3.0, 8.5), (6.5, 12.0), (13.0, 4.0)], 1.25),
                  factor), BLACK)
    return c.png()


def cross(factor=1):
    c = Canvas(16 * factor, 16 * factor)
    c.fill(scaled(lambda x, y: min(seg(3.5, 3.5, 12.5, 12.5, 1.2)(x, y),
                                   seg(12.5, 3.5, 3.5, 12.5, 1.2)(x, y)),
                  factor), BLACK)
    return c.png()


def no_sign():
    c = Canvas(64, 64, (255, 255, 255, 255))
    r = 22.0
    k = r / math.sqrt(2.0)
    shape = lambda x, y: min(ring(32, 32, r, 3.5)(x, y),
                             seg(32 - k, 32 - k, 32 + k, 32 + k, 3.5)(x, y))
    c.fill(shape, (205, 205, 205))
    return c.png(alpha=False)


def clipboard():
    c = Canvas(64, 64)
    c.fill(rounded_rect(11, 8, 53, 61, 5), (92, 60, 30))          # rim
    c.fill(rounded_rect(12, 9, 52, 60, 4.5),
           lambda x, y: (168 - (y - 9) * 0.6, 116 - (y - 9) * 0.5, 62))
    c.fill(rounded_rect(16, 15, 48, 56, 1), (120, 120, 120))      # sheet edge
    c.fill(rounded_rect(16.5, 15.5, 47.5, 55.5, 0.8), (252, 252, 250))
    for i, y in enumerate((24, 30, 36, 42, 48)):
        end = 43 if i % 2 == 0 else 38
        c.fill(seg(21, y, end, y, 1.0), (110, 140, 180))
    clip = subtract(rounded_rect(23, 3, 41, 15, 3), disc(32, 6.5, 2.2))
    c.fill(rounded_rect(22, 2, 42, 16, 3.5), (70, 74, 80))
    c.fill(clip, lambda x, y: (200 - (y - 3) * 6, 204 - (y - 3) * 6,
                               210 - (y - 3) * 6))
    return c.png()


def logo():
    size = 256
    c = Canvas(size, size)
    ax, ay = 128.0, 22.0                     # apex of the scan sector
    half = math.radians(36)
    radius = 146.0
    # soft plate behind everything
    c.fill(rounded_rect(6, 6, 250, 250, 40), (236, 244, 250), 0.95)
    # the sector image of a B-mode scan, bright near the probe
    sector = intersect(disc(ax, ay, radius), wedge(ax, ay, half))

    def beam(x, y):
        t = min(1.0, math.hypot(x - ax, y - ay) / radius)
        return (40 + (10 - 40) * t, 170 + (90 - 170) * t, 230 + (170 - 230) * t)
    c.fill(sector, beam)
    # echoes: wavefronts travelling out from the probe
    for r in (54.0, 82.0, 110.0, 136.0):
        arc = intersect(ring(ax, ay, r, 2.2), wedge(ax, ay, half, 7.0))
        c.fill(arc, (255, 255, 255), 0.55)
    # a few bright speckles like targets in the phantom
    for ang, r in ((-14, 68), (10, 96), (-4, 124), (21, 60)):
        a = math.radians(ang)
        c.fill(disc(ax + math.sin(a) * r, ay + math.cos(a) * r, 3.2),
               (255, 255, 255), 0.9)
    # the transducer head
    c.fill(rounded_rect(104, 8, 152, 28, 7), (22, 48, 80))
    c.fill(rounded_rect(110, 23, 146, 29, 2.5), (120, 200, 240))

    # the word "ZETU" in rounded strokes
    navy = (22, 48, 80)
    hw = 7.5
    top, bottom = 176.0, 236.0
    width, gap = 40.0, 15.0
    x0 = (size - (4 * width + 3 * gap)) / 2 + hw / 2

    def box(i):
        left = x0 + i * (width + gap)
        return left, left + width - hw

    l, r = box(0)
    z = polyline([(l, top), (r, top), (l, bottom), (r, bottom)], hw)
    l, r = box(1)
    e = lambda x, y, l=l, r=r: min(
        polyline([(r, top), (l, top), (l, bottom), (r, bottom)], hw)(x, y),
        seg(l, (top + bottom) / 2, r - 6, (top + bottom) / 2, hw)(x, y))
    l, r = box(2)
    t = lambda x, y, l=l, r=r: min(seg(l, top, r, top, hw)(x, y),
                                   seg((l + r) / 2, top, (l + r) / 2,
                                       bottom, hw)(x, y))
    l, r = box(3)
    cr = (r - l) / 2
    bowl = intersect(ring((l + r) / 2, bottom - cr, cr, hw),
                     lambda x, y, c0=bottom - cr: c0 - y)
    u = lambda x, y, l=l, r=r, c0=bottom - cr: min(
        seg(l, top, l, c0, hw)(x, y), seg(r, top, r, c0, hw)(x, y),
        bowl(x, y))
    word = lambda x, y: min(z(x, y), e(x, y), t(x, y), u(x, y))
    c.fill(word, navy)
    return ico_with_png(c.png(), size, size)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "resources", "icons")
    os.makedirs(out, exist_ok=True)
    pictures = {
        "checkmark.png": checkmark,
        "cross.png": cross,
        "checkmark@4x.png": lambda: checkmark(4),
        "cross@4x.png": lambda: cross(4),
        "no1.png": no_sign,
        "Actions-clipboard-icon.png": clipboard,
        "LogoZETU.ico": logo,
    }
    for name, draw in pictures.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(draw())
        print(os.path.join(out, name))


if __name__ == "__main__":
    main()
