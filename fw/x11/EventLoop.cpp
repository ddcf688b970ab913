#include "fw/x11/EventLoop.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "fw/linux/VirtualKey.h"
#include "fw/x11/Connection.h"
#include "fw/x11/DesktopPicture.h"
#include "fw/x11/WindowRecord.h"

namespace fw::x11 {

namespace {

::Window g_pointerWindow = 0;

LRESULT Deliver(::Window window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    const WindowRecord* record = RecordOf(ToFw(window));
    CWnd* wnd = CWnd::FromHandlePermanent(ToFw(window));
    if (record == nullptr || record->destroying || wnd == nullptr) {
        return 0;
    }
    return detail::DeliverMessage(*wnd, message, wParam, lParam);
}

LPARAM PointParam(int x, int y) { return MAKELPARAM(static_cast<unsigned>(x), static_cast<unsigned>(y)); }

bool FocusIsOurs() {
    ::Window focus = 0;
    int revert = 0;
    ::XGetInputFocus(X().display, &focus, &revert);
    return RecordOf(ToFw(focus)) != nullptr;
}

// A new size keeps the pixels both sizes share; the rest starts from the
// desktop picture the window would start from if it were made now.
void Resize(WindowRecord& record, const ::XConfigureEvent& configure) {
    const int width = configure.width;
    const int height = configure.height;
    auto image = std::make_unique<WindowImage>(width, height);
    if (image->Valid() && (record.topLevel || RecordOf(ToFw(record.parent)) == nullptr)) {
        const POINT origin =
            record.topLevel ? backend::ClientOrigin(ToFw(record.window)) : POINT{configure.x, configure.y};
        LoadDesktopPicture(record.topLevel ? X().root : record.parent, record.topLevel, origin.x, origin.y, *image);
    }
    if (image->Valid() && record.image && record.image->Valid()) {
        const int w = std::min(width, record.image->Width());
        for (int y = 0; y < std::min(height, record.image->Height()); ++y) {
            std::copy(record.image->Row(y), record.image->Row(y) + w, image->Row(y));
        }
    }
    record.image = std::move(image);
    record.width = width;
    record.height = height;
}

// Another client's window changed size: the host of windows of ours, or
// the root window when the screen changed.
void OnForeignConfigure(const ::XConfigureEvent& configure) {
    Connection& c = X();
    if (configure.window == c.root) {
        const int oldWidth = c.rootWidth;
        const int oldHeight = c.rootHeight;
        c.rootWidth = configure.width;
        c.rootHeight = configure.height;
        // A full-screen window that reached the screen's right or bottom edge
        // reaches the new one, so a grown screen or an added monitor is
        // covered too.
        for (::Window window : OurWindows()) {
            const WindowRecord* record = RecordOf(ToFw(window));
            const RECT rect = backend::WindowRect(ToFw(window));
            if (!record->topLevel || !record->takesFocus || IsEmptyRect(rect)) {
                continue;
            }
            const int right = rect.right == oldWidth ? std::max<int>(c.rootWidth, rect.left + 1) : rect.right;
            const int bottom = rect.bottom == oldHeight ? std::max<int>(c.rootHeight, rect.top + 1) : rect.bottom;
            if (right != rect.right || bottom != rect.bottom) {
                ::XResizeWindow(c.display, window, static_cast<unsigned>(right - rect.left),
                                static_cast<unsigned>(bottom - rect.top));
            }
        }
    }
    // Windows of ours that cover a host's window follow its size.
    for (::Window window : OurWindows()) {
        const WindowRecord* record = RecordOf(ToFw(window));
        if (!record->topLevel && record->parent == configure.window &&
            (record->width != configure.width || record->height != configure.height)) {
            ::XResizeWindow(c.display, window, static_cast<unsigned>(std::max(configure.width, 1)),
                            static_cast<unsigned>(std::max(configure.height, 1)));
        }
    }
}

void OnKey(const ::XKeyEvent& key) {
    const UINT virtualKey = shared::VirtualKey(::XLookupKeysym(const_cast<::XKeyEvent*>(&key), 0));
    // With Alt held, or Alt itself, as the system key.
    const bool alt = (key.state & Mod1Mask) != 0 || virtualKey == 0x12;
    const LPARAM lParam = static_cast<LPARAM>(1u | (static_cast<unsigned>(key.keycode & 0xFFu) << 16));
    Deliver(key.window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, lParam);
}

// The platform's MK_* flags: the buttons and modifiers held.
WPARAM MouseFlags(unsigned state) {
    const std::pair<unsigned, WPARAM> kFlags[] = {
        {Button1Mask, 0x01}, {Button3Mask, 0x02}, {ShiftMask, 0x04}, {ControlMask, 0x08}, {Button2Mask, 0x10}};
    WPARAM flags = 0;
    for (const auto& [mask, flag] : kFlags) {
        flags |= (state & mask) != 0 ? flag : 0;
    }
    return flags;
}

void OnButton(const ::XButtonEvent& button) {
    // Buttons 4 and up are the wheel and side buttons: no click.
    const UINT messages[] = {WM_LBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDOWN};
    if (button.button < 1 || button.button > 3) {
        return;
    }
    // The state is from before the press: the pressed button is held now.
    const unsigned pressed = Button1Mask << (button.button - 1);
    Deliver(button.window, messages[button.button - 1], MouseFlags(button.state | pressed),
            PointParam(button.x, button.y));
}

void OnMotion(const ::XMotionEvent& motion) {
    g_pointerWindow = motion.window;
    Deliver(motion.window, WM_SETCURSOR, reinterpret_cast<WPARAM>(ToFw(motion.window)),
            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    Deliver(motion.window, WM_MOUSEMOVE, MouseFlags(motion.state), PointParam(motion.x, motion.y));
}

void OnFocusOut(const ::XFocusChangeEvent& focus) {
    // Only focus that leaves the program counts; grabs and moves between
    // our own windows do not.
    if (focus.mode == NotifyGrab || focus.mode == NotifyUngrab || focus.detail == NotifyInferior ||
        focus.detail == NotifyPointer || FocusIsOurs()) {
        return;
    }
    Deliver(focus.window, WM_ACTIVATE, WA_INACTIVE, 0);
    Deliver(focus.window, WM_ACTIVATEAPP, FALSE, 0);
}

void OnMap(WindowRecord& record) {
    // A full-screen window takes the keyboard focus once it can.
    if (record.topLevel && record.takesFocus && !FocusIsOurs()) {
        ErrorTrap trap;
        ::XSetInputFocus(X().display, record.window, RevertToParent, CurrentTime);
    }
}

}  // namespace

::Window WindowUnderPointer() { return g_pointerWindow; }

void Dispatch(const ::XEvent& event) {
    WindowRecord* record = RecordOf(ToFw(event.xany.window));
    if (record == nullptr && event.type == ConfigureNotify) {
        OnForeignConfigure(event.xconfigure);
    }
    if (record == nullptr || record->destroying) {
        return;
    }
    switch (event.type) {
        case Expose: {
            const ::XExposeEvent& e = event.xexpose;
            record->invalid = UnionRects(record->invalid, RECT{e.x, e.y, e.x + e.width, e.y + e.height});
            break;
        }
        case ConfigureNotify:
            if (event.xconfigure.width != record->width || event.xconfigure.height != record->height) {
                Resize(*record, event.xconfigure);
                Deliver(record->window, WM_SIZE, SIZE_RESTORED, PointParam(record->width, record->height));
            }
            break;
        case MapNotify:
            OnMap(*record);
            break;
        case DestroyNotify:
            if (event.xdestroywindow.window == record->window) {
                DestroyOurWindow(record->window, true);
            }
            break;
        case KeyPress:
            OnKey(event.xkey);
            break;
        case ButtonPress:
            OnButton(event.xbutton);
            break;
        case MotionNotify:
            OnMotion(event.xmotion);
            break;
        case FocusOut:
            OnFocusOut(event.xfocus);
            break;
        case ClientMessage:
            if (event.xclient.message_type == X().wmProtocols &&
                static_cast<::Atom>(event.xclient.data.l[0]) == X().wmDeleteWindow) {
                Deliver(record->window, WM_CLOSE);
            }
            break;
        default:
            break;
    }
}

bool PaintOne() {
    for (::Window window : OurWindows()) {
        WindowRecord* record = RecordOf(ToFw(window));
        if (record == nullptr || !record->visible || record->destroying || IsEmptyRect(record->invalid)) {
            continue;
        }
        Deliver(window, WM_PAINT);
        // A handler that did not paint must not be asked for ever.
        if ((record = RecordOf(ToFw(window))) != nullptr) {
            record->invalid = RECT();
        }
        return true;
    }
    return false;
}

namespace {
std::vector<shared::WindowTimers> AllTimers() {
    std::vector<shared::WindowTimers> all;
    for (::Window window : OurWindows()) {
        all.push_back(shared::WindowTimers{ToFw(window), &RecordOf(ToFw(window))->timers});
    }
    return all;
}
}  // namespace

double NextDueMs() { return shared::NextDueMs(AllTimers()); }

bool FireDueTimer() {
    const auto due = shared::TakeDueTimer(AllTimers());
    if (!due) {
        return false;
    }
    Deliver(ToX(due->hWnd), WM_TIMER, due->id, 0);
    return true;
}

}  // namespace fw::x11
