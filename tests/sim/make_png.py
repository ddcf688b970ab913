#!/usr/bin/env python3
"""Writes one PNG of a given kind with zlib alone, and the binary PPM a reader
should make of it (8-bit RGB, alpha dropped, 16-bit scaled): an independent
encoder for the reader's tests.

usage: make_png.py KIND OUT.png EXPECTED.ppm
KIND: COLOURTYPE-BITDEPTH, with -trns for a palette with transparency and
-adam7 for an interlaced file, e.g. 2-8, 6-16, 3-4-trns, 0-1-adam7."""
import struct
import sys
import zlib

WIDTH, HEIGHT = 13, 7  # odd sizes leave partial bytes and empty Adam7 passes


def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))


def to8(value, depth):
    if depth == 16:
        return (value * 255 + 32895) >> 16  # rounded, as the reader scales
    return value * 255 // ((1 << depth) - 1)


def sample(x, y, channel, depth):
    return (x * 37 + y * 101 + channel * 59 + x * y) % (1 << depth)


def pack(values, depth):
    if depth == 16:
        return b''.join(struct.pack('>H', v) for v in values)
    bits = ''.join(format(v, '0%db' % depth) for v in values)
    bits += '0' * (-len(bits) % 8)  # a row ends on a whole byte
    return bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))


def main(kind, png_path, ppm_path):
    parts = kind.split('-')
    colour, depth = int(parts[0]), int(parts[1])
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    palette = [((i * 53) % 256, (i * 97) % 256, (i * 151) % 256) for i in range(1 << depth)] if colour == 3 else []

    def pixel(x, y):
        return [sample(x, y, c, depth) for c in range(channels)]

    def rgb(x, y):
        p = pixel(x, y)
        if colour == 3:
            return palette[p[0]]
        grey = [to8(v, depth) for v in p]
        return tuple(grey[:3]) if colour in (2, 6) else (grey[0],) * 3

    passes = [(0, 0, 1, 1)]
    if 'adam7' in parts:
        passes = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
    raw = b''
    for x0, y0, dx, dy in passes:
        for y in range(y0, HEIGHT, dy):
            xs = range(x0, WIDTH, dx)
            if xs:
                raw += b'\0' + pack([v for x in xs for v in pixel(x, y)], depth)
    header = struct.pack('>IIBBBBB', WIDTH, HEIGHT, depth, colour, 0, 0, 1 if 'adam7' in parts else 0)
    body = chunk(b'IHDR', header)
    if palette:
        body += chunk(b'PLTE', b''.join(bytes(c) for c in palette))
        if 'trns' in parts:
            body += chunk(b'tRNS', bytes(range(0, 256, 256 // len(palette)))[:len(palette)])
    body += chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b'')
    with open(png_path, 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n' + body)
    with open(ppm_path, 'wb') as out:
        out.write(b'P6\n%d %d\n255\n' % (WIDTH, HEIGHT))
        out.write(b''.join(bytes(rgb(x, y)) for y in range(HEIGHT) for x in range(WIDTH)))


if __name__ == '__main__':
    main(*sys.argv[1:])
