#pragma once
// A framework window whose paint and timer handlers run what a test gives
// them (no default processing then), for tests on the real window system.
#include <functional>

#include "fw/Fw.h"

namespace fw::test {

class CallbackWnd : public CWnd {
public:
    std::function<void(CallbackWnd&)> m_onPaint;
    std::function<void(CallbackWnd&, UINT_PTR)> m_onTimer;

    // A popup of the default class at (x, y), visible, on top.
    BOOL CreatePopup(int x, int y, int width, int height) {
        return CreateEx(WS_EX_TOPMOST, nullptr, "", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, 0);
    }

protected:
    void OnPaint() override { m_onPaint ? m_onPaint(*this) : CWnd::OnPaint(); }
    void OnTimer(UINT_PTR id) override { m_onTimer ? m_onTimer(*this, id) : CWnd::OnTimer(id); }
};

}  // namespace fw::test
