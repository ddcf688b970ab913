#pragma once
// Runs the built tidewell-sim as a separate process, as outside tools do.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/sim/TempDir.h"

extern char** environ;

namespace tidewell::sim {

struct SimRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Starts the tool with args, its output as the actions say; 0 if it could not.
inline pid_t StartSimProcess(const std::vector<std::string>& args, const posix_spawn_file_actions_t* actions) {
    std::vector<std::string> all = {TIDEWELL_SIM_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawn(&pid, argv[0], actions, nullptr, argv.data(), environ) == 0 ? pid : 0;
}

inline SimRun RunSimProcess(const std::vector<std::string>& args) {
    TempDir dir;
    const std::string outPath = dir.File("stdout");
    const std::string errPath = dir.File("stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    SimRun run;
    int status = 0;
    const pid_t pid = StartSimProcess(args, &actions);
    if (pid != 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadWholeFile(outPath);
    run.err = ReadWholeFile(errPath);
    return run;
}

}  // namespace tidewell::sim
