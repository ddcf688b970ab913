// tidewell-sim as a process refuses bad input and unusable outputs with one
// line on standard error naming the option and the value, and a failed run
// leaves every existing file as it was: nothing an output names can lose data
// or block the run.
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
        fs::create_directory(m_dir.File("emptydir"));
        mkfifo(m_dir.File("fifo").c_str(), 0600);
        fs::create_symlink(m_dir.File("important.txt"), m_dir.File("link.txt"));
        m_picture = m_dir.Write("desk.ppm", std::string("P6\n8 8\n255\n") + std::string(192, '\x10'));
        chmod(m_dir.Write("readonly.ppm", "keep").c_str(), 0444);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        m_dir.File("sock").copy(address.sun_path, sizeof address.sun_path - 1);
        bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        m_entries = Entries();
    }
    ~SimOutputs() override { close(m_socket); }

    std::ptrdiff_t Entries() const {
        return std::distance(fs::directory_iterator(m_dir.File("")), fs::directory_iterator());
    }

    // Runs with args after the defaults and checks the exit status, one line
    // of error holding every phrase, nothing on standard output, and that the
    // folder still holds exactly what it held, unchanged.
    void ExpectUntouched(std::vector<std::string> args, int status, const std::vector<std::string>& says) {
        args.insert(args.begin(), {"--screen", "8x8", "--out", m_dir.File("out.ppm"), "--state", m_dir.File("s.txt")});
        const SimRun run = RunSimProcess(args);
        EXPECT_EQ(run.exitCode, status) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        for (const std::string& phrase : says) {
            EXPECT_NE(run.err.find(phrase), std::string::npos) << run.err;
        }
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(ReadWholeFile(m_dir.File("important.txt")), "precious");
        EXPECT_EQ(ReadWholeFile(m_dir.File("readonly.ppm")), "keep");
        EXPECT_TRUE(fs::is_directory(m_dir.File("emptydir")));
        EXPECT_TRUE(fs::is_fifo(m_dir.File("fifo")));
        EXPECT_EQ(ReadWholeFile(m_picture).size(), 203u);
        EXPECT_EQ(Entries(), m_entries) << "no file made or left behind";
    }

    TempDir m_dir;
    std::string m_picture;
    int m_socket = socket(AF_UNIX, SOCK_STREAM, 0);
    std::ptrdiff_t m_entries = 0;
};

TEST_F(SimOutputs, BadInputIsRefusedAndNothingIsLostOrBlocked) {
    const std::string important = m_dir.File("important.txt");
    const std::string out = m_dir.File("out.ppm");
    const std::string png = m_dir.Write("cut.png", "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR");
    ++m_entries;
    struct Case {
        std::vector<std::string> args;
        int status;
        std::vector<std::string> says;
    };
    // The parser's and the picture reader's refusals one by one, with their
    // escaping, are SimOptionsTest's and PictureFileTest's; here one of each
    // kind, and a file name escaped.
    const Case cases[] = {
        {{"--frams", "3"}, 2, {"option", "--frams"}},
        {{"--picture", m_dir.File("no\nwhere.ppm")}, 2, {"--picture", "no\\nwhere.ppm\" does not exist"}},
        {{"--picture", m_dir.File("emptydir")}, 2, {"--picture", "not a file"}},
        {{"--picture", "/dev/zero"}, 2, {"--picture", "not a file"}},
        {{"--screen", "1x1", "--picture", png}, 2, {"--picture", "not a readable PNG"}},
        {{"--video", m_dir.File("emptydir")}, 2, {"--video", "is a folder"}},
        {{"--video", out}, 2, {"--video", "name the same file"}},
        {{"--out", "/nonexistent/x.ppm", "--state", important}, 1, {"--out: \"/nonexistent/x.ppm\" cannot be written"}},
        {{"--out", m_dir.File("emptydir")}, 2, {"is a folder"}},
        {{"--state", m_dir.File("emptydir/")}, 2, {"is a folder"}},
        {{"--out", m_dir.File("fifo")}, 2, {"is a FIFO"}},
        {{"--state", m_dir.File("fifo")}, 2, {"is a FIFO"}},
        {{"--out", m_dir.File("sock")}, 2, {"is a socket"}},
        {{"--out", m_dir.File("readonly.ppm")}, 1, {"read-only"}},
        {{"--out", important, "--state", important}, 2, {"name the same file"}},
        {{"--state", m_dir.File("emptydir/../out.ppm")}, 2, {"name the same file"}},
        {{"--out", m_dir.File("link.txt"), "--state", important}, 2, {"name the same file"}},
        {{"--picture", m_picture, "--out", m_dir.File("./desk.ppm")}, 2, {"name the same file"}},
        // The device fails the write; the state written before it is not kept.
        {{"--state", out, "--out", "/dev/full"}, 1, {"--out: \"/dev/full\" cannot be written"}},
        {{"--state", "/dev/full"}, 1, {"--state: \"/dev/full\" cannot be written"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + (c.args.size() > 1 ? c.args[1] : ""));
        ExpectUntouched(c.args, c.status, c.says);
    }
}

TEST_F(SimOutputs, ARunEndedByASignalLeavesNoTemporaryFile) {
    const std::string path = m_dir.File("important.txt");
    const pid_t pid = StartSimProcess({"--out", path, "--frames", "1000000"}, nullptr);
    ASSERT_NE(pid, 0);
    // The temporary file is made before the run starts.
    for (int i = 0; i < 3000 && Entries() == m_entries; ++i) {
        usleep(10000);
    }
    kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_EQ(ReadWholeFile(path), "precious");
    EXPECT_EQ(Entries(), m_entries);
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
    EXPECT_EQ(Entries(), m_entries + 1);
    // A character device is written in place.
    EXPECT_EQ(RunSimProcess({"--screen", "8x8", "--out", "/dev/null", "--state", "/dev/null"}).exitCode, 0);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    const SimRun help = RunSimProcess({"--help"});
    EXPECT_TRUE(help.exitCode == 0 && help.out.rfind("usage: tidewell-sim", 0) == 0 && help.err.empty()) << help.err;
}

}  // namespace
}  // namespace tidewell::sim
