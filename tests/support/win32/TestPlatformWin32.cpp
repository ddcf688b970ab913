// The test-support interface on the real window system: pumping the thread's
// queue with bounds, and raw registry access for the profile tests.
#include <algorithm>
#include <string>
#include <utility>

#include "fw/win32/WindowsApi.h"
#include "tests/support/TestPlatform.h"

namespace fw::test {

namespace {

bool g_bQuitSeen = false;
int g_nQuitCode = 0;

// Takes one waiting message (of the type ONLY, 0: any) off the queue and
// dispatches it; false when none is waiting. A quit message is kept for
// TakeQuitMessage instead.
bool DispatchOne(::UINT only = 0) {
    ::MSG msg{};
    if (!::PeekMessageA(&msg, nullptr, only, only, PM_REMOVE)) {
        return false;
    }
    if (msg.message == WM_QUIT) {
        g_bQuitSeen = true;
        g_nQuitCode = static_cast<int>(msg.wParam);
        return true;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return true;
}

::BOOL CALLBACK DestroyThreadWindow(::HWND hWnd, ::LPARAM) {
    if (CWnd::FromHandlePermanent(win32::ToFw(hWnd)) != nullptr) {
        ::DestroyWindow(hWnd);
    }
    return TRUE;
}

}  // namespace

void ResetPlatform() {
    ::EnumThreadWindows(::GetCurrentThreadId(), &DestroyThreadWindow, 0);
    // Whatever the destruction posted, and anything older, goes unseen.
    for (int i = 0; i < 100000 && DispatchOne(); ++i) {
    }
    g_bQuitSeen = false;
}

void PumpUntilIdle() {
    const ::DWORD start = ::GetTickCount();
    for (int i = 0; i < 100000 && ::GetTickCount() - start < 2000 && DispatchOne(); ++i) {
    }
}

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
    const ::DWORD start = ::GetTickCount();
    while (!done()) {
        const ::DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs) {
            return done();
        }
        if (!DispatchOne()) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<::DWORD>(timeoutMs - elapsed, 10), QS_ALLINPUT);
        }
    }
    return true;
}

void PumpFor(unsigned milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool TakeQuitMessage(int* exitCode) {
    if (!g_bQuitSeen) {
        DispatchOne(WM_QUIT);
    }
    if (g_bQuitSeen && exitCode != nullptr) {
        *exitCode = g_nQuitCode;
    }
    return std::exchange(g_bQuitSeen, false);
}

bool WriteRawProfileValue(fw::CWinApp& app, const char* section, const char* entry, DWORD type,
                          const std::vector<std::uint8_t>& bytes) {
    ::HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, app.SectionPath(section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const ::LONG status = ::RegSetValueExA(key, entry, 0, type, bytes.empty() ? nullptr : bytes.data(),
                                           static_cast<::DWORD>(bytes.size()));
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void DeleteProfileKey(fw::CWinApp& app) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, app.ProfileKeyPath().c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, app.ProfileKeyPath().c_str());
}

// The registry cannot refuse one value of a key while accepting the others
// (and Wine does not enforce key permissions), so these cases are skipped.
bool MakeProfileWritesFail(fw::CWinApp&, const char*, const char*) { return false; }
void RestoreProfileWrites(fw::CWinApp&, const char*) {}

}  // namespace fw::test
