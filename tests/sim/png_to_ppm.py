#!/usr/bin/env python3
"""Decodes an 8-bit RGB, non-interlaced PNG with zlib and writes it as a P6
PPM, checking every chunk's CRC: an independent reader for the tests."""
import struct
import sys
import zlib


def main(png_path, ppm_path):
    data = open(png_path, 'rb').read()
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        sys.exit('not a PNG')
    at, idat, header = 8, b'', None
    while at < len(data):
        length, kind = struct.unpack('>I4s', data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        (crc,) = struct.unpack('>I', data[at + 8 + length:at + 12 + length])
        if zlib.crc32(kind + body) != crc:
            sys.exit('bad CRC in ' + kind.decode())
        if kind == b'IHDR':
            header = struct.unpack('>IIBBBBB', body)
        elif kind == b'IDAT':
            idat += body
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 2, 0):
        sys.exit('not 8-bit RGB without interlace')
    raw = zlib.decompress(idat)
    stride = 1 + 3 * width
    rows = []
    for y in range(height):
        row = raw[y * stride:(y + 1) * stride]
        if row[0] != 0:
            sys.exit('unexpected filter')
        rows.append(row[1:])
    with open(ppm_path, 'wb') as out:
        out.write(b'P6\n%d %d\n255\n' % (width, height) + b''.join(rows))


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
