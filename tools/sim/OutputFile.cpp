#include "tools/sim/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "settings/Quoted.h"

namespace tidewell::sim {

namespace {

namespace fs = std::filesystem;

bool Stat(const std::string& path, struct stat& status) { return stat(path.c_str(), &status) == 0; }

// The temporary files that exist now, so that a signal ending the run early
// (Ctrl-C, kill) removes them too. The handler may use only what is safe in
// a signal handler, so the names live in fixed buffers.
struct Temporaries {
    static constexpr int kSlots = 4;
    char names[kSlots][4096];
    volatile std::sig_atomic_t used[kSlots];
};
Temporaries g_temporaries;

extern "C" void RemoveTemporariesAndEnd(int signal) {
    for (int i = 0; i < Temporaries::kSlots; ++i) {
        if (g_temporaries.used[i] != 0) {
            unlink(g_temporaries.names[i]);
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

int Remember(const std::string& name) {
    static const bool installed = [] {
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            std::signal(signal, RemoveTemporariesAndEnd);
        }
        return true;
    }();
    (void)installed;
    for (int i = 0; i < Temporaries::kSlots; ++i) {
        if (g_temporaries.used[i] == 0 && name.size() < sizeof g_temporaries.names[i]) {
            name.copy(g_temporaries.names[i], name.size());
            g_temporaries.names[i][name.size()] = '\0';
            g_temporaries.used[i] = 1;
            return i;
        }
    }
    return -1;
}

void Forget(int slot) {
    if (slot >= 0) {
        g_temporaries.used[slot] = 0;
    }
}

mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

OutputFile::~OutputFile() {
    if (m_stream != nullptr) {
        std::fclose(m_stream);
    }
    if (!m_temporary.empty()) {
        unlink(m_temporary.c_str());
    }
    Forget(m_slot);
}

bool OutputFile::Failed(const std::string& why, std::string& error) const {
    error = std::string(m_option) + ": " + Quoted(m_path) + " " + why;
    return false;
}

bool OutputFile::CheckKind(std::string& error) const {
    struct stat status {};
    if (!Stat(m_path, status) || S_ISREG(status.st_mode) || S_ISCHR(status.st_mode)) {
        return true;
    }
    if (S_ISDIR(status.st_mode)) {
        return Failed("is a folder, not a file", error);
    }
    if (S_ISFIFO(status.st_mode)) {
        return Failed("is a FIFO, not a file", error);
    }
    if (S_ISSOCK(status.st_mode)) {
        return Failed("is a socket, not a file", error);
    }
    return Failed("is not a file", error);
}

bool OutputFile::OpenDevice(std::string& error) {
    // Without waiting, and checked again on the open file, in case the name
    // has meanwhile become a FIFO.
    errno = 0;
    const int fd = open(m_path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || fstat(fd, &status) != 0 || !S_ISCHR(status.st_mode) ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 || (m_stream = fdopen(fd, "wb")) == nullptr) {
        const std::string why = errno != 0 ? std::strerror(errno) : "it is no longer a device";
        if (fd >= 0) {
            close(fd);
        }
        return Failed("cannot be written: " + why, error);
    }
    return true;
}

bool OutputFile::Open(std::string& error) {
    struct stat status {};
    mode_t mode = NewFileMode();
    m_target = m_path;
    if (Stat(m_path, status)) {
        if (S_ISCHR(status.st_mode)) {
            return OpenDevice(error);
        }
        // A file without write permission is not replaced, by root either.
        if ((status.st_mode & 0222) == 0 || access(m_path.c_str(), W_OK) != 0) {
            return Failed("cannot be written: it is read-only", error);
        }
        mode = status.st_mode & 07777;
        std::error_code ignored;
        const fs::path resolved = fs::canonical(m_path, ignored);
        if (!resolved.empty()) {
            m_target = resolved.string();
        }
    }
    const fs::path folder = fs::path(m_target).parent_path();
    std::string pattern = (folder.empty() ? fs::path(".") : folder).string() + "/.tidewell-sim-XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        return Failed(std::string("cannot be written: ") + std::strerror(errno), error);
    }
    m_temporary = pattern;
    m_slot = Remember(pattern);
    if (fchmod(fd, mode) != 0 || (m_stream = fdopen(fd, "wb")) == nullptr) {
        const std::string why = std::strerror(errno);
        close(fd);
        return Failed("cannot be written: " + why, error);
    }
    return true;
}

bool OutputFile::Finish(std::string& error) {
    std::FILE* stream = m_stream;
    m_stream = nullptr;
    errno = 0;
    const bool flushed = std::fflush(stream) == 0 && !std::ferror(stream);
    const bool closed = std::fclose(stream) == 0;
    if (flushed && closed) {
        return true;
    }
    return Failed(std::string("cannot be written: ") + (errno != 0 ? std::strerror(errno) : "write error"), error);
}

bool OutputFile::Commit(std::string& error) {
    if (m_temporary.empty()) {
        return true;
    }
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        return Failed(std::string("cannot be written: ") + std::strerror(errno), error);
    }
    m_temporary.clear();
    Forget(m_slot);
    m_slot = -1;
    return true;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    const bool firstExists = Stat(a, first);
    const bool secondExists = Stat(b, second);
    if (firstExists || secondExists) {
        return firstExists && secondExists && first.st_dev == second.st_dev && first.st_ino == second.st_ino &&
               !S_ISCHR(first.st_mode);
    }
    std::error_code ignored;
    return fs::weakly_canonical(fs::absolute(a), ignored) == fs::weakly_canonical(fs::absolute(b), ignored);
}

}  // namespace tidewell::sim
