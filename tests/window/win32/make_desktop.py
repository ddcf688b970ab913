#!/usr/bin/env python3
"""Writes the test desktop picture as PPM: a colour gradient with white
rectangles (so particles have something to glance off), and no white at the
white probe's three points, so the window keeps the picture."""
import sys


def main(path, width, height):
    rects = [(200, 150, 320, 600), (600, 100, 640, 500), (760, 300, 900, 420)]
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            if any(l <= x < r and t <= y < b for l, t, r, b in rects):
                row += b'\xff\xff\xff'
            else:
                row += bytes(((x * 7) % 200, (y * 3) % 200, ((x + y) * 5) % 200))
        rows.append(bytes(row))
    with open(path, 'wb') as out:
        out.write(b'P6\n%d %d\n255\n' % (width, height) + b''.join(rows))


if __name__ == '__main__':
    main(sys.argv[1], int(sys.argv[2]), int(sys.argv[3]))
