#include "settings/SettingsFile.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>

#include "settings/StoredValue.h"

namespace tidewell {

namespace {

std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) {
        ++first;
    }
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) {
        --last;
    }
    return text.substr(first, last - first);
}

bool SameNameIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

// The store's own spelling of a name, or null for a name it does not know.
const char* KnownName(const std::string& name) {
    for (const Setting* setting : kSettings) {
        for (const StoredEntry& entry : EntriesOf(*setting)) {
            if (setting->onLinux && SameNameIgnoringCase(name, entry.name)) {
                return entry.name;
            }
        }
    }
    return nullptr;
}

}  // namespace

StoredSettings ParseSettingsText(const std::string& text) {
    StoredSettings settings;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string content = Trimmed(line);
        const std::size_t equals = content.find('=');
        if (content.empty() || content[0] == '#' || equals == std::string::npos) {
            continue;
        }
        const char* name = KnownName(Trimmed(content.substr(0, equals)));
        std::int32_t value = 0;
        if (name != nullptr && ParseStoredValue(Trimmed(content.substr(equals + 1)), value)) {
            settings[name] = value;
        }
    }
    return settings;
}

std::string SettingsFilePath(const char* xdgConfigHome, const char* home) {
    // An empty or relative XDG_CONFIG_HOME is to be ignored.
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
        return std::string(xdgConfigHome) + "/tidewell/config";
    }
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.config/tidewell/config";
    }
    return std::string();
}

StoredSettings ReadSettingsFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return StoredSettings();
    }
    // Six short lines make a settings file; a device or a huge file is cut
    // off rather than read for ever.
    constexpr std::size_t kMaxBytes = 64 * 1024;
    std::string text(kMaxBytes, '\0');
    file.read(&text[0], static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    return ParseSettingsText(text);
}

}  // namespace tidewell
