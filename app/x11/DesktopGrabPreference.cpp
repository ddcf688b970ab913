#include "app/x11/DesktopGrabPreference.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <pwd.h>
#include <strings.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "settings/SettingsFile.h"

namespace tidewell {

namespace {

constexpr const char* kKey = "grabDesktopImages";
// Resource files are short; anything past this is not read.
constexpr std::size_t kMaxFileBytes = 1024 * 1024;

std::string Stripped(const std::string& text) {
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Backslash escapes as the init file's reader undoes them: \n, \r and \t,
// and any other character stands for itself.
std::string Unescaped(const std::string& line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
            out += line[i];
            continue;
        }
        const char next = line[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
    }
    return out;
}

bool IsTrue(std::string value) {
    for (char& c : value) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) {
        value.pop_back();
    }
    return value == "on" || value == "true" || value == "yes";
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

// A resource file's text when it is a readable regular file.
std::optional<std::string> ResourceFile(const std::string& path) {
    std::string why;
    return ReadRegularFile(path, kMaxFileBytes, why);
}

}  // namespace

std::optional<std::string> InitFileValue(const std::string& text, const std::string& key) {
    std::optional<std::string> value;
    std::string logical;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        logical += text.substr(start, end - start);
        start = end + 1;
        // A backslash at the end joins the next line.
        if (!logical.empty() && logical.back() == '\\' && start < text.size()) {
            logical.pop_back();
            continue;
        }
        const std::string line = Stripped(Unescaped(logical));
        logical.clear();
        const std::size_t colon = line.find(':');
        if (line.empty() || std::strchr("#!;", line[0]) != nullptr || colon == std::string::npos) {
            continue;
        }
        if (::strcasecmp(line.substr(0, colon).c_str(), key.c_str()) == 0) {
            value = Stripped(line.substr(colon + 1));
        }
    }
    return value;
}

bool GrabsDesktopImages(const GrabPreferenceSources& sources) {
    ::XrmInitialize();
    const std::string defaults = sources.appDefaults.value_or(std::string("*") + kKey + ":\tTrue\n");
    ::XrmDatabase db = ::XrmGetStringDatabase(defaults.c_str());
    for (const std::string& text : sources.userResources) {
        ::XrmMergeDatabases(::XrmGetStringDatabase(text.c_str()), &db);
    }
    if (sources.initFile) {
        if (const auto value = InitFileValue(*sources.initFile, kKey)) {
            ::XrmPutStringResource(&db, (std::string("XScreenSaver.") + kKey).c_str(), value->c_str());
        }
    }
    char* type = nullptr;
    ::XrmValue value = {};
    const bool found = ::XrmGetResource(db, (std::string("xscreensaver.") + kKey).c_str(), "XScreenSaver.Boolean",
                                        &type, &value) != False;
    const bool on =
        found && value.addr != nullptr && IsTrue(std::string(value.addr, ::strnlen(value.addr, value.size)));
    ::XrmDestroyDatabase(db);
    return on;
}

std::optional<GrabPreferenceSources> LoadGrabPreferenceSources(const std::optional<std::string>& resourceManager,
                                                               const std::optional<std::string>& screenResources) {
    GrabPreferenceSources sources;
    const std::string home = HomeFolder();
    for (const char* folder : {"/etc/X11/app-defaults", "/usr/share/X11/app-defaults", "/usr/lib/X11/app-defaults"}) {
        if ((sources.appDefaults = ResourceFile(std::string(folder) + "/XScreenSaver"))) {
            break;
        }
    }
    // The user's, in the order the toolkit merges them.
    std::vector<std::optional<std::string>> user;
    const char* userFolder = std::getenv("XAPPLRESDIR");
    user.push_back(ResourceFile((userFolder != nullptr ? std::string(userFolder) : home) + "/XScreenSaver"));
    user.push_back(resourceManager ? resourceManager : ResourceFile(home + "/.Xdefaults"));
    user.push_back(screenResources);
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const char* environment = std::getenv("XENVIRONMENT");
    user.push_back(ResourceFile(environment != nullptr ? environment : home + "/.Xdefaults-" + host));
    for (const auto& text : user) {
        if (text) {
            sources.userResources.push_back(*text);
        }
    }
    std::string why;
    sources.initFile = ReadRegularFile(home + "/.xscreensaver", kMaxFileBytes, why);
    if (!why.empty() || home.empty()) {
        return std::nullopt;
    }
    return sources;
}

}  // namespace tidewell
