#!/usr/bin/env python3
"""Checks the resources of a built Tidewell program file.

    resource_check.py PROGRAM.exe|PROGRAM.scr

pefile reads the resource directory, the string table and the version record;
this compares what the program needs with the expected values: the dialogs
with the table they are made from (res/dialogs.py), the rest with the values
below. Prints every difference and exits with 1 if there is any, 0 if none.
Reads the file, runs nothing from it.
"""

import os
import re
import struct
import sys
import xml.etree.ElementTree as ElementTree

import pefile

TOP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
sys.path.insert(0, os.path.join(TOP, "res"))
from dialogs import DIALOGS  # noqa: E402
from version import project_version, short_version  # noqa: E402

LANG_GERMAN_GERMANY = 0x0407
TYPES = pefile.RESOURCE_TYPE

MANIFEST_NAMESPACES = {
    "asm": "urn:schemas-microsoft-com:asm.v1",
    "asm3": "urn:schemas-microsoft-com:asm.v3",
    "compat": "urn:schemas-microsoft-com:compatibility.v1",
    "ws2005": "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
    "ws2016": "http://schemas.microsoft.com/SMI/2016/WindowsSettings",
}
# Per-monitor v2, falling back to per-monitor where v2 is unknown.
MANIFEST_DPI_AWARENESS = ["PerMonitorV2", "PerMonitor"]
MANIFEST_DPI_AWARE = "true/pm"
MANIFEST_COMMON_CONTROLS = {"type": "win32", "name": "Microsoft.Windows.Common-Controls",
                            "version": "6.0.0.0", "publicKeyToken": "6595b64144ccf1df"}
# Windows 7, 8, 8.1, and 10 and 11.
MANIFEST_SUPPORTED_OS = ["{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                         "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"]

DS_SETFONT = 0x40
# Predefined window classes that a template names by ordinal.
CLASS_ORDINALS = {"#128": "BUTTON", "#129": "EDIT", "#130": "STATIC",
                  "#131": "LISTBOX", "#132": "SCROLLBAR", "#133": "COMBOBOX"}


def named_values():
    """The numbers of the names the dialog table uses: resource ids from
    res/resource.h, control ids and style words from fw/Messages.h."""
    values = {}
    with open(os.path.join(TOP, "res", "resource.h")) as header:
        for name, value in re.findall(r"#define (\w+) \(?(-?(?:0x)?[0-9A-Fa-f]+)\)?", header.read()):
            values[name] = int(value, 0)
    with open(os.path.join(TOP, "fw", "Messages.h")) as header:
        for name, value in re.findall(r"constexpr \w+ (\w+) = (-?(?:0x)?[0-9A-Fa-f]+)u?;", header.read()):
            values[name] = int(value, 0)
    return values


VALUES = named_values()


def expected_dialogs():
    """{id: (header, [control, ...])} as the compiled templates must hold them."""
    def style(words):
        return sum(VALUES[word] for word in set(words))
    return {VALUES[d.id]: ((d.extended, d.x, d.y, d.cx, d.cy, style(d.style), d.caption, d.point_size, d.face),
                           [(VALUES[c.id], c.window_class.upper(),
                             "#%d" % VALUES[c.text[1]] if isinstance(c.text, tuple) else c.text,
                             c.x, c.y, c.cx, c.cy, style(c.style)) for c in d.controls])
            for d in DIALOGS}


_MAJOR, _MINOR, _PATCH = project_version()
VERSION = ((_MAJOR << 16) | _MINOR, _PATCH << 16)  # major.minor.patch.0 as two 32-bit halves
VERSION_STRINGS = {
    "Comments": "Screen Saver for Windows",
    "CompanyName": "Orvalle",
    "FileDescription": "Orvalle Tidewell Screen Saver",
    "FileVersion": short_version(),
    "InternalName": "Tidewell",
    "LegalCopyright": "Copyright (C) Orvalle",
    "OriginalFilename": "Tidewell.scr",
    "ProductName": "Tidewell",
    "ProductVersion": short_version(),
}
# US English, Unicode: the block's name and the translation record.
VERSION_TABLES = {b"040904b0": VERSION_STRINGS}
VERSION_TRANSLATION = "0x0409 0x04b0"

# The banner drawn for each display scale, by id: (width, height).
BANNERS = {VALUES["IDB_BANNER"]: (500, 250), VALUES["IDB_BANNER_150"]: (750, 375),
           VALUES["IDB_BANNER_200"]: (1000, 500)}
ICON_SIZES = [16, 32]
CURSOR_SIZE = 32


class Cursor:
    """Reads a resource's fields in order; struct.error past its end."""

    def __init__(self, data):
        self.data, self.at = data, 0

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.at)
        self.at += struct.calcsize("<" + fmt)
        return values

    def wide_string(self):
        chars = []
        while chars[-1:] != [0]:
            chars += self.take("H")
        return "".join(map(chr, chars[:-1]))

    def name_or_ordinal(self):
        """A template's sz_Or_Ord: "", "#ordinal" or the string."""
        first, = struct.unpack_from("<H", self.data, self.at)
        if first == 0xFFFF:
            return "#%d" % self.take("HH")[1]
        return self.wide_string()

    def align(self):
        self.at = (self.at + 3) & ~3


def read_dialog(data):
    """A DIALOG or DIALOGEX template as expected_dialogs() gives one."""
    r = Cursor(data)
    extended = r.take("HH") == (1, 0xFFFF)
    r.at = 0
    if extended:
        _, _, _, _, style, count, x, y, cx, cy = r.take("HHIIIHhhhh")
    else:
        style, _, count, x, y, cx, cy = r.take("IIHhhhh")
    r.name_or_ordinal(), r.name_or_ordinal()  # menu and class: none
    header = [extended, x, y, cx, cy, style, r.wide_string(), None, None]
    if style & DS_SETFONT:
        header[7] = r.take("H")[0]
        if extended:
            r.take("HBB")  # weight, italic, charset
        header[8] = r.wide_string()
    controls = []
    for _ in range(count):
        r.align()
        if extended:
            _, _, item_style, cx_x, cx_y, cx_cx, cx_cy, item_id = r.take("IIIhhhhi")
        else:
            item_style, _, cx_x, cx_y, cx_cx, cx_cy, item_id = r.take("IIhhhhh")
        window_class = r.name_or_ordinal()
        window_class = CLASS_ORDINALS.get(window_class, window_class).upper()
        text = r.name_or_ordinal()
        r.at += 2 + r.take("H")[0]  # creation data
        controls.append((item_id, window_class, text, cx_x, cx_y, cx_cx, cx_cy, item_style))
    return tuple(header), controls


def resources_of(pe):
    """{(type, name): bytes} of a resource directory where every resource
    is German (Germany); any other language is a failure."""
    found, failures = {}, []
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name in kind.directory.entries:
            key = (kind.id, name.id if name.id is not None else str(name.name))
            languages = {entry.id: entry.data.struct for entry in name.directory.entries}
            if list(languages) != [LANG_GERMAN_GERMANY]:
                failures.append("%s has languages %s, expected only 0x0407"
                                % (label(key), ", ".join("0x%04X" % lang for lang in languages)))
            data = languages.get(LANG_GERMAN_GERMANY)
            if data is not None:
                found[key] = pe.get_data(data.OffsetToData, data.Size)
    return found, failures


def label(key):
    return "%s %s" % (pefile.RESOURCE_TYPE.get(key[0], key[0]), key[1])


def bitmap_info(data, at=0):
    """(width, height, bits, colours) and where the pixels start."""
    size, width, height, _, bits, _, _, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", data, at)
    colours = used or (1 << bits if bits <= 8 else 0)
    return (width, height, bits, colours), at + size + 4 * colours


def stride(width, bits):
    return (width * bits + 31) // 32 * 4


def image_masks(data, at, size):
    """An icon or cursor image's header fields and its XOR and AND masks."""
    info, pixels = bitmap_info(data, at)
    xor_end = pixels + stride(size, info[2]) * size
    return info, data[pixels:xor_end], data[xor_end:xor_end + stride(size, 1) * size]


class Check:
    def __init__(self, pe):
        self.resources, self.failures = resources_of(pe)
        self.pe = pe
        self.used = set()

    def equal(self, what, actual, expected):
        if actual != expected:
            self.failures.append("%s: found %r, expected %r" % (what, actual, expected))

    def take(self, kind, name):
        """The data of a resource the program needs; None if it is missing."""
        key = (TYPES[kind], name)
        self.used.add(key)
        if key not in self.resources:
            self.failures.append("%s is missing" % label(key))
        return self.resources.get(key)

    def group(self, kind, name, entry_format):
        """The (width, height, id) of each image of an icon or cursor group."""
        data = self.take(kind, name)
        if data is None:
            return []
        count, = struct.unpack_from("<H", data, 4)
        entries = [struct.unpack_from(entry_format, data, 6 + 14 * i) for i in range(count)]
        return [(entry[0] or 256, entry[1] or 256, entry[-1]) for entry in entries]

    def dialogs(self):
        for dialog_id, (header, controls) in expected_dialogs().items():
            data = self.take("RT_DIALOG", dialog_id)
            if data is None:
                continue
            found_header, found_controls = read_dialog(data)
            self.equal("dialog %d (extended, x, y, cx, cy, style, caption, point size, face)" % dialog_id,
                       found_header, header)
            self.equal("dialog %d control count" % dialog_id, len(found_controls), len(controls))
            for found, wanted in zip(found_controls, controls):
                self.equal("dialog %d control %r (id, class, text, x, y, cx, cy, style)" % (dialog_id, wanted[2]),
                           found, wanted)

    def bitmaps(self):
        for bitmap_id, (width, height) in BANNERS.items():
            data = self.take("RT_BITMAP", bitmap_id)
            if data is not None:
                info, pixels = bitmap_info(data)
                self.equal("bitmap %d (width, height, bits, colours)" % bitmap_id, info, (width, height, 8, 256))
                self.equal("bitmap %d length" % bitmap_id, len(data), pixels + stride(width, 8) * height)

    def icons(self):
        entries = self.group("RT_GROUP_ICON", VALUES["IDR_MAINFRAME"], "<BBHHHIH")
        self.equal("icon sizes", [entry[:2] for entry in entries], [(size, size) for size in ICON_SIZES])
        for size, _, image_id in entries:
            image = self.take("RT_ICON", image_id)
            if image is not None:
                info, _, and_mask = image_masks(image, 0, size)
                self.equal("icon %d (width, 2 x height, bits)" % image_id, info[:3], (size, 2 * size, 4))
                if any(and_mask):
                    self.failures.append("icon %d: AND mask is not all zero, the icon is not opaque" % image_id)

    def cursor(self):
        # A cursor group stores the height of both masks, twice the image's.
        entries = self.group("RT_GROUP_CURSOR", VALUES["IDC_NULLCURSOR"], "<HHHHIH")
        self.equal("cursor sizes", [entry[:2] for entry in entries], [(CURSOR_SIZE, 2 * CURSOR_SIZE)])
        image = self.take("RT_CURSOR", entries[0][2]) if entries else None
        if image is None:
            return
        # A cursor image starts with its hot spot, then the bitmap.
        info, xor_mask, and_mask = image_masks(image, 4, CURSOR_SIZE)
        self.equal("cursor (hot spot, width, 2 x height, bits)", struct.unpack_from("<HH", image) + info[:3],
                   (0, 0, CURSOR_SIZE, 2 * CURSOR_SIZE, 1))
        if any(xor_mask) or and_mask != b"\xff" * len(and_mask) or not and_mask:
            self.failures.append("cursor: not transparent (XOR mask not all zero or AND mask not all ones)")

    def strings(self):
        if self.take("RT_STRING", 1) is not None:
            found = {}
            for kind in self.pe.DIRECTORY_ENTRY_RESOURCE.entries:
                if kind.id == TYPES["RT_STRING"]:
                    for block in kind.directory.entries:
                        found.update(block.directory.strings)
            self.equal("strings", found, {VALUES["IDS_DESCRIPTION"]: "Tidewell"})

    def version(self):
        if self.take("RT_VERSION", 1) is None or not hasattr(self.pe, "VS_FIXEDFILEINFO"):
            self.failures.append("version record not readable")
            return
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        self.equal("file version", (fixed.FileVersionMS, fixed.FileVersionLS), VERSION)
        self.equal("product version", (fixed.ProductVersionMS, fixed.ProductVersionLS), VERSION)
        tables, translations = {}, []
        for info in self.pe.FileInfo[0]:
            for table in getattr(info, "StringTable", []):
                tables[table.LangID] = {key.decode(): value.decode() for key, value in table.entries.items()}
            for var in getattr(info, "Var", []):
                translations.append(var.entry.get(b"Translation"))
        self.equal("version strings", tables, VERSION_TABLES)
        self.equal("version translation", translations, [VERSION_TRANSLATION])

    def manifest(self):
        data = self.take("RT_MANIFEST", 1)  # the one the loader reads for the process
        if data is None:
            return
        try:
            root = ElementTree.fromstring(data)
        except ElementTree.ParseError as error:
            self.failures.append("manifest is not well-formed XML: %s" % error)
            return
        ns = MANIFEST_NAMESPACES

        def text(path):
            found = root.find("asm3:application/asm3:windowsSettings/" + path, ns)
            return None if found is None else (found.text or "").strip()
        awareness = text("ws2016:dpiAwareness")
        self.equal("manifest dpiAwareness", awareness and [part.strip() for part in awareness.split(",")],
                   MANIFEST_DPI_AWARENESS)
        self.equal("manifest dpiAware", text("ws2005:dpiAware"), MANIFEST_DPI_AWARE)
        identities = [{key: found.get(key) for key in MANIFEST_COMMON_CONTROLS}
                      for found in root.findall("asm:dependency/asm:dependentAssembly/asm:assemblyIdentity", ns)]
        if MANIFEST_COMMON_CONTROLS not in identities:
            self.failures.append("manifest has no dependency on the common controls 6: %s" % identities)
        supported = [found.get("Id") for found in
                     root.findall("compat:compatibility/compat:application/compat:supportedOS", ns)]
        self.equal("manifest supportedOS", sorted(supported), MANIFEST_SUPPORTED_OS)


def check_program(path):
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return ["the file has no resource directory"]
    check = Check(pe)
    for part in (check.dialogs, check.bitmaps, check.icons, check.cursor, check.strings, check.version,
                 check.manifest):
        try:
            part()
        except (struct.error, ValueError) as error:
            check.failures.append("%s: unreadable: %s" % (part.__name__, error))
    for key in sorted(set(check.resources) - check.used, key=str):
        check.failures.append("unexpected resource: " + label(key))
    return check.failures


def main(argv):
    if len(argv) != 2 or argv[1].startswith("--"):
        sys.stderr.write(__doc__)
        return 2
    what = argv[1]
    try:
        failures = check_program(what)
    except (OSError, pefile.PEFormatError) as error:
        print("resource check failed for %s: %s" % (what, error))
        return 1
    for failure in failures:
        print("resource check: %s: %s" % (what, failure))
    if failures:
        print("resource check failed for %s: %d difference(s)" % (what, len(failures)))
        return 1
    print("resource check passed for %s" % what)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
