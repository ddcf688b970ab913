#include "settings/OptionHelp.h"

#include <sstream>

namespace tidewell {

namespace {
constexpr std::size_t kWidth = 80;
}

std::string Wrapped(const std::string& lead, const std::string& words, std::size_t indent) {
    std::string text;
    std::string line = lead;
    bool lineHasWords = false;
    std::istringstream split(words);
    std::string word;
    while (split >> word) {
        // "[--option VALUE]" stays on one line.
        for (std::string more; word[0] == '[' && word.find(']') == std::string::npos && split >> more;) {
            word += " " + more;
        }
        if (lineHasWords && line.size() + 1 + word.size() > kWidth) {
            text += line + "\n";
            line.assign(indent, ' ');
            lineHasWords = false;
        }
        // A lead that ends in a space is a column to start at.
        line += (line.empty() || line.back() == ' ' ? "" : " ") + word;
        lineHasWords = true;
    }
    return text + line + "\n";
}

std::string OptionHelpLine(const std::string& usage, const std::string& text, std::size_t column) {
    std::string lead = "  " + usage;
    if (lead.size() + 1 > column) {
        lead += "\n";
        lead.resize(lead.size() + column, ' ');
    } else {
        lead.resize(column, ' ');
    }
    return Wrapped(lead, text, column);
}

}  // namespace tidewell
