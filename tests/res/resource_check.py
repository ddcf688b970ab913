#!/usr/bin/env python3
"""Checks the resources of a built Tidewell program file byte for byte.

    resource_check.py PROGRAM.exe|PROGRAM.scr

Reads the file's resource directory and compares every resource the program
needs with the expected values: the dialogs with the table they are made
from (res/dialogs.py), the rest with the values written out below. Prints
every difference and exits with 1 if there is any, 0 if none. Standard
library only; reads the file, runs nothing from it.
"""

import os
import re
import struct
import sys
import xml.etree.ElementTree as ElementTree

TOP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
sys.path.insert(0, os.path.join(TOP, "res"))
from dialogs import DIALOGS  # noqa: E402
from version import project_version, short_version  # noqa: E402

LANG_GERMAN_GERMANY = 0x0407

RT_CURSOR = 1
RT_BITMAP = 2
RT_ICON = 3
RT_DIALOG = 5
RT_STRING = 6
RT_GROUP_CURSOR = 12
RT_GROUP_ICON = 14
RT_VERSION = 16
RT_MANIFEST = 24

TYPE_NAMES = {
    RT_CURSOR: "cursor", RT_BITMAP: "bitmap", RT_ICON: "icon", RT_DIALOG: "dialog",
    RT_STRING: "string table", RT_GROUP_CURSOR: "cursor group",
    RT_GROUP_ICON: "icon group", RT_VERSION: "version", RT_MANIFEST: "manifest",
}

STRING_BLOCK_OF_DESCRIPTION = 1  # strings 0..15
VERSION_ID = 1
MANIFEST_ID = 1  # the one the loader reads for the process

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
MANIFEST_SUPPORTED_OS = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                         "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                         "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                         "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}

DS_SETFONT = 0x40

# Predefined window classes that a template names by ordinal.
CLASS_ORDINALS = {0x80: "BUTTON", 0x81: "EDIT", 0x82: "STATIC",
                  0x83: "LISTBOX", 0x84: "SCROLLBAR", 0x85: "COMBOBOX"}


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


def expected_dialogs():
    """The dialogs of the table as the compiled templates must hold them."""
    values = named_values()
    dialogs = []
    for d in DIALOGS:
        extended = {"helpId": 0} if d.extended else {}
        controls = [dict(id=values[c.id], className=c.window_class.upper(),
                         text="#%d" % values[c.text[1]] if isinstance(c.text, tuple) else c.text,
                         x=c.x, y=c.y, cx=c.cx, cy=c.cy,
                         style=sum(values[word] for word in set(c.style)),
                         exStyle=0, extra=b"", **extended)
                    for c in d.controls]
        dialog = dict(id=values[d.id], kind="DIALOGEX" if d.extended else "DIALOG",
                      x=d.x, y=d.y, cx=d.cx, cy=d.cy, style=sum(values[word] for word in set(d.style)),
                      exStyle=0, menu=None, windowClass=None, caption=d.caption,
                      pointSize=d.point_size, faceName=d.face, controls=controls, **extended)
        if d.extended:
            dialog.update(weight=0, italic=0, charset=0)
        dialogs.append(dialog)
    return dialogs


_VALUES = named_values()
IDR_MAINFRAME = _VALUES["IDR_MAINFRAME"]
IDC_NULLCURSOR = _VALUES["IDC_NULLCURSOR"]
IDB_BANNER = _VALUES["IDB_BANNER"]
IDB_BANNER_150 = _VALUES["IDB_BANNER_150"]
IDB_BANNER_200 = _VALUES["IDB_BANNER_200"]


DESCRIPTION = "Tidewell"

_MAJOR, _MINOR, _PATCH = project_version()
VERSION_FIXED = ((_MAJOR << 16) | _MINOR, _PATCH << 16)  # major.minor.patch.0 as two 32-bit halves
VERSION_BLOCK = "040904b0"
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
VERSION_TRANSLATION = (0x0409, 0x04B0)

BANNER_SIZE = (500, 250)
# The banner drawn for other display scales, by id.
BANNERS = {IDB_BANNER: BANNER_SIZE, IDB_BANNER_150: (750, 375), IDB_BANNER_200: (1000, 500)}
ICON_SIZES = (16, 32)
CURSOR_SIZE = 32


class FormatError(Exception):
    """The input is not what it claims to be (truncated, not a PE, ...)."""


class Reader:
    """Bounds-checked little-endian reads from a byte string."""

    def __init__(self, data, what):
        self.data = data
        self.what = what

    def unpack(self, fmt, offset):
        size = struct.calcsize(fmt)
        if offset < 0 or offset + size > len(self.data):
            raise FormatError("%s: %d bytes wanted at offset %d, only %d there"
                              % (self.what, size, offset, len(self.data)))
        return struct.unpack_from("<" + fmt, self.data, offset)

    def word(self, offset):
        return self.unpack("H", offset)[0]

    def dword(self, offset):
        return self.unpack("I", offset)[0]

    def wide_string(self, offset):
        """A NUL-terminated UTF-16 string; returns (text, offset after it)."""
        chars = []
        while True:
            char = self.word(offset)
            offset += 2
            if char == 0:
                return "".join(map(chr, chars)), offset
            chars.append(char)

    def name_or_ordinal(self, offset):
        """A template's sz_Or_Ord: None, an int ordinal or a string."""
        first = self.word(offset)
        if first == 0x0000:
            return None, offset + 2
        if first == 0xFFFF:
            return self.word(offset + 2), offset + 4
        return self.wide_string(offset)


def align4(offset):
    return (offset + 3) & ~3


# --- PE file and its resource directory -------------------------------------

class PeResources:
    """The resources of a PE file: {(type, name): {language: bytes}}."""

    def __init__(self, data):
        self.file = Reader(data, "file")
        self.sections = []
        self.resources = {}
        directory_rva, directory_size = self._read_headers()
        if directory_rva == 0 or directory_size == 0:
            raise FormatError("the file has no resource directory")
        self.base_rva = directory_rva
        self.base = self._offset_of(directory_rva)
        self._walk()

    def _read_headers(self):
        if self.file.unpack("2s", 0)[0] != b"MZ":
            raise FormatError("not an executable: no MZ signature")
        pe = self.file.dword(0x3C)
        if self.file.unpack("4s", pe)[0] != b"PE\0\0":
            raise FormatError("not a PE file: no PE signature")
        sections, optional_size = self.file.unpack("2xH12xH2x", pe + 4)
        optional = pe + 24
        magic = self.file.word(optional)
        if magic == 0x10B:
            count_at, directories = optional + 92, optional + 96
        elif magic == 0x20B:
            count_at, directories = optional + 108, optional + 112
        else:
            raise FormatError("unknown optional header magic 0x%X" % magic)
        if self.file.dword(count_at) <= 2:
            return 0, 0
        table = optional + optional_size
        for index in range(sections):
            virtual_size, virtual_address, raw_size, raw_offset = \
                self.file.unpack("8xIIII", table + 40 * index)
            self.sections.append((virtual_address, max(virtual_size, raw_size),
                                  raw_offset, raw_size))
        return self.file.unpack("II", directories + 8 * 2)

    def _offset_of(self, rva):
        for virtual_address, extent, raw_offset, raw_size in self.sections:
            if virtual_address <= rva < virtual_address + extent:
                if rva - virtual_address >= raw_size:
                    raise FormatError("RVA 0x%X lies past its section's data" % rva)
                return raw_offset + rva - virtual_address
        raise FormatError("RVA 0x%X lies in no section" % rva)

    def _entries(self, directory):
        named, numbered = self.file.unpack("12xHH", self.base + directory)
        for index in range(named + numbered):
            entry = self.base + directory + 16 + 8 * index
            name, target = self.file.unpack("II", entry)
            if name & 0x80000000:
                length = self.file.word(self.base + (name & 0x7FFFFFFF))
                raw = self.file.unpack("%ds" % (2 * length), self.base + (name & 0x7FFFFFFF) + 2)[0]
                name = raw.decode("utf-16-le")
            yield name, target

    def _subdirectory(self, target, level):
        if not target & 0x80000000:
            raise FormatError("resource directory level %d holds data, not a directory" % level)
        return target & 0x7FFFFFFF

    def _walk(self):
        for type_id, type_target in self._entries(0):
            for name, name_target in self._entries(self._subdirectory(type_target, 1)):
                languages = {}
                for language, data_target in self._entries(self._subdirectory(name_target, 2)):
                    if data_target & 0x80000000:
                        raise FormatError("resource directory nested deeper than three levels")
                    rva, size = self.file.unpack("II", self.base + data_target)
                    languages[language] = self.file.unpack("%ds" % size, self._offset_of(rva))[0]
                self.resources[(type_id, name)] = languages


# --- Resource formats --------------------------------------------------------

def read_dialog(data, resource_id):
    """Parses a DIALOG or DIALOGEX template into the checker's dictionary."""
    r = Reader(data, "dialog %s" % resource_id)
    dialog = {"id": resource_id}
    extended = r.unpack("HH", 0) == (1, 0xFFFF)
    if extended:
        dialog["kind"] = "DIALOGEX"
        help_id, ex_style, style, count, x, y, cx, cy = r.unpack("IIIHhhhh", 4)
        dialog["helpId"] = help_id
        offset = 26
    else:
        dialog["kind"] = "DIALOG"
        style, ex_style, count, x, y, cx, cy = r.unpack("IIHhhhh", 0)
        offset = 18
    dialog.update(style=style, exStyle=ex_style, x=x, y=y, cx=cx, cy=cy)
    dialog["menu"], offset = r.name_or_ordinal(offset)
    dialog["windowClass"], offset = r.name_or_ordinal(offset)
    dialog["caption"], offset = r.wide_string(offset)
    if style & DS_SETFONT:  # DS_SHELLFONT includes it
        dialog["pointSize"] = r.word(offset)
        offset += 2
        if extended:
            dialog["weight"], dialog["italic"], dialog["charset"] = r.unpack("HBB", offset)
            offset += 4
        dialog["faceName"], offset = r.wide_string(offset)
    controls = []
    for _ in range(count):
        offset = align4(offset)
        item = {}
        if extended:
            item["helpId"], item["exStyle"], item["style"], item["x"], item["y"], \
                item["cx"], item["cy"], item["id"] = r.unpack("IIIhhhhi", offset)
            offset += 24
        else:
            item["style"], item["exStyle"], item["x"], item["y"], item["cx"], \
                item["cy"], item["id"] = r.unpack("IIhhhhh", offset)
            offset += 18
        window_class, offset = r.name_or_ordinal(offset)
        if isinstance(window_class, int):
            window_class = CLASS_ORDINALS.get(window_class, "#%d" % window_class)
        item["className"] = window_class
        text, offset = r.name_or_ordinal(offset)
        item["text"] = "#%d" % text if isinstance(text, int) else (text or "")
        extra = r.word(offset)
        item["extra"] = r.unpack("%ds" % extra, offset + 2)[0]
        offset += 2 + extra
        controls.append(item)
    dialog["controls"] = controls
    return dialog


def read_bitmap_info(r, offset):
    size, width, height, planes, bits, compression, image_size, _, _, used, _ = \
        r.unpack("IiiHHIIiiII", offset)
    return {"headerSize": size, "width": width, "height": height, "planes": planes,
            "bits": bits, "compression": compression, "imageSize": image_size,
            "colours": used if used else (1 << bits if bits <= 8 else 0)}


def row_stride(width, bits):
    return (width * bits + 31) // 32 * 4


def icon_masks(r, offset, size):
    """The XOR and AND masks of an icon or cursor image at offset."""
    info = read_bitmap_info(r, offset)
    start = offset + info["headerSize"] + 4 * info["colours"]
    xor_size = row_stride(size, info["bits"]) * size
    and_size = row_stride(size, 1) * size
    xor_mask = r.unpack("%ds" % xor_size, start)[0]
    and_mask = r.unpack("%ds" % and_size, start + xor_size)[0]
    return info, xor_mask, and_mask, start + xor_size + and_size


def read_group(data, what):
    """An icon or cursor group: (type, [entry dicts])."""
    r = Reader(data, what)
    reserved, kind, count = r.unpack("HHH", 0)
    entries = []
    for index in range(count):
        at = 6 + 14 * index
        if kind == 1:
            width, height, colours, _, planes, bits, size, image_id = \
                r.unpack("BBBBHHIH", at)
        else:
            width, height, planes, bits, size, image_id = r.unpack("HHHHIH", at)
            colours = None
        entries.append({"width": width, "height": height, "colours": colours,
                        "planes": planes, "bits": bits, "bytes": size, "id": image_id})
    return reserved, kind, entries


def read_string_block(data):
    r = Reader(data, "string table")
    strings, offset = [], 0
    for _ in range(16):
        length = r.word(offset)
        raw = r.unpack("%ds" % (2 * length), offset + 2)[0]
        strings.append(raw.decode("utf-16-le"))
        offset += 2 + 2 * length
    return strings


def read_version_node(r, offset):
    """One node of a version resource: (key, value, children, end)."""
    length, value_length, value_type = r.unpack("HHH", offset)
    if length < 6:
        raise FormatError("version node at %d has length %d" % (offset, length))
    end = offset + length
    key, at = r.wide_string(offset + 6)
    at = align4(at)
    if value_type == 1:
        raw = r.unpack("%ds" % (2 * value_length), at)[0]
        value = raw.decode("utf-16-le").rstrip("\0")
        at += 2 * value_length
    else:
        value = r.unpack("%ds" % value_length, at)[0]
        at += value_length
    children = []
    at = align4(at)
    while at < end:
        child = read_version_node(r, at)
        children.append(child)
        at = align4(child[3])
    return key, value, children, end


# --- The checks --------------------------------------------------------------

class Check:
    def __init__(self):
        self.failures = []

    def fail(self, message):
        self.failures.append(message)

    def equal(self, what, actual, expected, hexadecimal=False):
        if actual != expected:
            show = (lambda v: "0x%08X" % v if isinstance(v, int) else repr(v)) \
                if hexadecimal else repr
            self.fail("%s: found %s, expected %s" % (what, show(actual), show(expected)))
            return False
        return True

    def compare_dialog(self, actual, expected):
        name = "dialog %d" % expected["id"]
        for key, value in expected.items():
            if key == "controls":
                continue
            self.equal("%s %s" % (name, key), actual.get(key), value,
                       hexadecimal=key.lower().endswith("style"))
        controls = actual.get("controls", [])
        if not self.equal("%s control count" % name, len(controls), len(expected["controls"])):
            return
        for index, (found, wanted) in enumerate(zip(controls, expected["controls"]), 1):
            for key, value in wanted.items():
                found_value = found.get(key)
                if key == "className" and isinstance(found_value, str):
                    found_value = found_value.upper()  # class names ignore case
                self.equal("%s control %d (%r) %s" % (name, index, wanted["text"], key),
                           found_value, value, hexadecimal=key.lower().endswith("style"))


def label_of(key):
    type_id, name = key
    return "%s %s" % (TYPE_NAMES.get(type_id, "type %s" % type_id), name)


def only_resource(check, resources, key):
    """The data of a resource that must exist once, in German (Germany)."""
    label = label_of(key)
    languages = resources.get(key)
    if not languages:
        check.fail("%s is missing" % label)
        return None
    if LANG_GERMAN_GERMANY not in languages:
        check.fail("%s has language %s, expected 0x0407"
                   % (label, ", ".join("0x%04X" % lang for lang in languages)))
        return None
    return languages[LANG_GERMAN_GERMANY]


def check_languages(check, resources):
    for key, languages in sorted(resources.items(), key=str):
        if sorted(languages) != [LANG_GERMAN_GERMANY]:
            check.fail("%s has languages %s, expected only 0x0407"
                       % (label_of(key), ", ".join("0x%04X" % lang for lang in languages)))


def check_dialogs(check, resources):
    for expected in expected_dialogs():
        data = only_resource(check, resources, (RT_DIALOG, expected["id"]))
        if data is not None:
            check.compare_dialog(read_dialog(data, expected["id"]), expected)


def check_bitmap(check, resources, bitmap_id, size):
    data = only_resource(check, resources, (RT_BITMAP, bitmap_id))
    if data is None:
        return
    label = "bitmap %d" % bitmap_id
    r = Reader(data, label)
    info = read_bitmap_info(r, 0)
    check.equal(label + " header size", info["headerSize"], 40)
    check.equal(label + " size", (info["width"], info["height"]), size)
    check.equal(label + " planes", info["planes"], 1)
    check.equal(label + " bits per pixel", info["bits"], 8)
    check.equal(label + " compression", info["compression"], 0)
    check.equal(label + " palette entries", info["colours"], 256)
    width, height = size
    wanted = 40 + 4 * 256 + row_stride(width, 8) * height
    check.equal(label + " data length", len(data), wanted)


def group_entries(check, resources, key, label, kind):
    """The entries of an icon (kind 1) or cursor (kind 2) group."""
    data = only_resource(check, resources, key)
    if data is None:
        return None
    reserved, found_kind, entries = read_group(data, label)
    check.equal(label + " header", (reserved, found_kind), (0, kind))
    return entries


def group_image(check, resources, key, entry, label, header_at, size, bits):
    """Checks one image of a group against its entry and its expected format;
    returns (reader, XOR mask, AND mask), or None if the image is missing."""
    image = only_resource(check, resources, key)
    if image is None:
        return None
    check.equal(label + " length against its group entry", len(image), entry["bytes"])
    r = Reader(image, label)
    info, xor_mask, and_mask, end = icon_masks(r, header_at, size)
    check.equal(label + " header (width, height, bits, compression)",
                (info["width"], info["height"], info["bits"], info["compression"]),
                (size, 2 * size, bits, 0))
    check.equal(label + " data length", len(image), end)
    return r, xor_mask, and_mask


def check_icons(check, resources, referenced):
    label = "icon group 128"
    entries = group_entries(check, resources, (RT_GROUP_ICON, IDR_MAINFRAME), label, 1)
    if entries is None:
        return
    found = [(e["width"], e["height"], e["colours"], e["planes"], e["bits"]) for e in entries]
    check.equal(label + " images (width, height, colours, planes, bits)", found,
                [(size, size, 16, 1, 4) for size in ICON_SIZES])
    for entry in entries:
        key = (RT_ICON, entry["id"])
        referenced.add(key)
        size = entry["width"] or 256
        image_label = "icon %d (%dx%d)" % (entry["id"], size, size)
        image = group_image(check, resources, key, entry, image_label, 0, size, 4)
        if image is not None and any(image[2]):
            check.fail(image_label + ": AND mask is not all zero, the icon is not opaque")


def check_cursor(check, resources, referenced):
    label = "cursor group 129"
    entries = group_entries(check, resources, (RT_GROUP_CURSOR, IDC_NULLCURSOR), label, 2)
    if entries is None:
        return
    found = [(e["width"], e["height"], e["planes"], e["bits"]) for e in entries]
    # A cursor group stores the height of both masks, twice the image's.
    if not check.equal(label + " images (width, height, planes, bits)", found,
                       [(CURSOR_SIZE, 2 * CURSOR_SIZE, 1, 1)]):
        return
    entry = entries[0]
    key = (RT_CURSOR, entry["id"])
    referenced.add(key)
    image_label = "cursor %d" % entry["id"]
    # A cursor image starts with its hot spot, then the bitmap.
    image = group_image(check, resources, key, entry, image_label, 4, CURSOR_SIZE, 1)
    if image is None:
        return
    r, xor_mask, and_mask = image
    check.equal(image_label + " hot spot", r.unpack("HH", 0), (0, 0))
    if any(xor_mask):
        check.fail(image_label + ": XOR mask is not all zero")
    if any(byte != 0xFF for byte in and_mask):
        check.fail(image_label + ": AND mask is not all ones, the cursor is not transparent")


def check_strings(check, resources):
    data = only_resource(check, resources, (RT_STRING, STRING_BLOCK_OF_DESCRIPTION))
    if data is None:
        return
    strings = read_string_block(data)
    check.equal("string 1", strings[1], DESCRIPTION)
    others = {16 * (STRING_BLOCK_OF_DESCRIPTION - 1) + i: s
              for i, s in enumerate(strings) if i != 1 and s}
    check.equal("other strings of block 1", others, {})


def check_version(check, resources):
    data = only_resource(check, resources, (RT_VERSION, VERSION_ID))
    if data is None:
        return
    key, fixed, children, _ = read_version_node(Reader(data, "version"), 0)
    check.equal("version root key", key, "VS_VERSION_INFO")
    if len(fixed) < 52:
        check.fail("version: fixed file information is %d bytes, expected 52" % len(fixed))
    else:
        fields = struct.unpack_from("<13I", fixed)
        check.equal("version signature", fields[0], 0xFEEF04BD)
        check.equal("file version", fields[2:4], VERSION_FIXED)
        check.equal("product version", fields[4:6], VERSION_FIXED)
    blocks = {child[0]: child for child in children}
    check.equal("version blocks", sorted(blocks), ["StringFileInfo", "VarFileInfo"])
    if "StringFileInfo" in blocks:
        tables = blocks["StringFileInfo"][2]
        check.equal("string blocks", [table[0] for table in tables], [VERSION_BLOCK])
        if tables:
            values = {entry[0]: entry[1] for entry in tables[0][2]}
            check.equal("version strings", values, VERSION_STRINGS)
    if "VarFileInfo" in blocks:
        variables = {entry[0]: entry[1] for entry in blocks["VarFileInfo"][2]}
        translation = variables.get("Translation", b"")
        if len(translation) != 4:
            check.fail("version translation: %r, expected two 16-bit values" % translation)
        else:
            check.equal("version translation", struct.unpack("<HH", translation),
                        VERSION_TRANSLATION)


def check_manifest(check, resources):
    data = only_resource(check, resources, (RT_MANIFEST, MANIFEST_ID))
    if data is None:
        return
    try:
        root = ElementTree.fromstring(data)
    except ElementTree.ParseError as error:
        check.fail("manifest is not well-formed XML: %s" % error)
        return
    ns = MANIFEST_NAMESPACES
    check.equal("manifest root", root.tag, "{%s}assembly" % ns["asm"])

    def text(path):
        found = root.find(path, ns)
        return None if found is None else (found.text or "").strip()
    settings = "asm3:application/asm3:windowsSettings/"
    awareness = text(settings + "ws2016:dpiAwareness")
    check.equal("manifest dpiAwareness",
                awareness and [part.strip() for part in awareness.split(",")], MANIFEST_DPI_AWARENESS)
    check.equal("manifest dpiAware", text(settings + "ws2005:dpiAware"), MANIFEST_DPI_AWARE)
    identities = [{key: found.get(key) for key in MANIFEST_COMMON_CONTROLS}
                  for found in root.findall("asm:dependency/asm:dependentAssembly/asm:assemblyIdentity", ns)]
    if MANIFEST_COMMON_CONTROLS not in identities:
        check.fail("manifest has no dependency on the common controls 6: %s" % identities)
    supported = {found.get("Id") for found in
                 root.findall("compat:compatibility/compat:application/compat:supportedOS", ns)}
    check.equal("manifest supportedOS", sorted(supported), sorted(MANIFEST_SUPPORTED_OS))


def check_program(path):
    with open(path, "rb") as handle:
        resources = PeResources(handle.read()).resources
    check = Check()
    check_languages(check, resources)
    check_dialogs(check, resources)
    for bitmap_id, size in BANNERS.items():
        check_bitmap(check, resources, bitmap_id, size)
    referenced = set()
    check_icons(check, resources, referenced)
    check_cursor(check, resources, referenced)
    check_strings(check, resources)
    check_version(check, resources)
    check_manifest(check, resources)
    wanted = {(RT_MANIFEST, MANIFEST_ID)} | {(RT_DIALOG, dialog["id"]) for dialog in expected_dialogs()} | {
              (RT_GROUP_ICON, IDR_MAINFRAME), (RT_GROUP_CURSOR, IDC_NULLCURSOR),
              (RT_STRING, STRING_BLOCK_OF_DESCRIPTION),
              (RT_VERSION, VERSION_ID)} | {(RT_BITMAP, bitmap_id) for bitmap_id in BANNERS} | referenced
    for key in sorted(set(resources) - wanted, key=str):
        check.fail("unexpected resource: " + label_of(key))
    return check.failures


def main(argv):
    if len(argv) != 2 or argv[1].startswith("--"):
        sys.stderr.write(__doc__)
        return 2
    what = argv[1]
    try:
        failures = check_program(what)
    except (OSError, FormatError) as error:
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
