// The message primitives of fw/Backend.h on the headless backend: the loop,
// posting and sending, and the platform's default processing of a message.
#include "fw/Backend.h"
#include "fw/Messages.h"
#include "fw/Platform.h"
#include "fw/Wnd.h"
#include "fw/headless/Drawing.h"
#include "fw/headless/MessageQueue.h"
#include "fw/headless/WindowTree.h"

namespace fw::backend {

int RunMessageLoop() {
    headless::World& world = headless::TheWorld();
    const std::uint64_t limit = world.clock.Now() + std::uint64_t{headless::kRunTimeLimitMilliseconds} * 1000u;
    headless::RunUntil(limit, [] { return false; });
    headless::World& after = headless::TheWorld();
    if (!after.quit) {
        return headless::kRunTimeLimitExitCode;
    }
    after.quit = false;
    return after.quitCode;
}

void PostQuitMessage(int nExitCode) {
    headless::World& world = headless::TheWorld();
    world.quit = true;
    world.quitCode = nExitCode;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return headless::Post(hWnd, message, wParam, lParam);
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return headless::Send(hWnd, message, wParam, lParam);
}

}  // namespace fw::backend

namespace fw::headless {

namespace {

// The face colour dialogs erase with.
constexpr COLORREF kDialogFace = RGB(240, 240, 240);

LRESULT SetCursorDefault(const WindowRecord& record, LPARAM lParam) {
    if (LOWORD(static_cast<std::uintptr_t>(lParam)) != HTCLIENT) {
        return FALSE;
    }
    const WindowClass* windowClass = FindClass(record.className);
    if (windowClass == nullptr || windowClass->info.cursor == nullptr) {
        return FALSE;
    }
    SetCursor(windowClass->info.cursor);
    return TRUE;
}

// The program registers no class with a brush: only a dialog erases, with
// its face colour.
LRESULT EraseDefault(const WindowRecord& record, WPARAM wParam) {
    return record.dialog && FillThroughDc(reinterpret_cast<HDC>(wParam), kDialogFace) ? TRUE : FALSE;
}

LRESULT CloseDefault(WindowRecord& record) {
    if (record.dialog) {
        // A dialog is closed as if Cancel was pressed.
        Post(record.hWnd, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(IDCANCEL), BN_CLICKED),
             reinterpret_cast<LPARAM>(ChildWithId(record.hWnd, IDCANCEL)));
        return 0;
    }
    Destroy(record.hWnd);
    return 0;
}

LRESULT SetIconDefault(WindowRecord& record, WPARAM wParam, LPARAM lParam) {
    HICON& slot = wParam == ICON_BIG ? record.iconBig : record.iconSmall;
    const HICON previous = slot;
    slot = reinterpret_cast<HICON>(lParam);
    return reinterpret_cast<LRESULT>(previous);
}

}  // namespace

}  // namespace fw::headless

namespace fw::backend {

LRESULT DefaultProcessing(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    using namespace fw::headless;
    WindowRecord* record = FindWindow(wnd.m_hWnd);
    if (record == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_CLOSE:
            return CloseDefault(*record);
        case WM_SYSCOMMAND:
            if ((static_cast<UINT>(wParam) & 0xFFF0u) == SC_CLOSE) {
                Send(record->hWnd, WM_CLOSE);
            }
            return 0;
        case WM_SETCURSOR:
            return SetCursorDefault(*record, lParam);
        case WM_NCACTIVATE:
            return TRUE;
        case WM_PAINT:
            ValidateByPainting(record->hWnd);
            return 0;
        case WM_ERASEBKGND:
            return EraseDefault(*record, wParam);
        case WM_SETICON:
            return SetIconDefault(*record, wParam, lParam);
        case WM_INITDIALOG:
            return TRUE;
        default:
            return 0;
    }
}

}  // namespace fw::backend
