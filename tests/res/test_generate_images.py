#!/usr/bin/env python3
"""The image generator: same bytes on every run, and pictures that show what
they should (footprints on the icon, a blue banner with white lettering)."""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # keep the source folder clean
HERE = os.path.dirname(os.path.abspath(__file__))
GENERATOR = os.path.join(HERE, "..", "..", "res", "generate_images.py")
sys.path.insert(0, HERE)
import resource_check as rc  # noqa: E402

FILES = ("Tidewell.ico", "NullCursor.cur", "Banner.bmp")

# The particle footprints, as sets of offsets from the shape's centre.
RING = {(dx, dy) for dx in range(-2, 3) for dy in range(-2, 3)
        if max(abs(dx), abs(dy)) == 2 and abs(dx) + abs(dy) < 4}
PLUS = {(-1, 0), (1, 0), (0, -1), (0, 1)}
DOT = {(0, 0)}


def generate(folder):
    subprocess.run([sys.executable, GENERATOR, folder], check=True)
    contents = {}
    for name in FILES:
        with open(os.path.join(folder, name), "rb") as handle:
            contents[name] = handle.read()
    return contents


def unpack_rows(bits, width, height, bits_per_pixel):
    """Palette indices, top row first, from bottom-up DIB rows."""
    stride = rc.row_stride(width, bits_per_pixel)
    rows = []
    for y in range(height):
        row = bits[stride * (height - 1 - y):]
        rows.append([(row[x * bits_per_pixel // 8] >> (8 - bits_per_pixel - x * bits_per_pixel % 8))
                     & ((1 << bits_per_pixel) - 1) for x in range(width)])
    return rows


def white_components(pixels, white):
    """Groups of touching white pixels (8-neighbourhood)."""
    left = {(x, y) for y, row in enumerate(pixels) for x, v in enumerate(row) if v == white}
    groups = []
    while left:
        todo = [left.pop()]
        group = set(todo)
        while todo:
            x, y = todo.pop()
            for nx in (x - 1, x, x + 1):
                for ny in (y - 1, y, y + 1):
                    if (nx, ny) in left:
                        left.remove((nx, ny))
                        group.add((nx, ny))
                        todo.append((nx, ny))
        groups.append(group)
    return groups


class GeneratorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="tidewell-images-")
        cls.first = generate(os.path.join(cls.folder, "first"))
        cls.second = generate(os.path.join(cls.folder, "second"))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder)

    def test_every_run_writes_the_same_bytes(self):
        for name in FILES:
            self.assertEqual(self.first[name], self.second[name], name)

    def icon_images(self):
        data = self.first["Tidewell.ico"]
        reserved, kind, count = struct.unpack_from("<HHH", data, 0)
        self.assertEqual((reserved, kind, count), (0, 1, 2))
        r = rc.Reader(data, "icon file")
        for index in range(count):
            width, _, _, _, _, _, _, offset = r.unpack("BBBBHHII", 6 + 16 * index)
            info, xor_mask, and_mask, _ = rc.icon_masks(r, offset, width)
            palette = [r.unpack("BBBB", offset + 40 + 4 * i)[:3] for i in range(info["colours"])]
            yield width, unpack_rows(xor_mask, width, width, 4), palette, and_mask

    def test_icon_shows_only_footprints_white_on_black(self):
        for size, pixels, palette, and_mask in self.icon_images():
            self.assertEqual(palette[0], (0, 0, 0))
            self.assertEqual(palette[15], (255, 255, 255))
            self.assertEqual(set(v for row in pixels for v in row), {0, 15}, size)
            self.assertFalse(any(and_mask), size)
            kinds = []
            for group in white_components(pixels, 15):
                xs, ys = [x for x, _ in group], [y for _, y in group]
                cx, cy = (min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2
                shape = {(x - cx, y - cy) for x, y in group}
                self.assertIn(shape, (RING, PLUS, DOT), "%dx%d: stray shape %s" % (size, size, shape))
                kinds.append(len(shape))
            for footprint in (RING, PLUS, DOT):
                self.assertIn(len(footprint), kinds, "%dx%d lacks a footprint" % (size, size))

    def banner(self):
        data = self.first["Banner.bmp"]
        self.assertEqual(data[:2], b"BM")
        offset = struct.unpack_from("<I", data, 10)[0]
        r = rc.Reader(data, "banner")
        info = rc.read_bitmap_info(r, 14)
        palette = [r.unpack("BBBB", 54 + 4 * i)[2::-1] for i in range(info["colours"])]
        pixels = unpack_rows(data[offset:], info["width"], info["height"], 8)
        return info, palette, pixels

    def test_banner_is_blue_and_white(self):
        info, palette, pixels = self.banner()
        self.assertEqual((info["width"], info["height"], info["bits"], info["colours"]),
                         (500, 250, 8, 256))
        used = {palette[v] for row in pixels for v in row}
        self.assertGreater(len(used), 100, "the bubbles and the field need many shades")
        for red, green, blue in used:
            self.assertTrue(blue >= green >= red, (red, green, blue))

    def test_banner_is_strewn_with_pale_bubbles(self):
        _, palette, pixels = self.banner()
        # Paler than the plain field at the same depth: covered by a bubble.
        bare = [min(sum(palette[v]) for v in row) for row in pixels]
        covered = sum(sum(palette[v]) > bare[y] + 60 for y, row in enumerate(pixels) for v in row)
        self.assertTrue(0.1 < covered / (500 * 250) < 0.9, covered)

    def test_banner_name_is_white_at_the_top_left(self):
        _, palette, pixels = self.banner()
        # The top bar of the "T": 5 font pixels of 4 x 4 at (18, 16).
        bar = {palette[pixels[y][x]] for y in range(16, 20) for x in range(18, 38)}
        self.assertEqual(bar, {(255, 255, 255)})
        # Below the bar, beside the stem, the field shows through.
        beside = {palette[pixels[y][x]] for y in range(20, 44) for x in range(18, 26)}
        self.assertNotIn((255, 255, 255), beside)


if __name__ == "__main__":
    unittest.main(verbosity=2)
