#include "app/WindowHandleArgument.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace tidewell {
namespace {

// A plain decimal number as wide as a pointer; anything else is no handle.
TEST(ParseWindowHandle, ReadsAPlainDecimalNumberAsWideAsAPointer) {
    constexpr fw::UINT_PTR kMax = std::numeric_limits<fw::UINT_PTR>::max();
    const std::string max = std::to_string(kMax);
    std::string justOver = max;
    justOver.back() = static_cast<char>(justOver.back() + 1);  // max ends in 5
    const struct {
        std::string text;
        fw::UINT_PTR handle;
    } table[] = {
        {"1234", 1234u},
        {"0001234", 1234u},
        {"7", 7u},
        {max, kMax},
        {"4294967296", sizeof(void*) > 4 ? fw::UINT_PTR{4294967296u} : 0u},
        {max + "0", 0u},
        {justOver, 0u},
        {"99999999999999999999999999", 0u},
        {"", 0u},
        {"0", 0u},
        {"000", 0u},
        {"abc", 0u},
        {"12a", 0u},
        {"a12", 0u},
        {"-5", 0u},
        {"+5", 0u},
        {" 5", 0u},
        {"5 ", 0u},
        {"0x1F", 0u},
        {"1.5", 0u},
        {"1e3", 0u},
    };
    for (const auto& row : table) {
        EXPECT_EQ(reinterpret_cast<fw::UINT_PTR>(ParseWindowHandle(row.text.c_str())), row.handle)
            << "\"" << row.text << "\"";
    }
    EXPECT_EQ(ParseWindowHandle(nullptr), nullptr);
}

}  // namespace
}  // namespace tidewell
