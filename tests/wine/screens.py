#!/usr/bin/env python3
"""Picture checks for the end-to-end tests: screenshots against the desktop
picture, the settings dialog's preview and banner, and the X cursor's image.

  screens.py fullscreen DESKTOP SHOT1 SHOT2 MIN_PARTICLE_PIXELS [+|=X,Y,W,H ...]
  screens.py preview SHOT1 SHOT2 RRGGBB MIN_AREA
  screens.py banner SHOT WxH+X+Y DRAWN_FOR_THE_SCALE OTHER
  screens.py cursor hidden|shown

Every check prints what it measured and exits 0 when it holds, 1 when not.
Pictures are read through ImageMagick's convert, as 8-bit RGB.
"""
import ctypes
import ctypes.util
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "wine"))
from picture import Picture  # noqa: E402

WHITE = (255, 255, 255)


def differences(a, b):
    """The indices of the pixels where two pictures of one size differ; rows
    that are the same are skipped whole, as most are."""
    row = a.width * 3
    return [i for y in range(a.height) if a.rgb[y * row:(y + 1) * row] != b.rgb[y * row:(y + 1) * row]
            for i in range(y * a.width, (y + 1) * a.width) if a.at(i) != b.at(i)]


def fullscreen(desktop_path, first_path, second_path, min_particle_pixels, *regions):
    """The run shows the desktop picture with white particles that move:
    every pixel that differs from the picture is white, there are enough of
    them, and the two shots differ. Each '+' region (a monitor) has enough
    particle pixels of its own; each '=' region shows the picture untouched."""
    desktop, first, second = Picture(desktop_path), Picture(first_path), Picture(second_path)
    if not desktop.size() == first.size() == second.size():
        print(f"sizes differ: {desktop.size()} {first.size()} {second.size()}")
        return False
    minimum, width = int(min_particle_pixels), desktop.width
    changes = [(i, shot.at(i)) for shot in (first, second) for i in differences(desktop, shot)]
    off_white = sum(1 for _, colour in changes if colour != WHITE)
    moved = len(differences(first, second))
    print(f"particle pixels (both shots): {len(changes) - off_white}, non-white changes: {off_white}, "
          f"pixels changed between shots: {moved}")
    ok = off_white == 0 and len(changes) >= minimum and moved > 0
    for region in regions:
        x0, y0, w, h = (int(v) for v in region[1:].split(","))
        inside = sum(1 for i, _ in changes if x0 <= i % width < x0 + w and y0 <= i // width < y0 + h)
        print(f"  region {x0},{y0} {w}x{h}: {inside} particle pixels")
        ok = ok and (inside >= minimum if region[0] == "+" else inside == 0)
    return ok


def preview(first_path, second_path, colour_hex, min_area):
    """The dialog's preview: a rectangle of the background colour with white
    particles, animating between the shots, and nothing else changing."""
    colour = tuple(bytes.fromhex(colour_hex))
    first, second = Picture(first_path), Picture(second_path)
    w = first.width
    ours = [i for i in range(w * first.height) if first.at(i) == colour]
    if not ours or first.size() != second.size():
        print(f"no pixel of colour #{colour_hex}, or sizes differ: {first.size()} {second.size()}")
        return False
    left, right = min(i % w for i in ours), max(i % w for i in ours) + 1
    top, bottom = ours[0] // w, ours[-1] // w + 1
    other = sum(1 for y in range(top, bottom) for x in range(left, right)
                if first.at(x + y * w) not in (colour, WHITE))
    moved = differences(first, second)
    inside = sum(1 for i in moved if left <= i % w < right and top <= i // w < bottom)
    print(f"preview rectangle: {left},{top} {right - left}x{bottom - top}, other colours inside: {other}, "
          f"changed inside: {inside}, changed outside: {len(moved) - inside}")
    return (right - left) * (bottom - top) >= int(min_area) and other == 0 and 0 < inside == len(moved)


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
    return shown.size() == (width, height) and (to_drawn == 0 if natural else to_drawn < 0.8 * to_other)


class XFixesCursorImage(ctypes.Structure):
    """The fields read, up to the pixels; the server's structure goes on."""
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong))]


def cursor(expect):
    """The X server's current cursor image: 'hidden' holds when every pixel
    is fully transparent, 'shown' when at least one is not."""
    x11, xfixes = (ctypes.CDLL(ctypes.util.find_library(name)) for name in ("X11", "Xfixes"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(XFixesCursorImage)
    display = x11.XOpenDisplay(None)
    if not display:
        print("cannot open the display")
        return False
    image = xfixes.XFixesGetCursorImage(ctypes.c_void_p(display)).contents
    opaque = sum(1 for i in range(image.width * image.height) if (image.pixels[i] >> 24) & 0xFF)
    print(f"cursor {image.width}x{image.height}, pixels not transparent: {opaque}")
    return (opaque == 0) == (expect == "hidden")


if __name__ == "__main__":
    checks = {"fullscreen": fullscreen, "preview": preview, "banner": banner, "cursor": cursor}
    if len(sys.argv) < 2 or sys.argv[1] not in checks:
        sys.exit(__doc__)
    sys.exit(0 if checks[sys.argv[1]](*sys.argv[2:]) else 1)
