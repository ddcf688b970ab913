// The in-memory profile: typed values, keys made on write, case-blind names,
// failing writes, and the logs.
#include "tests/fw/headless/HeadlessTest.h"

namespace fw::test {
namespace {

class ProfileTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        m_app.SetRegistryKey("Orvalle");
    }
    const std::string kKey = "Software\\Orvalle\\FwTests\\Config";
};

TEST_F(ProfileTest, AWriteStoresAFourByteDwordAndMakesTheKeys) {
    EXPECT_FALSE(hl::ProfileKeyExists("Software\\Orvalle"));
    EXPECT_TRUE(m_app.WriteProfileInt("Config", "Number", -2));
    EXPECT_TRUE(hl::ProfileKeyExists("Software\\Orvalle"));
    EXPECT_TRUE(hl::ProfileKeyExists(kKey));
    const auto value = hl::GetProfileValue(kKey, "Number");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, hl::REG_DWORD);
    EXPECT_EQ(value->bytes, (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST_F(ProfileTest, NamesAreComparedWithoutRegardToCase) {
    hl::SetProfileDword("SOFTWARE\\orvalle\\fwtests\\CONFIG", "number", 7);
    EXPECT_EQ(m_app.GetProfileInt("Config", "Number", 0), 7);
}

TEST_F(ProfileTest, OnlyAFourByteDwordReadsAsAValue) {
    hl::SetProfileValue(kKey, "A", hl::ProfileValue{hl::REG_DWORD, {1, 0, 0, 0, 0}});
    hl::SetProfileValue(kKey, "B", hl::ProfileValue{hl::REG_BINARY, {1, 0, 0, 0}});
    hl::SetProfileValue(kKey, "C", hl::ProfileValue{hl::REG_DWORD, {1, 0, 0, 0}});
    EXPECT_EQ(m_app.GetProfileInt("Config", "A", 9), 9);
    EXPECT_EQ(m_app.GetProfileInt("Config", "B", 9), 9);
    EXPECT_EQ(m_app.GetProfileInt("Config", "C", 9), 1);
}

TEST_F(ProfileTest, AFailingEntryChangesNothingWhileOthersAreWritten) {
    m_app.WriteProfileInt("Config", "Speed", 1);
    hl::FailProfileWrites("speed");
    EXPECT_FALSE(m_app.WriteProfileInt("Config", "Speed", 2));
    EXPECT_TRUE(m_app.WriteProfileInt("Config", "Number", 3));
    EXPECT_EQ(hl::GetProfileDword(kKey, "Speed"), 1);
    EXPECT_EQ(hl::GetProfileDword(kKey, "Number"), 3);
    hl::StopFailingProfileWrites();
    EXPECT_TRUE(m_app.WriteProfileInt("Config", "Speed", 4));
    EXPECT_EQ(hl::GetProfileDword(kKey, "Speed"), 4);
}

TEST_F(ProfileTest, TheLogsKeepEveryReadAndWriteInOrder) {
    m_app.GetProfileInt("Config", "Blank", 0);
    m_app.GetProfileInt("Config", "Number", 0);
    hl::FailProfileWrites();
    m_app.WriteProfileInt("Config", "Speed", 5);
    hl::StopFailingProfileWrites();
    m_app.WriteProfileInt("Config", "Blank", 1);
    EXPECT_EQ(hl::ProfileReadLog(), (std::vector<std::string>{"Blank", "Number"}));
    ASSERT_EQ(hl::ProfileWriteLog().size(), 2u);
    EXPECT_EQ(hl::ProfileWriteLog()[0].entry, "Speed");
    EXPECT_FALSE(hl::ProfileWriteLog()[0].succeeded);
    EXPECT_EQ(hl::ProfileWriteLog()[1].entry, "Blank");
    EXPECT_EQ(hl::ProfileWriteLog()[1].key, kKey);
    EXPECT_EQ(hl::ProfileWriteLog()[1].value, 1);
    EXPECT_TRUE(hl::ProfileWriteLog()[1].succeeded);
}

TEST_F(ProfileTest, DeletingAKeyRemovesEverythingBelowIt) {
    m_app.WriteProfileInt("Config", "Number", 1);
    m_app.WriteProfileInt("Other", "Number", 2);
    hl::SetProfileDword("Software\\Orvalle\\FwTestsToo\\Config", "Number", 3);
    hl::DeleteProfileKey("Software\\Orvalle\\FwTests");
    EXPECT_FALSE(hl::ProfileKeyExists(kKey));
    EXPECT_EQ(hl::ProfileValueCount(), 1u) << "a sibling whose name starts the same stays";
}

}  // namespace
}  // namespace fw::test
