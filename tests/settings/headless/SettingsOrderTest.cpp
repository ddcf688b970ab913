// What only the headless profile can show: the order of reads and writes,
// the stored type, and a profile without a registry key.
#include <gtest/gtest.h>

#include "tests/support/headless/HeadlessControl.h"
#include "settings/Settings.h"

namespace tidewell {
namespace {

namespace hl = fw::headless;

class SettingsOrderTest : public ::testing::Test {
protected:
    void SetUp() override {
        hl::Reset();
        m_app.SetRegistryKey("Orvalle");
    }
    std::vector<std::string> WrittenEntries() const {
        std::vector<std::string> entries;
        for (const hl::ProfileWrite& write : hl::ProfileWriteLog()) {
            entries.push_back(write.entry);
        }
        return entries;
    }

    fw::CWinApp m_app{"Waves"};
};

TEST_F(SettingsOrderTest, TheColourIsReadBlueGreenRed) {
    ReadColor(m_app);
    EXPECT_EQ(hl::ProfileReadLog(), (std::vector<std::string>{"ColorBlue", "ColorGreen", "ColorRed"}));
}

TEST_F(SettingsOrderTest, TheColourIsWrittenRedGreenBlueAsDwords) {
    WriteColor(m_app, fw::RGB(22, 93, 165));
    EXPECT_EQ(WrittenEntries(), (std::vector<std::string>{"ColorRed", "ColorGreen", "ColorBlue"}));
    const auto red = hl::GetProfileValue("Software\\Orvalle\\Waves\\Config", "ColorRed");
    ASSERT_TRUE(red.has_value());
    EXPECT_EQ(red->type, hl::REG_DWORD);
    EXPECT_EQ(red->bytes, (std::vector<std::uint8_t>{22, 0, 0, 0}));
}

TEST_F(SettingsOrderTest, ValuesLiveUnderTheApplicationsConfigKey) {
    WriteNumber(m_app, 42);
    EXPECT_EQ(hl::GetProfileDword("Software\\Orvalle\\Waves\\Config", "Number"), 42);
    EXPECT_EQ(hl::ProfileValueCount(), 1u);
}

TEST_F(SettingsOrderTest, WithoutARegistryKeyReadsGiveDefaultsAndWritesFail) {
    fw::CWinApp bare("Bare");
    hl::SetProfileDword("Software\\Bare\\Config", "Number", 5);
    EXPECT_EQ(ReadNumber(bare), 20);
    EXPECT_FALSE(bare.WriteProfileInt("Config", "Number", 3));
    EXPECT_TRUE(hl::ProfileWriteLog().empty()) << "refused before the store";
    EXPECT_EQ(hl::ProfileValueCount(), 1u);
}

TEST_F(SettingsOrderTest, WhenEveryWriteFailsNothingIsStored) {
    WriteNumber(m_app, 9);
    hl::FailProfileWrites();
    WriteColor(m_app, fw::RGB(1, 2, 3));
    WriteNumber(m_app, 10);
    EXPECT_EQ(hl::ProfileValueCount(), 1u);
    EXPECT_EQ(ReadNumber(m_app), 9);
    EXPECT_EQ(ReadColor(m_app), 0x00A55D16u);
}

}  // namespace
}  // namespace tidewell
