#pragma once
#include <optional>

#include "fw/x11/XlibApi.h"

namespace fw::x11 {

// Messages posted to our windows, in the order posted, and the quit request.
struct PostedMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
void Post(const PostedMessage& posted);
std::optional<PostedMessage> TakePosted();
// The first request's exit code wins.
void RequestQuit(int exitCode);
// The exit code once PostQuitMessage has run, until TakeQuit (X11Program.h).
std::optional<int> QuitRequested();

}  // namespace fw::x11
