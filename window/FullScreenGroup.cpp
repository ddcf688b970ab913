#include "window/FullScreenGroup.h"

#include <algorithm>

namespace tidewell {

void FullScreenGroup::Join(fw::CWnd* wnd) { m_members.push_back(wnd); }

void FullScreenGroup::Leave(fw::CWnd* wnd) {
    m_members.erase(std::remove(m_members.begin(), m_members.end(), wnd), m_members.end());
}

bool FullScreenGroup::Contains(const fw::CWnd* wnd) const {
    if (wnd == nullptr || wnd->GetSafeHwnd() == nullptr) {
        return false;
    }
    return std::any_of(m_members.begin(), m_members.end(),
                       [wnd](const fw::CWnd* member) { return member->GetSafeHwnd() == wnd->GetSafeHwnd(); });
}

void FullScreenGroup::CloseAll() {
    for (fw::CWnd* member : m_members) {
        if (member->IsWindow()) {
            member->PostMessage(fw::WM_CLOSE, 0, 0);
        }
    }
}

bool FullScreenGroup::IsLastWindow(const fw::CWnd* wnd) const {
    return std::none_of(m_members.begin(), m_members.end(),
                        [wnd](const fw::CWnd* member) { return member != wnd && member->IsWindow(); });
}

bool FullScreenGroup::Covers(const fw::RECT& rect) const {
    return std::any_of(m_members.begin(), m_members.end(), [&rect](const fw::CWnd* member) {
        fw::RECT window;
        member->GetWindowRect(&window);
        return member->IsWindow() && window.left == rect.left && window.top == rect.top && window.right == rect.right &&
               window.bottom == rect.bottom;
    });
}

fw::CWnd* FullScreenGroup::AnotherWindow(const fw::CWnd* wnd) const {
    for (fw::CWnd* member : m_members) {
        if (member != wnd && member->IsWindow()) {
            return member;
        }
    }
    return nullptr;
}

}  // namespace tidewell
