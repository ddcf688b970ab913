#pragma once
// The scripted user the tests seat outside the headless platform: its
// queues, scripts, answers and logs, cleared when the platform is reset.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "fw/headless/Outside.h"
#include "tests/support/headless/HeadlessControl.h"

namespace fw::headless {

// An action at a time of the virtual clock.
struct TimedAction {
    std::uint64_t at;
    std::function<void()> action;
};

struct ColorAnswer {
    INT_PTR result;
    COLORREF colour;
    std::uint32_t openMs;
};

class ScriptedOutside : public Outside {
public:
    void Reset() override { *this = ScriptedOutside(); }
    bool DispatchInput() override;
    std::optional<std::uint64_t> NextInputTime() override;
    void WindowShown(HWND hWnd) override;
    bool ActOnDialog(HWND hDialog) override;
    void DialogEnded(UINT templateId, INT_PTR result, bool abandoned) override {
        dialogs.push_back(DialogRecord{templateId, result, abandoned});
    }
    INT_PTR ChooseColour(COLORREF initial, COLORREF* chosen) override;
    bool ProfileWriteTaken(const std::string& key, const std::string& entry, std::int32_t value) override;

    std::deque<std::function<void()>> input;  // each hands one event to a window
    std::vector<TimedAction> actions;         // in the order scheduled
    POINT cursorPos;
    std::deque<std::function<void(HWND)>> script;
    std::vector<DialogRecord> dialogs;
    std::deque<ColorAnswer> colorAnswers;
    std::vector<COLORREF> colorDialogs;
    std::vector<std::string> failingEntries;  // folded
    std::vector<ProfileWrite> writes;
};

// The one scripted user, seated on first use.
ScriptedOutside& Scripted();

}  // namespace fw::headless
