#include "tests/support/KeySymName.h"

#include <cctype>

namespace fw::test {

std::string KeySymName(UINT virtualKey) {
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9')) {
        return std::string(1, static_cast<char>(std::tolower(static_cast<int>(virtualKey))));
    }
    return virtualKey == 0x12 ? "Alt_L" : virtualKey == 0x1B ? "Escape" : virtualKey == 0x0D ? "Return" : "space";
}

}  // namespace fw::test
