// The message loop, posting and sending, and default processing. The loop's order is the platform's:
// posted messages, the quit request, input and other server events, paints,
// then timers; it sleeps until the server, a timer or a signal needs it.
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

#include "fw/x11/Connection.h"
#include "fw/x11/EventLoop.h"
#include "fw/x11/MessageQueue.h"
#include "fw/x11/WindowRecord.h"

namespace fw::x11 {

namespace {

bool g_signalled = false;  // a signal asked the program to end

// Sleeps until the server sends something, a timer is due or a signal
// arrives; only then are the server's socket and the signal pipe read, so a
// frame costs a flush and a wait, not a round of empty reads.
void Wait() {
    x11::Connection& c = x11::X();
    ::XFlush(c.display);
    const double due = x11::NextDueMs();
    ::timespec timeout = {};
    ::timespec* limit = nullptr;
    if (due >= 0) {
        const double ms = std::max(0.0, due - x11::NowMs());
        timeout.tv_sec = static_cast<time_t>(ms / 1000);
        timeout.tv_nsec = static_cast<long>(std::fmod(ms, 1000.0) * 1e6);
        limit = &timeout;
    }
    ::pollfd fds[] = {{ConnectionNumber(c.display), POLLIN, 0}, {c.signalFd, POLLIN, 0}};
    if (::ppoll(fds, 2, limit, nullptr) <= 0) {
        return;
    }
    if ((fds[1].revents & POLLIN) != 0) {
        char bytes[16];
        g_signalled = ::read(c.signalFd, bytes, sizeof bytes) > 0;
    }
    if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
        ::XEventsQueued(c.display, QueuedAfterReading);
    }
}

}  // namespace

void PostQuitMessage(int nExitCode) { x11::RequestQuit(nExitCode); }

int RunMessageLoop() {
    if (!x11::Connected()) {
        return -1;
    }
    ::Display* display = x11::X().display;
    for (;;) {
        // A signal ends the program as closing its windows would: every
        // window object is destroyed, and nothing is left on the server.
        if (g_signalled) {
            x11::DestroyAllWindows();
            return 0;
        }
        if (const auto posted = x11::TakePosted()) {
            const x11::WindowRecord* record = x11::RecordOf(posted->hWnd);
            CWnd* wnd = CWnd::FromHandlePermanent(posted->hWnd);
            if (record != nullptr && !record->destroying && wnd != nullptr) {
                detail::DeliverMessage(*wnd, posted->message, posted->wParam, posted->lParam);
            }
            continue;
        }
        if (const auto code = x11::QuitRequested()) {
            return *code;
        }
        // Events already read, by the wait or by any reply since.
        if (::XEventsQueued(display, QueuedAlready) > 0) {
            ::XEvent event;
            ::XNextEvent(display, &event);
            x11::Dispatch(event);
            continue;
        }
        if (x11::PaintOne() || x11::FireDueTimer()) {
            continue;
        }
        Wait();
    }
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (x11::RecordOf(hWnd) == nullptr) {
        return FALSE;
    }
    x11::Post(x11::PostedMessage{hWnd, message, wParam, lParam});
    return TRUE;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    return wnd != nullptr ? detail::DeliverMessage(*wnd, message, wParam, lParam) : 0;
}

LRESULT DefaultProcessing(CWnd& wnd, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    x11::WindowRecord* record = x11::RecordOf(wnd.m_hWnd);
    if (record == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(wnd.m_hWnd);
            return 0;
        case WM_PAINT:
            record->invalid = RECT();  // validated, as an empty paint would
            return 0;
        case WM_NCACTIVATE:
            return TRUE;
        case WM_SETCURSOR:
            // The class cursor over the client area.
            if (LOWORD(static_cast<std::uintptr_t>(lParam)) != HTCLIENT || record->cursor == 0) {
                return FALSE;
            }
            ::XDefineCursor(x11::X().display, record->window, record->cursor);
            return TRUE;
        default:
            return 0;
    }
}

}  // namespace fw::x11
