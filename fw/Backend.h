#pragma once
// Between the portable part of the framework and a backend. Not for the
// program's own code.
#include <functional>

#include "fw/Types.h"

namespace fw {

class CWnd;
class CScrollBar;

namespace detail {

// Backend: the platform's default processing of one message for the window.
LRESULT DefaultProcessing(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam);

// Portable: how a backend hands a message to the window's handlers; keeps the
// message current so Default() can process it.
LRESULT DeliverMessage(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam);

// Portable: the object for a scroll bar's handle, its bound CScrollBar or a
// temporary one that lives until the process ends; null for a null handle or
// a window bound to another kind of object.
CScrollBar* ScrollBarFromHandle(HWND hWnd);

// Tests watch default processing through this, on every backend.
using DefaultProcessingObserver = std::function<void(HWND, UINT message)>;
void SetDefaultProcessingObserver(DefaultProcessingObserver observer);

}  // namespace detail
}  // namespace fw
