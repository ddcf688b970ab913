#include "fw/linux/VirtualKey.h"

// The keysyms' numbers are X's on both backends; a build carries at least
// one of the two headers that name them (xkbcommon's with Wayland, X's with
// X11) and needs only its own.
#if __has_include(<xkbcommon/xkbcommon-keysyms.h>)
#include <xkbcommon/xkbcommon-keysyms.h>
#define KEYSYM(name) XKB_KEY_##name
#else
#include <X11/keysym.h>
#define KEYSYM(name) XK_##name
#endif

#include <utility>

namespace fw::shared {

UINT VirtualKey(std::uint32_t sym) {
    // Runs of symbols with consecutive codes, then single keys.
    static const std::pair<std::uint32_t, UINT> kRuns[][2] = {
        {{KEYSYM(a), 'A'}, {KEYSYM(z), 'Z'}},         {{KEYSYM(0), '0'}, {KEYSYM(9), '9'}},
        {{KEYSYM(F1), 0x70}, {KEYSYM(F24), 0x87}},    {{KEYSYM(Prior), 0x21}, {KEYSYM(Next), 0x22}},
        {{KEYSYM(Left), 0x25}, {KEYSYM(Down), 0x28}},
    };
    static const std::pair<std::uint32_t, UINT> kKeys[] = {
        {KEYSYM(space), 0x20},     {KEYSYM(Return), 0x0D},  {KEYSYM(Escape), 0x1B},  {KEYSYM(Tab), 0x09},
        {KEYSYM(BackSpace), 0x08}, {KEYSYM(Delete), 0x2E},  {KEYSYM(Insert), 0x2D},  {KEYSYM(End), 0x23},
        {KEYSYM(Home), 0x24},      {KEYSYM(Shift_L), 0x10}, {KEYSYM(Shift_R), 0x10}, {KEYSYM(Control_L), 0x11},
        {KEYSYM(Control_R), 0x11}, {KEYSYM(Alt_L), 0x12},   {KEYSYM(Alt_R), 0x12},
    };
    for (const auto& run : kRuns) {
        if (sym >= run[0].first && sym <= run[1].first) {
            return run[0].second + static_cast<UINT>(sym - run[0].first);
        }
    }
    for (const auto& [keySym, key] : kKeys) {
        if (sym == keySym) {
            return key;
        }
    }
    return 0xFF;
}

#undef KEYSYM

}  // namespace fw::shared
