#!/usr/bin/env python3
"""Draw Dawnpanel's program icon and button glyphs from geometric primitives.

Everything is rendered here with the Python standard library only (no PIL,
no ImageMagick), so the output is byte-for-byte reproducible:

    python3 tools/DrawGlyphs.py                 # writes dawnpanel/res/*
    python3 tools/DrawGlyphs.py --preview DIR   # also writes magnified PNGs

Outputs (in dawnpanel/res/):
    Dawnpanel.ico  16, 24, 32, 48 px 32-bit BGRA + 256 px PNG,
                   plus 8-bit paletted 16 and 32 px fallbacks
    More.bmp       36 x 36   details and statistics
    Tools.bmp      36 x 36   settings
    Info.bmp       72 x 24   about: normal, disabled, pressed (3 x 24 x 24)
    Exit.bmp       24 x 24   exit

The bitmaps are 24-bit uncompressed BI_RGB, BITMAPINFOHEADER, bottom-up.
Their transparent colour is the colour of the bottom-left pixel: pure
magenta (255, 0, 255), which never occurs inside a glyph.  Anti-aliased
edges are blended towards a neutral light grey so that no pink fringe shows
on a button face.

Shapes are signed distance functions in pixel units (negative inside);
coverage is found by supersampling the pixels that lie near an edge.
"""

import math
import os
import struct
import sys
import zlib

KEY = (255, 0, 255)           # transparent colour of the bitmaps
FACE = (226, 224, 220)        # grey that soft edges blend towards
EDGE_CUTOFF = 0.30            # coverage below this becomes transparent


# --------------------------------------------------------------------------
# colours and gradients

def hexc(s):
    s = s.lstrip('#')
    return tuple(int(s[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(len(a)))


def ramp(stops, t):
    """stops: [(position, colour)], sorted by position."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 1.0)
    return stops[-1][1]


def linear(x0, y0, x1, y1, stops):
    stops = [(p, hexc(c) if isinstance(c, str) else c) for p, c in stops]
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy

    def paint(x, y):
        return ramp(stops, ((x - x0) * dx + (y - y0) * dy) / ll)
    return paint


def radial(cx, cy, r, stops):
    stops = [(p, hexc(c) if isinstance(c, str) else c) for p, c in stops]

    def paint(x, y):
        return ramp(stops, math.hypot(x - cx, y - cy) / r)
    return paint


def solid(c):
    c = hexc(c) if isinstance(c, str) else c
    return lambda x, y: c


# --------------------------------------------------------------------------
# signed distance functions (pixel units; x to the right, y downwards)

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1, rad=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - rad, (y1 - y0) / 2 - rad

    def f(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        out = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return out + min(max(qx, qy), 0.0) - rad
    return f


def capsule(ax, ay, bx, by, r):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy or 1e-9

    def f(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
        return math.hypot(x - ax - dx * t, y - ay - dy * t) - r
    return f


def polygon(pts):
    n = len(pts)

    def f(x, y):
        d = float('inf')
        inside = False
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[(i + 1) % n]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            d = min(d, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -d if inside else d
    return f


def half_plane_above(yh):
    """Inside where y < yh."""
    return lambda x, y: y - yh


def union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def inter(*fs):
    return lambda x, y: max(f(x, y) for f in fs)


def minus(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def grow(f, d):
    return lambda x, y: f(x, y) - d


def rotated(f, angle_deg, cx, cy):
    """The shape f rotated by angle (clockwise on screen) around (cx, cy)."""
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)

    def g(x, y):
        dx, dy = x - cx, y - cy
        return f(cx + dx * ca + dy * sa, cy - dx * sa + dy * ca)
    return g


def shifted(f, sx, sy):
    return lambda x, y: f(x - sx, y - sy)


# --------------------------------------------------------------------------
# canvas: premultiplied RGBA floats, 0..255 for colour, 0..1 for alpha

class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def coverage(self, sdf, x, y, ss):
        d = sdf(x + 0.5, y + 0.5)
        if d > 1.5:
            return 0.0
        if d < -1.5:
            return 1.0
        tot = 0.0
        step = 1.0 / ss
        for j in range(ss):
            sy = y + (j + 0.5) * step
            for i in range(ss):
                dd = sdf(x + (i + 0.5) * step, sy)
                tot += min(1.0, max(0.0, 0.5 - dd * ss))
        return tot / (ss * ss)

    def fill(self, sdf, paint, opacity=1.0, ss=6, bbox=None):
        if not callable(paint):
            paint = solid(paint)
        x0, y0, x1, y1 = bbox if bbox else (0, 0, self.w, self.h)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        for y in range(y0, y1):
            for x in range(x0, x1):
                a = self.coverage(sdf, x, y, ss) * opacity
                if a <= 0.0:
                    continue
                c = paint(x + 0.5, y + 0.5)
                p = self.px[y * self.w + x]
                k = 1.0 - a
                p[0] = c[0] * a + p[0] * k
                p[1] = c[1] * a + p[1] * k
                p[2] = c[2] * a + p[2] * k
                p[3] = a + p[3] * k

    def glow(self, sdf, paint, width, opacity=1.0):
        """Soft fill: full inside, fading to nothing `width` px outside."""
        if not callable(paint):
            paint = solid(paint)
        for y in range(self.h):
            for x in range(self.w):
                d = sdf(x + 0.5, y + 0.5)
                if d >= width:
                    continue
                t = 1.0 if d <= 0 else 1.0 - d / width
                a = t * t * opacity
                c = paint(x + 0.5, y + 0.5)
                p = self.px[y * self.w + x]
                k = 1.0 - a
                for i in range(3):
                    p[i] = c[i] * a + p[i] * k
                p[3] = a + p[3] * k

    def clip(self, sdf, ss=6):
        """Multiply everything by the coverage of sdf."""
        for y in range(self.h):
            for x in range(self.w):
                a = self.coverage(sdf, x, y, ss)
                if a < 1.0:
                    p = self.px[y * self.w + x]
                    for i in range(4):
                        p[i] *= a

    def rgba(self, x, y):
        """Straight (not premultiplied) colour, 0..255 ints, alpha 0..255."""
        r, g, b, a = self.px[y * self.w + x]
        if a <= 1e-6:
            return (0, 0, 0, 0)
        return (clamp8(r / a), clamp8(g / a), clamp8(b / a), clamp8(a * 255))

    def set_rgba(self, x, y, c):
        a = c[3] / 255.0
        self.px[y * self.w + x] = [c[0] * a, c[1] * a, c[2] * a, a]


def clamp8(v):
    return max(0, min(255, int(round(v))))


# --------------------------------------------------------------------------
# file writers

def png_bytes(w, h, rows_rgba):
    raw = b''.join(b'\0' + bytes(r) for r in rows_rgba)

    def chunk(t, data):
        c = struct.pack('>I', len(data)) + t + data
        return c + struct.pack('>I', zlib.crc32(t + data) & 0xffffffff)
    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def canvas_png(cv, scale=1, back=None):
    rows = []
    for y in range(cv.h):
        row = []
        for x in range(cv.w):
            c = cv.rgba(x, y)
            if back is not None:
                a = c[3] / 255.0
                c = tuple(clamp8(c[i] * a + back[i] * (1 - a)) for i in range(3)) + (255,)
            row.extend(list(c) * scale)
        rows.extend([row] * scale)
    return png_bytes(cv.w * scale, cv.h * scale, rows)


def bmp24_bytes(w, h, pixel):
    """pixel(x, y) -> (r, g, b); y = 0 is the top row."""
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b'\0' * (stride - len(row))
        data += row
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
    return head + info + bytes(data)


def and_mask(w, h, transparent):
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def ico_entry_32(cv):
    w, h = cv.w, cv.h
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = cv.rgba(x, y)
            xor += bytes((b, g, r, a))
    mask = and_mask(w, h, lambda x, y: cv.rgba(x, y)[3] == 0)
    info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + mask, 0, 32


def median_cut(colours, n):
    """colours: {rgb: count}. Returns a list of at most n rgb tuples."""
    boxes = [list(colours.items())]
    while len(boxes) < n:
        best, bi, bch = -1, None, 0
        for i, bx in enumerate(boxes):
            if len(bx) < 2:
                continue
            for ch in range(3):
                vals = [c[ch] for c, _ in bx]
                rng = max(vals) - min(vals)
                if rng > best:
                    best, bi, bch = rng, i, ch
        if bi is None or best <= 0:
            break
        bx = sorted(boxes.pop(bi), key=lambda e: e[0][bch])
        total = sum(cnt for _, cnt in bx)
        acc, cut = 0, 1
        for k, (_, cnt) in enumerate(bx):
            acc += cnt
            if acc * 2 >= total:
                cut = max(1, min(len(bx) - 1, k + 1))
                break
        boxes += [bx[:cut], bx[cut:]]
    pal = []
    for bx in boxes:
        tot = sum(cnt for _, cnt in bx)
        pal.append(tuple(clamp8(sum(c[i] * cnt for c, cnt in bx) / tot)
                         for i in range(3)))
    return pal


def ico_entry_8(cv):
    w, h = cv.w, cv.h
    counts = {}
    for y in range(h):
        for x in range(w):
            r, g, b, a = cv.rgba(x, y)
            if a >= 128:
                counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    pal = list(counts) if len(counts) <= 255 else median_cut(counts, 255)
    pal = [(0, 0, 0)] + pal           # index 0: the masked-out pixels
    cache = {}

    def index(c):
        if c not in cache:
            cache[c] = min(range(1, len(pal)), key=lambda i: sum(
                (pal[i][k] - c[k]) ** 2 for k in range(3)))
        return cache[c]
    stride = (w + 3) & ~3
    pix = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            r, g, b, a = cv.rgba(x, y)
            row[x] = index((r, g, b)) if a >= 128 else 0
        pix += row
    mask = and_mask(w, h, lambda x, y: cv.rgba(x, y)[3] < 128)
    pal += [(0, 0, 0)] * (256 - len(pal))
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in pal)
    info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 8, 0,
                       len(pix) + len(mask), 0, 0, 256, 0)
    return info + palette + bytes(pix) + mask, 0, 8


def ico_bytes(entries):
    """entries: [(width, height, data, colour_count, bit_count)]."""
    head = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    dirs, blobs = b'', b''
    for w, h, data, ncol, bits in entries:
        dirs += struct.pack('<BBBBHHII', w & 255, h & 255, ncol, 0, 1, bits,
                            len(data), offset)
        offset += len(data)
        blobs += data
    return head + dirs + blobs


# --------------------------------------------------------------------------
# the program icon: a sun rising over the sea, its rays set like the ticks
# of a dial, its reflection drawn as a stack of bars

SKY = [(0.00, '#1b2160'), (0.34, '#3b2d7c'), (0.62, '#86398a'),
       (0.84, '#d4527a'), (1.00, '#f4806a')]
SEA = [(0.00, '#2f2659'), (1.00, '#141633')]
SUN = [(0.00, '#fffbe0'), (0.45, '#ffe27a'), (0.80, '#ffc44a'), (1.00, '#ffa83a')]
RAY = '#ffe69a'
BAR = '#ffbd55'
RIM = '#0f1234'


def draw_icon(S, p):
    """Vector rendering for 24 px and up; p holds the per-size tuning."""
    cv = Canvas(S, S)
    m, rad = p['inset'], p['corner']
    tile = box(m, m, S - m, S - m, rad)
    inner = box(m + p['rim'], m + p['rim'], S - m - p['rim'], S - m - p['rim'],
                max(0.5, rad - p['rim']))
    hy = p['horizon']
    cx = S / 2.0
    cv.fill(tile, RIM, opacity=p['rim_alpha'])
    # sky and sea
    cv.fill(inter(inner, half_plane_above(hy)),
            linear(0, m, 0, hy, SKY))
    cv.fill(inter(inner, lambda x, y: hy - y),
            linear(0, hy, 0, S - m, SEA))
    sky = inter(inner, half_plane_above(hy))
    r = p['sun']
    # a soft halo behind the sun
    if p.get('halo'):
        halo = Canvas(S, S)
        halo.glow(circle(cx, hy, r), '#ffc872', p['halo'], opacity=p.get('halo_alpha', 0.55))
        halo.clip(sky)
        blit(cv, halo)
    # dial ticks
    for k, ang in enumerate(p['ticks']):
        a = math.radians(ang)
        long_ = (k % 2 == 0)
        r0 = p['tick_in']
        r1 = p['tick_long'] if long_ else p['tick_short']
        w = p['tick_w'] if long_ else p['tick_w'] * 0.85
        if p.get('square_ticks'):
            tick = rotated(box(cx - w / 2, hy - r1, cx + w / 2, hy - r0, 0.25),
                           90.0 - ang, cx, hy)
        else:
            tick = capsule(cx + r0 * math.cos(a), hy - r0 * math.sin(a),
                           cx + r1 * math.cos(a), hy - r1 * math.sin(a), w / 2)
        cv.fill(tick, RAY, ss=8)
    # the sun
    cv.fill(inter(circle(cx, hy, r), half_plane_above(hy)),
            radial(cx, hy + r * 0.15, r * 1.1, SUN), ss=8)
    # a bright horizon line
    cv.fill(inter(inner, box(-1, hy - p['line'] / 2, S + 1, hy + p['line'] / 2)),
            linear(m, 0, S - m, 0, [(0, '#f4806a'), (0.5, '#ffd27a'), (1, '#f4806a')]),
            opacity=p['line_alpha'])
    # the reflection, as bars
    for (y, half, h, alpha) in p['bars']:
        cv.fill(box(cx - half, y, cx + half, y + h, h / 2), BAR, opacity=alpha, ss=8)
    # a faint light edge along the top of the tile
    if p.get('gloss'):
        cv.fill(minus(inner, shifted(inner, 0, p['gloss'])), '#ffffff', opacity=0.18)
    return cv


def blit(dst, src):
    for i, s in enumerate(src.px):
        a = s[3]
        if a <= 0:
            continue
        d = dst.px[i]
        k = 1.0 - a
        for j in range(4):
            d[j] = s[j] + d[j] * k


ICON_PARAMS = {
    256: dict(inset=8, corner=44, rim=3, rim_alpha=0.85, horizon=164,
              sun=54, halo=34, ticks=[90, 112.5, 135, 157.5, 67.5, 45, 22.5],
              tick_in=68, tick_long=96, tick_short=86, tick_w=11,
              line=4, line_alpha=0.9,
              bars=[(178, 54, 10, 1.0), (196, 40, 10, 0.85), (214, 27, 10, 0.7),
                    (232, 14, 9, 0.55)],
              gloss=3),
    48: dict(inset=1, corner=8, rim=1, rim_alpha=0.8, horizon=31,
             sun=11, halo=6, halo_alpha=0.4, ticks=[90, 112.5, 135, 157.5, 67.5, 45, 22.5],
             tick_in=13.6, tick_long=19, tick_short=17, tick_w=2.4,
             line=1, line_alpha=0.85,
             bars=[(34, 11, 2, 1.0), (38, 8, 2, 0.85), (42, 5, 2, 0.7)],
             gloss=1),
    32: dict(inset=0, corner=5, rim=1, rim_alpha=0.8, horizon=20,
             sun=7.5, halo=0, ticks=[90, 135, 45, 157.5, 22.5], square_ticks=True,
             tick_in=9, tick_long=14, tick_short=13, tick_w=2.0,
             line=1, line_alpha=0.8,
             bars=[(22, 8, 2, 1.0), (25, 6, 2, 0.85), (28, 3, 2, 0.7)],
             gloss=0),
}

# The two smallest sizes are drawn pixel by pixel.  A letter tells what
# covers the pixel; everything else shows the sky or the sea behind it.
#   S sun   s sun at half coverage   R ray   r ray at half coverage
#   B reflection bar   b dim bar.   The frame is added by draw_pixel_icon().
ICON16 = [
    "                ",
    "                ",
    "       RR       ",
    "  R    RR    R  ",
    "   R        R   ",
    "      sSSs      ",
    "     sSSSSs     ",
    " R  sSSSSSSs  R ",
    "    SSSSSSSS    ",
    "   sSSSSSSSSs   ",
    "                ",
    "    BBBBBBBB    ",
    "                ",
    "      bbbb      ",
    "                ",
    "                ",
]
ICON24 = [
    "                        ",
    "                        ",
    "                        ",
    "           RR           ",
    "           RR           ",
    "           RR           ",
    "   R       RR       R   ",
    "   rR              Rr   ",
    "    rR    ssss    Rr    ",
    "        sSSSSSSs        ",
    "       SSSSSSSSSS       ",
    "  RR  sSSSSSSSSSSs  RR  ",
    "      SSSSSSSSSSSS      ",
    "     sSSSSSSSSSSSSs     ",
    "     sSSSSSSSSSSSSs     ",
    "                        ",
    "                        ",
    "     BBBBBBBBBBBBBB     ",
    "                        ",
    "       BBBBBBBBBB       ",
    "                        ",
    "         bbbbbb         ",
    "                        ",
    "                        ",
]
# corner pixels: '.' transparent, '-' half transparent rim
CORNERS = {16: {(0, 0): '-'},
           24: {(0, 0): '.', (1, 0): '-', (0, 1): '-', (1, 1): 'o'}}


def draw_pixel_icon(grid, horizon, sun_r):
    S = len(grid)
    cv = Canvas(S, S)
    sky = linear(0, 0, 0, horizon, SKY)
    sea = linear(0, horizon, 0, S, SEA)
    sun = radial(S / 2.0, horizon + sun_r * 0.15, sun_r * 1.1, SUN)
    corner = {}
    for (x, y), ch in CORNERS[S].items():
        for cx, cy in ((x, y), (S - 1 - x, y), (x, S - 1 - y), (S - 1 - x, S - 1 - y)):
            corner[(cx, cy)] = ch
    for y, line in enumerate(grid):
        assert len(line) == S
        for x, ch in enumerate(line):
            px, py = x + 0.5, y + 0.5
            base = sky(px, py) if y < horizon else sea(px, py)
            a = 255
            if (x, y) in corner:
                ch = corner[(x, y)]
            elif x in (0, S - 1) or y in (0, S - 1):
                ch = 'o'
            if ch == '.':
                continue
            if ch == '-':
                c, a = mix(hexc(RIM), base, 0.25), 120
            elif ch == 'o':
                c = mix(hexc(RIM), base, 0.35)
            elif ch == 'S':
                c = sun(px, py)
            elif ch == 's':
                c = mix(base, sun(px, py), 0.55)
            elif ch == 'R':
                c = hexc(RAY)
            elif ch == 'r':
                c = mix(base, hexc(RAY), 0.5)
            elif ch == 'B':
                c = hexc(BAR)
            elif ch == 'b':
                c = mix(base, hexc(BAR), 0.7)
            else:
                c = base
            cv.set_rgba(x, y, tuple(clamp8(v) for v in c) + (a,))
    return cv


# --------------------------------------------------------------------------
# button glyphs

def outlined(cv, shape, outline, paint, width=1.0, ss=6):
    cv.fill(shape, outline, ss=ss)
    cv.fill(grow(shape, -width), paint, ss=ss)


def glyph_more():
    """A sheet with a table and a bar chart, under a magnifier."""
    cv = Canvas(36, 36)
    outlined(cv, box(2.5, 2.5, 25.5, 31.5, 1.6), '#5d6b7c',
             linear(0, 2, 0, 31, [(0, '#ffffff'), (1, '#e8edf3')]))
    # table: a header and two rows of cells
    cv.fill(box(3.5, 3.5, 24.5, 8.5, 0.8),
            linear(0, 3.5, 0, 8.5, [(0, '#63a3ec'), (1, '#2d6cc2')]))
    for y in (11.0, 14.5):
        cv.fill(box(5.0, y, 12.5, y + 1.5, 0.4), '#97a7b9')
        cv.fill(box(14.5, y, 22.5, y + 1.5, 0.4), '#97a7b9')
    # bar chart on a baseline
    cv.fill(box(4.5, 28.0, 23.5, 29.0), '#6f7c8a')
    bars = [(5.5, 22.0, '#4a90e6', '#2a61b0'), (10.0, 18.0, '#56b85a', '#2e7d32'),
            (14.5, 20.5, '#f5ab3a', '#c0730e')]
    for x, top, c0, c1 in bars:
        outlined(cv, box(x, top, x + 3.5, 28.25, 0.3), c1,
                 linear(x, 0, x + 3.5, 0, [(0, c0), (1, mix(hexc(c0), hexc(c1), 0.45))]),
                 width=0.8)
    # the magnifier
    cx, cy, r = 25.5, 23.5, 6.0
    cv.fill(capsule(cx + 4.3, cy + 4.3, 33.2, 33.2, 2.5), '#3a2718')
    cv.fill(capsule(cx + 5.2, cy + 5.2, 32.6, 32.6, 1.55),
            linear(28, 34, 34, 28, [(0, '#7a5030'), (1, '#c48a52')]))
    cv.fill(circle(cx, cy, r), linear(cx - r, cy - r, cx + r, cy + r,
                                      [(0, '#f4faff'), (1, '#bcdcf6')]), opacity=0.88)
    cv.fill(minus(circle(cx, cy, r + 1.3), circle(cx, cy, r - 0.2)),
            linear(cx - r, cy - r, cx + r, cy + r, [(0, '#8796a8'), (1, '#2b3542')]))
    # a glint on the glass
    cv.fill(inter(minus(circle(cx, cy, r - 1.6), circle(cx + 1.3, cy + 1.3, r - 1.9)),
                  lambda x, y: (x - cx) + (y - cy) + 2.0),
            '#ffffff', ss=8)
    return cv


def gear(cx, cy, r_body, r_tip, teeth, base_hw, tip_hw, hole, phase=0.0):
    parts = [circle(cx, cy, r_body)]
    for k in range(teeth):
        ang = phase + 360.0 * k / teeth
        rr = 0.5          # corner rounding
        t = grow(polygon([(cx - base_hw + rr, cy - r_body + 1.5),
                          (cx - tip_hw + rr, cy - r_tip + rr),
                          (cx + tip_hw - rr, cy - r_tip + rr),
                          (cx + base_hw - rr, cy - r_body + 1.5)]), rr)
        parts.append(rotated(t, ang, cx, cy))
    return minus(union(*parts), circle(cx, cy, hole))


def wrench(hx, hy, ex, ey, head_r, shaft_r, jaw_w, jaw_d):
    """Open-ended wrench: head centred at (hx, hy), handle ending at (ex, ey)."""
    ang = math.degrees(math.atan2(hy - ey, hx - ex))     # handle -> head
    L = math.hypot(hx - ex, hy - ey)
    # built pointing right from the handle end, then turned into place
    shaft = capsule(ex, ey, ex + L, ey, shaft_r)
    head = circle(ex + L, ey, head_r)
    jaw = box(ex + L + head_r - jaw_d, ey - jaw_w / 2, ex + L + head_r + 2,
              ey + jaw_w / 2, 0.4)
    return rotated(minus(union(shaft, head), jaw), ang, ex, ey)


def glyph_tools():
    """A gear with a wrench across it."""
    cv = Canvas(36, 36)
    gx, gy = 14.0, 14.0
    g = gear(gx, gy, 8.6, 12.8, 8, 3.2, 2.1, 3.7, phase=22.5)
    outlined(cv, g, '#34414f',
             linear(4, 4, 24, 24, [(0, '#b4c6d8'), (1, '#5d748c')]), width=1.0)
    cv.fill(minus(circle(gx, gy, 5.3), circle(gx, gy, 3.7)), '#34414f', opacity=0.3)
    shape = wrench(28.2, 28.2, 15.5, 15.5, 5.6, 2.25, 3.8, 4.8)
    outlined(cv, shape, '#5a3d16',
             linear(14, 30, 30, 14, [(0, '#f6cf7a'), (1, '#cf8f2e')]), width=1.0)
    return cv


def glyph_info(shift=0, dark=1.0):
    cv = Canvas(24, 24)
    c = 11.5 + shift

    def shade(col):
        return tuple(v * dark for v in hexc(col))
    outlined(cv, circle(c, c, 10.7), shade('#1a4f9e'),
             linear(0, 1 + shift, 0, 22 + shift,
                    [(0, shade('#72b4f8')), (0.55, shade('#2f7fdc')), (1, shade('#1c5cba'))]))
    cv.fill(circle(c, c - 5.0, 1.8), '#ffffff', ss=8)
    cv.fill(union(box(c - 1.4, c - 1.8, c + 1.4, c + 6.0, 0.4),
                  box(c - 2.6, c - 1.8, c + 1.4, c - 0.3, 0.4),
                  box(c - 2.6, c + 4.5, c + 2.6, c + 6.0, 0.4)), '#ffffff', ss=8)
    return cv


def glyph_exit():
    cv = Canvas(24, 24)
    c = 11.5
    outlined(cv, circle(c, c, 10.7), '#8a1c16',
             linear(0, 1, 0, 22, [(0, '#f7877b'), (0.55, '#e0463a'), (1, '#b82820')]))
    d = 4.3
    cv.fill(union(capsule(c - d, c - d, c + d, c + d, 1.5),
                  capsule(c - d, c + d, c + d, c - d, 1.5)), '#ffffff', ss=8)
    return cv


def disabled(cv):
    """Grey, flat and light, the way a disabled button glyph looks."""
    out = Canvas(cv.w, cv.h)
    for y in range(cv.h):
        for x in range(cv.w):
            r, g, b, a = cv.rgba(x, y)
            if a == 0:
                continue
            lum = 0.299 * r + 0.587 * g + 0.114 * b
            v = 128 + lum * (250 - 128) / 255.0
            out.set_rgba(x, y, (clamp8(v), clamp8(v), clamp8(v), a))
    return out


def hstrip(*cvs):
    out = Canvas(sum(c.w for c in cvs), max(c.h for c in cvs))
    ox = 0
    for c in cvs:
        for y in range(c.h):
            for x in range(c.w):
                out.px[y * out.w + ox + x] = list(c.px[y * c.w + x])
        ox += c.w
    return out


def keyed_pixel(cv):
    def pixel(x, y):
        r, g, b, a = cv.rgba(x, y)
        if a < EDGE_CUTOFF * 255:
            return KEY
        t = a / 255.0
        c = (clamp8(r * t + FACE[0] * (1 - t)), clamp8(g * t + FACE[1] * (1 - t)),
             clamp8(b * t + FACE[2] * (1 - t)))
        if c == KEY:
            c = (254, 0, 255)
        return c
    return pixel


def write_bmp(path, cv):
    pix = keyed_pixel(cv)
    if pix(0, cv.h - 1) != KEY:
        raise SystemExit('%s: bottom-left pixel is not the key colour' % path)
    with open(path, 'wb') as f:
        f.write(bmp24_bytes(cv.w, cv.h, pix))


# --------------------------------------------------------------------------

def main(argv):
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    res = os.path.join(root, 'dawnpanel', 'res')
    preview = None
    if '--preview' in argv:
        preview = argv[argv.index('--preview') + 1]
        os.makedirs(preview, exist_ok=True)
    os.makedirs(res, exist_ok=True)

    icons = {16: draw_pixel_icon(ICON16, 10, 5.0),
             24: draw_pixel_icon(ICON24, 15, 6.6)}
    for s, p in ICON_PARAMS.items():
        icons[s] = draw_icon(s, p)
    entries = []
    big = icons[256]
    rows = [[v for x in range(256) for v in big.rgba(x, y)] for y in range(256)]
    entries.append((256, 256, png_bytes(256, 256, rows), 0, 32))
    for s in (48, 32, 24, 16):
        data, ncol, bits = ico_entry_32(icons[s])
        entries.append((s, s, data, ncol, bits))
    for s in (32, 16):
        data, ncol, bits = ico_entry_8(icons[s])
        entries.append((s, s, data, ncol, bits))
    with open(os.path.join(res, 'Dawnpanel.ico'), 'wb') as f:
        f.write(ico_bytes(entries))

    info = glyph_info()
    glyphs = {
        'More': glyph_more(),
        'Tools': glyph_tools(),
        'Info': hstrip(info, disabled(info), glyph_info(shift=1, dark=0.9)),
        'Exit': glyph_exit(),
    }
    for name, cv in glyphs.items():
        write_bmp(os.path.join(res, name + '.bmp'), cv)

    if preview:
        for s, cv in icons.items():
            with open(os.path.join(preview, 'icon%d.png' % s), 'wb') as f:
                f.write(canvas_png(cv, max(1, 256 // s)))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
