#!/usr/bin/env python3
"""Draws the page themes shipped in data/themes/.

A theme N is seven GIF pictures: t_N.gif (background tile), l_N.gif
(separator line), w_N.gif, e_N.gif, n_N.gif, s_N.gif (arrows left, right,
up, down) and q_N.gif (question mark). This script draws them for every
theme below and writes them with its own small GIF encoder, so it needs
nothing but Python's standard library:

    python3 tools/themes/make_themes.py [output folder]

The output folder defaults to data/themes beside this script's project.
"""

import math
import os
import struct
import sys

# name: (tile pattern, base, pattern colours, accent, dark outline, light)
THEMES = {
    "ocean": ("waves", (244, 250, 255), [(220, 238, 250), (196, 226, 245)],
              (31, 111, 168), (13, 63, 102), (170, 210, 236)),
    "forest": ("leaves", (246, 251, 242), [(226, 240, 216), (207, 229, 192)],
               (60, 122, 46), (30, 74, 22), (180, 214, 160)),
    "sunset": ("stripes", (255, 248, 240), [(252, 233, 214), (249, 220, 192)],
               (210, 96, 42), (122, 46, 16), (246, 190, 150)),
}

TRANSPARENT = (255, 0, 255)  # palette entry 0 of pictures with a see-through background


# --- GIF writing -----------------------------------------------------------

def lzw(indices, min_size):
    """LZW-compresses palette indices into the GIF code stream bytes."""
    clear = 1 << min_size
    end = clear + 1
    out = bytearray()
    bits = 0
    nbits = 0

    def emit(code, size):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    def reset():
        return {bytes([i]): i for i in range(clear)}, end + 1, min_size + 1

    table, next_code, size = reset()
    emit(clear, size)
    word = b""
    for index in indices:
        longer = word + bytes([index])
        if longer in table:
            word = longer
            continue
        emit(table[word], size)
        if next_code < 4096:
            table[longer] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table, next_code, size = reset()
        word = bytes([index])
    if word:
        emit(table[word], size)
    emit(end, size)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def write_gif(path, pixels, palette, transparent=False):
    height = len(pixels)
    width = len(pixels[0])
    depth = 1
    while (1 << depth) < len(palette):
        depth += 1
    table = list(palette) + [(0, 0, 0)] * ((1 << depth) - len(palette))
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", width, height, 0x80 | ((depth - 1) << 4) | (depth - 1), 0, 0)
    for r, g, b in table:
        data += bytes((r, g, b))
    if transparent:
        data += bytes((0x21, 0xF9, 4, 0x01, 0, 0, 0, 0))
    data += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    min_size = max(2, depth)
    data.append(min_size)
    stream = lzw([i for row in pixels for i in row], min_size)
    for at in range(0, len(stream), 255):
        chunk = stream[at:at + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00\x3B"
    with open(path, "wb") as f:
        f.write(data)


# --- drawing ---------------------------------------------------------------

def blank(width, height, index=0):
    return [[index] * width for _ in range(height)]


def tile(kind, colors):
    size = 64
    px = blank(size, size)
    for y in range(size):
        for x in range(size):
            if kind == "waves":
                wave = (y + 3.0 * math.sin(2 * math.pi * x / size)) % 16
                px[y][x] = 1 if wave < 2 else (2 if wave < 3 else 0)
            elif kind == "stripes":
                d = (x + y) % 32
                px[y][x] = 1 if d < 6 else (2 if d < 8 else 0)
            else:  # leaves: small ellipses on an offset grid, tiling at 64
                for cx, cy in ((16, 16), (48, 48), (48, 16 - 64), (16, 48 - 64)):
                    for ox in (-64, 0, 64):
                        for oy in (-64, 0, 64):
                            u = (x - cx - ox + (y - cy - oy)) / 9.0
                            v = (x - cx - ox - (y - cy - oy)) / 4.5
                            r = u * u + v * v
                            if r < 1.0:
                                px[y][x] = 2 if r > 0.55 or abs(v) < 0.12 else 1
    return px, [colors[0]] + colors[1]


def separator(accent, light):
    width, height = 480, 8
    steps = 30
    palette = [TRANSPARENT]
    for i in range(steps):  # from the light end to the accent in the middle
        t = i / (steps - 1)
        palette.append(tuple(round(l + (a - l) * t) for l, a in zip(light, accent)))
    px = blank(width, height)
    for y in range(1, height - 1):
        for x in range(width):
            # Rounded ends: the bar narrows over its last three pixels.
            edge = min(x, width - 1 - x)
            inset = max(0, 3 - edge)
            if y - 1 < inset // 2 or (height - 2 - y) < inset // 2:
                continue
            t = 1.0 - abs(x - width / 2) / (width / 2)
            shade = 1 + min(steps - 1, int(t * steps))
            # The top and bottom rows a little lighter: a rounded look.
            px[y][x] = max(1, shade - 6) if y in (1, height - 2) else shade
    return px, palette


def outline(px, fill, border):
    """Turns the fill pixels that touch the background into border pixels."""
    h, w = len(px), len(px[0])
    out = [row[:] for row in px]
    for y in range(h):
        for x in range(w):
            if px[y][x] != fill:
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if not (0 <= nx < w and 0 <= ny < h) or px[ny][nx] == 0:
                    out[y][x] = border
                    break
    return out


def arrow_east():
    size = 32
    px = blank(size, size)
    for y in range(size):
        for x in range(size):
            shaft = 4 <= x <= 17 and 12 <= y <= 19
            # Head: a triangle from x = 15 (full height 4..27) to its tip at x = 28.
            half = (28 - x) * 12.0 / 13.0
            head = 15 <= x <= 28 and abs(y - 15.5) <= half
            if shaft or head:
                px[y][x] = 1
    return outline(px, 1, 2)


def rotate(px, times):
    for _ in range(times):  # a quarter turn counter-clockwise each time
        px = [list(row) for row in zip(*px)][::-1]
    return px


QUESTION = [".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."]


def question():
    size = 32
    px = blank(size, size)
    for y in range(size):
        for x in range(size):
            if (x - 15.5) ** 2 + (y - 15.5) ** 2 <= 14.5 ** 2:
                px[y][x] = 1
    px = outline(px, 1, 2)
    scale = 3
    left = (size - 5 * scale) // 2
    top = (size - 7 * scale) // 2
    for gy, row in enumerate(QUESTION):
        for gx, ch in enumerate(row):
            if ch == "#":
                for y in range(scale):
                    for x in range(scale):
                        px[top + gy * scale + y][left + gx * scale + x] = 3
    return px


def make_theme(folder, name, look):
    kind, base, pattern, accent, dark, light = look
    px, palette = tile(kind, [base, pattern])
    write_gif(os.path.join(folder, "t_%s.gif" % name), px, palette)
    px, palette = separator(accent, light)
    write_gif(os.path.join(folder, "l_%s.gif" % name), px, palette, transparent=True)
    arrows = [TRANSPARENT, accent, dark]
    east = arrow_east()
    for prefix, turns in (("e_", 0), ("n_", 1), ("w_", 2), ("s_", 3)):
        write_gif(os.path.join(folder, "%s%s.gif" % (prefix, name)), rotate(east, turns),
                  arrows, transparent=True)
    write_gif(os.path.join(folder, "q_%s.gif" % name), question(),
              [TRANSPARENT, accent, dark, (255, 255, 255)], transparent=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "data", "themes")
    os.makedirs(folder, exist_ok=True)
    for name, look in THEMES.items():
        make_theme(folder, name, look)
    print("wrote %d themes to %s" % (len(THEMES), os.path.normpath(folder)))


if __name__ == "__main__":
    main()
