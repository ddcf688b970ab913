#include "app/WindowHandleArgument.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace tidewell {
namespace {

fw::UINT_PTR Parsed(const std::string& text) { return reinterpret_cast<fw::UINT_PTR>(ParseWindowHandle(text.c_str())); }

TEST(ParseWindowHandle, ReadsADecimalNumber) {
    EXPECT_EQ(Parsed("1234"), 1234u);
    EXPECT_EQ(Parsed("0001234"), 1234u);
    EXPECT_EQ(Parsed("7"), 7u);
}

TEST(ParseWindowHandle, TakesTheWholeWidthOfAPointer) {
    constexpr fw::UINT_PTR kMax = std::numeric_limits<fw::UINT_PTR>::max();
    EXPECT_EQ(Parsed(std::to_string(kMax)), kMax);
    EXPECT_EQ(Parsed("4294967296"), sizeof(void*) > 4 ? fw::UINT_PTR{4294967296u} : 0u);
}

TEST(ParseWindowHandle, RefusesWhatIsNotAPlainNumber) {
    for (const char* bad : {"", "0", "000", "abc", "12a", "a12", "-5", "+5", " 5", "5 ", "0x1F", "1.5", "1e3"}) {
        EXPECT_EQ(ParseWindowHandle(bad), nullptr) << "\"" << bad << "\"";
    }
    EXPECT_EQ(ParseWindowHandle(nullptr), nullptr);
}

TEST(ParseWindowHandle, RefusesANumberTooLargeForAPointer) {
    const std::string max = std::to_string(std::numeric_limits<fw::UINT_PTR>::max());
    EXPECT_EQ(ParseWindowHandle((max + "0").c_str()), nullptr);
    std::string justOver = max;
    justOver.back() = static_cast<char>(justOver.back() + 1);  // max ends in 5
    EXPECT_EQ(ParseWindowHandle(justOver.c_str()), nullptr);
    EXPECT_EQ(ParseWindowHandle("99999999999999999999999999"), nullptr);
}

}  // namespace
}  // namespace tidewell
