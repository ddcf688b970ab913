// The settings file read as the registry is read: what counts as a value,
// what is ignored, and where the file is.
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/sim/TempDir.h"

namespace tidewell {
namespace {

TEST(ParseSettingsText, KeepsWhatTheRegistryWouldHold) {
    const std::pair<const char*, StoredSettings> cases[] = {
        {"", {}},
        {"Number=20\nSpeed=50\nColorRed=22\nColorGreen=93\nColorBlue=165\nBlank=0\n",
         {{"Number", 20}, {"Speed", 50}, {"ColorRed", 22}, {"ColorGreen", 93}, {"ColorBlue", 165}, {"Blank", 0}}},
        // Out of the dialog's ranges, but stored: the places that use them
        // apply their limits.
        {"Number=0\nSpeed=5\nColorRed=278\nBlank=7", {{"Number", 0}, {"Speed", 5}, {"ColorRed", 278}, {"Blank", 7}}},
        {"Number=-2147483648\nSpeed=4294967295", {{"Number", INT32_MIN}, {"Speed", -1}}},
        {"Number=4294967296\nSpeed=-2147483649\nBlank=99999999999999", {}},
        {"  number =  7 \r\nSPEED=33\tx\nspeed\t=\t44", {{"Number", 7}, {"Speed", 44}}},
        {"# Number=1\n\n=5\nNumber\nNumber=\nNumber=+3\nNumber=0x10\nNumber=1.5\nNumber=3 4\nColour=1", {}},
        {"Number=1\nNumber=2\nNumber=oops", {{"Number", 2}}},
        {"\xEF\xBB\xBFNumber=9\nSpeed=\xEF\xBB\xBF-1", {{"Number", 9}}}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseSettingsText(text), expected) << text;
    }
}

TEST(SettingsFilePath, FollowsTheBaseDirectoryRules) {
    EXPECT_EQ(SettingsFilePath("/x/cfg", "/home/u"), "/x/cfg/tidewell/config");
    EXPECT_EQ(SettingsFilePath("", "/home/u"), "/home/u/.config/tidewell/config");
    EXPECT_EQ(SettingsFilePath("relative", "/home/u"), "/home/u/.config/tidewell/config");
    EXPECT_EQ(SettingsFilePath(nullptr, "/home/u"), "/home/u/.config/tidewell/config");
    EXPECT_EQ(SettingsFilePath(nullptr, nullptr), "");
}

TEST(ReadSettingsFile, OnlyARegularFileHoldsSettings) {
    sim::TempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Path, and whether a warning names it.
    const std::pair<std::string, bool> unusable[] = {
        {dir.File("absent"), false}, {"", false}, {dir.File(""), true}, {"/dev/zero", true}, {fifo, true}};
    for (const auto& [path, warns] : unusable) {
        std::string warning = "stale";
        EXPECT_TRUE(ReadSettingsFile(path, &warning).empty()) << path;
        EXPECT_EQ(warning.find(path.empty() ? "-" : path) != std::string::npos, warns) << warning;
        EXPECT_EQ(warning.find('\n'), std::string::npos);
    }
    std::string warning;
    EXPECT_EQ(ReadSettingsFile(dir.Write("config", "Number=42\nBlank=1\n"), &warning),
              (StoredSettings{{"Number", 42}, {"Blank", 1}}));
    EXPECT_EQ(warning, "");
}

}  // namespace
}  // namespace tidewell
