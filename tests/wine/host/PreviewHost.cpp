// A stand-in for the system's screen-saver host: it makes a window with a
// 152 x 112 client area, starts the saver with "/p <handle>" and checks what
// a preview must do: it covers the client area, keeps running, and ends
// with code 0 when the host window is destroyed. Prints one line per check
// (and the command line, whose handle names a window gone once it ends);
// exits 0 when every check holds, 1 when one fails, 2 on bad use.
//
//   preview-host SAVER
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kClientWidth = 152;
constexpr int kClientHeight = 112;
constexpr DWORD kChildWaitMs = 10000;
constexpr DWORD kKeepsRunningMs = 1500;
constexpr DWORD kExitWaitMs = 5000;

bool Check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
    std::fflush(stdout);
    return ok;
}

// Dispatches the host's messages for up to ms, or until the process ends.
// The saver's child window talks to its parent while it is made, so the
// host must keep pumping while it waits.
bool PumpUntilExit(HANDLE process, DWORD ms) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
        if (MsgWaitForMultipleObjects(1, &process, FALSE, 10, QS_ALLINPUT) == WAIT_OBJECT_0) {
            return true;
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
    }
    return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

bool CoversAndKeepsRunning(HWND host, HANDLE saver) {
    HWND child = nullptr;
    for (const DWORD start = GetTickCount();
         child == nullptr && GetTickCount() - start < kChildWaitMs && !PumpUntilExit(saver, 50);) {
        child = FindWindowExA(host, nullptr, nullptr, nullptr);  // the host has no child of its own
    }
    if (!Check(child != nullptr, "saver made a child window of the host")) {
        return false;
    }
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&r), 2);
    std::printf("child rect: %ld,%ld,%ld,%ld\n", r.left, r.top, r.right, r.bottom);
    return Check(r.left == 0 && r.top == 0 && r.right == kClientWidth && r.bottom == kClientHeight &&
                     IsWindowVisible(child),
                 "child is visible and covers the client area") &&
           Check(!PumpUntilExit(saver, kKeepsRunningMs) && IsWindow(child),
                 "saver keeps running with its child window");
}

bool CheckPreview(const char* saver) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TidewellPreviewHost";
    RegisterClassA(&wc);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    HWND host = CreateWindowA(wc.lpszClassName, "Preview host", style, 40, 40, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, wc.hInstance, nullptr);
    // The handle in decimal, as the system's host passes it.
    std::string command = std::string("\"") + saver + "\" /p " + std::to_string(reinterpret_cast<ULONG_PTR>(host));
    std::printf("start: %s\n", command.c_str());
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!Check(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi) != 0,
               "saver started")) {
        return false;
    }
    bool ok = CoversAndKeepsRunning(host, pi.hProcess);
    if (ok) {
        DestroyWindow(host);
        DWORD code = 1;
        ok = PumpUntilExit(pi.hProcess, kExitWaitMs) && GetExitCodeProcess(pi.hProcess, &code) && code == 0;
        Check(ok, ("saver ended with exit code 0 (" + std::to_string(code) + ")").c_str());
    }
    TerminateProcess(pi.hProcess, 1);  // when it has not ended
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: preview-host SAVER\n");
        return 2;
    }
    return CheckPreview(argv[1]) ? 0 : 1;
}
