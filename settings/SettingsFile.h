#pragma once
// The settings where there is no registry: a text file of "Name=value"
// lines under the registry's value names. It is read as the registry is
// read: a value that is missing or malformed is simply not there, so its
// reader gets the default; a stored value keeps all its 32 bits. Not part
// of the Windows build.
#include <optional>
#include <string>

#include "settings/SettingTable.h"

namespace tidewell {

// Any text: blank lines and lines starting with '#' are comments; spaces
// around the name and the value are ignored; names match the stored names of the
// settings the Linux program has, in any case, as registry names do; a later
// line wins. Lines that are not one of those with a 32-bit whole number are
// ignored.
StoredSettings ParseSettingsText(const std::string& text);

// $XDG_CONFIG_HOME/tidewell/config, else $HOME/.config/tidewell/config;
// empty when neither is set (either may be null).
std::string SettingsFilePath(const char* xdgConfigHome, const char* home);

// The file's settings; a missing or unreadable file holds none. Only a
// regular file is read (a FIFO, device or folder holds none); warning, when
// given, gets one line for a file that is there but cannot be used, and is
// cleared otherwise.
StoredSettings ReadSettingsFile(const std::string& path, std::string* warning = nullptr);

// Up to maxBytes of a regular file, read without blocking on what is not
// one. Nothing for a missing file (why empty) and for one that is there but
// is not a regular file or cannot be read (why says which).
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& why);

}  // namespace tidewell
