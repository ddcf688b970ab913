#!/usr/bin/env python3
"""Shows that the resource check catches faults: it passes on a good file and
fails, with a message that names the fault, on copies damaged on purpose.

    test_resource_check.py --program GOOD.exe --bare NO_RESOURCES.exe
    test_resource_check.py --table-program DUMP_TOOL
"""

import argparse
import os
import shutil
import stat
import struct
import subprocess
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # keep the source folder clean
HERE = os.path.dirname(os.path.abspath(__file__))
CHECK = os.path.join(HERE, "resource_check.py")
sys.path.insert(0, HERE)
import resource_check as rc  # noqa: E402

ARGS = None


def run_check(*arguments):
    result = subprocess.run([sys.executable, CHECK, *arguments],
                            capture_output=True, text=True)
    return result.returncode, result.stdout + result.stderr


class CheckerTestCase(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="tidewell-res-")

    def tearDown(self):
        shutil.rmtree(self.folder)

    def assertFails(self, arguments, *phrases):
        code, output = run_check(*arguments)
        self.assertEqual(code, 1, output)
        self.assertNotIn("Traceback", output)
        for phrase in phrases:
            self.assertIn(phrase, output)


class ProgramFileTest(CheckerTestCase):
    """Damages one resource of a good program file at a time."""

    def setUp(self):
        super().setUp()
        if not ARGS.program:
            self.skipTest("needs --program and --bare")
        with open(ARGS.program, "rb") as handle:
            self.good = handle.read()
        self.pe = rc.PeResources(self.good)

    def data_offset(self, type_id, name):
        return self.pe.locations[(type_id, name, rc.LANG_GERMAN_GERMANY)][0]

    def damaged(self, *patches):
        """A copy with (offset, bytes) patches applied; returns its path."""
        data = bytearray(self.good)
        for offset, replacement in patches:
            data[offset:offset + len(replacement)] = replacement
        path = os.path.join(self.folder, "damaged.exe")
        with open(path, "wb") as handle:
            handle.write(data)
        return path

    def test_good_file_passes(self):
        code, output = run_check(ARGS.program)
        self.assertEqual(code, 0, output)

    def test_dialog_style_byte_changed(self):
        # DIALOGEX: version, signature, help id, extended style, then style.
        style_high_byte = self.data_offset(rc.RT_DIALOG, rc.IDD_SETTINGS) + 12 + 3
        path = self.damaged((style_high_byte, b"\x80"))  # WS_VISIBLE dropped
        self.assertFails([path], "dialog 102 style: found 0x80C800C0, expected 0x90C800C0")

    def test_hidden_preview_marker_made_visible(self):
        dialog = rc.read_dialog(self.pe.resources[(rc.RT_DIALOG, rc.IDD_SETTINGS)][0x0407], 102)
        self.assertEqual(dialog["controls"][12]["id"], 1006)
        data = self.pe.resources[(rc.RT_DIALOG, rc.IDD_SETTINGS)][0x0407]
        marker = data.index(struct.pack("<IhhhhI", 0x40000000, 5, 302, 333, 73, 1006))
        start = self.data_offset(rc.RT_DIALOG, rc.IDD_SETTINGS) + marker
        path = self.damaged((start, struct.pack("<I", 0x50000000)))
        self.assertFails([path], "dialog 102 control 13", "style: found 0x50000000")

    def test_about_box_button_moved(self):
        data = self.pe.resources[(rc.RT_DIALOG, rc.IDD_ABOUTBOX)][0x0407]
        button = data.index(struct.pack("<hhhhH", 176, 6, 32, 14, 1))
        start = self.data_offset(rc.RT_DIALOG, rc.IDD_ABOUTBOX) + button
        path = self.damaged((start, struct.pack("<h", 177)))
        self.assertFails([path], "dialog 100 control 4", "x: found 177")

    def test_wrong_language(self):
        _, language_entry = self.pe.locations[(rc.RT_BITMAP, rc.IDB_BANNER, 0x0407)]
        path = self.damaged((language_entry, struct.pack("<I", 0x0409)))
        self.assertFails([path], "bitmap 133", "0x0409")

    def test_bitmap_compressed(self):
        compression = self.data_offset(rc.RT_BITMAP, rc.IDB_BANNER) + 16
        path = self.damaged((compression, struct.pack("<I", 1)))
        self.assertFails([path], "bitmap 133 compression")

    def group_image(self, group_type, group_id, index):
        """(image id, file offset of its last byte) of a group's image."""
        data = self.pe.resources[(group_type, group_id)][rc.LANG_GERMAN_GERMANY]
        entry = rc.read_group(data, "group")[2][index]
        image_type = rc.RT_ICON if group_type == rc.RT_GROUP_ICON else rc.RT_CURSOR
        start = self.data_offset(image_type, entry["id"])
        return entry["id"], start, start + entry["bytes"] - 1

    def test_icon_not_opaque(self):
        image_id, _, last_byte = self.group_image(rc.RT_GROUP_ICON, rc.IDR_MAINFRAME, 1)
        path = self.damaged((last_byte, b"\x01"))
        self.assertFails([path], "icon %d" % image_id, "AND mask is not all zero")

    def test_cursor_not_transparent(self):
        image_id, _, last_byte = self.group_image(rc.RT_GROUP_CURSOR, rc.IDC_NULLCURSOR, 0)
        path = self.damaged((last_byte, b"\x7F"))
        self.assertFails([path], "cursor %d" % image_id, "AND mask is not all ones")

    def test_cursor_hot_spot_moved(self):
        _, start, _ = self.group_image(rc.RT_GROUP_CURSOR, rc.IDC_NULLCURSOR, 0)
        path = self.damaged((start, b"\x05"))
        self.assertFails([path], "hot spot")

    def test_description_string_changed(self):
        data = self.pe.resources[(rc.RT_STRING, 1)][0x0407]
        at = data.index("Tidewell".encode("utf-16-le"))
        path = self.damaged((self.data_offset(rc.RT_STRING, 1) + at, "X".encode("utf-16-le")))
        self.assertFails([path], "string 1", "Xidewell")

    def test_version_string_changed(self):
        data = self.pe.resources[(rc.RT_VERSION, 1)][0x0407]
        at = data.index("Tidewell.scr".encode("utf-16-le"))
        path = self.damaged((self.data_offset(rc.RT_VERSION, 1) + at, "M".encode("utf-16-le")))
        self.assertFails([path], "version strings", "Midewell.scr")

    def test_fixed_file_version_changed(self):
        data = self.pe.resources[(rc.RT_VERSION, 1)][0x0407]
        at = data.index(struct.pack("<I", 0xFEEF04BD)) + 12  # low half of the file version
        path = self.damaged((self.data_offset(rc.RT_VERSION, 1) + at, struct.pack("<I", 2)))
        self.assertFails([path], "file version")

    def manifest_patch(self, old, new):
        data = self.pe.resources[(rc.RT_MANIFEST, rc.MANIFEST_ID)][0x0407]
        return self.data_offset(rc.RT_MANIFEST, rc.MANIFEST_ID) + data.index(old), new

    def test_manifest_faults(self):
        for old, new, phrase in [(b"PerMonitorV2,", b"PerMonitor  ,", "dpiAwareness"),
                                 (b"true/pm", b"true   ", "dpiAware"),
                                 (b"6.0.0.0", b"5.8.0.0", "common controls 6"),
                                 (b"8e0f7a12", b"0e0f7a12", "supportedOS"),
                                 (b"</assembly>", b"</assembl >", "well-formed")]:
            with self.subTest(phrase):
                self.assertFails([self.damaged(self.manifest_patch(old, new))], "manifest", phrase)

    def test_truncated_file(self):
        path = os.path.join(self.folder, "truncated.exe")
        with open(path, "wb") as handle:
            handle.write(self.good[:self.data_offset(rc.RT_BITMAP, rc.IDB_BANNER) + 100])
        self.assertFails([path], "bytes wanted at offset")

    def test_file_without_resources(self):
        self.assertFails([ARGS.bare], "no resource directory")

    def test_not_an_executable(self):
        path = os.path.join(self.folder, "notes.txt")
        with open(path, "w") as handle:
            handle.write("not a program\n")
        self.assertFails([path], "no MZ signature")

    def test_missing_file(self):
        self.assertFails([os.path.join(self.folder, "absent.exe")], "No such file")


class TableTest(CheckerTestCase):
    """The portable tables: the real dump passes, a damaged one fails."""

    def fake_dump(self, edit):
        """A dump program that prints the real tables after edit(dialogs)."""
        output = subprocess.run([ARGS.table_program], check=True,
                                capture_output=True).stdout
        tables = rc.json.loads(output)
        edit({d["id"]: d for d in tables["dialogs"]})
        data_path = os.path.join(self.folder, "tables.json")
        with open(data_path, "w") as handle:
            rc.json.dump(tables, handle)
        program = os.path.join(self.folder, "fake-dump")
        with open(program, "w") as handle:
            handle.write("#!/bin/sh\nexec cat '%s'\n" % data_path)
        os.chmod(program, os.stat(program).st_mode | stat.S_IXUSR)
        return program

    def setUp(self):
        super().setUp()
        if not ARGS.table_program:
            self.skipTest("needs --table-program")

    def test_real_tables_pass(self):
        code, output = run_check("--table-program", ARGS.table_program)
        self.assertEqual(code, 0, output)

    def test_control_style_differs(self):
        def edit(dialogs):
            dialogs[102]["controls"][2]["style"] = 0x50010003  # BS_FLAT lost
        self.assertFails(["--table-program", self.fake_dump(edit)],
                         "dialog 102 control 3", "style")

    def test_control_order_differs(self):
        def edit(dialogs):
            controls = dialogs[102]["controls"]
            controls[4], controls[5] = controls[5], controls[4]
        self.assertFails(["--table-program", self.fake_dump(edit)],
                         "dialog 102 control 5", "id: found 1004")

    def test_missing_control(self):
        def edit(dialogs):
            dialogs[100]["controls"].pop()
        self.assertFails(["--table-program", self.fake_dump(edit)],
                         "dialog 100 control count")

    def test_caption_differs(self):
        def edit(dialogs):
            dialogs[102]["caption"] = "Tidewell"
        self.assertFails(["--table-program", self.fake_dump(edit)], "dialog 102 caption")


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--program")
    parser.add_argument("--bare")
    parser.add_argument("--table-program")
    ARGS, rest = parser.parse_known_args()
    if bool(ARGS.program) != bool(ARGS.bare):
        parser.error("--program and --bare go together")
    unittest.main(argv=[sys.argv[0], *rest], verbosity=2)


if __name__ == "__main__":
    main()
