"""The program's dialogs, described once.

generate_dialogs.py writes the resource script's dialog blocks and the
portable tables of the headless backend from this table, and the resource
check holds the built program to it. Ids, styles and resource names are the
names of res/resource.h and fw/Messages.h.
"""

import os
import sys
from collections import namedtuple

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from version import short_version  # noqa: E402

Dialog = namedtuple("Dialog", "id extended x y cx cy style caption point_size face controls")
# text: a string, or ("#", RESOURCE_NAME) for a control that shows a resource.
Control = namedtuple("Control", "text id window_class x y cx cy style")

SHOWN = ("WS_CHILD", "WS_VISIBLE")

SETTINGS = Dialog(
    "IDD_SETTINGS", True, 0, 0, 343, 401,
    ("DS_SETFONT", "DS_MODALFRAME", "WS_POPUP", "WS_VISIBLE", "WS_CAPTION", "WS_SYSMENU"),
    "Orvalle Tidewell " + short_version(), 8, "MS Sans Serif", [
        # Template order is the tab order: OK first, so it gets the focus.
        Control("OK", "IDOK", "Button", 234, 383, 50, 14, SHOWN + ("WS_TABSTOP", "BS_DEFPUSHBUTTON")),
        Control("Cancel", "IDCANCEL", "Button", 289, 383, 50, 14, SHOWN + ("WS_TABSTOP", "BS_PUSHBUTTON")),
        Control("Blank screen", "IDC_BLANK", "Button", 14, 177, 120, 11,
                SHOWN + ("WS_TABSTOP", "BS_AUTOCHECKBOX", "BS_FLAT")),
        Control("Color...", "IDC_COLOR", "Button", 170, 175, 50, 14, SHOWN + ("WS_TABSTOP", "BS_PUSHBUTTON")),
        Control("", "IDC_SPEED", "ScrollBar", 14, 225, 315, 11, SHOWN + ("WS_GROUP", "WS_TABSTOP", "SBS_HORZ")),
        Control("", "IDC_NUMBER", "ScrollBar", 14, 273, 315, 11, SHOWN + ("WS_GROUP", "WS_TABSTOP", "SBS_HORZ")),
        Control("Number", "IDC_STATIC", "Button", 5, 249, 334, 43, SHOWN + ("BS_GROUPBOX",)),
        Control("Few", "IDC_STATIC", "Static", 14, 261, 32, 8, SHOWN + ("WS_GROUP", "SS_LEFT")),
        Control("Many", "IDC_STATIC", "Static", 296, 261, 33, 8, SHOWN + ("WS_GROUP", "SS_RIGHT")),
        Control("Speed", "IDC_STATIC", "Button", 5, 201, 334, 43, SHOWN + ("BS_GROUPBOX",)),
        Control("Slow", "IDC_STATIC", "Static", 14, 213, 30, 8, SHOWN + ("WS_GROUP", "SS_LEFT")),
        Control("Fast", "IDC_STATIC", "Static", 299, 213, 30, 8, SHOWN + ("WS_GROUP", "SS_RIGHT")),
        # Hidden: it only marks where the live preview is placed.
        Control("", "IDC_PREVIEW", "Static", 5, 302, 333, 73, ("WS_CHILD",)),
        Control("Orvalle on the web: www.orvalle.example", "IDC_STATIC", "Static", 5, 386, 204, 8,
                SHOWN + ("WS_GROUP", "SS_LEFT")),
        Control("Blanking", "IDC_STATIC", "Button", 5, 164, 334, 32, SHOWN + ("BS_GROUPBOX",)),
        Control(("#", "IDB_BANNER"), "IDC_STATIC", "Static", 5, 5, 333, 154, SHOWN + ("SS_BITMAP",)),
    ])

ABOUT = Dialog(
    "IDD_ABOUTBOX", False, 34, 22, 217, 55,
    ("DS_SETFONT", "DS_MODALFRAME", "WS_POPUP", "WS_CAPTION", "WS_SYSMENU"),
    "About Tidewell", 8, "MS Sans Serif", [
        Control(("#", "IDR_MAINFRAME"), "IDC_STATIC", "Static", 11, 17, 20, 20, SHOWN + ("SS_ICON",)),
        Control("Tidewell Version " + short_version(), "IDC_STATIC", "Static", 40, 10, 119, 8, SHOWN + ("WS_GROUP", "SS_LEFT")),
        Control("Copyright (C) Orvalle", "IDC_STATIC", "Static", 40, 25, 119, 8, SHOWN + ("WS_GROUP", "SS_LEFT")),
        Control("OK", "IDOK", "Button", 176, 6, 32, 14,
                SHOWN + ("WS_GROUP", "WS_TABSTOP", "BS_DEFPUSHBUTTON")),
    ])

DIALOGS = [SETTINGS, ABOUT]
