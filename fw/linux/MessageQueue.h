#pragma once
#include <optional>

#include "fw/Types.h"

namespace fw::shared {

// Messages posted to our windows, in the order posted, and the quit
// request: the same queue on either Linux backend.
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
// The exit code once PostQuitMessage has run, until taken.
std::optional<int> QuitRequested();
// The quit request, taken: its exit code, or nothing when none is pending.
std::optional<int> TakeQuit();

}  // namespace fw::shared
