#pragma once
// What lies outside the headless platform. Nobody is at it: no input comes,
// and a modal dialog or colour chooser with nothing left to do is cancelled.
// Tests seat a stand-in here (tests/support/headless): someone who types,
// moves the mouse and answers dialogs, and who watches what the program
// hands the platform.
#include <cstdint>
#include <optional>
#include <string>

#include "fw/Messages.h"
#include "fw/Types.h"

namespace fw::headless {

class Outside {
public:
    virtual ~Outside() = default;
    // The platform was reset.
    virtual void Reset() {}

    // Dispatches the next input event that is due; false when none.
    virtual bool DispatchInput() { return false; }
    // When input comes next, if it waits for a time.
    virtual std::optional<std::uint64_t> NextInputTime() { return std::nullopt; }
    // A window became visible (under a resting cursor, it gets a move).
    virtual void WindowShown(HWND /*hWnd*/) {}

    // A modal dialog's queue is idle: acts on it; false when nobody does.
    virtual bool ActOnDialog(HWND /*hDialog*/) { return false; }
    virtual void DialogEnded(UINT /*templateId*/, INT_PTR /*result*/, bool /*abandoned*/) {}
    // The colour chooser, open at initial: IDOK with *chosen set, or IDCANCEL.
    virtual INT_PTR ChooseColour(COLORREF /*initial*/, COLORREF* /*chosen*/) { return IDCANCEL; }

    // Sees every message handed to a window, before the window does.
    virtual void Delivering(HWND /*hWnd*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {}
    // Whether the profile takes a write; every read and write passes here.
    virtual bool ProfileWriteTaken(const std::string& /*key*/, const std::string& /*entry*/, std::int32_t /*value*/) {
        return true;
    }
    virtual void ProfileRead(const std::string& /*entry*/) {}
    virtual void IconDrawn(HWND /*hWnd*/, int /*x*/, int /*y*/, HICON /*icon*/) {}
};

// Seats outside (null: nobody) until it is changed; it stays across Reset.
void SetOutside(Outside* outside);

}  // namespace fw::headless
