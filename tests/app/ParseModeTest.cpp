#include <gtest/gtest.h>

#include <ostream>

#include "app/ParticleApp.h"

namespace tidewell {
namespace {

struct ModeCase {
    const char* argument;
    int mode;
};

std::ostream& operator<<(std::ostream& os, const ModeCase& c) { return os << "\"" << c.argument << "\" -> " << c.mode; }

class ParseModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ParseModeTest, GivesTheModeOfTheFirstLetterAfterOnePrefix) {
    EXPECT_EQ(CParticleApp::ParseMode(GetParam().argument), GetParam().mode)
        << "argument \"" << GetParam().argument << "\"";
}

constexpr int kSettings = CParticleApp::kSettings;
constexpr int kPreview = CParticleApp::kPreview;
constexpr int kRun = CParticleApp::kRun;
constexpr int kNone = CParticleApp::kNone;

INSTANTIATE_TEST_SUITE_P(EveryRowOfTheTable, ParseModeTest,
                         ::testing::Values(ModeCase{"/c", kSettings}, ModeCase{"/C", kSettings},
                                           ModeCase{"-c", kSettings}, ModeCase{"-C", kSettings},
                                           ModeCase{"c", kSettings}, ModeCase{"C", kSettings},
                                           ModeCase{"/c:1234", kSettings}, ModeCase{"config", kSettings},
                                           ModeCase{"/p", kPreview}, ModeCase{"/P", kPreview}, ModeCase{"-p", kPreview},
                                           ModeCase{"p", kPreview}, ModeCase{"/s", kRun}, ModeCase{"/S", kRun},
                                           ModeCase{"-s", kRun}, ModeCase{"-S", kRun}, ModeCase{"s", kRun},
                                           ModeCase{"S", kRun}, ModeCase{"/saver", kRun}));

INSTANTIATE_TEST_SUITE_P(AnythingElseIsNone, ParseModeTest,
                         ::testing::Values(ModeCase{"//s", kNone}, ModeCase{"-/s", kNone}, ModeCase{"/-c", kNone},
                                           ModeCase{"--p", kNone}, ModeCase{"-", kNone}, ModeCase{"/", kNone},
                                           ModeCase{"", kNone}, ModeCase{"/a", kNone}, ModeCase{"/x", kNone},
                                           ModeCase{" /s", kNone}, ModeCase{"\\s", kNone}, ModeCase{"1234", kNone},
                                           ModeCase{"\xE7", kNone}));

TEST(ParseMode, NullArgumentIsNone) { EXPECT_EQ(CParticleApp::ParseMode(nullptr), kNone); }

}  // namespace
}  // namespace tidewell
