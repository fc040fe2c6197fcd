# SPDX-License-Identifier: MIT
"""Draw the application's bundled images.

Writes two files into app/resources/:
  quenmark.ico - window icon, 32x32 and 16x16, 4-bit Windows palette with masks
  velloq.gif   - 131x131 interlaced GIF87a tile: magnifying glass over letters
  velloq.bmp   - the same tile as an 8-bit Windows bitmap, for the Windows build's resources
and the same icon as PNGs for the desktop's icon theme and for high-DPI screens:
  packaging/icons/hicolor/NxN/apps/org.quenmark.Quenmark.png, N = 16 ... 256

Everything is drawn from geometry with a fixed noise seed, so every run gives
the same bytes. Rerun from the repository root with:

    python3 tools/draw_images.py
"""

import math
import random
import struct
from pathlib import Path

from png_writer import encode_png

ROOT = Path(__file__).resolve().parent.parent
OUT_DIR = ROOT / "app" / "resources"
ICON_THEME_DIR = ROOT / "packaging" / "icons" / "hicolor"
APP_ID = "org.quenmark.Quenmark"
PNG_SIZES = (16, 32, 48, 64, 128, 256)

# ---------------------------------------------------------------- icon ----

# Standard 16-colour Windows palette, as RGB.
WIN16 = [
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
]
BLACK, LIGHT_GREY, DARK_GREY, RED, GREEN, WHITE = 0, 7, 8, 9, 10, 15

# Tag edges sit on pixel boundaries at both 16 and 32 pixels.
TAG = [(0.5, 0.4375), (0.625, 0.3125), (0.9375, 0.3125), (0.9375, 0.9375), (0.5, 0.9375)]


def inside_polygon(x, y, poly):
    inside = False
    for (x1, y1), (x2, y2) in zip(poly, poly[1:] + poly[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def segment_distance(x, y, x1, y1, x2, y2):
    dx, dy = x2 - x1, y2 - y1
    t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - x1 - t * dx, y - y1 - t * dy)


def icon_pixel(u, v, px):
    """Palette index at unit-square point (u, v), or None if transparent.

    px is the size of one pixel in unit coordinates, so outlines stay one
    pixel wide at both sizes.
    """
    colour = None

    # Crescent: a thick ring opening to the right, mostly hidden by the tag.
    d = math.hypot(u - 0.44, v - 0.62)
    angle = math.degrees(math.atan2(v - 0.62, u - 0.44))
    if 0.17 <= d <= 0.36 and abs(angle) > 40:
        edge = min(d - 0.17, 0.36 - d)
        colour = DARK_GREY if edge < px else LIGHT_GREY

    # Tag: dark outline, shaded right and bottom edges, white face.
    if inside_polygon(u, v, TAG):
        edge = min(segment_distance(u, v, *a, *b)
                   for a, b in zip(TAG, TAG[1:] + TAG[:1]))
        if edge < 1.2 * px:
            colour = BLACK
        elif min(0.9375 - u, 0.9375 - v) < px + 0.0625:
            colour = DARK_GREY
        else:
            colour = WHITE
        # Keyhole: round head over a widening slot.
        kx, ky = 0.71875, 0.59375
        slot = max(0.025 + (v - ky) * 0.15, 0.6 * px)
        if math.hypot(u - kx, v - ky) < 0.09 or (ky < v < 0.80 and abs(u - kx) < slot):
            colour = BLACK

    if 0.68 <= u <= 0.88 and 0.05 <= v <= 0.25:
        colour = RED

    # Plus centred on a pixel boundary at both sizes so its arms stay even.
    du, dv = abs(u - 0.1875), abs(v - 0.1875)
    if (du < 0.0625 and dv < 0.17) or (dv < 0.0625 and du < 0.17):
        colour = GREEN

    return colour


def icon_image(size):
    """One ICO entry: BITMAPINFOHEADER, palette, 4-bit pixels, AND mask."""
    px = 1.0 / size
    rows = [[icon_pixel((x + 0.5) * px, (y + 0.5) * px, px) for x in range(size)]
            for y in range(size)]

    xor_stride = (size * 4 + 31) // 32 * 4
    and_stride = (size + 31) // 32 * 4
    xor_bits, and_bits = bytearray(), bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up
        line = bytearray(xor_stride)
        mask = bytearray(and_stride)
        for x, c in enumerate(row):
            if c is None:
                mask[x // 8] |= 0x80 >> (x % 8)
                c = 0
            line[x // 2] |= c << (4 if x % 2 == 0 else 0)
        xor_bits += line
        and_bits += mask

    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor_bits) + len(and_bits), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0)
                       for c in WIN16)
    return header + palette + bytes(xor_bits) + bytes(and_bits)


def build_ico(sizes=(32, 16)):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def icon_png(size):
    """The icon as an RGBA PNG.

    At 16 and 32 pixels these are the .ico's own pixels. Larger sizes keep the
    outlines as thick as at 32 pixels and average 4x4 samples per pixel, so
    curves stay smooth instead of stair-stepped.
    """
    line, samples = (1.0 / size, 1) if size <= 32 else (1.0 / 32, 4)
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            r = g = b = opaque = 0
            for sy in range(samples):
                for sx in range(samples):
                    c = icon_pixel((x + (sx + 0.5) / samples) / size,
                                   (y + (sy + 0.5) / samples) / size, line)
                    if c is not None:
                        rgb = WIN16[c]
                        r, g, b = r + (rgb >> 16), g + ((rgb >> 8) & 0xFF), b + (rgb & 0xFF)
                        opaque += 1
            if opaque:
                row += bytes((round(r / opaque), round(g / opaque), round(b / opaque),
                              round(255 * opaque / samples ** 2)))
            else:
                row += bytes(4)
        rows.append(row)
    return encode_png(size, size, rows, alpha=True)

# ---------------------------------------------------------------- tile ----

TILE = 131
FONT = {  # 5x7 glyphs
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
}
GIF_BLACK, GIF_INK, GIF_WHITE = 0, 1, 2
HUES, SHADES, TEXTURE_BASE = 15, 16, 16  # texture colours fill indices 16..255
LENS_CENTRE, LENS_INNER, LENS_OUTER = (46.0, 46.0), 20.0, 27.0


def gif_palette():
    pal = [(0, 0, 0)] * 256
    pal[GIF_INK] = (24, 32, 120)
    pal[GIF_WHITE] = (255, 255, 255)
    pink, lavender = (240, 158, 190), (182, 164, 236)
    for h in range(HUES):
        t = h / (HUES - 1)
        base = [p + (l - p) * t for p, l in zip(pink, lavender)]
        for s in range(SHADES):
            light = 0.78 + 0.34 * s / (SHADES - 1)
            pal[TEXTURE_BASE + h * SHADES + s] = tuple(min(255, round(c * light)) for c in base)
    return pal


def value_noise(rng, spacing):
    """Smoothly interpolated random lattice, sampled over the whole tile."""
    cells = TILE // spacing + 2
    grid = [[rng.random() for _ in range(cells)] for _ in range(cells)]

    def smooth(t):
        return t * t * (3 - 2 * t)

    field = []
    for y in range(TILE):
        gy, fy = divmod(y / spacing, 1)
        gy, fy = int(gy), smooth(fy)
        row = []
        for x in range(TILE):
            gx, fx = divmod(x / spacing, 1)
            gx, fx = int(gx), smooth(fx)
            top = grid[gy][gx] + (grid[gy][gx + 1] - grid[gy][gx]) * fx
            bottom = grid[gy + 1][gx] + (grid[gy + 1][gx + 1] - grid[gy + 1][gx]) * fx
            row.append(top + (bottom - top) * fy)
        field.append(row)
    return field


def draw_letter(pixels, letter, left, top, scale):
    for gy, line in enumerate(FONT[letter]):
        for gx, bit in enumerate(line):
            if bit == "#":
                for y in range(top + gy * scale, top + (gy + 1) * scale):
                    for x in range(left + gx * scale, left + (gx + 1) * scale):
                        pixels[y][x] = GIF_INK


def draw_tile():
    rng = random.Random(20240607)
    hue_a, hue_b = value_noise(rng, 14), value_noise(rng, 5)
    light_a, light_b = value_noise(rng, 9), value_noise(rng, 3)
    cx, cy = LENS_CENTRE

    pixels = []
    for y in range(TILE):
        row = []
        for x in range(TILE):
            h = min(HUES - 1, int((0.65 * hue_a[y][x] + 0.35 * hue_b[y][x]) * HUES))
            s = min(SHADES - 1, int((0.6 * light_a[y][x] + 0.4 * light_b[y][x]) * SHADES))
            if math.hypot(x - cx, y - cy) < LENS_INNER:
                s = min(SHADES - 1, s + 4)  # the glass looks a little brighter
            row.append(TEXTURE_BASE + h * SHADES + s)
        pixels.append(row)

    draw_letter(pixels, "K", 88, 16, 3)
    draw_letter(pixels, "R", 18, 94, 3)
    draw_letter(pixels, "X", 98, 58, 3)
    draw_letter(pixels, "Q", int(cx) - 10, int(cy) - 14, 4)  # magnified by the lens

    hx, hy = cx + LENS_OUTER * 0.7, cy + LENS_OUTER * 0.7
    for y in range(TILE):
        for x in range(TILE):
            d = math.hypot(x - cx, y - cy)
            angle = math.degrees(math.atan2(y - cy, x - cx))
            if LENS_INNER <= d <= LENS_OUTER:
                pixels[y][x] = GIF_BLACK
            elif LENS_INNER - 5 <= d <= LENS_INNER - 3 and -160 <= angle <= -115:
                pixels[y][x] = GIF_WHITE  # glint on the glass
            along = segment_distance(x, y, hx, hy, 112, 112)
            neck = segment_distance(x, y, hx, hy, hx + 8, hy + 8)
            if along < 5.5 or neck < 3.5:
                pixels[y][x] = GIF_BLACK
            if min(x, y, TILE - 1 - x, TILE - 1 - y) < 6:
                pixels[y][x] = GIF_BLACK
    return pixels


def lzw_encode(data, min_code_size=8):
    """GIF LZW: variable-width codes, restarting the table when it fills."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bit_buffer, bit_count = bytearray(), 0, 0
    table, next_code, code_size = {}, end + 1, min_code_size + 1

    def emit(code):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += code_size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def reset():
        nonlocal table, next_code, code_size
        table, next_code, code_size = {}, end + 1, min_code_size + 1

    emit(clear)
    prefix = data[0]
    for byte in data[1:]:
        key = (prefix, byte)
        if key in table:
            prefix = table[key]
            continue
        emit(prefix)
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
            # The decoder learns each code one step later, hence '>' not '>='.
            if next_code > (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            emit(clear)
            reset()
        prefix = byte
    emit(prefix)
    emit(end)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def build_gif(pixels):
    size = len(pixels)
    order = [y for start, step in ((0, 8), (4, 8), (2, 4), (1, 2))
             for y in range(start, size, step)]
    data = bytes(index for y in order for index in pixels[y])
    stream = lzw_encode(data)

    out = bytearray(b"GIF87a")
    out += struct.pack("<HHBBB", size, size, 0xF7, 0, 0)  # 256-entry global table
    out += b"".join(bytes(rgb) for rgb in gif_palette())
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, size, size, 0x40)  # interlaced
    out.append(8)
    for i in range(0, len(stream), 255):
        chunk = stream[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out += b"\x00\x3B"
    return bytes(out)


def build_bmp(pixels):
    size = len(pixels)
    stride = (size + 3) & ~3
    rows = b"".join(bytes(pixels[y]) + bytes(stride - size) for y in reversed(range(size)))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in gif_palette())
    offset = 14 + 40 + len(palette)
    out = bytearray(b"BM")
    out += struct.pack("<IHHI", offset + len(rows), 0, 0, offset)
    out += struct.pack("<IiiHHIIiiII", 40, size, size, 1, 8, 0, len(rows), 3780, 3780, 256, 0)
    return bytes(out + palette + rows)


def main():
    tile = draw_tile()
    outputs = [(OUT_DIR / "quenmark.ico", build_ico()),
               (OUT_DIR / "velloq.gif", build_gif(tile)),
               (OUT_DIR / "velloq.bmp", build_bmp(tile))]
    outputs += [(ICON_THEME_DIR / f"{s}x{s}" / "apps" / f"{APP_ID}.png", icon_png(s))
                for s in PNG_SIZES]
    for path, data in outputs:
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        print(f"wrote {path.relative_to(ROOT)} ({len(data)} bytes)")


if __name__ == "__main__":
    main()
