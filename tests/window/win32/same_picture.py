#!/usr/bin/env python3
"""same_picture.py A B: exit 0 when two pictures (any format convert reads)
have the same size and the same 8-bit RGB pixels; prints what it found."""
import subprocess
import sys


def read(path):
    data = subprocess.run(['convert', path, '-depth', '8', 'ppm:-'], check=True, capture_output=True).stdout
    fields, at = [], 2
    while len(fields) < 3:
        while data[at:at + 1].isspace():
            at += 1
        start = at
        while not data[at:at + 1].isspace():
            at += 1
        fields.append(int(data[start:at]))
    return fields[0], fields[1], data[at + 1:]


def main(a_path, b_path):
    a, b = read(a_path), read(b_path)
    differ = sum(1 for i in range(0, min(len(a[2]), len(b[2])), 3) if a[2][i:i + 3] != b[2][i:i + 3])
    print('%s %dx%d, %s %dx%d: %d pixels differ' % (a_path, a[0], a[1], b_path, b[0], b[1], differ))
    return 0 if a[:2] == b[:2] and differ == 0 else 1


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
