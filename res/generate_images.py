#!/usr/bin/env python3
"""Writes the program's icon, transparent cursor and banner bitmaps.

Every picture is drawn from code, so the resources can be rebuilt at any time
and a build always produces the same bytes. Standard library only.

Usage: generate_images.py OUTPUT_FOLDER
Writes Tidewell.ico, NullCursor.cur, Banner.bmp (100 % display scale) and
Banner150.bmp and Banner200.bmp (the same picture drawn at 150 % and 200 %)
into OUTPUT_FOLDER.
"""

import os
import struct
import sys

ICON_FILE = "Tidewell.ico"
CURSOR_FILE = "NullCursor.cur"
BANNER_FILE = "Banner.bmp"
# The display scales, in percent, the banner is drawn at besides 100 %.
BANNER_SCALES = (150, 200)

BI_RGB = 0


class Rand:
    """The C runtime's linear congruential generator, for a stable scatter."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 214013 + 2531011) & 0xFFFFFFFF
        return (self.state >> 16) & 0x7FFF

    def fraction(self):
        return self.next() / 32767.0

    def below(self, limit):
        return self.next() % limit


# --- Device-independent bitmap pieces -------------------------------------

def row_stride(width, bits_per_pixel):
    """Bytes per row of a DIB: rows are padded to whole 32-bit words."""
    return (width * bits_per_pixel + 31) // 32 * 4


def bitmap_info_header(width, height, bits_per_pixel, image_size, colours_used):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits_per_pixel,
                       BI_RGB, image_size, 2835, 2835, colours_used, 0)


def palette_bytes(colours):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)


def pack_rows(pixels, width, bits_per_pixel):
    """Packs rows of palette indices bottom-up, as a DIB stores them."""
    stride = row_stride(width, bits_per_pixel)
    out = bytearray()
    for row in reversed(pixels):
        packed = bytearray(stride)
        for x, value in enumerate(row):
            bit = x * bits_per_pixel
            shift = 8 - bits_per_pixel - bit % 8
            packed[bit // 8] |= value << shift
        out += packed
    return bytes(out)


def icon_image(pixels, palette, bits_per_pixel, and_mask_bit):
    """One image of an icon or cursor file: header, palette, XOR and AND masks."""
    size = len(pixels)
    xor_mask = pack_rows(pixels, size, bits_per_pixel)
    and_mask = pack_rows([[and_mask_bit] * size for _ in range(size)], size, 1)
    header = bitmap_info_header(size, size * 2, bits_per_pixel,
                                len(xor_mask) + len(and_mask), 0)
    return header + palette_bytes(palette) + xor_mask + and_mask


def icon_file(file_type, entries):
    """An .ico (type 1) or .cur (type 2) file.

    entries: (size, colour count, planes or hot spot x, bit count or hot spot y,
    image bytes) per image.
    """
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, file_type, len(entries))
    images = b""
    for size, colour_count, field1, field2, image in entries:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colour_count,
                                 0, field1, field2, len(image), offset)
        offset += len(image)
        images += image
    return directory + images


# --- Icon: the particle footprints, white on black -------------------------

ICON_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
ICON_BLACK = 0
ICON_WHITE = 15

# The three footprints of the particles' size classes, as offsets from the
# centre: a ring of radius 2, a plus sign without its centre, a single dot.
RING = [(-2, -1), (-2, 0), (-2, 1), (-1, -2), (0, -2), (1, -2),
        (-1, 2), (0, 2), (1, 2), (2, -1), (2, 0), (2, 1)]
PLUS = [(-1, 0), (0, -1), (1, 0), (0, 1)]
DOT = [(0, 0)]


def scatter_footprints(size, counts, seed):
    """Places footprints at random spots that neither leave the image nor
    touch one another, so every shape stays readable at icon size."""
    rand = Rand(seed)
    taken = set()
    placed = []
    for shape, count in counts:
        reach = max(max(abs(dx), abs(dy)) for dx, dy in shape)
        for _ in range(count):
            for _attempt in range(500):
                cx = reach + rand.below(size - 2 * reach)
                cy = reach + rand.below(size - 2 * reach)
                cells = {(cx + dx, cy + dy) for dx, dy in shape}
                halo = {(x + hx, y + hy) for x, y in cells
                        for hx in (-1, 0, 1) for hy in (-1, 0, 1)}
                if not halo & taken:
                    taken |= cells
                    placed.append(cells)
                    break
    pixels = [[ICON_BLACK] * size for _ in range(size)]
    for cells in placed:
        for x, y in cells:
            pixels[y][x] = ICON_WHITE
    return pixels


def make_icon():
    small = scatter_footprints(16, [(RING, 2), (PLUS, 2), (DOT, 3)], seed=7)
    large = scatter_footprints(32, [(RING, 5), (PLUS, 7), (DOT, 9)], seed=11)
    entries = []
    for pixels in (small, large):
        image = icon_image(pixels, ICON_PALETTE, 4, and_mask_bit=0)
        entries.append((len(pixels), 16, 1, 4, image))
    return icon_file(1, entries)


# --- Cursor: fully transparent ---------------------------------------------

def make_cursor():
    size = 32
    blank = [[0] * size for _ in range(size)]
    # AND all ones keeps the screen, XOR all zeros changes nothing.
    image = icon_image(blank, [(0, 0, 0), (255, 255, 255)], 1, and_mask_bit=1)
    return icon_file(2, [(size, 2, 0, 0, image)])


# --- Banner: bubbles rising through blue water, with the name --------------

BANNER_WIDTH = 500
BANNER_HEIGHT = 250
BANNER_TOP = (44, 118, 196)
BANNER_BOTTOM = (8, 32, 92)
# The palette is a grid: 16 shades of the blue field, each mixed with white
# in 16 steps. Every pixel of the banner is such a mix, so quantising is
# choosing the nearest shade and the nearest step.
SHADES = 16
WHITE_STEPS = 16

# A small bitmap font, 7 rows high; '#' is a lit pixel.
FONT = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
    "d": ["....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "w": [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    "l": ["#", "#", "#", "#", "#", "#", "#"],
    "1": [".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    ".": [".", ".", ".", ".", ".", ".", "#"],
    " ": ["..", "..", "..", "..", "..", "..", ".."],
}
BANNER_TEXT = "Tidewell 1.2"
TEXT_LEFT = 18
TEXT_TOP = 16
TEXT_SCALE = 4

# 4 x 4 ordered dither thresholds; the transposed matrix is used for the
# second quantity so the two patterns do not line up.
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def shade(level):
    return mix(BANNER_TOP, BANNER_BOTTOM, level / (SHADES - 1))


def banner_palette():
    colours = []
    for level in range(SHADES):
        base = shade(level)
        for step in range(WHITE_STEPS):
            colour = mix(base, (255, 255, 255), step / (WHITE_STEPS - 1))
            colours.append(tuple(int(round(c)) for c in colour))
    return colours


def bubble_cover(rand, width, height, scale):
    """How much white each pixel shows through the translucent bubbles:
    1 - product of (1 - alpha) over the bubbles covering it. The bubbles are
    the same at every scale: their places, sizes and rims grow with it."""
    clear = [[1.0] * width for _ in range(height)]
    for _ in range(110):
        radius = (3.0 + 68.0 * rand.fraction() ** 2.5) * scale
        cx = rand.fraction() * width
        cy = rand.fraction() * height
        body = 0.04 + 0.12 * rand.fraction()
        rim = body + 0.18
        for y in range(max(0, int(cy - radius - 1)), min(height, int(cy + radius + 2))):
            for x in range(max(0, int(cx - radius - 1)), min(width, int(cx + radius + 2))):
                distance = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
                coverage = min(1.0, max(0.0, radius + 0.5 - distance))
                if coverage == 0.0:
                    continue
                alpha = rim if radius - distance < 1.5 * scale else body
                clear[y][x] *= 1.0 - alpha * coverage
    return [[1.0 - c for c in row] for row in clear]


def draw_text(cover, text, left, top, scale):
    x = left
    for character in text:
        glyph = FONT[character]
        for gy, row in enumerate(glyph):
            for gx, cell in enumerate(row):
                if cell != "#":
                    continue
                for sy in range(scale):
                    for sx in range(scale):
                        cover[top + gy * scale + sy][x + gx * scale + sx] = 1.0
        x += (len(glyph[0]) + 1) * scale


def lit(glyph, gx, gy):
    return 0 <= gy < len(glyph) and 0 <= gx < len(glyph[0]) and glyph[gy][gx] == "#"


def smooth_cell_cover(glyph, gx, gy, u, v):
    """Whether the point (u, v) of cell (gx, gy), each 0..1, is ink once the
    staircase corners are made diagonals: an outer corner of a lit cell is
    cut where both its neighbours toward that corner are unlit, and an inner
    corner of an unlit cell is filled where both are lit."""
    qx = 1 if u >= 0.5 else -1
    qy = 1 if v >= 0.5 else -1
    across = lit(glyph, gx + qx, gy)
    along = lit(glyph, gx, gy + qy)
    toward_corner = abs(u - 0.5) * 2 + abs(v - 0.5) * 2 > 1.0
    if lit(glyph, gx, gy):
        return not (toward_corner and not across and not along)
    return toward_corner and across and along and lit(glyph, gx + qx, gy + qy)


def draw_smooth_text(cover, text, left, top, scale, samples=4):
    """The lettering for scales above 100 %: the same glyphs with their
    staircases smoothed into diagonals, anti-aliased by supersampling."""
    x = left
    for character in text:
        glyph = FONT[character]
        for py in range(top, top + len(glyph) * scale):
            for px in range(x, x + len(glyph[0]) * scale):
                ink = 0
                for sy in range(samples):
                    for sx in range(samples):
                        gu = (px - x + (sx + 0.5) / samples) / scale
                        gv = (py - top + (sy + 0.5) / samples) / scale
                        gx, gy = int(gu), int(gv)
                        ink += smooth_cell_cover(glyph, gx, gy, gu - gx, gv - gy)
                coverage = ink / (samples * samples)
                cover[py][px] = cover[py][px] * (1.0 - coverage) + coverage
        x += (len(glyph[0]) + 1) * scale


def quantise(level, maximum, threshold):
    return min(maximum, int(level * maximum + threshold))


def make_banner(percent=100):
    """The banner at a display scale: at 100 % 500 x 250 pixels; at 150 % and
    200 % the same picture drawn anew at that size, the dither as fine as at
    100 % and the lettering smoothed, since its pixel blocks would show."""
    scale = percent / 100
    width = BANNER_WIDTH * percent // 100
    height = BANNER_HEIGHT * percent // 100
    cover = bubble_cover(Rand(1995), width, height, scale)
    draw = draw_text if percent == 100 else draw_smooth_text
    draw(cover, BANNER_TEXT, TEXT_LEFT * percent // 100, TEXT_TOP * percent // 100, TEXT_SCALE * percent // 100)
    pixels = []
    for y in range(height):
        depth = y / (height - 1)
        row = []
        for x in range(width):
            shade_threshold = (BAYER[y % 4][x % 4] + 0.5) / 16
            white_threshold = (BAYER[x % 4][y % 4] + 0.5) / 16
            level = quantise(depth, SHADES - 1, shade_threshold)
            step = quantise(cover[y][x], WHITE_STEPS - 1, white_threshold)
            row.append(level * WHITE_STEPS + step)
        pixels.append(row)
    bits = pack_rows(pixels, width, 8)
    palette = banner_palette()
    info = bitmap_info_header(width, height, 8, len(bits), len(palette))
    offset = 14 + len(info) + 4 * len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return file_header + info + palette_bytes(palette) + bits


def banner_file(percent):
    return BANNER_FILE if percent == 100 else "Banner%d.bmp" % percent


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: generate_images.py OUTPUT_FOLDER\n")
        return 2
    folder = argv[1]
    os.makedirs(folder, exist_ok=True)
    makers = [(ICON_FILE, make_icon), (CURSOR_FILE, make_cursor), (BANNER_FILE, make_banner)]
    makers += [(banner_file(percent), lambda percent=percent: make_banner(percent))
               for percent in BANNER_SCALES]
    for name, maker in makers:
        with open(os.path.join(folder, name), "wb") as output:
            output.write(maker())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
