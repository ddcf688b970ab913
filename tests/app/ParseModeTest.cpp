#include <gtest/gtest.h>

#include <vector>

#include "app/ParticleApp.h"

namespace tidewell {
namespace {

// The mode of the first letter after at most one prefix; anything else is none.
TEST(ParseMode, GivesTheModeOfTheFirstLetterAfterOnePrefix) {
    const struct {
        int mode;
        std::vector<const char*> arguments;
    } table[] = {
        {CParticleApp::kSettings, {"/c", "/C", "-c", "-C", "c", "C", "/c:1234", "config"}},
        {CParticleApp::kPreview, {"/p", "/P", "-p", "p"}},
        {CParticleApp::kRun, {"/s", "/S", "-s", "-S", "s", "S", "/saver"}},
        {CParticleApp::kNone,
         {"//s", "-/s", "/-c", "--p", "-", "/", "", "/a", "/x", " /s", "\\s", "1234", "\xE7", nullptr}},
    };
    for (const auto& row : table) {
        for (const char* argument : row.arguments) {
            EXPECT_EQ(CParticleApp::ParseMode(argument), row.mode) << (argument ? argument : "null");
        }
    }
}

}  // namespace
}  // namespace tidewell
