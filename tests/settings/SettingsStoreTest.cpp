// The six stored settings through the application's profile: defaults,
// round trips, colour packing, values of another type, failed writes.
#include <gtest/gtest.h>

#include <climits>
#include <string>
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
        fw::test::RestoreProfileWrites(m_app, SettingNames::kSection);
        fw::test::DeleteProfileKey(m_app);
        PlatformTest::TearDown();
    }
    void Store(const char* entry, int value) { m_app.WriteProfileInt(SettingNames::kSection, entry, value); }
};

TEST_F(SettingsStoreTest, NothingStoredGivesTheDefaults) {
    EXPECT_EQ(ReadNumber(m_app), 20);
    EXPECT_EQ(ReadSpeed(m_app), 50);
    EXPECT_EQ(ReadBlank(m_app), 0);
    EXPECT_EQ(ReadColor(m_app), 0x00A55D16u);
}

TEST_F(SettingsStoreTest, AllSixValuesComeBackAsWritten) {
    WriteColor(m_app, fw::RGB(1, 2, 3));
    WriteNumber(m_app, 77);
    WriteSpeed(m_app, 33);
    WriteBlank(m_app, 1);
    EXPECT_EQ(ReadColor(m_app), fw::RGB(1, 2, 3));
    EXPECT_EQ(ReadNumber(m_app), 77);
    EXPECT_EQ(ReadSpeed(m_app), 33);
    EXPECT_EQ(ReadBlank(m_app), 1);
    EXPECT_EQ(m_app.GetProfileInt("Config", "ColorRed", -1), 1);
    EXPECT_EQ(m_app.GetProfileInt("Config", "ColorGreen", -1), 2);
    EXPECT_EQ(m_app.GetProfileInt("Config", "ColorBlue", -1), 3);
}

TEST_F(SettingsStoreTest, ValuesAreSigned32BitAndNotBoundedOnReading) {
    WriteNumber(m_app, -5);
    WriteSpeed(m_app, INT_MAX);
    WriteBlank(m_app, INT_MIN);
    EXPECT_EQ(ReadNumber(m_app), -5);
    EXPECT_EQ(ReadSpeed(m_app), INT_MAX);
    EXPECT_EQ(ReadBlank(m_app), INT_MIN);
    Store(SettingNames::kNumber, 0);
    Store(SettingNames::kSpeed, 5);
    EXPECT_EQ(ReadNumber(m_app), 0);
    EXPECT_EQ(ReadSpeed(m_app), 5);
}

TEST_F(SettingsStoreTest, ColourComponentsKeepTheirLowEightBits) {
    Store(SettingNames::kColorRed, 278);
    Store(SettingNames::kColorGreen, 256);
    Store(SettingNames::kColorBlue, -1);
    EXPECT_EQ(ReadColor(m_app), fw::RGB(22, 0, 255));
}

TEST_F(SettingsStoreTest, AMissingComponentTakesItsOwnDefault) {
    Store(SettingNames::kColorGreen, 0);
    EXPECT_EQ(ReadColor(m_app), fw::RGB(22, 0, 165));
}

TEST_F(SettingsStoreTest, WritingTheColourStoresItsThreeBytes) {
    WriteColor(m_app, 0x00A55D16u);
    EXPECT_EQ(m_app.GetProfileInt("Config", "ColorRed", -1), 22);
    EXPECT_EQ(m_app.GetProfileInt("Config", "ColorGreen", -1), 93);
    EXPECT_EQ(m_app.GetProfileInt("Config", "ColorBlue", -1), 165);
}

TEST_F(SettingsStoreTest, AFailedWriteChangesNothingAndTheOthersStillWork) {
    WriteNumber(m_app, 11);
    WriteSpeed(m_app, 22);
    if (!fw::test::MakeProfileWritesFail(m_app, SettingNames::kSection, SettingNames::kSpeed)) {
        GTEST_SKIP() << "this platform cannot make one write fail";
    }
    WriteNumber(m_app, 33);
    WriteSpeed(m_app, 44);
    WriteBlank(m_app, 1);
    EXPECT_EQ(ReadNumber(m_app), 33);
    EXPECT_EQ(ReadSpeed(m_app), 22);
    EXPECT_EQ(ReadBlank(m_app), 1);
}

struct ForeignValue {
    const char* name;
    fw::DWORD type;
    std::vector<std::uint8_t> bytes;
};

class ForeignValueTest : public SettingsStoreTest, public ::testing::WithParamInterface<ForeignValue> {};

// Each would read as some number if taken at face value; all read as the
// default instead.
TEST_P(ForeignValueTest, AValueOfAnotherTypeReadsAsTheDefault) {
    const ForeignValue& value = GetParam();
    const char* entries[] = {SettingNames::kNumber,   SettingNames::kSpeed,      SettingNames::kBlank,
                             SettingNames::kColorRed, SettingNames::kColorGreen, SettingNames::kColorBlue};
    for (const char* entry : entries) {
        ASSERT_TRUE(fw::test::WriteRawProfileValue(m_app, SettingNames::kSection, entry, value.type, value.bytes));
    }
    EXPECT_EQ(ReadNumber(m_app), 20);
    EXPECT_EQ(ReadSpeed(m_app), 50);
    EXPECT_EQ(ReadBlank(m_app), 0);
    EXPECT_EQ(ReadColor(m_app), 0x00A55D16u);
}

INSTANTIATE_TEST_SUITE_P(Types, ForeignValueTest,
                         ::testing::Values(ForeignValue{"Text", fw::test::kRegSz, {'7', '7', 0}},
                                           ForeignValue{"Binary", fw::test::kRegBinary, {7, 0, 0, 0}},
                                           ForeignValue{"Qword", fw::test::kRegQword, {7, 0, 0, 0, 0, 0, 0, 0}},
                                           ForeignValue{"ShortDword", fw::test::kRegDword, {7, 0}},
                                           ForeignValue{"LongDword", fw::test::kRegDword, {7, 0, 0, 0, 0, 0, 0, 0}},
                                           ForeignValue{"EmptyDword", fw::test::kRegDword, {}}),
                         [](const ::testing::TestParamInfo<ForeignValue>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tidewell
