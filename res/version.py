"""The version as project() in the top CMakeLists.txt writes it, the one
place it is written: (major, minor, patch)."""

import os
import re


def project_version():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "CMakeLists.txt")
    with open(path) as cmake:
        match = re.search(r"project\(Tidewell VERSION (\d+)\.(\d+)\.(\d+)", cmake.read())
    return tuple(int(part) for part in match.groups())


def short_version():
    """"1.2": what the dialogs and the version record's strings show."""
    return "%d.%d" % project_version()[:2]
