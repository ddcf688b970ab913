#!/usr/bin/env python3
"""Picture checks for the end-to-end tests: screenshots against the desktop
picture, the settings dialog's preview, and the X cursor's image.

Every check prints what it measured and exits 0 when it holds, 1 when not.
Pictures are read through ImageMagick's convert, as 8-bit PPM.
"""
import ctypes
import ctypes.util
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "wine"))
from picture import Picture  # noqa: E402

WHITE = (255, 255, 255)


def parse_region(text):
    """'+x,y,w,h' (particles wanted there) or '=x,y,w,h' (the picture untouched)."""
    x, y, w, h = (int(v) for v in text[1:].split(","))
    return text[0], x, y, w, h


def fullscreen(desktop_path, first_path, second_path, min_particle_pixels, regions=()):
    """The run shows the desktop picture with white particles that move:
    every pixel that differs from the picture is white (so the two shots can
    differ only where one of them has a particle), there are enough of them,
    and the two shots differ. Each '+' region (a monitor) has enough particle
    pixels of its own; each '=' region shows the picture untouched."""
    desktop, first, second = Picture(desktop_path), Picture(first_path), Picture(second_path)
    if not desktop.size() == first.size() == second.size():
        print(f"sizes differ: {desktop.size()} {first.size()} {second.size()}")
        return 1
    off_white = particles = moved = 0
    changes = []  # where a shot differs from the picture, once per shot
    for i in range(desktop.width * desktop.height):
        d, a, b = desktop.at(i), first.at(i), second.at(i)
        for shot in (a, b):
            if shot != d:
                changes.append(i)
                if shot == WHITE:
                    particles += 1
                else:
                    off_white += 1
        if a != b:
            moved += 1
    print(f"particle pixels (both shots): {particles}, non-white changes: {off_white}, "
          f"pixels changed between shots: {moved}")
    ok = off_white == 0 and particles >= min_particle_pixels and moved > 0
    for kind, x0, y0, w, h in (parse_region(r) for r in regions):
        changed = sum(1 for i in changes
                      if x0 <= i % desktop.width < x0 + w and y0 <= i // desktop.width < y0 + h)
        print(f"  region {x0},{y0} {w}x{h}: {changed} particle pixels")
        ok = ok and (changed >= min_particle_pixels if kind == "+" else changed == 0)
    return 0 if ok else 1


def preview(first_path, second_path, colour_hex, min_area):
    """The dialog's preview: a rectangle of the background colour with white
    particles, animating between the shots, and nothing else changing."""
    colour = tuple(bytes.fromhex(colour_hex))
    first, second = Picture(first_path), Picture(second_path)
    if first.size() != second.size():
        print(f"sizes differ: {first.size()} {second.size()}")
        return 1
    w = first.width
    xs, ys = [], []
    for i in range(w * first.height):
        if first.at(i) == colour:
            xs.append(i % w)
            ys.append(i // w)
    if not xs:
        print(f"no pixel of colour #{colour_hex}")
        return 1
    left, right, top, bottom = min(xs), max(xs) + 1, min(ys), max(ys) + 1
    area = (right - left) * (bottom - top)
    inside_other = changed_inside = changed_outside = 0
    for y in range(first.height):
        for x in range(w):
            i = x + y * w
            inside = left <= x < right and top <= y < bottom
            a, b = first.at(i), second.at(i)
            if inside and a not in (colour, WHITE):
                inside_other += 1
            if a != b:
                if inside:
                    changed_inside += 1
                else:
                    changed_outside += 1
    print(f"preview rectangle: {left},{top} {right - left}x{bottom - top}, "
          f"other colours inside: {inside_other}, changed inside: {changed_inside}, "
          f"changed outside: {changed_outside}")
    ok = (area >= min_area and inside_other == 0 and changed_inside > 0
          and changed_outside == 0)
    return 0 if ok else 1


def banner(shot_path, place, drawn_path, other_path):
    """The banner as shown (place 'WxH+X+Y' in the shot) against the picture
    drawn for the scale and another one, each fitted to the place with a box
    filter: at 100 % (the place is the drawn picture's size) it is that
    picture exactly; at other scales it is nearer the picture drawn for the
    scale than the other by a clear margin."""
    width, height = (int(v) for v in place.split("+")[0].split("x"))
    shown = Picture(shot_path, "-crop", place, "+repage")
    fitted = ["-filter", "Box", "-resize", f"{width}x{height}!"]
    drawn, other = Picture(drawn_path, *fitted), Picture(other_path, *fitted)

    def distance(picture):
        return sum(abs(a - b) for a, b in zip(shown.rgb, picture.rgb)) / len(shown.rgb)

    natural = Picture(drawn_path).size() == (width, height)
    to_drawn, to_other = distance(drawn), distance(other)
    print(f"banner {place}: mean difference {to_drawn:.2f} from the picture for the scale, "
          f"{to_other:.2f} from the other")
    if shown.size() != (width, height):
        return 1
    return 0 if (to_drawn == 0 if natural else to_drawn < 0.8 * to_other) else 1


class XFixesCursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


def cursor(expect):
    """The X server's current cursor image: 'hidden' holds when every pixel
    is fully transparent, 'shown' when at least one is not."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    xfixes = ctypes.CDLL(ctypes.util.find_library("Xfixes"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(XFixesCursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        print("cannot open the display")
        return 1
    image = xfixes.XFixesGetCursorImage(display).contents
    count = image.width * image.height
    opaque = sum(1 for i in range(count) if (image.pixels[i] >> 24) & 0xFF)
    print(f"cursor {image.width}x{image.height}, pixels not transparent: {opaque}")
    return 0 if (opaque == 0) == (expect == "hidden") else 1


def main(argv):
    if len(argv) >= 5 and argv[0] == "fullscreen" and all(r[:1] in ("+", "=") for r in argv[5:]):
        return fullscreen(argv[1], argv[2], argv[3], int(argv[4]), argv[5:])
    if len(argv) == 5 and argv[0] == "preview":
        return preview(argv[1], argv[2], argv[3], int(argv[4]))
    if len(argv) == 5 and argv[0] == "banner":
        return banner(*argv[1:])
    if len(argv) == 2 and argv[0] == "cursor" and argv[1] in ("hidden", "shown"):
        return cursor(argv[1])
    print(__doc__)
    print("usage: screens.py fullscreen DESKTOP SHOT1 SHOT2 MIN_PARTICLE_PIXELS [+|=X,Y,W,H ...]\n"
          "       screens.py preview SHOT1 SHOT2 RRGGBB MIN_AREA\n"
          "       screens.py banner SHOT WxH+X+Y DRAWN_FOR_THE_SCALE OTHER\n"
          "       screens.py cursor hidden|shown")
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
