#!/usr/bin/env python3
"""Draws the launcher's pictures and writes them in the formats the executable carries.

Run from anywhere: `python3 resources/make_artwork.py`. Needs Python 3 (standard library only) and
ImageMagick's `convert` for the two JPEG glyphs. Everything is drawn procedurally and deterministically:
running the script again gives the same files.

Pictures (width x height, format):
  close_glyph.jpg     16 x 25  JPEG          grey X on black
  minimize_glyph.jpg  21 x 25  JPEG          grey downward-pointing triangle on black
  help_glyph.bmp      16 x 16  24-bit        red question mark on black
  launch_emblem.bmp   44 x 46  256 colours   flaming horned emblem on black
  pressed_emblem.bmp  44 x 44  256 colours   the emblem in a second frame of its flames
  fire_column.bmp     26 x 96  256 colours   flaming torch on a stand, black background
  vexar.ico           48 x 48  256 colours   the flaming emblem (one image)
"""

import math
import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SS = 4  # supersampling factor for smooth edges


# ---------------------------------------------------------------- canvas and shapes

class Canvas:
    """An RGB picture, row 0 at the top, channels as floats 0..255."""

    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width, self.height = width, height
        self.pixels = [[list(colour) for _ in range(width)] for _ in range(height)]

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.width and 0 <= y < self.height and alpha > 0:
            p = self.pixels[y][x]
            a = min(alpha, 1.0)
            for c in range(3):
                p[c] = p[c] * (1 - a) + colour[c] * a

    def add(self, x, y, colour, amount):
        if 0 <= x < self.width and 0 <= y < self.height and amount > 0:
            p = self.pixels[y][x]
            for c in range(3):
                p[c] = min(255.0, p[c] + colour[c] * amount)

    def rgb(self):
        return [[tuple(max(0, min(255, int(round(v)))) for v in p) for p in row] for row in self.pixels]


def coverage(inside, x, y):
    """Share of pixel (x, y) covered by the shape `inside(px, py)` (continuous coordinates)."""
    hits = 0
    for sy in range(SS):
        for sx in range(SS):
            if inside(x + (sx + 0.5) / SS, y + (sy + 0.5) / SS):
                hits += 1
    return hits / (SS * SS)


def fill(canvas, inside, colour_at, box=None):
    x0, y0, x1, y1 = box or (0, 0, canvas.width, canvas.height)
    for y in range(max(0, y0), min(canvas.height, y1)):
        for x in range(max(0, x0), min(canvas.width, x1)):
            a = coverage(inside, x, y)
            if a:
                colour = colour_at(x + 0.5, y + 0.5) if callable(colour_at) else colour_at
                canvas.blend(x, y, colour, a)


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def thick_line(ax, ay, bx, by, width):
    return lambda px, py: segment_distance(px, py, ax, ay, bx, by) <= width / 2


def polygon(points):
    def inside(px, py):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda px, py: ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1


def ring(cx, cy, r_outer, r_inner, start_deg=0, end_deg=360):
    def inside(px, py):
        d = math.hypot(px - cx, py - cy)
        if not r_inner <= d <= r_outer:
            return False
        angle = math.degrees(math.atan2(py - cy, px - cx)) % 360
        return start_deg <= angle <= end_deg if start_deg <= end_deg else angle >= start_deg or angle <= end_deg
    return inside


# ---------------------------------------------------------------- fire

def hash01(ix, iy, seed):
    h = (ix * 374761393 + iy * 668265263 + seed * 982451653) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0


def value_noise(x, y, seed):
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a, b = hash01(ix, iy, seed), hash01(ix + 1, iy, seed)
    c, d = hash01(ix, iy + 1, seed), hash01(ix + 1, iy + 1, seed)
    return (a * (1 - fx) + b * fx) * (1 - fy) + (c * (1 - fx) + d * fx) * fy


def turbulence(x, y, seed):
    return sum(value_noise(x * f, y * f, seed + i) / f for i, f in enumerate((1, 2, 4))) / 1.75


FIRE_RAMP = [(0.0, (0, 0, 0)), (0.18, (90, 0, 0)), (0.38, (200, 20, 0)), (0.6, (255, 110, 0)),
             (0.8, (255, 200, 40)), (1.0, (255, 255, 200))]


def fire_colour(t):
    t = max(0.0, min(1.0, t))
    for (t0, c0), (t1, c1) in zip(FIRE_RAMP, FIRE_RAMP[1:]):
        if t <= t1:
            k = (t - t0) / (t1 - t0)
            return tuple(c0[i] + (c1[i] - c0[i]) * k for i in range(3))
    return FIRE_RAMP[-1][1]


def flame(canvas, cx, base_y, half_width, height, seed, phase=0.0, box=None):
    """A flame rising from (cx, base_y): hot at the root, ragged and dark at the tips."""
    x0, y0, x1, y1 = box or (0, 0, canvas.width, canvas.height)
    for y in range(max(0, y0), min(canvas.height, y1)):
        for x in range(max(0, x0), min(canvas.width, x1)):
            u = (x + 0.5 - cx) / half_width
            v = (base_y - (y + 0.5)) / height  # 0 at the root, 1 at the top
            if v < -0.15 or v > 1.2:
                continue
            n = turbulence(x * 0.35, (y + phase) * 0.22, seed)
            width_here = max(0.0, 1 - max(0.0, v)) ** 0.8 * (0.75 + 0.5 * n)
            if abs(u) > width_here + 0.05:
                continue
            heat = (1 - abs(u) / max(width_here, 0.05)) * (1.15 - v) * (0.55 + 0.7 * n)
            if v < 0:
                heat *= 1 + v / 0.15
            if heat > 0.08:
                canvas.add(x, y, fire_colour(heat), 1.0)


# ---------------------------------------------------------------- the pictures

GREY = (168, 168, 168)


def close_glyph():
    c = Canvas(16, 25)
    fill(c, thick_line(3.5, 8.0, 12.5, 17.0, 2.6), GREY)
    fill(c, thick_line(12.5, 8.0, 3.5, 17.0, 2.6), GREY)
    return c


def minimize_glyph():
    c = Canvas(21, 25)
    fill(c, polygon([(3.5, 8.5), (17.5, 8.5), (10.5, 17.5)]), GREY)
    return c


def help_glyph():
    c = Canvas(16, 16)
    red = (220, 24, 24)
    fill(c, ring(8.0, 5.5, 4.3, 2.2, 180, 60), red)              # the hook
    fill(c, thick_line(9.9, 8.9, 8.0, 10.2, 2.1), red)           # down to the stem
    fill(c, thick_line(8.0, 10.0, 8.0, 11.0, 2.1), red)
    fill(c, ellipse(8.0, 13.6, 1.3, 1.3), red)                   # the dot
    return c


def emblem(size_w, size_h, seed, phase, cy_shift=0.0):
    """The flaming horned emblem: a ringed dark shield with two curved horns, in a crown of fire."""
    c = Canvas(size_w, size_h)
    cx = size_w / 2
    cy = size_h * 0.60 + cy_shift
    r = size_w * 0.30
    # fire behind: three flames rising around the shield
    flame(c, cx, cy + r * 0.9, size_w * 0.46, size_h * 0.95, seed, phase)
    flame(c, cx - r * 0.9, cy + r * 0.2, size_w * 0.16, size_h * 0.55, seed + 7, phase)
    flame(c, cx + r * 0.9, cy + r * 0.2, size_w * 0.16, size_h * 0.55, seed + 11, phase)
    # horns: tapering curves that sweep out from the shield's shoulders and bend back in at the tips
    for side in (-1, 1):
        p0 = (cx + side * r * 0.55, cy - r * 0.70)
        p1 = (cx + side * r * 1.55, cy - r * 1.05)
        p2 = (cx + side * r * 0.95, cy - r * 1.95)
        def bezier(t, p0=p0, p1=p1, p2=p2):
            return tuple((1 - t) ** 2 * p0[i] + 2 * (1 - t) * t * p1[i] + t * t * p2[i] for i in range(2))
        samples = [(bezier(i / 40), r * (0.26 - 0.23 * i / 40)) for i in range(41)]

        def horn(px, py, samples=samples):
            return any((px - x) ** 2 + (py - y) ** 2 <= w * w for (x, y), w in samples)

        fill(c, horn, lambda px, py: (150 + (cy - py) * 3.0, 120 + (cy - py) * 3.4, 90 + (cy - py) * 3.0))
    # shield: dark red disc, gold ring, a bright core
    fill(c, ellipse(cx, cy, r, r), lambda px, py: (120 - (py - cy) * 2.5, 10, 6))
    fill(c, ring(cx, cy, r, r * 0.78), (230, 170, 40))
    fill(c, polygon([(cx, cy - r * 0.55), (cx + r * 0.38, cy + r * 0.42), (cx - r * 0.38, cy + r * 0.42)]),
         lambda px, py: fire_colour(0.95 - (py - (cy - r * 0.55)) / (r * 1.8)))
    return c


def fire_column():
    c = Canvas(26, 96)
    metal = lambda px, py: (150 - abs(px - 13) * 9, 110 - abs(px - 13) * 7, 70 - abs(px - 13) * 4)
    fill(c, polygon([(4, 95.5), (22, 95.5), (19, 91), (7, 91)]), metal)       # foot
    fill(c, polygon([(11.5, 91), (14.5, 91), (14, 44), (12, 44)]), metal)     # pole
    fill(c, ellipse(13, 66, 2.6, 1.6), metal)                                  # knot on the pole
    fill(c, polygon([(4.5, 36), (21.5, 36), (16.5, 45), (9.5, 45)]), metal)   # cup
    fill(c, ring(13, 36, 8.6, 7.0, 0, 180), (200, 150, 60))                   # cup rim
    flame(c, 13, 37.5, 9.0, 36, 3)
    flame(c, 13, 37.5, 5.0, 28, 9, 4.0)
    return c


# ---------------------------------------------------------------- file formats

def bmp24(picture):
    w, h = len(picture[0]), len(picture)
    stride = (w * 3 + 3) & ~3
    rows = b"".join(bytes(v for px in row for v in (px[2], px[1], px[0])).ljust(stride, b"\0")
                    for row in reversed(picture))
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 3780, 3780, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + 40 + len(rows), 0, 0, 54) + header + rows


def palette_for(picture):
    """Up to 256 colours: black first, then the most frequent colours at 5 bits per channel."""
    counts = {}
    for row in picture:
        for px in row:
            key = tuple(v >> 3 for v in px)
            counts[key] = counts.get(key, 0) + 1
    counts.pop((0, 0, 0), None)
    chosen = sorted(counts, key=lambda k: (-counts[k], k))[:255]
    palette = [(0, 0, 0)] + [tuple((v << 3) | (v >> 2) for v in k) for k in chosen]
    return palette + [(0, 0, 0)] * (256 - len(palette))


def indexed(picture, palette):
    cache = {}

    def nearest(px):
        if px not in cache:
            if px == (0, 0, 0):
                cache[px] = 0
            else:
                cache[px] = min(range(len(palette)),
                                key=lambda i: sum((palette[i][c] - px[c]) ** 2 for c in range(3)))
        return cache[px]
    return [[nearest(px) for px in row] for row in picture]


def dib8(picture, height_field, mask_rows=b""):
    """BITMAPINFOHEADER, 256-entry palette and 8-bit rows (bottom-up), then `mask_rows`."""
    w, h = len(picture[0]), len(picture)
    palette = palette_for(picture)
    pixels = indexed(picture, palette)
    stride = (w + 3) & ~3
    rows = b"".join(bytes(row).ljust(stride, b"\0") for row in reversed(pixels))
    header = struct.pack("<IiiHHIIiiII", 40, w, height_field, 1, 8, 0, len(rows) + len(mask_rows),
                         0 if mask_rows else 3780, 0 if mask_rows else 3780, 256, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + colours + rows + mask_rows


def bmp8(picture):
    dib = dib8(picture, len(picture))
    return struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, 14 + 40 + 1024) + dib


def ico8(picture):
    w, h = len(picture[0]), len(picture)
    mask_stride = ((w + 31) // 32) * 4
    mask = b""
    for row in reversed(picture):  # 1 = transparent: the black surroundings
        bits = 0
        for px in row:
            bits = (bits << 1) | (1 if max(px) < 8 else 0)
        mask += bits.to_bytes((w + 7) // 8, "big").ljust(mask_stride, b"\0")
    dib = dib8(picture, h * 2, mask)
    entry = struct.pack("<BBBBHHII", w, h, 0, 0, 1, 8, len(dib), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entry + dib


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def write_jpeg(name, picture):
    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, "glyph.bmp")
        with open(source, "wb") as f:
            f.write(bmp24(picture))
        subprocess.run(["convert", source, "-strip", "-type", "TrueColor", "-quality", "95", "-sampling-factor", "1x1",
                        os.path.join(HERE, name)], check=True)


def main():
    write_jpeg("close_glyph.jpg", close_glyph().rgb())
    write_jpeg("minimize_glyph.jpg", minimize_glyph().rgb())
    write("help_glyph.bmp", bmp24(help_glyph().rgb()))
    write("launch_emblem.bmp", bmp8(emblem(44, 46, 21, 0.0).rgb()))
    write("pressed_emblem.bmp", bmp8(emblem(44, 44, 21, 6.0, 0.5).rgb()))
    write("fire_column.bmp", bmp8(fire_column().rgb()))
    write("vexar.ico", ico8(emblem(48, 48, 21, 0.0).rgb()))
    return 0


if __name__ == "__main__":
    sys.exit(main())
