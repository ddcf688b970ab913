#include "fw/win32/WindowProcedure.h"

#include <vector>

#include "fw/win32/WindowRecord.h"

namespace fw {
namespace win32 {

namespace {

CWnd* g_pCreatingWnd = nullptr;
std::unique_ptr<ScreenPicture> g_pCreatingPicture;

// WM_CREATE carries the system's CREATESTRUCT; handlers get the framework's.
// Default processing must see the system's again (sends nest, hence a stack).
struct TranslatedCreate {
    const CREATESTRUCT* pFramework;
    ::LPARAM original;
};
std::vector<TranslatedCreate>& TranslatedCreates() {
    static std::vector<TranslatedCreate> creates;
    return creates;
}

::LRESULT CallOriginal(::HWND hWnd, ::UINT message, ::WPARAM wParam, ::LPARAM lParam) {
    const WindowRecord* record = FindRecord(hWnd);
    if (record != nullptr && record->original != nullptr) {
        return ::CallWindowProcA(record->original, hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

LRESULT DeliverCreate(CWnd& wnd, ::WPARAM wParam, ::LPARAM lParam) {
    const auto* system = reinterpret_cast<const ::CREATESTRUCTA*>(lParam);
    CREATESTRUCT translated;
    translated.lpCreateParams = system->lpCreateParams;
    translated.hwndParent = ToFw(system->hwndParent);
    translated.cy = system->cy;
    translated.cx = system->cx;
    translated.y = system->y;
    translated.x = system->x;
    translated.style = system->style;
    translated.dwExStyle = system->dwExStyle;
    TranslatedCreates().push_back({&translated, lParam});
    const LRESULT result = detail::DeliverMessage(wnd, WM_CREATE, wParam, reinterpret_cast<LPARAM>(&translated));
    TranslatedCreates().pop_back();
    return result;
}

}  // namespace

CreationScope::CreationScope(CWnd& wnd, std::unique_ptr<ScreenPicture> firstPicture)
    : m_pOuterWnd(g_pCreatingWnd), m_pOuterPicture(std::move(g_pCreatingPicture)) {
    g_pCreatingWnd = &wnd;
    g_pCreatingPicture = std::move(firstPicture);
}

CreationScope::~CreationScope() {
    g_pCreatingWnd = m_pOuterWnd;
    g_pCreatingPicture = std::move(m_pOuterPicture);
}

void Subclass(::HWND hWnd, CWnd& wnd) {
    if (CWnd::FromHandlePermanent(ToFw(hWnd)) == nullptr) {
        wnd.Attach(ToFw(hWnd));
    }
    auto previous = reinterpret_cast<::WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    if (previous == &FrameworkWindowProc) {
        return;
    }
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<::LONG_PTR>(&FrameworkWindowProc));
    RecordFor(hWnd).original = previous;
}

::LRESULT CALLBACK FrameworkWindowProc(::HWND hWnd, ::UINT message, ::WPARAM wParam, ::LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(ToFw(hWnd));
    if (wnd == nullptr && g_pCreatingWnd != nullptr) {
        wnd = g_pCreatingWnd;
        g_pCreatingWnd = nullptr;
        wnd->Attach(ToFw(hWnd));
        RecordFor(hWnd).mirror = std::make_unique<WindowMirror>(std::move(g_pCreatingPicture));
    }
    if (wnd == nullptr) {
        return CallOriginal(hWnd, message, wParam, lParam);
    }

    const LRESULT result = message == WM_CREATE ? DeliverCreate(*wnd, wParam, lParam)
                                                : detail::DeliverMessage(*wnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The last message: the object has let go of the window.
        ForgetRecord(hWnd);
    }
    return result;
}

}  // namespace win32

namespace backend {

LRESULT DefaultProcessing(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ::HWND hWnd = win32::ToWin(wnd.m_hWnd);
    if (hWnd == nullptr) {
        return 0;
    }
    if (message == WM_CREATE) {
        for (const auto& create : win32::TranslatedCreates()) {
            if (reinterpret_cast<LPARAM>(create.pFramework) == lParam) {
                lParam = create.original;
                break;
            }
        }
    }
    return win32::CallOriginal(hWnd, message, wParam, lParam);
}

}  // namespace backend
}  // namespace fw
