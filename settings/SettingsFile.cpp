#include "settings/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <sstream>
#include <string>

#include "settings/Quoted.h"
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
    // An editor's UTF-8 byte-order mark is no part of the first name.
    const bool bom = text.compare(0, 3, "\xEF\xBB\xBF") == 0;
    std::istringstream lines(bom ? text.substr(3) : text);
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

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& why) {
    why.clear();
    // Without blocking: a FIFO opened for reading would wait for a writer.
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR && !path.empty()) {
            why = "cannot be read";
        }
        return std::nullopt;
    }
    struct stat status = {};
    std::optional<std::string> text;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        why = "is not a regular file";
    } else {
        text.emplace(maxBytes, '\0');
        std::size_t got = 0;
        ssize_t n = 0;
        while (got < maxBytes && (n = ::read(fd, &(*text)[got], maxBytes - got)) > 0) {
            got += static_cast<std::size_t>(n);
        }
        text->resize(got);
        if (n < 0) {
            why = "cannot be read";
            text.reset();
        }
    }
    ::close(fd);
    return text;
}

StoredSettings ReadSettingsFile(const std::string& path, std::string* warning) {
    // Six short lines make a settings file; a huge file is cut off rather
    // than read whole.
    constexpr std::size_t kMaxBytes = 64 * 1024;
    std::string why;
    const std::optional<std::string> text = ReadRegularFile(path, kMaxBytes, why);
    if (warning != nullptr) {
        *warning = why.empty() ? std::string() : "settings file " + Quoted(path) + " " + why + "; using the defaults";
    }
    return text ? ParseSettingsText(*text) : StoredSettings();
}

}  // namespace tidewell
