#pragma once
// A window of class Wnd that counts, by message, the default processing its
// handlers ask for (CWnd::DefWindowProc), on any backend.
#include <algorithm>
#include <vector>

#include "fw/Wnd.h"

namespace fw::test {

template <class Wnd>
class DefaultsSeen : public Wnd {
public:
    using Wnd::Wnd;

    int DefaultsFor(UINT message) const {
        return static_cast<int>(std::count(m_defaults.begin(), m_defaults.end(), message));
    }
    void ForgetDefaults() { m_defaults.clear(); }

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        m_defaults.push_back(message);
        return Wnd::DefWindowProc(message, wParam, lParam);
    }

private:
    std::vector<UINT> m_defaults;
};

}  // namespace fw::test
