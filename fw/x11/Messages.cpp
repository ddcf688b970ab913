// The message loop, posting and sending, and default processing. The loop's order is the platform's:
// posted messages, the quit request, input and other server events, paints,
// then timers; it sleeps until the server, a timer or a signal needs it.
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <functional>

#include "fw/x11/Connection.h"
#include "fw/x11/EventLoop.h"
#include "fw/x11/MessageQueue.h"
#include "fw/x11/WindowRecord.h"
#include "fw/x11/X11Program.h"

namespace fw::x11 {

namespace {
int g_endingSignal = 0;           // the signal that asked the program to end
bool g_restartRequested = false;  // SIGUSR1 arrived
std::function<void()> g_restart;
}  // namespace

bool DispatchOne() {
    if (const auto posted = TakePosted()) {
        const WindowRecord* record = RecordOf(posted->hWnd);
        CWnd* wnd = CWnd::FromHandlePermanent(posted->hWnd);
        if (record != nullptr && !record->destroying && wnd != nullptr) {
            detail::DeliverMessage(*wnd, posted->message, posted->wParam, posted->lParam);
        }
        return true;
    }
    if (QuitRequested()) {
        return false;
    }
    // Events already read, by the wait or by any reply since.
    if (::XEventsQueued(X().display, QueuedAlready) > 0) {
        ::XEvent event;
        ::XNextEvent(X().display, &event);
        Dispatch(event);
        return true;
    }
    return PaintOne() || FireDueTimer();
}

// Only when the server sent something, a timer is due or a signal arrived
// are the server's socket and the signal pipe read, so a frame costs a
// flush and a wait, not a round of empty reads.
void WaitForWork(int timeoutMs) {
    Connection& c = X();
    ::XFlush(c.display);
    double wait = timeoutMs;
    if (const double due = NextDueMs(); due >= 0) {
        const double untilDue = std::max(0.0, due - NowMs());
        wait = timeoutMs < 0 ? untilDue : std::min(wait, untilDue);
    }
    ::timespec timeout = {};
    timeout.tv_sec = static_cast<time_t>(wait / 1000);
    timeout.tv_nsec = static_cast<long>(std::fmod(wait, 1000.0) * 1e6);
    ::pollfd fds[] = {{ConnectionNumber(c.display), POLLIN, 0}, {c.signalFd, POLLIN, 0}};
    if (::ppoll(fds, 2, wait < 0 ? nullptr : &timeout, nullptr) <= 0) {
        return;
    }
    if ((fds[1].revents & POLLIN) != 0) {
        char bytes[16];
        const ssize_t count = ::read(c.signalFd, bytes, sizeof bytes);
        for (ssize_t i = 0; i < count; ++i) {
            if (bytes[i] == SIGUSR1) {
                g_restartRequested = true;
            } else if (g_endingSignal == 0) {
                g_endingSignal = bytes[i];
            }
        }
    }
    if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
        ::XEventsQueued(c.display, QueuedAfterReading);
    }
}

void Sync() {
    if (Connected()) {
        ::XSync(X().display, False);
    }
}

int RunMessageLoop() {
    if (!x11::Connected()) {
        return -1;
    }
    for (;;) {
        // A signal ends the program as closing its windows would: every
        // window object is destroyed, and nothing is left on the server.
        if (x11::g_endingSignal != 0) {
            x11::DestroyAllWindows();
            return 0;
        }
        if (x11::g_restartRequested) {
            x11::g_restartRequested = false;
            if (x11::g_restart) {
                x11::g_restart();
            }
            continue;
        }
        if (x11::DispatchOne()) {
            continue;
        }
        if (const auto code = x11::TakeQuit()) {
            return *code;
        }
        x11::WaitForWork(-1);
    }
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (x11::RecordOf(hWnd) == nullptr) {
        return FALSE;
    }
    x11::Post(x11::PostedMessage{hWnd, message, wParam, lParam});
    return TRUE;
}

void ValidateWindow(HWND hWnd) {
    if (WindowRecord* record = RecordOf(hWnd)) {
        record->invalid = RECT();
    }
}

BOOL ShowClassCursor(HWND hWnd) {
    const WindowRecord* record = RecordOf(hWnd);
    if (record == nullptr || record->cursor == 0) {
        return FALSE;
    }
    ::XDefineCursor(X().display, record->window, record->cursor);
    return TRUE;
}

void SetRestartHandler(std::function<void()> restart) { g_restart = std::move(restart); }

int EndingSignal() { return g_endingSignal; }

}  // namespace fw::x11
