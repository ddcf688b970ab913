#pragma once
#include <memory>

#include "fw/win32/WindowMirror.h"

namespace fw {
namespace win32 {

// The window procedure of every framework window class and of subclassed
// windows: hands each message to the attached object's handlers.
::LRESULT CALLBACK FrameworkWindowProc(::HWND hWnd, ::UINT message, ::WPARAM wParam, ::LPARAM lParam);

// While it lives, the next window that reaches FrameworkWindowProc without an
// object is attached to wnd at its first message (before WM_NCCREATE and
// WM_CREATE), and takes firstPicture as the start of its mirror.
class CreationScope {
public:
    CreationScope(CWnd& wnd, std::unique_ptr<ScreenPicture> firstPicture);
    ~CreationScope();
    CreationScope(const CreationScope&) = delete;
    CreationScope& operator=(const CreationScope&) = delete;

private:
    CWnd* m_pOuterWnd;
    std::unique_ptr<ScreenPicture> m_pOuterPicture;
};

// Attaches an existing window to wnd and routes its messages through the
// framework; default processing then calls the window's own procedure.
void Subclass(::HWND hWnd, CWnd& wnd);

}  // namespace win32
}  // namespace fw
