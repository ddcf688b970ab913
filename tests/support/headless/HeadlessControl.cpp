// The test controls of HeadlessControl.h, and the scripted user they drive.
#include "tests/support/headless/HeadlessControl.h"

#include <algorithm>

#include "fw/headless/MessageQueue.h"
#include "fw/headless/WindowTree.h"
#include "tests/support/headless/ScriptedOutside.h"

namespace fw::headless {

namespace {

// Seated before any test runs, so it sees everything from the start.
[[maybe_unused]] const bool g_seated = (SetOutside(&Scripted()), true);

bool KeyAtOrBelow(const std::string& folded, const std::string& key) {
    return folded == key ||
           (folded.size() > key.size() && folded.compare(0, key.size(), key) == 0 && folded[key.size()] == '\\');
}

}  // namespace

ScriptedOutside& Scripted() {
    static auto& scripted = *new ScriptedOutside;
    return scripted;
}

INT_PTR ScriptedOutside::ChooseColour(COLORREF initial, COLORREF* chosen) {
    colorDialogs.push_back(initial);
    if (colorAnswers.empty()) {
        return IDCANCEL;
    }
    const ColorAnswer answer = colorAnswers.front();
    colorAnswers.pop_front();
    // While it is open, the thread's messages keep flowing.
    RunUntil(TheWorld().clock.Now() + std::uint64_t{answer.openMs} * 1000u, [] { return false; });
    if (answer.result == IDOK) {
        *chosen = answer.colour;
    }
    return answer.result;
}

bool ScriptedOutside::ProfileWriteTaken(const std::string& key, const std::string& entry, std::int32_t value) {
    const bool fails = std::find(failingEntries.begin(), failingEntries.end(), FoldName(entry)) != failingEntries.end();
    writes.push_back(ProfileWrite{key, entry, value, !fails});
    return !fails;
}

std::size_t RunFor(std::uint32_t milliseconds) {
    return RunUntil(TheWorld().clock.Now() + std::uint64_t{milliseconds} * 1000u, [] { return false; });
}

bool QuitPending() { return TheWorld().quit; }
void ClearQuit() { TheWorld().quit = false; }

std::vector<HWND> LiveWindows() {
    std::vector<HWND> handles;
    for (const auto& entry : TheWorld().windows) {
        handles.push_back(entry.first);
    }
    return handles;
}

const std::vector<DialogRecord>& DialogHistory() { return Scripted().dialogs; }
void AnswerColorDialog(INT_PTR result, COLORREF colour, std::uint32_t openMs) {
    Scripted().colorAnswers.push_back(ColorAnswer{result, colour, openMs});
}
const std::vector<COLORREF>& ColorDialogsOpened() { return Scripted().colorDialogs; }

void DeleteProfileKey(const std::string& key) {
    MemoryProfile::Keys& keys = TheWorld().profile.AllKeys();
    for (auto it = keys.begin(); it != keys.end();) {
        it = KeyAtOrBelow(it->first, FoldName(key)) ? keys.erase(it) : std::next(it);
    }
}
const std::vector<ProfileWrite>& ProfileWriteLog() { return Scripted().writes; }

}  // namespace fw::headless
