#include "tests/support/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace fw::test {

pid_t StartChild(const std::vector<std::string>& argv, int outFd, int keepFd) {
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child != 0) {
        return child > 0 ? child : 0;
    }
    // The child goes with the tests, however they end.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) {
        ::_exit(1);
    }
    const int quiet = ::open("/dev/null", O_RDWR);
    ::dup2(quiet, 0);
    ::dup2(outFd >= 0 ? outFd : quiet, 1);
    ::dup2(quiet, 2);
    for (int fd = 3; fd < 1024; ++fd) {
        if (fd != keepFd) {
            ::close(fd);
        }
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    ::_exit(127);
}

void EndChild(pid_t child) {
    if (child > 0) {
        ::kill(child, SIGTERM);
        ::waitpid(child, nullptr, 0);
    }
}

bool RunChild(const std::vector<std::string>& argv, unsigned timeoutMs) {
    const pid_t child = StartChild(argv);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    while (child > 0 && ::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool ReadLine(int fd, std::string& line, unsigned timeoutMs) {
    // The whole line, newline included: a writer may send it in parts, and
    // one that closes before the last part ends it.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    ::pollfd wait = {fd, POLLIN, 0};
    char c = 0;
    while (line.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0 || ::poll(&wait, 1, static_cast<int>(left.count())) != 1 || ::read(fd, &c, 1) != 1) {
            return false;
        }
        line += c;
    }
    return true;
}

}  // namespace fw::test
