#include "fw/Wnd.h"

#include <map>
#include <memory>
#include <vector>

#include "fw/App.h"
#include "fw/Backend.h"
#include "fw/Controls.h"
#include "fw/Platform.h"

namespace fw {

namespace {

// The message each nested delivery is handling, innermost last: sends nest,
// and Default() must process the message of the handler that calls it.
struct CurrentMessage {
    CWnd* pWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<CurrentMessage>& MessageStack() {
    static auto& stack = *new std::vector<CurrentMessage>;
    return stack;
}

std::map<HWND, CWnd*>& PermanentMap() {
    // Never destroyed: objects may go during the process's own end.
    static auto& map = *new std::map<HWND, CWnd*>;
    return map;
}

// Objects handed out for windows nobody attached; they live until the
// process ends, as the caller may keep the pointer.
template <typename Wnd>
Wnd* TemporaryFor(HWND hWnd) {
    static auto& temporaries = *new std::map<HWND, std::unique_ptr<Wnd>>;
    std::unique_ptr<Wnd>& slot = temporaries[hWnd];
    if (!slot) {
        slot = std::make_unique<Wnd>();
        slot->m_hWnd = hWnd;
    }
    return slot.get();
}

HWND HandleFrom(std::uintptr_t value) { return reinterpret_cast<HWND>(value); }

POINT PointFrom(LPARAM lParam) {
    POINT point;
    point.x = GET_X_LPARAM(lParam);
    point.y = GET_Y_LPARAM(lParam);
    return point;
}

}  // namespace

namespace detail {

CScrollBar* ScrollBarFromHandle(HWND hWnd) {
    if (hWnd == nullptr) {
        return nullptr;
    }
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd)) {
        return dynamic_cast<CScrollBar*>(pWnd);
    }
    return TemporaryFor<CScrollBar>(hWnd);
}

LRESULT DeliverMessage(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::vector<CurrentMessage>& stack = MessageStack();
    stack.push_back(CurrentMessage{&wnd, message, wParam, lParam});
    // The window may delete itself inside (PostNcDestroy): nothing of it is
    // touched afterwards.
    const LRESULT result = wnd.WindowProc(message, wParam, lParam);
    stack.pop_back();
    return result;
}

}  // namespace detail

CWnd::CWnd() = default;

CWnd::~CWnd() {
    // An object that goes before its window takes the window with it, so no
    // message can reach a dead object.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        if (IsWindow()) {
            DestroyWindow();
        }
        Detach();
    }
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr) {
        return nullptr;
    }
    if (CWnd* pWnd = FromHandlePermanent(hWnd)) {
        return pWnd;
    }
    return TemporaryFor<CWnd>(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    const auto found = PermanentMap().find(hWnd);
    return found == PermanentMap().end() ? nullptr : found->second;
}

BOOL CWnd::Attach(HWND hWnd) {
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr) {
        return FALSE;
    }
    PermanentMap()[hWnd] = this;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach() {
    const HWND hWnd = m_hWnd;
    if (hWnd != nullptr) {
        const auto found = PermanentMap().find(hWnd);
        if (found != PermanentMap().end() && found->second == this) {
            PermanentMap().erase(found);
        }
    }
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CWnd::Default() {
    const std::vector<CurrentMessage>& stack = MessageStack();
    if (stack.empty()) {
        return 0;  // called outside any handler: nothing to process
    }
    const CurrentMessage current = stack.back();
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return backend::DefaultProcessing(*this, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(reinterpret_cast<CREATESTRUCT*>(lParam));
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY:
            OnNcDestroy();  // the object may be gone after this
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return 0;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), static_cast<int>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                   static_cast<int>(HIWORD(static_cast<std::uintptr_t>(lParam))));
            return 0;
        case WM_SYSCOMMAND:
            OnSysCommand(static_cast<UINT>(wParam), lParam);
            return 0;
        case WM_SETCURSOR:
            return OnSetCursor(FromHandle(HandleFrom(wParam)), LOWORD(static_cast<std::uintptr_t>(lParam)),
                               HIWORD(static_cast<std::uintptr_t>(lParam)));
        case WM_NCACTIVATE:
            return OnNcActivate(static_cast<BOOL>(wParam));
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam), FromHandle(HandleFrom(static_cast<std::uintptr_t>(lParam))),
                       static_cast<BOOL>(HIWORD(wParam)));
            return 0;
        case WM_ACTIVATEAPP:
            OnActivateApp(static_cast<BOOL>(wParam), static_cast<DWORD>(lParam));
            return 0;
        case WM_DISPLAYCHANGE:
            OnDisplayChange(static_cast<UINT>(wParam), static_cast<int>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                            static_cast<int>(HIWORD(static_cast<std::uintptr_t>(lParam))));
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(static_cast<UINT>(wParam), PointFrom(lParam));
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown(static_cast<UINT>(wParam), PointFrom(lParam));
            return 0;
        case WM_MBUTTONDOWN:
            OnMButtonDown(static_cast<UINT>(wParam), PointFrom(lParam));
            return 0;
        case WM_RBUTTONDOWN:
            OnRButtonDown(static_cast<UINT>(wParam), PointFrom(lParam));
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                      HIWORD(static_cast<std::uintptr_t>(lParam)));
            return 0;
        case WM_SYSKEYDOWN:
            OnSysKeyDown(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                         HIWORD(static_cast<std::uintptr_t>(lParam)));
            return 0;
        case WM_HSCROLL:
            OnHScroll(LOWORD(wParam), HIWORD(wParam),
                      detail::ScrollBarFromHandle(HandleFrom(static_cast<std::uintptr_t>(lParam))));
            return 0;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(OnQueryDragIcon());
        case WM_COMMAND:
            // A handler that says "not mine" leaves the message to the
            // platform.
            return OnCommand(wParam, lParam) ? 0 : Default();
        default:
            return Default();
    }
}

int CWnd::OnCreate(CREATESTRUCT* /*lpCreateStruct*/) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }

void CWnd::OnNcDestroy() {
    Default();
    // The main window's end is the end of the message loop; this is how a
    // preview that goes with its host stops the program.
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    Detach();
    PostNcDestroy();  // last: the object may delete itself here
}

void CWnd::OnPaint() { Default(); }
void CWnd::OnTimer(UINT_PTR /*nIDEvent*/) { Default(); }
void CWnd::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) { Default(); }
void CWnd::OnSysCommand(UINT /*nID*/, LPARAM /*lParam*/) { Default(); }
BOOL CWnd::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnNcActivate(BOOL /*bActive*/) { return static_cast<BOOL>(Default()); }
void CWnd::OnActivate(UINT /*nState*/, CWnd* /*pWndOther*/, BOOL /*bMinimized*/) { Default(); }
void CWnd::OnActivateApp(BOOL /*bActive*/, DWORD /*dwThreadID*/) { Default(); }
void CWnd::OnDisplayChange(UINT /*nBitsPerPixel*/, int /*cx*/, int /*cy*/) { Default(); }
void CWnd::OnMouseMove(UINT /*nFlags*/, POINT /*point*/) { Default(); }
void CWnd::OnLButtonDown(UINT /*nFlags*/, POINT /*point*/) { Default(); }
void CWnd::OnMButtonDown(UINT /*nFlags*/, POINT /*point*/) { Default(); }
void CWnd::OnRButtonDown(UINT /*nFlags*/, POINT /*point*/) { Default(); }
void CWnd::OnKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { Default(); }
void CWnd::OnSysKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { Default(); }
void CWnd::OnHScroll(UINT /*nSBCode*/, UINT /*nPos*/, CScrollBar* /*pScrollBar*/) { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }

BOOL CWnd::OnCommand(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    Default();
    return TRUE;
}

void CWnd::PostNcDestroy() {}

}  // namespace fw
