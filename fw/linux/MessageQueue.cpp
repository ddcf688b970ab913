#include "fw/linux/MessageQueue.h"

#include <deque>
#include <utility>

#include "fw/BackendTable.h"
#include "fw/Wnd.h"

namespace fw::shared {

namespace {
std::deque<PostedMessage>& Queue() {
    static auto& queue = *new std::deque<PostedMessage>;
    return queue;
}
std::optional<int> g_quit;  // the first request wins
}  // namespace

void Post(const PostedMessage& posted) { Queue().push_back(posted); }

std::optional<PostedMessage> TakePosted() {
    if (Queue().empty()) {
        return std::nullopt;
    }
    const PostedMessage posted = Queue().front();
    Queue().pop_front();
    return posted;
}

void RequestQuit(int exitCode) {
    if (!g_quit) {
        g_quit = exitCode;
    }
}

std::optional<int> QuitRequested() { return g_quit; }

std::optional<int> TakeQuit() { return std::exchange(g_quit, std::nullopt); }

void PostQuitMessage(int nExitCode) { RequestQuit(nExitCode); }

// Delivered at once to the object bound to the window, on either backend.
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    return wnd != nullptr ? detail::DeliverMessage(*wnd, message, wParam, lParam) : 0;
}

}  // namespace fw::shared
