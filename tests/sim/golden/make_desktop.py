"""Writes a binary PPM desktop: a grey gradient, white windows, a white band
along the bottom and a white column at the right.  make_desktop.py W H OUT"""
import sys

w, h, out = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
windows = [(w // 8, h // 6, w // 3, h // 3), (w // 2, h // 2, w // 3, h // 4), (w // 5, h * 2 // 3, w // 6, h // 10)]
rows = []
for y in range(h):
    row = bytearray()
    for x in range(w):
        white = y >= h - max(2, h // 40) or x >= w - max(2, w // 50) or any(
            wx <= x < wx + ww and wy <= y < wy + wh for wx, wy, ww, wh in windows)
        v = 255 if white else (x * 7 + y * 3) % 200
        row += bytes((v, v, (v + 40) % 256)) if not white else b"\xff\xff\xff"
    rows.append(bytes(row))
with open(out, "wb") as f:
    f.write(b"P6\n%d %d\n255\n" % (w, h))
    f.writelines(rows)
