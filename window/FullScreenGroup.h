#pragma once
#include <vector>

#include "fw/Fw.h"

namespace tidewell {

// The run-mode windows of one saver, one per monitor. They act as one saver:
// the first mouse message is remembered once for all of them, in screen
// coordinates; any sign of the user closes them all; activation moving
// between them is no switch to another program; and the last one to go ends
// the message loop.
class FullScreenGroup {
public:
    void Join(fw::CWnd* wnd);
    void Leave(fw::CWnd* wnd);

    // Whether the window is one of the group's (by its handle).
    bool Contains(const fw::CWnd* wnd) const;
    // Posts WM_CLOSE to every member that has a window.
    void CloseAll();
    // Whether no member but this one still has a window.
    bool IsLastWindow(const fw::CWnd* wnd) const;
    // Whether a member's window covers exactly this rectangle.
    bool Covers(const fw::RECT& rect) const;
    // A member that has a window, other than this one; null when none.
    fw::CWnd* AnotherWindow(const fw::CWnd* wnd) const;
    std::size_t Size() const { return m_members.size(); }

    // Every monitor is covered, those that appear later too; else only the
    // primary.
    bool m_bAllMonitors = true;

    // The first mouse position any member saw, in screen coordinates;
    // (-1, -1) until then.
    fw::POINT m_ptFirst{-1, -1};

private:
    std::vector<fw::CWnd*> m_members;
};

}  // namespace tidewell
