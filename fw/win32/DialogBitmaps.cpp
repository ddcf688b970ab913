#include "fw/win32/DialogBitmaps.h"

#include <cstddef>
#include <cstdint>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace fw {
namespace win32 {

namespace {

constexpr std::uint16_t kOrdinalMark = 0xFFFF;
constexpr std::uint16_t kStaticClassOrdinal = 0x0082;

// Reads a DIALOGEX template; every read past its end gives 0, so a damaged
// template yields nothing to fit rather than a read out of bounds.
class TemplateReader {
public:
    TemplateReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint32_t Read(std::size_t bytes) {
        std::uint32_t value = 0;
        if (m_at + bytes <= m_size) {
            std::memcpy(&value, m_data + m_at, bytes);  // little-endian
        }
        m_at += bytes;
        return value;
    }
    std::uint16_t Word() { return static_cast<std::uint16_t>(Read(2)); }
    std::int16_t Short() { return static_cast<std::int16_t>(Read(2)); }
    // A name or an ordinal: the ordinal, or 0 for a name, whose ASCII
    // letters go to *name in lower case.
    std::uint16_t NameOrOrdinal(std::string* name = nullptr) {
        std::uint16_t c = Word();
        if (c == kOrdinalMark) {
            return Word();
        }
        for (; c != 0 && !AtEnd(); c = Word()) {
            if (name != nullptr) {
                name->push_back(static_cast<char>(std::tolower(c & 0x7F)));
            }
        }
        return 0;
    }
    void SkipString() {
        while (!AtEnd() && Word() != 0) {
        }
    }
    void Skip(std::size_t bytes) { m_at += bytes; }
    void AlignToDword() { m_at = (m_at + 3) & ~std::size_t{3}; }
    bool AtEnd() const { return m_at >= m_size; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

struct BitmapPlace {
    std::uint16_t bitmapId;
    ::RECT rect;  // dialog units
};

std::vector<BitmapPlace> BitmapPlaces(TemplateReader& in) {
    std::vector<BitmapPlace> places;
    const std::uint16_t version = in.Word();
    const std::uint16_t signature = in.Word();
    if (version != 1 || signature != kOrdinalMark) {
        return places;  // not a DIALOGEX
    }
    in.Skip(8);  // help id, extended style
    const std::uint32_t style = in.Read(4);
    const std::uint16_t count = in.Word();
    in.Skip(8);          // x, y, cx, cy
    in.NameOrOrdinal();  // menu
    in.NameOrOrdinal();  // class
    in.SkipString();     // caption
    if ((style & DS_SETFONT) != 0) {
        in.Skip(6);  // point size, weight, italic, character set
        in.SkipString();
    }
    for (std::size_t i = 0; i < count && !in.AtEnd(); ++i) {
        in.AlignToDword();
        in.Skip(8);  // help id, extended style
        const std::uint32_t itemStyle = in.Read(4);
        const std::int16_t x = in.Short();
        const std::int16_t y = in.Short();
        const std::int16_t cx = in.Short();
        const std::int16_t cy = in.Short();
        in.Skip(4);  // id
        std::string className;
        const std::uint16_t classOrdinal = in.NameOrOrdinal(&className);
        const std::uint16_t titleOrdinal = in.NameOrOrdinal();
        in.Skip(in.Word());  // creation data
        const bool isStatic = classOrdinal == kStaticClassOrdinal || className == "static";
        if (isStatic && (itemStyle & SS_TYPEMASK) == SS_BITMAP && titleOrdinal != 0) {
            places.push_back(BitmapPlace{titleOrdinal, ::RECT{x, y, x + cx, y + cy}});
        }
    }
    return places;
}

bool IsBitmapStatic(::HWND hWnd) {
    char name[16] = {};
    ::GetClassNameA(hWnd, name, sizeof name);
    return ::lstrcmpiA(name, "Static") == 0 && (::GetWindowLongA(hWnd, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

// The window's display scale in dots per inch. Systems before Windows 10
// (1607) have no GetDpiForWindow, and one scale for every monitor.
::UINT DpiOf(::HWND hWnd) {
    using GetDpiForWindowFunction = ::UINT(WINAPI*)(::HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr) {
        return getDpiForWindow(hWnd);
    }
    ::HDC dc = ::GetDC(hWnd);
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(hWnd, dc);
    return static_cast<::UINT>(dpi);
}

// The scales, in percent, pictures may be drawn for besides 100 %.
constexpr ::UINT kDrawnScales[] = {150, 200};

::UINT BitmapForScale(::HMODULE module, ::UINT id, ::UINT dpi) {
    const ::UINT percent = dpi * 100 / USER_DEFAULT_SCREEN_DPI;
    ::UINT chosen = id;
    if (percent <= 100) {
        return chosen;
    }
    for (const ::UINT scale : kDrawnScales) {
        const ::UINT drawn = id + scale * 100;
        if (drawn > 0xFFFF || ::FindResourceA(module, MAKEINTRESOURCEA(drawn), MAKEINTRESOURCEA(2)) == nullptr) {
            continue;  // RT_BITMAP
        }
        chosen = drawn;
        if (scale >= percent) {
            break;
        }
    }
    return chosen;
}

// The bitmap resource at exactly width x height: as it is when it has that
// size, else drawn there with the system's smoothing stretch (HALFTONE
// averages the pixels a smaller picture takes from a larger one).
::HBITMAP LoadBitmapSized(::HMODULE module, ::UINT id, int width, int height) {
    auto* picture =
        static_cast<::HBITMAP>(::LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ::BITMAP info{};
    if (picture == nullptr || ::GetObjectA(picture, sizeof info, &info) == 0 ||
        (info.bmWidth == width && info.bmHeight == height)) {
        return picture;
    }
    ::HDC screen = ::GetDC(nullptr);
    ::HDC from = ::CreateCompatibleDC(screen);
    ::HDC to = ::CreateCompatibleDC(screen);
    ::HBITMAP fitted = ::CreateCompatibleBitmap(screen, width, height);
    if (from != nullptr && to != nullptr && fitted != nullptr) {
        ::HGDIOBJ oldFrom = ::SelectObject(from, picture);
        ::HGDIOBJ oldTo = ::SelectObject(to, fitted);
        ::SetStretchBltMode(to, HALFTONE);
        ::SetBrushOrgEx(to, 0, 0, nullptr);
        ::StretchBlt(to, 0, 0, width, height, from, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        ::SelectObject(to, oldTo);
        ::SelectObject(from, oldFrom);
    }
    ::DeleteDC(to);
    ::DeleteDC(from);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(picture);
    return fitted;
}

}  // namespace

void FitBitmapStatics(::HWND hDialog, UINT templateId) {
    // At 100 % the program looks exactly as it always has.
    const ::UINT dpi = DpiOf(hDialog);
    if (dpi == USER_DEFAULT_SCREEN_DPI) {
        return;
    }
    ::HMODULE module = ProgramModule();
    ::HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));  // RT_DIALOG
    ::HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return;
    }
    TemplateReader in(static_cast<const std::uint8_t*>(data), ::SizeofResource(module, found));

    // The bitmap statics in template order: the dialog manager stacks the
    // controls in that order.
    std::vector<::HWND> statics;
    for (::HWND child = ::GetWindow(hDialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (IsBitmapStatic(child)) {
            statics.push_back(child);
        }
    }
    const std::vector<BitmapPlace> places = BitmapPlaces(in);
    if (places.size() != statics.size()) {
        return;  // not the dialog the template describes
    }
    for (std::size_t i = 0; i < places.size(); ++i) {
        const BitmapPlace& place = places[i];
        ::HWND control = statics[i];
        ::RECT want = place.rect;
        ::MapDialogRect(hDialog, &want);
        ::RECT now{};
        ::GetClientRect(control, &now);
        const int width = want.right - want.left;
        const int height = want.bottom - want.top;
        if (width <= 0 || height <= 0 || (width == now.right && height == now.bottom)) {
            continue;
        }
        ::HBITMAP scaled = LoadBitmapSized(module, BitmapForScale(module, place.bitmapId, dpi), width, height);
        if (scaled == nullptr) {
            continue;
        }
        // The control keeps the bitmap for the dialog's life (a static never
        // deletes a bitmap it is given); the one it loaded itself goes now.
        const ::LRESULT previous =
            ::SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<::LPARAM>(scaled));
        if (previous != 0) {
            ::DeleteObject(reinterpret_cast<::HGDIOBJ>(previous));
        }
    }
}

}  // namespace win32
}  // namespace fw
