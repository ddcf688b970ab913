#include "tests/support/x11/PrivateDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace fw::test {

namespace {

pid_t g_server = 0;

void EndServer() {
    if (g_server > 0) {
        ::kill(g_server, SIGTERM);
        ::waitpid(g_server, nullptr, 0);
        g_server = 0;
    }
}

// Xvfb writes the display's number to the pipe once it listens; false when
// it ends first (another server has the display) or is slow.
bool Start(const std::string& number) {
    int ready[2];
    if (::pipe(ready) != 0) {
        return false;
    }
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child == 0) {
        // The server goes with the tests, however they end.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) {
            ::_exit(1);
        }
        ::close(ready[0]);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, 1);
        ::dup2(quiet, 2);
        const std::string fd = std::to_string(ready[1]);
        const std::string display = ":" + number;
        ::execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", "1024x768x24", "-noreset", "-nolisten", "tcp",
                 "-displayfd", fd.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(ready[1]);
    // The whole line, newline included: it writes it in parts, and a pipe
    // closed before the last part ends it.
    ::pollfd wait = {ready[0], POLLIN, 0};
    char c = 0;
    bool up = false;
    while (!up && child > 0 && ::poll(&wait, 1, 20000) == 1 && ::read(ready[0], &c, 1) == 1) {
        up = c == '\n';
    }
    ::close(ready[0]);
    if (up) {
        g_server = child;
    } else if (child > 0) {
        ::kill(child, SIGTERM);
        ::waitpid(child, nullptr, 0);
    }
    return up;
}

}  // namespace

const char* PrivateDisplay() {
    static const std::string name = [] {
        const char* list = std::getenv("TIDEWELL_TEST_DISPLAYS");
        std::istringstream candidates(list != nullptr ? list : ":61 :62 :63 :64 :65 :66 :67 :68 :69 :70");
        std::string candidate;
        while (candidates >> candidate) {
            const std::string number = candidate.substr(candidate.find_first_not_of(':'));
            if (Start(number)) {
                std::atexit(&EndServer);
                return ":" + number;
            }
        }
        std::fprintf(stderr, "no Xvfb would start on any of %s\n", list != nullptr ? list : ":61 to :70");
        std::abort();
    }();
    return name.c_str();
}

::Display* OtherClient() {
    static ::Display* const display = ::XOpenDisplay(PrivateDisplay());
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open %s a second time\n", PrivateDisplay());
        std::abort();
    }
    return display;
}

}  // namespace fw::test
