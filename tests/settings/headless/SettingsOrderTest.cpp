// What only the headless profile can show: the order of writes, the stored
// type and key, and a profile without a registry key.
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

    fw::CWinApp m_app{"Waves"};
};

TEST_F(SettingsOrderTest, WritesInTheTablesOrderAsDwordsUnderTheApplicationsConfigKey) {
    StoredSettings settings{{"AllMonitors", 0}, {"Blank", 1}, {"Speed", 50}, {"Number", 42}};
    PutColor(settings, fw::RGB(22, 93, 165));
    WriteSettings(m_app, settings);
    std::vector<std::string> entries;
    for (const hl::ProfileWrite& write : hl::ProfileWriteLog()) {
        EXPECT_EQ(write.key, "Software\\Orvalle\\Waves\\Config");
        entries.push_back(write.entry);
    }
    EXPECT_EQ(entries, (std::vector<std::string>{"ColorRed", "ColorGreen", "ColorBlue", "Number", "Speed", "Blank",
                                                 "AllMonitors"}));
    const auto red = hl::GetProfileValue("Software\\Orvalle\\Waves\\Config", "ColorRed");
    ASSERT_TRUE(red.has_value());
    EXPECT_EQ(red->type, hl::REG_DWORD);
    EXPECT_EQ(red->bytes, (std::vector<std::uint8_t>{22, 0, 0, 0}));
}

TEST_F(SettingsOrderTest, WithoutARegistryKeyReadsGiveDefaultsAndWritesFail) {
    fw::CWinApp bare("Bare");
    hl::SetProfileDword("Software\\Bare\\Config", "Number", 5);
    EXPECT_EQ(ReadSetting(bare, kNumberSetting), 20);
    EXPECT_FALSE(bare.WriteProfileInt("Config", "Number", 3));
    EXPECT_TRUE(hl::ProfileWriteLog().empty()) << "refused before the store";
    EXPECT_EQ(hl::ProfileValueCount(), 1u);
}

TEST_F(SettingsOrderTest, WhenEveryWriteFailsNothingIsStored) {
    WriteSettings(m_app, {{"Number", 9}});
    hl::FailProfileWrites();
    StoredSettings settings{{"Number", 10}};
    PutColor(settings, fw::RGB(1, 2, 3));
    WriteSettings(m_app, settings);
    EXPECT_EQ(hl::ProfileValueCount(), 1u);
    EXPECT_EQ(ReadSetting(m_app, kNumberSetting), 9);
    EXPECT_EQ(ReadColor(m_app), 0x00A55D16u);
}

}  // namespace
}  // namespace tidewell
