#include "settings/StoredValue.h"

#include <cstdint>

namespace tidewell {

bool ParseDecimal(const std::string& text, std::int64_t& value) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        at = 1;
    }
    if (at == text.size() || text.size() - at > 12) {
        return false;
    }
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') {
            return false;
        }
        magnitude = magnitude * 10 + (text[at] - '0');
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

bool ParseStoredValue(const std::string& text, std::int32_t& value) {
    std::int64_t parsed = 0;
    if (!ParseDecimal(text, parsed) || parsed < INT32_MIN || parsed > static_cast<std::int64_t>(UINT32_MAX)) {
        return false;
    }
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(parsed));
    return true;
}

}  // namespace tidewell
