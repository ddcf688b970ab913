#include "tools/sim/PictureFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "picture/PngFile.h"
#include "tools/sim/PpmFile.h"

namespace tidewell::sim {

bool ReadPicture(std::FILE* in, const PictureSize& screen, Picture& picture, std::string& error) {
    const int first = std::getc(in);
    std::ungetc(first, in);
    if (first == 0x89) {
        return ReadPng(in, screen, picture, error);
    }
    if (first == 'P') {
        return ReadPpm(in, screen, picture, error);
    }
    error = "is neither a PNG nor a binary PPM (P6)";
    return false;
}

bool ReadPictureFile(const std::string& path, const PictureSize& screen, Picture& picture, std::string& error) {
    // Opened without waiting, and checked on the open file: a FIFO or a
    // device could block or never end.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno == ENOENT ? "does not exist" : std::string("cannot be read: ") + std::strerror(errno);
        return false;
    }
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        error = "cannot be read: not a file";
        return false;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(fdopen(fd, "rb"), std::fclose);
    if (in == nullptr) {
        close(fd);
        error = std::string("cannot be read: ") + std::strerror(errno);
        return false;
    }
    return ReadPicture(in.get(), screen, picture, error);
}

}  // namespace tidewell::sim
