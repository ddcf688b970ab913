#!/usr/bin/env python3
"""same_picture.py A B: exit 0 when two pictures (any format convert reads)
have the same size and the same 8-bit RGB pixels; prints what it found."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "wine"))
from picture import Picture  # noqa: E402


def main(a_path, b_path):
    a, b = Picture(a_path), Picture(b_path)
    differ = sum(1 for i in range(0, min(len(a.rgb), len(b.rgb)), 3) if a.rgb[i:i + 3] != b.rgb[i:i + 3])
    print('%s %dx%d, %s %dx%d: %d pixels differ' % (a_path, a.width, a.height, b_path, b.width, b.height, differ))
    return 0 if a.size() == b.size() and differ == 0 else 1


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
