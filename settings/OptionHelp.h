#pragma once
#include <cstddef>
#include <string>

namespace tidewell {

// One option's entry in a --help text: "  usage", then the text from column
// on (on a line of its own when the usage reaches that far).
std::string OptionHelpLine(const std::string& usage, const std::string& text, std::size_t column);

}  // namespace tidewell
