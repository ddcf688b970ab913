#pragma once
// A framework window that writes down which handlers ran, and asks for
// default processing only where a test tells it to.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "fw/Fw.h"

namespace fw::test {

class RecordingWnd : public CWnd {
public:
    explicit RecordingWnd(std::vector<std::string>& log) : m_log(log) {}

    // Handlers named here run default processing; the others skip it.
    std::set<std::string> m_withDefault{"OnCreate", "OnDestroy", "OnNcDestroy", "OnSize", "OnPaint"};
    int m_nCreateResult = 0;
    bool m_bDeleteAtEnd = false;
    CREATESTRUCT m_created;
    std::function<void(RecordingWnd&)> m_onPaint;
    std::function<void(RecordingWnd&, UINT_PTR)> m_onTimer;

    // A popup of the default class at (x, y), visible, on top.
    BOOL CreatePopup(int x, int y, int width, int height, void* param = nullptr) {
        return CreateEx(WS_EX_TOPMOST, nullptr, "", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, 0, param);
    }

protected:
    int OnCreate(CREATESTRUCT* cs) override {
        m_created = *cs;
        Note("OnCreate");
        const int result = Wants("OnCreate") ? CWnd::OnCreate(cs) : 0;
        return m_nCreateResult != 0 ? m_nCreateResult : result;
    }
    void OnDestroy() override {
        Run("OnDestroy", [this] { CWnd::OnDestroy(); });
    }
    void OnNcDestroy() override {
        Note("OnNcDestroy");
        CWnd::OnNcDestroy();  // detaches and calls PostNcDestroy
    }
    void PostNcDestroy() override {
        m_log.push_back("PostNcDestroy");
        if (m_bDeleteAtEnd) {
            delete this;
        }
    }
    void OnSize(UINT type, int cx, int cy) override {
        Run(
            "OnSize " + std::to_string(type) + " " + std::to_string(cx) + "x" + std::to_string(cy),
            [&] { CWnd::OnSize(type, cx, cy); }, "OnSize");
    }
    void OnPaint() override {
        Note("OnPaint");
        if (m_onPaint) {
            m_onPaint(*this);
        } else if (Wants("OnPaint")) {
            CWnd::OnPaint();
        }
    }
    void OnTimer(UINT_PTR id) override {
        Note("OnTimer " + std::to_string(id));
        if (m_onTimer) {
            m_onTimer(*this, id);
        }
        if (Wants("OnTimer")) {
            CWnd::OnTimer(id);
        }
    }
    void OnSysCommand(UINT id, LPARAM lParam) override {
        Run(
            "OnSysCommand " + std::to_string(id), [&] { CWnd::OnSysCommand(id, lParam); }, "OnSysCommand");
    }
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override {
        Run(
            "OnKeyDown " + std::to_string(key), [&] { CWnd::OnKeyDown(key, repeat, flags); }, "OnKeyDown");
    }
    void OnLButtonDown(UINT flags, POINT point) override {
        Run(
            "OnLButtonDown " + std::to_string(point.x) + "," + std::to_string(point.y),
            [&] { CWnd::OnLButtonDown(flags, point); }, "OnLButtonDown");
    }
    void OnMouseMove(UINT flags, POINT point) override {
        Run(
            "OnMouseMove " + std::to_string(point.x) + "," + std::to_string(point.y),
            [&] { CWnd::OnMouseMove(flags, point); }, "OnMouseMove");
    }

private:
    bool Wants(const std::string& handler) const { return m_withDefault.count(handler) != 0; }
    void Note(const std::string& entry) { m_log.push_back(entry); }
    template <typename Base>
    void Run(const std::string& entry, Base base, const std::string& handler = std::string()) {
        Note(entry);
        if (Wants(handler.empty() ? entry : handler)) {
            base();
        }
    }

    std::vector<std::string>& m_log;
};

}  // namespace fw::test
