#pragma once
#include <cstddef>
#include <string>

namespace tidewell {

// Words filled into lines of at most 80 characters: the first line starts
// with lead, the others with indent spaces; a bracketed "[--option VALUE]"
// is kept whole. Ends with a newline.
std::string Wrapped(const std::string& lead, const std::string& words, std::size_t indent);

// One option's entry in a --help text: "  usage", then the text from column
// on (on a line of its own when the usage reaches that far).
std::string OptionHelpLine(const std::string& usage, const std::string& text, std::size_t column);

}  // namespace tidewell
