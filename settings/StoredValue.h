#pragma once
#include <cstdint>
#include <string>

namespace tidewell {

// Decimal digits with an optional leading '-', at most 12 digits: nothing
// else is a number.
bool ParseDecimal(const std::string& text, std::int64_t& value);

// A stored setting as the profile holds it: any 32-bit value, written signed
// (-2147483648..) or unsigned (..4294967295), kept as its 32 bits.
bool ParseStoredValue(const std::string& text, std::int32_t& value);

}  // namespace tidewell
