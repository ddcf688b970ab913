// The compositor's events turned into the messages the platform would send:
// input from the seat, outputs that come and go, and the message queue's
// posted messages, paints and timers.
#include "fw/wayland/EventLoop.h"

#include <sys/mman.h>
#include <unistd.h>
#include <xkbcommon/xkbcommon.h>

#include <cstring>
#include <utility>

#include "fw/linux/VirtualKey.h"
#include "fw/wayland/Classes.h"
#include "fw/wayland/Connection.h"
#include "fw/wayland/DesktopPicture.h"
#include "fw/wayland/WindowRecord.h"

namespace fw::wayland {

namespace {

// Linux input event codes (linux/input-event-codes.h).
constexpr std::uint32_t kButtonLeft = 0x110;
constexpr std::uint32_t kButtonRight = 0x111;
constexpr std::uint32_t kButtonMiddle = 0x112;
// xkb numbers a key by its Linux code plus this.
constexpr std::uint32_t kXkbKeyOffset = 8;

HWND g_pointerWindow = nullptr;
LPARAM g_pointerAt = 0;             // in its client area, device pixels
WPARAM g_buttonsDown = 0;           // the platform's flags of the buttons held
std::uint32_t g_pointerSerial = 0;  // of the pointer's entering, for set_cursor
HWND g_keyboardWindow = nullptr;
HWND g_focusLeft = nullptr;  // lost the keyboard focus; ours again unless another client has it
xkb_context* g_xkb = nullptr;
xkb_keymap* g_keymap = nullptr;  // the keyboard's, as the compositor last gave it

LPARAM PointParam(int x, int y) { return MAKELPARAM(static_cast<unsigned>(x), static_cast<unsigned>(y)); }

HWND WindowOf(wl_surface* surface) {
    const WindowRecord* record = RecordOf(surface);
    return record != nullptr ? record->handle : nullptr;
}

// ------------------------------------------------------------- pointer

// Where the pointer is in the window's client area, in device pixels as
// the area is; false for a window of no size.
bool NoteClientPoint(const WindowRecord* record, wl_fixed_t x, wl_fixed_t y) {
    if (record == nullptr || record->logicalWidth <= 0 || record->logicalHeight <= 0) {
        return false;
    }
    g_pointerAt = PointParam(static_cast<int>(wl_fixed_to_double(x) * record->width / record->logicalWidth),
                             static_cast<int>(wl_fixed_to_double(y) * record->height / record->logicalHeight));
    return true;
}

void OnPointerEnter(void*, wl_pointer*, std::uint32_t serial, wl_surface* surface, wl_fixed_t x, wl_fixed_t y) {
    // Entering is no motion: the pointer may have been resting there.
    g_pointerWindow = WindowOf(surface);
    g_pointerSerial = serial;
    if (NoteClientPoint(RecordOf(g_pointerWindow), x, y)) {
        Deliver(g_pointerWindow, WM_SETCURSOR, reinterpret_cast<WPARAM>(g_pointerWindow),
                MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
}

void OnPointerLeave(void*, wl_pointer*, std::uint32_t, wl_surface*) { g_pointerWindow = nullptr; }

void OnPointerMotion(void*, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
    const WindowRecord* record = RecordOf(g_pointerWindow);
    if (NoteClientPoint(record, x, y)) {
        Deliver(record->handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(record->handle),
                MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        Deliver(record->handle, WM_MOUSEMOVE, g_buttonsDown, g_pointerAt);
    }
}

void OnPointerButton(void*, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t button, std::uint32_t state) {
    // Other buttons (side, extra) are no click.
    const auto [message, flag] = button == kButtonLeft     ? std::pair<UINT, WPARAM>{WM_LBUTTONDOWN, 0x01}
                                 : button == kButtonRight  ? std::pair<UINT, WPARAM>{WM_RBUTTONDOWN, 0x02}
                                 : button == kButtonMiddle ? std::pair<UINT, WPARAM>{WM_MBUTTONDOWN, 0x10}
                                                           : std::pair<UINT, WPARAM>{0, 0};
    if (state != WL_POINTER_BUTTON_STATE_PRESSED) {
        g_buttonsDown &= ~flag;
        return;
    }
    g_buttonsDown |= flag;
    if (message != 0 && g_pointerWindow != nullptr) {
        Deliver(g_pointerWindow, message, g_buttonsDown, g_pointerAt);
    }
}

void OnAxis(void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {}
void OnFrame(void*, wl_pointer*) {}
void OnAxisSource(void*, wl_pointer*, std::uint32_t) {}
void OnAxisStop(void*, wl_pointer*, std::uint32_t, std::uint32_t) {}
void OnAxisDiscrete(void*, wl_pointer*, std::uint32_t, std::int32_t) {}
void OnAxisValue120(void*, wl_pointer*, std::uint32_t, std::int32_t) {}

const wl_pointer_listener kPointerListener = {OnPointerEnter, OnPointerLeave, OnPointerMotion, OnPointerButton,
                                              OnAxis,         OnFrame,        OnAxisSource,    OnAxisStop,
                                              OnAxisDiscrete, OnAxisValue120};

// ------------------------------------------------------------- keyboard

// Keys arrive as codes whose meaning the keymap gives; the compositor sends
// a new one whenever another keyboard types.
void OnKeymap(void*, wl_keyboard*, std::uint32_t format, std::int32_t fd, std::uint32_t size) {
    void* text =
        format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 ? ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0) : MAP_FAILED;
    ::close(fd);
    if (text == MAP_FAILED) {
        return;
    }
    if (g_xkb == nullptr) {
        g_xkb = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    }
    xkb_keymap* keymap = g_xkb == nullptr
                             ? nullptr
                             : xkb_keymap_new_from_buffer(g_xkb, static_cast<const char*>(text),
                                                          ::strnlen(static_cast<const char*>(text), size),
                                                          XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    ::munmap(text, size);
    if (keymap != nullptr) {
        xkb_keymap_unref(g_keymap);
        g_keymap = keymap;
    }
}

// The virtual-key code of the key's unshifted symbol.
UINT VirtualKeyOf(std::uint32_t key) {
    const xkb_keysym_t* symbols = nullptr;
    if (g_keymap == nullptr || xkb_keymap_key_get_syms_by_level(g_keymap, key + kXkbKeyOffset, 0, 0, &symbols) < 1) {
        return 0xFF;
    }
    return shared::VirtualKey(symbols[0]);
}

void OnKeyboardEnter(void*, wl_keyboard*, std::uint32_t, wl_surface* surface, wl_array*) {
    // Keys already down when the focus came are not pressed now.
    g_keyboardWindow = WindowOf(surface);
}

void OnKeyboardLeave(void*, wl_keyboard*, std::uint32_t, wl_surface* surface) {
    if (HWND left = WindowOf(surface); left != nullptr && left == g_keyboardWindow) {
        g_focusLeft = left;
        g_keyboardWindow = nullptr;
    }
}

void OnKey(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key, std::uint32_t state) {
    if (state != WL_KEYBOARD_KEY_STATE_PRESSED || g_keyboardWindow == nullptr) {
        return;
    }
    // Alt is the system key.
    const UINT virtualKey = VirtualKeyOf(key);
    Deliver(g_keyboardWindow, virtualKey == 0x12 ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey,
            static_cast<LPARAM>(1u | ((key & 0xFFu) << 16)));
}

void OnModifiers(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
void OnRepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

const wl_keyboard_listener kKeyboardListener = {OnKeymap, OnKeyboardEnter, OnKeyboardLeave,
                                                OnKey,    OnModifiers,     OnRepeatInfo};

}  // namespace

// ------------------------------------------------------------- the seat and outputs

void BindSeatDevices(std::uint32_t capabilities) {
    Connection& w = W();
    if ((capabilities & WL_SEAT_CAPABILITY_POINTER) != 0 && w.pointer == nullptr) {
        w.pointer = wl_seat_get_pointer(w.seat);
        wl_pointer_add_listener(w.pointer, &kPointerListener, nullptr);
    }
    if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0 && w.keyboard == nullptr) {
        w.keyboard = wl_seat_get_keyboard(w.seat);
        wl_keyboard_add_listener(w.keyboard, &kKeyboardListener, nullptr);
    }
}

void HidePointer() {
    if (W().pointer != nullptr && RecordOf(g_pointerWindow) != nullptr) {
        wl_pointer_set_cursor(W().pointer, g_pointerSerial, nullptr, 0, 0);
    }
}

void OutputAdded(Output& output) {
    output.announced = true;
    TakePictureIfWanted(output);
    for (HWND hWnd : OurWindows()) {
        PostMessage(hWnd, WM_DISPLAYCHANGE, 0, 0);
    }
}

void OutputRemoved(std::uint32_t name) {
    // Its window goes; the others go on.
    for (HWND hWnd : OurWindows()) {
        if (const WindowRecord* record = RecordOf(hWnd); record != nullptr && record->outputName == name) {
            PostMessage(hWnd, WM_CLOSE, 0, 0);
        }
    }
}

// ------------------------------------------------------------- delivery

LRESULT Deliver(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* record = RecordOf(hWnd);
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    if (record == nullptr || record->destroying || wnd == nullptr) {
        return 0;
    }
    return detail::DeliverMessage(*wnd, message, wParam, lParam);
}

bool ReportFocusLost() {
    const HWND left = g_focusLeft;
    g_focusLeft = nullptr;
    // Focus that moved between our own windows stayed with the program.
    if (left == nullptr || g_keyboardWindow != nullptr) {
        return false;
    }
    Deliver(left, WM_ACTIVATE, WA_INACTIVE, 0);
    Deliver(left, WM_ACTIVATEAPP, FALSE, 0);
    return true;
}

bool PaintOne() {
    for (HWND hWnd : OurWindows()) {
        WindowRecord* record = RecordOf(hWnd);
        if (record == nullptr || !record->visible || record->destroying || IsEmptyRect(record->invalid)) {
            continue;
        }
        Deliver(hWnd, WM_PAINT);
        // A handler that did not paint must not be asked for ever.
        if ((record = RecordOf(hWnd)) != nullptr) {
            record->invalid = RECT();
        }
        return true;
    }
    return false;
}

}  // namespace fw::wayland
