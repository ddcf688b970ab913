// A stand-in for the system's screen-saver host: it makes a window with a
// 152 x 112 client area, starts the saver with "/p <handle>" and checks what
// a preview must do. Reports one line per check on stdout and the first
// failed check in its exit code (0: all passed).
//
//   preview-host SAVER          the preview covers the client area, keeps
//                               running, and ends with code 0 when the
//                               host window is destroyed
//   preview-host SAVER --stale  a handle of a window that is gone: the saver
//                               ends at once with code 0
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kClientWidth = 152;
constexpr int kClientHeight = 112;
constexpr DWORD kChildWaitMs = 10000;
constexpr DWORD kKeepsRunningMs = 1500;
constexpr DWORD kExitWaitMs = 5000;

enum Failure {
    kPassed = 0,
    kUsage = 2,
    kNoHostWindow = 3,
    kStartFailed = 4,
    kNoChild = 5,
    kChildNotCovering = 6,
    kStoppedEarly = 7,
    kNoExit = 8,
    kBadExitCode = 9,
};

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeHostWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = "TidewellPreviewHost";
    RegisterClassA(&wc);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    HWND hwnd = CreateWindowA(wc.lpszClassName, "Preview host", style | WS_VISIBLE, 40, 40, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, wc.hInstance, nullptr);
    return hwnd;
}

// Dispatches the host's messages for up to ms, or until the process ends.
// The saver's child window talks to its parent while it is made, so the
// host must keep pumping while it waits.
bool PumpUntilExit(HANDLE process, DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) {
            return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        }
        const DWORD r = MsgWaitForMultipleObjects(1, &process, FALSE, ms - elapsed, QS_ALLINPUT);
        if (r == WAIT_OBJECT_0) {
            return true;
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

HWND SaverChild(HWND host, DWORD saverPid) {
    for (HWND child = FindWindowExA(host, nullptr, nullptr, nullptr); child != nullptr;
         child = FindWindowExA(host, child, nullptr, nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(child, &pid);
        if (pid == saverPid) {
            return child;
        }
    }
    return nullptr;
}

bool StartSaver(const char* saver, HWND host, PROCESS_INFORMATION* pi) {
    // The handle in decimal, as the system's host passes it.
    std::string command = std::string("\"") + saver + "\" /p " + std::to_string(reinterpret_cast<ULONG_PTR>(host));
    std::printf("start: %s\n", command.c_str());
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, pi) != 0;
}

int Report(int failure, const char* what) {
    std::printf("%s: %s\n", failure == kPassed ? "ok" : "FAIL", what);
    std::fflush(stdout);
    return failure;
}

int EndedQuietly(HANDLE process, DWORD withinMs) {
    if (!PumpUntilExit(process, withinMs)) {
        TerminateProcess(process, 1);
        return Report(kNoExit, "saver ended after its host window was gone");
    }
    DWORD code = 1;
    GetExitCodeProcess(process, &code);
    std::printf("exit code: %lu\n", static_cast<unsigned long>(code));
    if (code != 0) {
        return Report(kBadExitCode, "saver ended with exit code 0");
    }
    return Report(kPassed, "saver ended with exit code 0");
}

// stale: the host's window is destroyed before the saver starts.
int CheckPreview(const char* saver, bool stale) {
    HWND host = MakeHostWindow();
    if (host == nullptr) {
        return Report(kNoHostWindow, "host window made");
    }
    RECT client;
    GetClientRect(host, &client);
    std::printf("host client: %ldx%ld\n", client.right, client.bottom);
    if (stale) {
        DestroyWindow(host);
    }
    PROCESS_INFORMATION pi = {};
    if (!StartSaver(saver, host, &pi)) {
        return Report(kStartFailed, "saver started");
    }
    if (stale) {
        const int result = EndedQuietly(pi.hProcess, kExitWaitMs);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return result;
    }
    HWND child = nullptr;
    const DWORD start = GetTickCount();
    while (child == nullptr && GetTickCount() - start < kChildWaitMs) {
        if (PumpUntilExit(pi.hProcess, 50)) {
            break;
        }
        child = SaverChild(host, pi.dwProcessId);
    }
    int result = kPassed;
    if (child == nullptr) {
        result = Report(kNoChild, "saver made a child window of the host");
    } else {
        Report(kPassed, "saver made a child window of the host");
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&r), 2);
        std::printf("child rect: %ld,%ld,%ld,%ld\n", r.left, r.top, r.right, r.bottom);
        const bool covers =
            r.left == 0 && r.top == 0 && r.right == client.right && r.bottom == client.bottom && IsWindowVisible(child);
        result = Report(covers ? kPassed : kChildNotCovering, "child is visible and covers the client area");
    }
    if (result == kPassed) {
        const bool ended = PumpUntilExit(pi.hProcess, kKeepsRunningMs);
        result =
            Report(ended || !IsWindow(child) ? kStoppedEarly : kPassed, "saver keeps running with its child window");
    }
    if (result == kPassed) {
        DestroyWindow(host);
        result = EndedQuietly(pi.hProcess, kExitWaitMs);
    } else {
        TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: preview-host SAVER [--stale]\n");
        return kUsage;
    }
    return CheckPreview(argv[1], argc >= 3 && std::strcmp(argv[2], "--stale") == 0);
}
