#include "settings/OptionHelp.h"

namespace tidewell {

std::string OptionHelpLine(const std::string& usage, const std::string& text, std::size_t column) {
    std::string line = "  " + usage;
    if (line.size() + 1 > column) {
        line += "\n";
        line.resize(line.size() + column, ' ');
    } else {
        line.resize(column, ' ');
    }
    return line + text + "\n";
}

}  // namespace tidewell
