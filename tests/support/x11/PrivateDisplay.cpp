#include "tests/support/x11/PrivateDisplay.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tests/support/ChildProcess.h"

namespace fw::test {

namespace {

pid_t g_server = 0;

void EndServer() { EndChild(g_server); }

// Xvfb writes the display's number to the pipe once it listens; false when
// it ends first (another server has the display) or is slow.
bool Start(const std::string& number) {
    int ready[2];
    if (::pipe(ready) != 0) {
        return false;
    }
    const pid_t child = StartChild({"Xvfb", ":" + number, "-screen", "0", "1024x768x24", "-noreset", "-nolisten", "tcp",
                                    "-displayfd", std::to_string(ready[1])},
                                   -1, ready[1]);
    ::close(ready[1]);
    std::string reply;
    const bool up = child > 0 && ReadLine(ready[0], reply, 20000);
    ::close(ready[0]);
    if (up) {
        g_server = child;
    } else {
        EndChild(child);
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
