#pragma once
// The servers and tools a test process runs beside it (Xvfb, sway, input
// helpers): started quietly, gone with the tests however they end, waited
// for within bounds.
#include <sys/types.h>

#include <string>
#include <vector>

namespace fw::test {

// Starts argv[0] from the PATH with stdout on outFd (-1: nowhere) and keepFd
// left open for it; its stderr goes nowhere. 0 when it cannot start.
pid_t StartChild(const std::vector<std::string>& argv, int outFd = -1, int keepFd = -1);

// Ends a child (SIGTERM) and reaps it.
void EndChild(pid_t child);

// Runs a command to its end within timeoutMs; true when it exited with 0.
bool RunChild(const std::vector<std::string>& argv, unsigned timeoutMs = 10000);

// Reads from fd up to and including a newline, within timeoutMs; false
// when the writer closed it or was slow.
bool ReadLine(int fd, std::string& line, unsigned timeoutMs);

}  // namespace fw::test
