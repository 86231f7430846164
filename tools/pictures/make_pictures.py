#!/usr/bin/env python3
"""Draws the pictures shipped in the image type folders of data/.

The Images tool page offers each sub-folder of the program folder as a type
of images. This script draws a small set of pictures for five such folders
(Backgrounds, Bullets, Buttons, Lines, Photos) and writes them as GIF, PNG
and JPEG files with its own small encoders, so it needs nothing but Python's
standard library (the GIF writer is the one of tools/themes/make_themes.py):

    python3 tools/pictures/make_pictures.py [output folder]

The output folder defaults to data/ beside this script's project.
"""

import importlib.util
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def load_gif_writer():
    path = os.path.join(HERE, "..", "themes", "make_themes.py")
    found = importlib.util.spec_from_file_location("make_themes", path)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module.write_gif


write_gif_indices = load_gif_writer()

# A picture is a list of rows of (r, g, b, a) pixels, colours 0..255 and
# alpha 0..1.


def canvas(width, height, color=(0, 0, 0, 0.0)):
    return [[color] * width for _ in range(height)]


def clamp(v, lo=0.0, hi=255.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def over(dst, src):
    """Puts pixel src (with its alpha) over pixel dst."""
    sa = src[3]
    da = dst[3] * (1 - sa)
    a = sa + da
    if a <= 0:
        return (0, 0, 0, 0.0)
    rgb = tuple((s * sa + d * da) / a for s, d in zip(src[:3], dst[:3]))
    return rgb + (a,)


# --- PNG -------------------------------------------------------------------

def write_png(path, px):
    height, width = len(px), len(px[0])
    raw = bytearray()
    for row in px:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((round(clamp(r)), round(clamp(g)), round(clamp(b)),
                          round(clamp(a * 255))))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    data = b"\x89PNG\r\n\x1a\n"
    data += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


# --- GIF -------------------------------------------------------------------

def write_gif(path, px, background=(255, 255, 255)):
    """Writes a picture as a GIF of at most 256 colours. Pixels less than half
    covered become transparent; partly covered edges are blended with the
    background the picture is meant for."""
    height, width = len(px), len(px[0])
    transparent = any(p[3] < 0.5 for row in px for p in row)
    flat = []
    for row in px:
        out = []
        for r, g, b, a in row:
            if a < 0.5:
                out.append(None)
            else:
                c = mix(background, (r, g, b), min(1.0, a))
                out.append(tuple(round(clamp(v)) for v in c))
        flat.append(out)
    # The most frequent colours (on a 4-bit grid) make the palette.
    counts = {}
    for row in flat:
        for c in row:
            if c is not None:
                key = tuple(v >> 4 for v in c)
                counts[key] = counts.get(key, 0) + 1
    limit = 255 if transparent else 256
    keys = sorted(counts, key=lambda k: -counts[k])[:limit]
    sums = {k: [0, 0, 0, 0] for k in keys}
    for row in flat:
        for c in row:
            if c is not None and tuple(v >> 4 for v in c) in sums:
                s = sums[tuple(v >> 4 for v in c)]
                s[0] += c[0]
                s[1] += c[1]
                s[2] += c[2]
                s[3] += 1
    palette = [(255, 0, 255)] if transparent else []
    palette += [tuple(round(s[i] / s[3]) for i in range(3)) for s in (sums[k] for k in keys)]
    first = 1 if transparent else 0
    nearest = {}

    def index_of(c):
        if c is None:
            return 0
        if c not in nearest:
            nearest[c] = min(range(first, len(palette)),
                             key=lambda i: sum((a - b) ** 2 for a, b in zip(c, palette[i])))
        return nearest[c]

    indices = [[index_of(c) for c in row] for row in flat]
    if len(palette) < 2:
        palette.append((0, 0, 0))
    write_gif_indices(path, indices, palette, transparent=transparent)


# --- JPEG (baseline, 4:4:4) ------------------------------------------------

ZIGZAG = [0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48,
          41, 34, 27, 20, 13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15,
          23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63]

LUMA_Q = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
          14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
          18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
          49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99]
CHROMA_Q = [17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
            24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99] + [99] * 32

DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D], bytes.fromhex(
    "01020300041105122131410613516107227114328191a1082342b1c11552d1f0"
    "24336272820 90a161718191a25262728292a3435363738393a434445464748494a"
    "535455565758595a636465666768696a737475767778797a838485868788898a"
    "92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6"
    "c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8f9fa"
    .replace(" ", "")))
AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    "00010203110405213106124151076171132232810814429 1a1b1c109233352f0"
    "156272d10a162434e125f11718191a262728292a35363738393a434445464748"
    "494a535455565758595a636465666768696a737475767778797a828384858687"
    "88898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3"
    "c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8f9fa"
    .replace(" ", "")))


def huffman_codes(table):
    bits, values = table
    codes = {}
    code = 0
    k = 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


def scaled_table(base, quality):
    scale = 5000 / quality if quality < 50 else 200 - 2 * quality
    return [int(clamp((q * scale + 50) // 100, 1, 255)) for q in base]


COS = [[math.cos((2 * x + 1) * u * math.pi / 16) * (math.sqrt(0.5) if u == 0 else 1.0)
        for x in range(8)] for u in range(8)]


def fdct(block):
    """The 8 x 8 forward DCT of a block given row by row."""
    rows = [[0.5 * sum(COS[u][x] * block[y * 8 + x] for x in range(8)) for u in range(8)]
            for y in range(8)]
    out = [0.0] * 64
    for u in range(8):
        for v in range(8):
            out[v * 8 + u] = 0.5 * sum(COS[v][y] * rows[y][u] for y in range(8))
    return out


class BitWriter:
    def __init__(self):
        self.data = bytearray()
        self.acc = 0
        self.count = 0

    def put(self, code, length):
        self.acc = (self.acc << length) | code
        self.count += length
        while self.count >= 8:
            self.count -= 8
            byte = (self.acc >> self.count) & 0xFF
            self.data.append(byte)
            if byte == 0xFF:
                self.data.append(0)
        self.acc &= (1 << self.count) - 1

    def flush(self):
        if self.count:
            self.put((1 << (8 - self.count)) - 1, 8 - self.count)


def category(value):
    value = abs(value)
    size = 0
    while value:
        size += 1
        value >>= 1
    return size


def magnitude_bits(value, size):
    return value if value >= 0 else value + (1 << size) - 1


def write_jpeg(path, px, quality=85):
    height, width = len(px), len(px[0])
    tables = [scaled_table(LUMA_Q, quality), scaled_table(CHROMA_Q, quality)]
    dc_codes = [huffman_codes(DC_LUMA), huffman_codes(DC_CHROMA)]
    ac_codes = [huffman_codes(AC_LUMA), huffman_codes(AC_CHROMA)]

    planes = [[[0.0] * width for _ in range(height)] for _ in range(3)]
    for y in range(height):
        for x in range(width):
            r, g, b, _ = px[y][x]
            planes[0][y][x] = 0.299 * r + 0.587 * g + 0.114 * b - 128
            planes[1][y][x] = -0.168736 * r - 0.331264 * g + 0.5 * b
            planes[2][y][x] = 0.5 * r - 0.418688 * g - 0.081312 * b

    bits = BitWriter()
    previous = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(3):
                t = 0 if c == 0 else 1
                block = [planes[c][min(by + y, height - 1)][min(bx + x, width - 1)]
                         for y in range(8) for x in range(8)]
                coefficients = fdct(block)
                q = [int(round(coefficients[ZIGZAG[i]] / tables[t][i])) for i in range(64)]
                diff = q[0] - previous[c]
                previous[c] = q[0]
                size = category(diff)
                bits.put(*dc_codes[t][size])
                if size:
                    bits.put(magnitude_bits(diff, size), size)
                run = 0
                for i in range(1, 64):
                    if q[i] == 0:
                        run += 1
                        continue
                    while run > 15:
                        bits.put(*ac_codes[t][0xF0])
                        run -= 16
                    size = category(q[i])
                    bits.put(*ac_codes[t][(run << 4) | size])
                    bits.put(magnitude_bits(q[i], size), size)
                    run = 0
                if run:
                    bits.put(*ac_codes[t][0x00])
    bits.flush()

    def segment(marker, payload):
        return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload

    data = b"\xFF\xD8"
    data += segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    for t in range(2):
        data += segment(0xDB, bytes([t]) + bytes(tables[t]))
    data += segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) +
                    bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    for cls, t, table in ((0, 0, DC_LUMA), (1, 0, AC_LUMA), (0, 1, DC_CHROMA),
                          (1, 1, AC_CHROMA)):
        data += segment(0xC4, bytes([(cls << 4) | t]) + bytes(table[0]) + bytes(table[1]))
    data += segment(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    data += bytes(bits.data) + b"\xFF\xD9"
    with open(path, "wb") as f:
        f.write(data)


# --- drawing helpers ---------------------------------------------------------

def coverage_circle(x, y, cx, cy, r):
    return clamp(r - math.hypot(x + 0.5 - cx, y + 0.5 - cy) + 0.5, 0.0, 1.0)


def ball(size, base):
    px = canvas(size, size)
    c = size / 2
    r = size / 2 - 0.5
    light = (-0.45, -0.6, 0.66)
    for y in range(size):
        for x in range(size):
            a = coverage_circle(x, y, c, c, r)
            if a <= 0:
                continue
            nx = (x + 0.5 - c) / r
            ny = (y + 0.5 - c) / r
            nz = math.sqrt(max(0.0, 1 - nx * nx - ny * ny))
            diffuse = max(0.0, nx * light[0] + ny * light[1] + nz * light[2])
            shine = max(0.0, diffuse) ** 24
            color = tuple(v * (0.3 + 0.75 * diffuse) + 255 * 0.85 * shine for v in base)
            px[y][x] = tuple(clamp(v) for v in color) + (a,)
    return px


def polygon_inside(x, y, points):
    inside = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def fill_polygon(px, points, color, samples=4):
    """Fills a polygon with anti-aliased edges (samples x samples per pixel)."""
    height, width = len(px), len(px[0])
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    for y in range(max(0, int(min(ys))), min(height, int(max(ys)) + 1)):
        for x in range(max(0, int(min(xs))), min(width, int(max(xs)) + 1)):
            hits = sum(polygon_inside(x + (i + 0.5) / samples, y + (j + 0.5) / samples, points)
                       for i in range(samples) for j in range(samples))
            if hits:
                px[y][x] = over(px[y][x], color[:3] + (color[3] * hits / samples ** 2,))


def star_points(cx, cy, outer, inner, tips=5):
    points = []
    for k in range(tips * 2):
        angle = -math.pi / 2 + k * math.pi / tips
        radius = outer if k % 2 == 0 else inner
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def rounded_rect_coverage(x, y, w, h, radius):
    px_, py_ = x + 0.5, y + 0.5
    dx = max(radius - px_, 0, px_ - (w - radius))
    dy = max(radius - py_, 0, py_ - (h - radius))
    if dx > 0 and dy > 0:
        return clamp(radius - math.hypot(dx, dy) + 0.5, 0.0, 1.0)
    return clamp(min(px_, w - px_, py_, h - py_) + 0.5, 0.0, 1.0)


def button(width, height, top, bottom, glyph):
    px = canvas(width, height)
    for y in range(height):
        t = y / (height - 1)
        color = mix(top, bottom, t)
        for x in range(width):
            a = rounded_rect_coverage(x, y, width, height, 7)
            if a > 0:
                shine = 28 if y < height / 2 else 0
                px[y][x] = tuple(clamp(v + shine) for v in color) + (a,)
    fill_polygon(px, glyph, (255, 255, 255, 1.0))
    return px


def noise(x, y, seed):
    n = (x * 374761393 + y * 668265263 + seed * 982451653) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 65535.0


def smooth_noise(x, y, seed, cell):
    gx, gy = x / cell, y / cell
    x0, y0 = int(math.floor(gx)), int(math.floor(gy))
    fx, fy = gx - x0, gy - y0
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a = noise(x0, y0, seed) + (noise(x0 + 1, y0, seed) - noise(x0, y0, seed)) * fx
    b = noise(x0, y0 + 1, seed) + (noise(x0 + 1, y0 + 1, seed) - noise(x0, y0 + 1, seed)) * fx
    return a + (b - a) * fy


# --- the pictures --------------------------------------------------------------

def bullets(folder):
    for name, base in (("ball_red", (214, 40, 40)), ("ball_blue", (40, 90, 214)),
                       ("ball_green", (40, 160, 60))):
        write_gif(os.path.join(folder, name + ".gif"), ball(16, base))
    square = canvas(12, 12)
    for y in range(12):
        for x in range(12):
            edge = min(x, y, 11 - x, 11 - y)
            light = 40 if x + y < 11 else -40
            shade = (230, 170, 30) if edge > 1 else tuple(clamp(v + light) for v in (230, 170, 30))
            square[y][x] = shade + (1.0,)
    write_gif(os.path.join(folder, "square_gold.gif"), square)
    star = canvas(20, 20)
    fill_polygon(star, star_points(10, 10.5, 9.5, 4), (250, 200, 20, 1.0))
    write_png(os.path.join(folder, "star.png"), star)
    diamond = canvas(16, 16)
    fill_polygon(diamond, [(8, 0.5), (15.5, 8), (8, 15.5), (0.5, 8)], (120, 60, 200, 1.0))
    fill_polygon(diamond, [(8, 3), (11, 8), (8, 6), (5, 8)], (255, 255, 255, 0.5))
    write_png(os.path.join(folder, "diamond.png"), diamond)


def buttons(folder):
    w, h = 88, 31
    cy = h / 2
    right = [(34, 8), (54, cy), (34, h - 8)]
    left = [(54, 8), (34, cy), (54, h - 8)]
    up = [(44, 7), (56, h - 9), (32, h - 9)]
    house = [(44, 5), (57, 16), (53, 16), (53, 26), (35, 26), (35, 16), (31, 16)]
    blue = ((70, 130, 210), (30, 70, 150))
    green = ((80, 180, 90), (30, 110, 45))
    write_png(os.path.join(folder, "next.png"), button(w, h, *blue, right))
    write_png(os.path.join(folder, "back.png"), button(w, h, *blue, left))
    write_png(os.path.join(folder, "top.png"), button(w, h, *blue, up))
    write_png(os.path.join(folder, "home.png"), button(w, h, *green, house))
    write_gif(os.path.join(folder, "home.gif"), button(w, h, *green, house))
    mail = canvas(32, 24)
    fill_polygon(mail, [(1, 3), (31, 3), (31, 21), (1, 21)], (245, 240, 225, 1.0))
    fill_polygon(mail, [(1, 3), (31, 3), (16, 14)], (200, 70, 50, 1.0))
    for x in range(1, 31):
        mail[3][x] = mail[20][x] = (120, 90, 60, 1.0)
    for y in range(3, 21):
        mail[y][1] = mail[y][30] = (120, 90, 60, 1.0)
    write_gif(os.path.join(folder, "mail.gif"), mail)


def lines(folder):
    width = 400
    fade = canvas(width, 4)
    for y in range(4):
        for x in range(width):
            t = 1 - abs(x - width / 2) / (width / 2)
            fade[y][x] = mix((200, 220, 245), (20, 70, 160), t) + (1.0,)
    write_gif(os.path.join(folder, "rule_blue.gif"), fade)
    rainbow = canvas(width, 5)
    for x in range(width):
        hue = x / width * 6
        k = int(hue) % 6
        f = hue - int(hue)
        r, g, b = [(1, f, 0), (1 - f, 1, 0), (0, 1, f), (0, 1 - f, 1), (f, 0, 1), (1, 0, 1 - f)][k]
        for y in range(5):
            rainbow[y][x] = (r * 235 + 10, g * 235 + 10, b * 235 + 10, 1.0)
    write_gif(os.path.join(folder, "rule_rainbow.gif"), rainbow)
    dots = canvas(width, 6)
    for x in range(width):
        for y in range(6):
            a = coverage_circle(x % 12, y, 6, 3, 2.6)
            if a > 0:
                dots[y][x] = (90, 90, 90, a)
    write_gif(os.path.join(folder, "rule_dots.gif"), dots)
    wave = canvas(width, 9)
    for x in range(width):
        centre = 4 + 2.5 * math.sin(x / 10)
        for y in range(9):
            a = clamp(1.4 - abs(y + 0.5 - centre - 0.5), 0.0, 1.0)
            if a > 0:
                wave[y][x] = (30, 140, 120, a)
    write_png(os.path.join(folder, "rule_wave.png"), wave)


def hills(width=200, height=150):
    px = canvas(width, height)
    for y in range(height):
        for x in range(width):
            color = mix((120, 170, 235), (225, 235, 250), y / (height * 0.6))
            sun = coverage_circle(x, y, 150, 35, 14)
            color = mix(color, (255, 240, 180), sun)
            for k, (base, shade, level, amp, freq) in enumerate((
                    ((110, 150, 90), (80, 120, 70), 0.55, 12, 0.035),
                    ((80, 140, 60), (60, 110, 40), 0.68, 10, 0.05),
                    ((60, 120, 40), (40, 90, 30), 0.82, 8, 0.07))):
                ridge = height * level + amp * math.sin(x * freq + k * 2) \
                    + 4 * smooth_noise(x, k, 7, 9)
                if y > ridge:
                    t = clamp((y - ridge) / (height - ridge), 0.0, 1.0)
                    color = mix(base, shade, t)
                    color = tuple(v + 18 * (smooth_noise(x, y, 11 + k, 3) - 0.5) for v in color)
            px[y][x] = tuple(clamp(v) for v in color) + (1.0,)
    return px


def sea(width=200, height=150):
    px = canvas(width, height)
    horizon = height * 0.55
    for y in range(height):
        for x in range(width):
            if y < horizon:
                t = y / horizon
                color = mix((70, 50, 120), (250, 150, 80), t)
                sun = coverage_circle(x, y, 100, horizon - 6, 16)
                color = mix(color, (255, 220, 120), sun)
            else:
                t = (y - horizon) / (height - horizon)
                color = mix((200, 110, 70), (30, 40, 90), t)
                glint = math.exp(-((x - 100) / (12 + 30 * t)) ** 2)
                ripple = 0.5 + 0.5 * math.sin(y * 1.7 + smooth_noise(x, y, 5, 6) * 6)
                color = mix(color, (255, 210, 120), glint * ripple * (1 - t * 0.7))
            px[y][x] = tuple(clamp(v) for v in color) + (1.0,)
    return px


def field(width=200, height=150):
    px = canvas(width, height)
    horizon = height * 0.4
    for y in range(height):
        for x in range(width):
            if y < horizon:
                cloud = smooth_noise(x, y, 3, 18) * 0.7 + smooth_noise(x, y, 4, 7) * 0.3
                color = mix((100, 150, 225), (245, 245, 250), clamp((cloud - 0.5) * 2.5, 0, 1))
            else:
                depth = (y - horizon) / (height - horizon)
                # Rows that run to a vanishing point in the middle.
                u = (x - width / 2) / (0.05 + depth)
                row = 0.5 + 0.5 * math.cos(u / 6)
                purple = mix((150, 110, 190), (110, 60, 160), row)
                green = (70, 110, 50)
                color = mix(green, purple, row * (0.4 + 0.6 * depth))
            px[y][x] = tuple(clamp(v) for v in color) + (1.0,)
    return px


def photos(folder):
    write_jpeg(os.path.join(folder, "hills.jpg"), hills())
    write_jpeg(os.path.join(folder, "sunset_sea.jpg"), sea())
    write_jpeg(os.path.join(folder, "lavender.jpg"), field())


def backgrounds(folder):
    size = 64
    paper = canvas(size, size)
    for y in range(size):
        for x in range(size):
            # Noise that repeats every 64 pixels, so the tile has no seams.
            n = 0.6 * smooth_noise(x % size, y % size, 21, 8) + 0.4 * noise(x, y, 22)
            v = 236 + 14 * (n - 0.5)
            paper[y][x] = (v + 4, v, v - 10, 1.0)
    write_jpeg(os.path.join(folder, "paper.jpg"), paper, quality=90)
    grid = canvas(32, 32)
    for y in range(32):
        for x in range(32):
            on = x % 16 == 0 or y % 16 == 0
            grid[y][x] = ((205, 220, 240) if on else (248, 250, 255)) + (1.0,)
    write_gif(os.path.join(folder, "grid.gif"), grid)
    dots = canvas(24, 24)
    for y in range(24):
        for x in range(24):
            a = max(coverage_circle(x, y, 6, 6, 2.5), coverage_circle(x, y, 18, 18, 2.5))
            dots[y][x] = mix((255, 252, 240), (240, 190, 120), a) + (1.0,)
    write_gif(os.path.join(folder, "dots.gif"), dots)


FOLDERS = {"Backgrounds": backgrounds, "Bullets": bullets, "Buttons": buttons, "Lines": lines,
           "Photos": photos}


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "data")
    for name, draw in FOLDERS.items():
        folder = os.path.join(root, name)
        os.makedirs(folder, exist_ok=True)
        draw(folder)
    print("wrote %d picture folders to %s" % (len(FOLDERS), os.path.normpath(root)))


if __name__ == "__main__":
    main()
