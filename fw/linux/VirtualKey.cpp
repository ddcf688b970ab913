#include "fw/linux/VirtualKey.h"

#include <xkbcommon/xkbcommon-keysyms.h>

#include <utility>

namespace fw::shared {

UINT VirtualKey(std::uint32_t sym) {
    // Runs of symbols with consecutive codes, then single keys.
    static const std::pair<std::uint32_t, UINT> kRuns[][2] = {
        {{XKB_KEY_a, 'A'}, {XKB_KEY_z, 'Z'}},         {{XKB_KEY_0, '0'}, {XKB_KEY_9, '9'}},
        {{XKB_KEY_F1, 0x70}, {XKB_KEY_F24, 0x87}},    {{XKB_KEY_Prior, 0x21}, {XKB_KEY_Next, 0x22}},
        {{XKB_KEY_Left, 0x25}, {XKB_KEY_Down, 0x28}},
    };
    static const std::pair<std::uint32_t, UINT> kKeys[] = {
        {XKB_KEY_space, 0x20},     {XKB_KEY_Return, 0x0D},  {XKB_KEY_Escape, 0x1B},  {XKB_KEY_Tab, 0x09},
        {XKB_KEY_BackSpace, 0x08}, {XKB_KEY_Delete, 0x2E},  {XKB_KEY_Insert, 0x2D},  {XKB_KEY_End, 0x23},
        {XKB_KEY_Home, 0x24},      {XKB_KEY_Shift_L, 0x10}, {XKB_KEY_Shift_R, 0x10}, {XKB_KEY_Control_L, 0x11},
        {XKB_KEY_Control_R, 0x11}, {XKB_KEY_Alt_L, 0x12},   {XKB_KEY_Alt_R, 0x12},
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

}  // namespace fw::shared
