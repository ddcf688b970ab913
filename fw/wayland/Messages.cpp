// The message loop, posting and sending, and default processing. The loop's
// order is the platform's: posted messages, the quit request, input and
// other compositor events, paints, then timers. It sleeps in one poll over
// the compositor's socket and the signals until one of them or a timer
// needs it.
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>

#include "fw/wayland/Classes.h"
#include "fw/wayland/Connection.h"
#include "fw/wayland/EventLoop.h"
#include "fw/wayland/WaylandProgram.h"
#include "fw/wayland/WindowRecord.h"

namespace fw::wayland {

namespace {

int g_endingSignal = 0;  // the signal that asked the program to end

void Lost() { MarkLost("lost the connection to the Wayland compositor"); }

// Reads what the compositor sent once the socket has it, with the queue
// empty first (prepare_read); flushes what we sent. Returns when something
// arrived, a timer is due, a signal came, or timeoutMs passed (negative:
// no limit).
void Wait(int timeoutMs) {
    Connection& w = W();
    while (wl_display_prepare_read(w.display) != 0) {
        if (wl_display_dispatch_pending(w.display) < 0) {
            Lost();
            return;
        }
    }
    if (wl_display_flush(w.display) < 0 && errno != EAGAIN) {
        wl_display_cancel_read(w.display);
        Lost();
        return;
    }
    int timeout = timeoutMs;
    if (const double due = NextDueMs(); due >= 0) {
        const int untilDue = static_cast<int>(std::ceil(std::max(0.0, due - NowMs())));
        timeout = timeout < 0 ? untilDue : std::min(timeout, untilDue);
    }
    pollfd fds[] = {{wl_display_get_fd(w.display), POLLIN, 0}, {w.signalFd, POLLIN, 0}};
    if (::poll(fds, 2, timeout) <= 0) {
        wl_display_cancel_read(w.display);
        return;
    }
    if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
        if (wl_display_read_events(w.display) < 0) {
            Lost();
        }
    } else {
        wl_display_cancel_read(w.display);
    }
    if ((fds[1].revents & POLLIN) != 0) {
        signalfd_siginfo info;
        if (::read(w.signalFd, &info, sizeof info) > 0 && g_endingSignal == 0) {
            g_endingSignal = static_cast<int>(info.ssi_signo);
        }
    }
}

}  // namespace

int EndingSignal() { return g_endingSignal; }

bool DispatchOne() {
    if (!Connected() || !W().lost.empty()) {
        return false;
    }
    if (const auto posted = TakePosted()) {
        Deliver(posted->hWnd, posted->message, posted->wParam, posted->lParam);
        return true;
    }
    if (QuitRequested()) {
        return false;
    }
    const int dispatched = wl_display_dispatch_pending(W().display);
    if (dispatched < 0) {
        Lost();
        return false;
    }
    return dispatched > 0 || ReportFocusLost() || PaintOne() || FireDueTimer();
}

void WaitForWork(int timeoutMs) {
    if (Connected() && W().lost.empty()) {
        Wait(timeoutMs);
    }
}

void Sync() {
    if (Connected() && W().lost.empty() && wl_display_roundtrip(W().display) < 0) {
        Lost();
    }
}

std::optional<int> TakeQuit() { return shared::TakeQuit(); }

int RunMessageLoop() {
    if (!Connected()) {
        return 1;
    }
    for (;;) {
        // The compositor gone, the program ends at once: nothing to show on.
        if (!W().lost.empty()) {
            return 1;
        }
        // A signal ends the program as closing its windows would.
        if (g_endingSignal != 0) {
            DestroyAllWindows();
            return 0;
        }
        if (DispatchOne()) {
            continue;
        }
        if (const auto code = TakeQuit()) {
            wl_display_flush(W().display);
            return *code;
        }
        Wait(-1);
    }
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (RecordOf(hWnd) == nullptr) {
        return FALSE;
    }
    Post(PostedMessage{hWnd, message, wParam, lParam});
    return TRUE;
}

void ValidateWindow(HWND hWnd) {
    if (WindowRecord* record = RecordOf(hWnd)) {
        record->invalid = RECT();
    }
}

// The only class cursor the program has is the blank one.
BOOL ShowClassCursor(HWND hWnd) {
    const WindowRecord* record = RecordOf(hWnd);
    if (record == nullptr || !record->blankCursor) {
        return FALSE;
    }
    HidePointer();
    return TRUE;
}

}  // namespace fw::wayland
