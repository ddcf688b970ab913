#pragma once
// A window that writes down every handler call with its decoded arguments,
// then runs the base handler (default processing) unless told to skip it.
#include <cstdarg>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "fw/Controls.h"
#include "fw/Wnd.h"
#include "tests/support/PlatformInput.h"

// A handler that notes its call with its arguments, then runs the base
// handler unless told to skip it.
#define RECORDED(handler, params, args, ...) \
    void handler params override {           \
        Note(__VA_ARGS__);                   \
        Base([&] { CWnd::handler args; });   \
    }
// The same for a handler with a result: the base's, or skipped when skipping.
#define RECORDED_RESULT(type, handler, params, args, skipped, ...) \
    type handler params override {                                 \
        Note(__VA_ARGS__);                                         \
        return Runs() ? CWnd::handler args : (skipped);            \
    }

namespace fw::test {

using EventLog = std::vector<std::string>;

// The entries of the log that start with one of the names, in order.
inline EventLog Only(const EventLog& log, const std::set<std::string>& names) {
    EventLog out;
    for (const std::string& entry : log) {
        const std::string name = entry.substr(0, entry.find(' '));
        if (names.count(name) != 0) {
            out.push_back(entry);
        }
    }
    return out;
}

class RecordingWnd : public CWnd {
public:
    // The log lives outside, as the window may delete itself.
    // A tag, when given, ends every entry (" [tag]") to tell windows apart.
    explicit RecordingWnd(EventLog& log, bool deleteInPostNcDestroy = false, const char* tag = nullptr)
        : m_log(log), m_bDeleteSelf(deleteInPostNcDestroy), m_tag(tag != nullptr ? tag : "") {}

    // Handlers named here skip default processing.
    std::set<std::string> m_skipDefault;
    int m_nCreateResult = 0;  // −1 fails creation

    // A top-level pop-up, visible, at (x, y) on the screen.
    BOOL CreatePopup(int x, int y, int width, int height) {
        return CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, 0);
    }

protected:
    void Note(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        char text[160];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        m_handler = std::string(text).substr(0, std::string(text).find(' '));
        m_log.push_back(m_tag.empty() ? std::string(text) : std::string(text) + " [" + m_tag + "]");
    }
    // Whether the handler being noted runs default processing.
    bool Runs() const { return m_skipDefault.count(m_handler) == 0; }
    template <class BaseHandler>
    void Base(BaseHandler base) {
        if (Runs()) {
            base();
        }
    }

    int OnCreate(CREATESTRUCT* cs) override {
        Note("OnCreate %dx%d", cs->cx, cs->cy);
        if (m_nCreateResult != 0) {
            return m_nCreateResult;
        }
        return Runs() ? CWnd::OnCreate(cs) : 0;
    }
    RECORDED(OnDestroy, (), (), "OnDestroy")
    void OnNcDestroy() override {
        Note("OnNcDestroy");
        CWnd::OnNcDestroy();  // runs PostNcDestroy last; nothing after
    }
    void PostNcDestroy() override {
        Note("PostNcDestroy");
        if (m_bDeleteSelf) {
            delete this;
        }
    }
    RECORDED(OnPaint, (), (), "OnPaint")
    void OnTimer(UINT_PTR id) override {
        m_timerTimes.push_back(NowMs());
        Note("OnTimer %u", static_cast<unsigned>(id));
        Base([&] { CWnd::OnTimer(id); });
    }
    RECORDED(OnSize, (UINT type, int cx, int cy), (type, cx, cy), "OnSize %u %dx%d", type, cx, cy)
    RECORDED(OnSysCommand, (UINT id, LPARAM lParam), (id, lParam), "OnSysCommand 0x%X %ld", id,
             static_cast<long>(lParam))
    RECORDED_RESULT(BOOL, OnSetCursor, (CWnd * pWnd, UINT hitTest, UINT message), (pWnd, hitTest, message), TRUE,
                    "OnSetCursor %s %u 0x%X", pWnd == this ? "self" : "other", hitTest, message)
    RECORDED_RESULT(BOOL, OnNcActivate, (BOOL active), (active), FALSE, "OnNcActivate %d", active)
    void OnActivate(UINT state, CWnd* pOther, BOOL minimized) override {
        m_pLastActivateOther = pOther;
        Note("OnActivate %u %d", state, minimized);
        Base([&] { CWnd::OnActivate(state, pOther, minimized); });
    }
    RECORDED(OnActivateApp, (BOOL active, DWORD thread), (active, thread), "OnActivateApp %d", active)
    RECORDED(OnMouseMove, (UINT flags, POINT p), (flags, p), "OnMouseMove %u %d,%d", flags, int(p.x), int(p.y))
    RECORDED(OnLButtonDown, (UINT flags, POINT p), (flags, p), "OnLButtonDown %u %d,%d", flags, int(p.x), int(p.y))
    RECORDED(OnMButtonDown, (UINT flags, POINT p), (flags, p), "OnMButtonDown %u %d,%d", flags, int(p.x), int(p.y))
    RECORDED(OnRButtonDown, (UINT flags, POINT p), (flags, p), "OnRButtonDown %u %d,%d", flags, int(p.x), int(p.y))
    RECORDED(OnKeyDown, (UINT key, UINT repeat, UINT flags), (key, repeat, flags), "OnKeyDown 0x%X %u 0x%X", key,
             repeat, flags)
    RECORDED(OnSysKeyDown, (UINT key, UINT repeat, UINT flags), (key, repeat, flags), "OnSysKeyDown 0x%X %u 0x%X", key,
             repeat, flags)
    void OnHScroll(UINT code, UINT pos, CScrollBar* pBar) override {
        m_pLastScrollBar = pBar;
        Note("OnHScroll %u %u", code, pos);
        Base([&] { CWnd::OnHScroll(code, pos, pBar); });
    }
    RECORDED_RESULT(HCURSOR, OnQueryDragIcon, (), (), m_hDragIcon, "OnQueryDragIcon")
    RECORDED_RESULT(BOOL, OnCommand, (WPARAM wParam, LPARAM lParam), (wParam, lParam), TRUE, "OnCommand %u %u",
                    LOWORD(wParam), HIWORD(wParam))

public:
    std::vector<double> m_timerTimes;  // when each timer message came, on the platform's clock
    CWnd* m_pLastActivateOther = nullptr;
    CScrollBar* m_pLastScrollBar = nullptr;
    HCURSOR m_hDragIcon = nullptr;  // what a skipping OnQueryDragIcon returns

private:
    EventLog& m_log;
    bool m_bDeleteSelf;
    std::string m_tag;
    std::string m_handler;
};

}  // namespace fw::test

#undef RECORDED
#undef RECORDED_RESULT
