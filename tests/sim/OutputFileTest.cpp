// tidewell-sim's outputs: a failed run leaves every existing file as it was,
// and nothing an output names can lose data or block the run.
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/sim/SimProcess.h"

namespace tidewell::sim {
namespace {

namespace fs = std::filesystem;

class SimOutputs : public ::testing::Test {
protected:
    SimOutputs() {
        m_dir.Write("important.txt", "precious");
        std::filesystem::create_directory(m_dir.File("emptydir"));
        mkfifo(m_dir.File("fifo").c_str(), 0600);
        fs::create_symlink(m_dir.File("important.txt"), m_dir.File("link.txt"));
        m_picture = m_dir.Write("desk.ppm", std::string("P6\n8 8\n255\n") + std::string(192, '\x10'));
    }

    // Runs with args and checks the exit status, one line of error, and that
    // the folder still holds exactly what it held, unchanged.
    void ExpectUntouched(std::vector<std::string> args, int status, const char* reason) {
        args.insert(args.begin(), {"--screen", "8x8"});
        const SimRun run = RunSimProcess(args);
        EXPECT_EQ(run.exitCode, status) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
        EXPECT_EQ(ReadWholeFile(m_dir.File("important.txt")), "precious");
        EXPECT_TRUE(fs::is_directory(m_dir.File("emptydir")));
        EXPECT_TRUE(fs::is_fifo(m_dir.File("fifo")));
        EXPECT_EQ(ReadWholeFile(m_picture).size(), 203u);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.File("")), fs::directory_iterator()), 5)
            << "no file made or left behind";
    }

    TempDir m_dir;
    std::string m_picture;
};

TEST_F(SimOutputs, NothingIsLostOrBlocked) {
    const std::string important = m_dir.File("important.txt");
    const std::string out = m_dir.File("out.ppm");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* reason;
    };
    const Case cases[] = {
        {{"--out", "/nonexistent/x.ppm", "--state", important}, 1, "--out: \"/nonexistent/x.ppm\" cannot be written"},
        {{"--out", m_dir.File("emptydir")}, 2, "is a folder"},
        {{"--state", m_dir.File("emptydir/")}, 2, "is a folder"},
        {{"--out", m_dir.File("fifo")}, 2, "is a FIFO"},
        {{"--out", out, "--state", m_dir.File("fifo")}, 2, "is a FIFO"},
        {{"--out", important, "--state", important}, 2, "name the same file"},
        {{"--out", out, "--state", m_dir.File("emptydir/../out.ppm")}, 2, "name the same file"},
        {{"--out", m_dir.File("link.txt"), "--state", important}, 2, "name the same file"},
        {{"--picture", m_picture, "--out", m_dir.File("./desk.ppm")}, 2, "name the same file"},
        // The device fails the write; the state written before it is not kept.
        {{"--state", out, "--out", "/dev/full"}, 1, "--out: \"/dev/full\" cannot be written"},
        {{"--out", out, "--state", "/dev/full"}, 1, "--state: \"/dev/full\" cannot be written"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1] + " " + c.reason);
        ExpectUntouched(c.args, c.status, c.reason);
    }
}

TEST_F(SimOutputs, ARunEndedByASignalLeavesNoTemporaryFile) {
    std::string sim = TIDEWELL_SIM_PATH, out = "--out", path = m_dir.File("important.txt"), frames = "--frames",
                many = "1000000";
    char* argv[] = {sim.data(), out.data(), path.data(), frames.data(), many.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ), 0);
    // The temporary file is made before the run starts.
    for (int i = 0; i < 3000 && std::distance(fs::directory_iterator(m_dir.File("")), fs::directory_iterator()) == 5;
         ++i) {
        usleep(10000);
    }
    kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_EQ(ReadWholeFile(path), "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.File("")), fs::directory_iterator()), 5);
}

TEST_F(SimOutputs, ASocketIsNotWrittenTo) {
    const std::string path = m_dir.File("sock");
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const SimRun run = RunSimProcess({"--screen", "8x8", "--out", path});
    close(fd);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("is a socket"), std::string::npos) << run.err;
}

TEST_F(SimOutputs, AReadOnlyFileIsNotReplaced) {
    const std::string file = m_dir.Write("readonly.ppm", "keep");
    chmod(file.c_str(), 0444);
    const SimRun run = RunSimProcess({"--screen", "8x8", "--out", file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("read-only"), std::string::npos) << run.err;
    EXPECT_EQ(ReadWholeFile(file), "keep");
}

TEST_F(SimOutputs, ASuccessReplacesFilesInPlaceAndKeepsTheirMode) {
    const std::string out = m_dir.Write("out.ppm", "old");
    chmod(out.c_str(), 0640);
    const SimRun run = RunSimProcess({"--screen", "8x8", "--out", out, "--state", m_dir.File("link.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(out).substr(0, 10), "P6\n8 8\n255");
    EXPECT_EQ(fs::status(out).permissions(), fs::perms(0640));
    // The link still leads to the file, which now holds the state.
    EXPECT_TRUE(fs::is_symlink(m_dir.File("link.txt")));
    EXPECT_EQ(ReadWholeFile(m_dir.File("important.txt")).substr(0, 6), "count ");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.File("")), fs::directory_iterator()), 6);
}

TEST_F(SimOutputs, ACharacterDeviceIsWrittenInPlace) {
    const SimRun run = RunSimProcess({"--screen", "8x8", "--out", "/dev/null", "--state", "/dev/null"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

}  // namespace
}  // namespace tidewell::sim
