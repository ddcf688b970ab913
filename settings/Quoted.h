#pragma once
#include <string>

namespace tidewell {

// text in double quotes for a one-line message: control characters, a
// backslash and a double quote are escaped (\n, \t, \\, \", \xHH), so no
// value can break the line or fake more of the message.
std::string Quoted(const std::string& text);

}  // namespace tidewell
