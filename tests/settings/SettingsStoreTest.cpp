// The stored settings through the application's profile: defaults, what is
// written, colour packing, values of another type, failed writes.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "settings/Settings.h"
#include "tests/support/PlatformTest.h"

namespace tidewell {
namespace {

using fw::test::PlatformTest;

class SettingsStoreTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        m_app.SetRegistryKey("OrvalleTests");
        fw::test::DeleteProfileKey(m_app);
    }
    void TearDown() override {
        fw::test::RestoreProfileWrites(m_app, kSettingsSection);
        fw::test::DeleteProfileKey(m_app);
        PlatformTest::TearDown();
    }
    int Stored(const char* entry) { return m_app.GetProfileInt(kSettingsSection, entry, -12345); }
    void Store(const char* entry, int value) { m_app.WriteProfileInt(kSettingsSection, entry, value); }
    void ExpectDefaults() {
        EXPECT_EQ(ReadSetting(m_app, kNumberSetting), 20);
        EXPECT_EQ(ReadSetting(m_app, kSpeedSetting), 50);
        EXPECT_EQ(ReadSetting(m_app, kBlankSetting), 0);
        EXPECT_EQ(ReadSetting(m_app, kAllMonitorsSetting), 1);
        EXPECT_EQ(ReadColor(m_app), 0x00A55D16u);
    }
};

TEST_F(SettingsStoreTest, NothingStoredGivesTheDefaults) { ExpectDefaults(); }

TEST_F(SettingsStoreTest, WritesWhatItIsGivenAndNothingElse) {
    StoredSettings settings;
    PutColor(settings, fw::RGB(1, 2, 3));
    Put(settings, kNumberSetting, -5);
    Put(settings, kBlankSetting, INT_MIN);
    settings["Unknown"] = 7;
    WriteSettings(m_app, settings);
    EXPECT_EQ(ReadColor(m_app), fw::RGB(1, 2, 3));
    EXPECT_EQ(ReadSetting(m_app, kNumberSetting), -5) << "not bounded on reading";
    // Only the table's names are written, and only those given.
    const std::pair<const char*, int> stored[] = {{"ColorRed", 1},    {"ColorGreen", 2}, {"ColorBlue", 3},
                                                  {"Blank", INT_MIN}, {"Speed", -12345}, {"AllMonitors", -12345},
                                                  {"Unknown", -12345}};
    for (const auto& [entry, value] : stored) {
        EXPECT_EQ(Stored(entry), value) << entry;
    }
}

TEST_F(SettingsStoreTest, ColourComponentsKeepTheirLowEightBitsAndMissingOnesTheirDefault) {
    Store("ColorRed", 278);
    Store("ColorGreen", -1);
    EXPECT_EQ(ReadColor(m_app), fw::RGB(22, 255, 165));
}

TEST_F(SettingsStoreTest, AFailedWriteChangesNothingAndTheOthersStillWork) {
    Store("Number", 11);
    Store("Speed", 22);
    if (!fw::test::MakeProfileWritesFail(m_app, kSettingsSection, "Speed")) {
        GTEST_SKIP() << "this platform cannot make one write fail";
    }
    WriteSettings(m_app, {{"Number", 33}, {"Speed", 44}, {"Blank", 1}});
    EXPECT_EQ(Stored("Number"), 33);
    EXPECT_EQ(Stored("Speed"), 22);
    EXPECT_EQ(Stored("Blank"), 1);
}

// Each would read as some number if taken at face value; all read as the
// default instead.
TEST_F(SettingsStoreTest, AValueOfAnotherTypeReadsAsTheDefault) {
    const struct {
        fw::DWORD type;
        std::vector<std::uint8_t> bytes;
    } values[] = {{fw::test::kRegSz, {'7', '7', 0}},
                  {fw::test::kRegBinary, {7, 0, 0, 0}},
                  {fw::test::kRegQword, {7, 0, 0, 0, 0, 0, 0, 0}},
                  {fw::test::kRegDword, {7, 0}},
                  {fw::test::kRegDword, {7, 0, 0, 0, 0, 0, 0, 0}},
                  {fw::test::kRegDword, {}}};
    for (const auto& value : values) {
        SCOPED_TRACE(::testing::Message() << "type " << value.type << ", " << value.bytes.size() << " bytes");
        for (const Setting* setting : kSettings) {
            for (const StoredEntry& entry : EntriesOf(*setting)) {
                ASSERT_TRUE(
                    fw::test::WriteRawProfileValue(m_app, kSettingsSection, entry.name, value.type, value.bytes));
            }
        }
        ExpectDefaults();
    }
}

}  // namespace
}  // namespace tidewell
