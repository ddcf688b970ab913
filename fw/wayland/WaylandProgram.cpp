#include "fw/wayland/WaylandProgram.h"

#include <cctype>

#include "fw/wayland/Connection.h"
#include "fw/wayland/DesktopPicture.h"
#include "fw/wayland/WindowRecord.h"

namespace fw::wayland {

namespace {

// The 16-bit value of 1 to 4 hex digits; scaled to the full range
// (rgb:), or left-aligned as X reads the # forms.
bool HexChannel(const std::string& digits, bool scaled, unsigned& value) {
    if (digits.empty() || digits.size() > 4) {
        return false;
    }
    unsigned number = 0;
    for (char c : digits) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                                                                      : -1;
        if (digit < 0) {
            return false;
        }
        number = number * 16 + static_cast<unsigned>(digit);
    }
    const unsigned bits = 4 * static_cast<unsigned>(digits.size());
    value = scaled ? number * 65535u / ((1u << bits) - 1u) : number << (16 - bits);
    return true;
}

}  // namespace

bool ParseColor(const std::string& written, COLORREF& colour) {
    std::string text;
    for (char c : written) {
        text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::string parts[3];
    bool scaled = false;
    if (text.size() > 1 && text[0] == '#' && (text.size() - 1) % 3 == 0) {
        const std::size_t digits = (text.size() - 1) / 3;
        for (std::size_t i = 0; i < 3; ++i) {
            parts[i] = text.substr(1 + i * digits, digits);
        }
    } else if (text.compare(0, 4, "rgb:") == 0) {
        scaled = true;
        std::size_t start = 4;
        for (std::size_t i = 0; i < 3; ++i) {
            const std::size_t end = i < 2 ? text.find('/', start) : text.size();
            if (end == std::string::npos) {
                return false;
            }
            parts[i] = text.substr(start, end - start);
            start = end + 1;
        }
    } else {
        return false;
    }
    unsigned channel[3];
    for (std::size_t i = 0; i < 3; ++i) {
        if (!HexChannel(parts[i], scaled, channel[i])) {
            return false;
        }
    }
    colour = RGB(channel[0] >> 8, channel[1] >> 8, channel[2] >> 8);
    return true;
}

const BackendTable& Primitives() {
    static const BackendTable table = TIDEWELL_BACKEND_TABLE();
    return table;
}

bool Connect(std::string& error) {
    if (!OpenConnection(error)) {
        return false;
    }
    UseBackend(Primitives());
    return true;
}

bool TakeDesktopPictures() {
    WantPictures();
    bool all = true;
    for (Output* output : ReadyOutputs()) {
        all = TakePictureIfWanted(*output) && all;
    }
    return all;
}

void DestroyAllWindows() {
    if (W().display == nullptr) {
        return;
    }
    for (HWND hWnd : OurWindows()) {
        DestroyOurWindow(hWnd);
    }
}

std::string LostConnection() { return W().lost; }

}  // namespace fw::wayland
