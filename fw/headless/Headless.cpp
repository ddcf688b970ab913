// What a program sets up and reads back of the headless platform.
#include "fw/headless/Headless.h"

#include "fw/headless/MessageQueue.h"
#include "fw/headless/WindowTree.h"

namespace fw::headless {

void Reset() { ResetWorld(); }

void SetScreenSize(int width, int height) { TheWorld().screen = HeadlessScreen(width, height); }
int ScreenWidth() { return TheWorld().screen.Width(); }
int ScreenHeight() { return TheWorld().screen.Height(); }
void SetDesktopPicture(const std::vector<COLORREF>& pixels) { TheWorld().screen.SetDesktop(pixels); }
const std::vector<COLORREF>& DesktopPicture() { return TheWorld().screen.Desktop(); }
void SetMonitors(const std::vector<MonitorArea>& monitors) { TheWorld().monitors = monitors; }

std::vector<COLORREF> ClientPixels(HWND hWnd) {
    std::vector<COLORREF> pixels;
    const WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return pixels;
    }
    const HeadlessScreen& screen = TheWorld().screen;
    pixels.reserve(static_cast<std::size_t>(record->Width()) * static_cast<std::size_t>(record->Height()));
    for (int y = record->rect.top; y < record->rect.bottom; ++y) {
        for (int x = record->rect.left; x < record->rect.right; ++x) {
            pixels.push_back(screen.Get(x, y));
        }
    }
    return pixels;
}

void SetTickCount(DWORD milliseconds) { TheWorld().clock.SetTickCount(milliseconds); }
void SetWallTime(std::int64_t secondsSince1970) { TheWorld().clock.SetWallTime(secondsSince1970); }

std::size_t PumpMessages() {
    std::size_t dispatched = 0;
    while (dispatched < kPumpLimit && DispatchOne()) {
        ++dispatched;
    }
    return dispatched;
}

HWND CreatePlainWindow(DWORD dwStyle, int x, int y, int width, int height, HWND hWndParent) {
    CreateParams params;
    params.creation.style = dwStyle;
    params.creation.rect = MakeRect(x, y, x + width, y + height);
    params.creation.parent = hWndParent;
    return CreateWindowFor(params);
}
BOOL DestroyWindow(HWND hWnd) { return Destroy(hWnd); }
void InvalidateRect(HWND hWnd, const RECT& rect, BOOL bErase) { InvalidateClient(hWnd, rect, bErase != FALSE); }

}  // namespace fw::headless
