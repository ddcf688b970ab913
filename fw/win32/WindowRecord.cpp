#include "fw/win32/WindowRecord.h"

#include <unordered_map>

namespace fw {
namespace win32 {

namespace {

std::unordered_map<::HWND, WindowRecord>& Records() {
    static std::unordered_map<::HWND, WindowRecord> records;
    return records;
}

}  // namespace

WindowRecord& RecordFor(::HWND hWnd) { return Records()[hWnd]; }

WindowRecord* FindRecord(::HWND hWnd) {
    const auto found = Records().find(hWnd);
    return found == Records().end() ? nullptr : &found->second;
}

void ForgetRecord(::HWND hWnd) { Records().erase(hWnd); }

}  // namespace win32
}  // namespace fw
