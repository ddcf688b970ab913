#include "app/WindowHandleArgument.h"

#include <limits>

namespace tidewell {

fw::HWND ParseWindowHandle(const char* argument) {
    if (argument == nullptr || *argument == '\0') {
        return nullptr;
    }
    constexpr fw::UINT_PTR kMax = std::numeric_limits<fw::UINT_PTR>::max();
    fw::UINT_PTR value = 0;
    for (const char* p = argument; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') {
            return nullptr;
        }
        const auto digit = static_cast<fw::UINT_PTR>(*p - '0');
        if (value > (kMax - digit) / 10) {
            return nullptr;  // would overflow a pointer
        }
        value = value * 10 + digit;
    }
    return reinterpret_cast<fw::HWND>(value);
}

}  // namespace tidewell
