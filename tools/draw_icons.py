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


class ScaledCanvas(Canvas):
    """A canvas of size x size pixels on which pictures are drawn in the
    coordinates of a 256 x 256 design."""
    def __init__(self, size):
        super().__init__(size, size)
        self.factor = size / 256.0

    def fill(self, shape, colour, opacity=1.0):
        f = self.factor
        paint = (lambda x, y: colour(x / f, y / f)) if callable(colour) else colour
        super().fill(scaled(shape, f), paint, opacity)


# The logo in design units (a 256 x 256 square): a plate, the sector image of
# a B-mode scan with its echoes and bright targets under the transducer head,
# and the word "ZETU" in rounded strokes.  The same figures give the raster
# pictures and the scalable one.
PLATE = (6, 6, 250, 250, 40)
PLATE_COLOUR, PLATE_OPACITY = (236, 244, 250), 0.95
APEX = (128.0, 22.0)
HALF_ANGLE = math.radians(36)
SECTOR_RADIUS = 146.0
NEAR, FAR = (40, 170, 230), (10, 90, 170)          # sector colour at apex, rim
ECHOES, ECHO_HALF_WIDTH, ECHO_INSET, ECHO_OPACITY = \
    (54.0, 82.0, 110.0, 136.0), 2.2, 7.0, 0.55
SPECKLES, SPECKLE_RADIUS, SPECKLE_OPACITY = \
    ((-14, 68), (10, 96), (-4, 124), (21, 60)), 3.2, 0.9
HEAD, HEAD_COLOUR = (104, 8, 152, 28, 7), (22, 48, 80)
LENS, LENS_COLOUR = (110, 23, 146, 29, 2.5), (120, 200, 240)
NAVY = (22, 48, 80)
STROKE = 7.5                                       # half width of the letters
TOP, BOTTOM = 176.0, 236.0
LETTER, GAP = 40.0, 15.0
WHITE = (255, 255, 255)


def speckle_centres():
    ax, ay = APEX
    return [(ax + math.sin(math.radians(a)) * r,
             ay + math.cos(math.radians(a)) * r) for a, r in SPECKLES]


def letters():
    """The four letters as polylines (lists of points) and, for the U, the
    centre and radius of its bowl."""
    x0 = (256 - (4 * LETTER + 3 * GAP)) / 2 + STROKE / 2

    def box(i):
        left = x0 + i * (LETTER + GAP)
        return left, left + LETTER - STROKE
    middle = (TOP + BOTTOM) / 2
    l, r = box(0)
    z = [[(l, TOP), (r, TOP), (l, BOTTOM), (r, BOTTOM)]]
    l, r = box(1)
    e = [[(r, TOP), (l, TOP), (l, BOTTOM), (r, BOTTOM)],
         [(l, middle), (r - 6, middle)]]
    l, r = box(2)
    t = [[(l, TOP), (r, TOP)], [((l + r) / 2, TOP), ((l + r) / 2, BOTTOM)]]
    l, r = box(3)
    cr = (r - l) / 2
    bowl = ((l + r) / 2, BOTTOM - cr, cr)
    u = [[(l, TOP), (l, BOTTOM - cr)], [(r, TOP), (r, BOTTOM - cr)]]
    return z + e + t + u, bowl


def logo_canvas(size):
    c = ScaledCanvas(size)
    ax, ay = APEX
    c.fill(rounded_rect(*PLATE), PLATE_COLOUR, PLATE_OPACITY)
    sector = intersect(disc(ax, ay, SECTOR_RADIUS), wedge(ax, ay, HALF_ANGLE))

    def beam(x, y):
        t = min(1.0, math.hypot(x - ax, y - ay) / SECTOR_RADIUS)
        return tuple(n + (f - n) * t for n, f in zip(NEAR, FAR))
    c.fill(sector, beam)
    for r in ECHOES:
        arc = intersect(ring(ax, ay, r, ECHO_HALF_WIDTH),
                        wedge(ax, ay, HALF_ANGLE, ECHO_INSET))
        c.fill(arc, WHITE, ECHO_OPACITY)
    for x, y in speckle_centres():
        c.fill(disc(x, y, SPECKLE_RADIUS), WHITE, SPECKLE_OPACITY)
    c.fill(rounded_rect(*HEAD), HEAD_COLOUR)
    c.fill(rounded_rect(*LENS), LENS_COLOUR)

    strokes, (bx, by, br) = letters()
    parts = [polyline(points, STROKE) for points in strokes]
    parts.append(intersect(ring(bx, by, br, STROKE), lambda x, y: by - y))
    c.fill(lambda x, y: min(p(x, y) for p in parts), NAVY)
    return c


def logo():
    return ico_with_png(logo_canvas(256).png(), 256, 256)


def logo_svg():
    """The logo as SVG, for the scalable icon of desktop menus."""
    def rgb(colour):
        return "#%02x%02x%02x" % tuple(int(round(v)) for v in colour)

    def rect(x0, y0, x1, y1, radius):
        return ('x="%g" y="%g" width="%g" height="%g" rx="%g"'
                % (x0, y0, x1 - x0, y1 - y0, radius))

    def arc_points(r, inset):
        """Ends of the circle of radius r round the apex, inside the sector
        shrunk by inset."""
        ax, ay = APEX
        a = HALF_ANGLE - math.asin(min(1.0, inset / r)) if inset else HALF_ANGLE
        return ((ax - math.sin(a) * r, ay + math.cos(a) * r),
                (ax + math.sin(a) * r, ay + math.cos(a) * r))
    ax, ay = APEX
    (lx, ly), (rx, ry) = arc_points(SECTOR_RADIUS, 0)
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
           'viewBox="0 0 256 256">',
           '<defs><radialGradient id="beam" gradientUnits="userSpaceOnUse" '
           'cx="%g" cy="%g" r="%g"><stop offset="0" stop-color="%s"/>'
           '<stop offset="1" stop-color="%s"/></radialGradient></defs>'
           % (ax, ay, SECTOR_RADIUS, rgb(NEAR), rgb(FAR)),
           '<rect %s fill="%s" fill-opacity="%g"/>'
           % (rect(*PLATE), rgb(PLATE_COLOUR), PLATE_OPACITY),
           '<path d="M%g %gL%.2f %.2fA%g %g 0 0 0 %.2f %.2fZ" fill="url(#beam)"/>'
           % (ax, ay, lx, ly, SECTOR_RADIUS, SECTOR_RADIUS, rx, ry)]
    for r in ECHOES:
        (x0, y0), (x1, y1) = arc_points(r, ECHO_INSET)
        out.append('<path d="M%.2f %.2fA%g %g 0 0 0 %.2f %.2f" fill="none" '
                   'stroke="#ffffff" stroke-width="%g" stroke-opacity="%g"/>'
                   % (x0, y0, r, r, x1, y1, 2 * ECHO_HALF_WIDTH, ECHO_OPACITY))
    for x, y in speckle_centres():
        out.append('<circle cx="%.2f" cy="%.2f" r="%g" fill="#ffffff" '
                   'fill-opacity="%g"/>' % (x, y, SPECKLE_RADIUS, SPECKLE_OPACITY))
    out.append('<rect %s fill="%s"/>' % (rect(*HEAD), rgb(HEAD_COLOUR)))
    out.append('<rect %s fill="%s"/>' % (rect(*LENS), rgb(LENS_COLOUR)))
    strokes, (bx, by, br) = letters()
    path = ["M" + "L".join("%g %g" % p for p in points) for points in strokes]
    path.append("M%g %gA%g %g 0 0 0 %g %g" % (bx - br, by, br, br, bx + br, by))
    out.append('<path d="%s" fill="none" stroke="%s" stroke-width="%g" '
               'stroke-linecap="round" stroke-linejoin="round"/>'
               % ("".join(path), rgb(NAVY), 2 * STROKE))
    out.append('</svg>')
    return ("\n".join(out) + "\n").encode()


# Sizes of the application icon in the desktop's hicolor theme.
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


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
        "zetu.svg": logo_svg,
    }
    pictures.update({"zetu-%d.png" % n: (lambda n=n: logo_canvas(n).png())
                     for n in ICON_SIZES})
    for name, draw in pictures.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(draw())
        print(os.path.join(out, name))


if __name__ == "__main__":
    main()
