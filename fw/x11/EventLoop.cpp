#include "fw/x11/EventLoop.h"

#include <X11/keysym.h>

#include <algorithm>
#include <memory>

#include "fw/x11/Connection.h"
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

// A new size keeps the pixels both sizes share.
void Resize(WindowRecord& record, int width, int height) {
    auto image = std::make_unique<WindowImage>(width, height);
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

void OnKey(const ::XKeyEvent& key) {
    const ::KeySym sym = ::XLookupKeysym(const_cast<::XKeyEvent*>(&key), 0);
    // With Alt held, or Alt itself, as the system key.
    const bool alt = (key.state & Mod1Mask) != 0 || sym == XK_Alt_L || sym == XK_Alt_R;
    const LPARAM lParam = static_cast<LPARAM>(1u | (static_cast<unsigned>(key.keycode & 0xFFu) << 16));
    Deliver(key.window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<WPARAM>(sym), lParam);
}

void OnButton(const ::XButtonEvent& button) {
    // Buttons 4 and up are the wheel and side buttons: no click.
    const UINT messages[] = {WM_LBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDOWN};
    if (button.button < 1 || button.button > 3) {
        return;
    }
    Deliver(button.window, messages[button.button - 1], 0, PointParam(button.x, button.y));
}

void OnMotion(const ::XMotionEvent& motion) {
    g_pointerWindow = motion.window;
    Deliver(motion.window, WM_SETCURSOR, reinterpret_cast<WPARAM>(ToFw(motion.window)),
            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    Deliver(motion.window, WM_MOUSEMOVE, 0, PointParam(motion.x, motion.y));
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
                Resize(*record, event.xconfigure.width, event.xconfigure.height);
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
