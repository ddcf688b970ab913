// The test platform over the headless backend: virtual time, so waits cost
// nothing and never race.
#include "tests/support/TestPlatform.h"

#include <string>

#include "tests/support/headless/ScriptedOutside.h"

namespace fw::test {

void ResetPlatform() { fw::headless::Reset(); }

void PumpUntilIdle() { fw::headless::PumpMessages(); }

void PumpFor(unsigned milliseconds) { fw::headless::RunFor(milliseconds); }

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
    // A millisecond at a time, so a condition met by a timer is seen soon.
    fw::headless::PumpMessages();
    for (unsigned waited = 0; !done() && waited < timeoutMs; ++waited) {
        fw::headless::RunFor(1);
    }
    return done();
}

bool TakeQuitMessage(int* exitCode) {
    fw::headless::PumpMessages();
    if (!fw::headless::QuitPending()) {
        return false;
    }
    if (exitCode != nullptr) {
        *exitCode = fw::headless::TheWorld().quitCode;
    }
    fw::headless::ClearQuit();
    return true;
}

bool WriteRawProfileValue(fw::CWinApp& app, const char* section, const char* entry, DWORD type,
                          const std::vector<std::uint8_t>& bytes) {
    fw::headless::TheWorld().profile.Set(app.ProfileKeyPath() + "\\" + section, entry,
                                         fw::headless::ProfileValue{type, bytes});
    return true;
}

void DeleteProfileKey(fw::CWinApp& app) { fw::headless::DeleteProfileKey(app.ProfileKeyPath()); }

bool MakeProfileWritesFail(fw::CWinApp& /*app*/, const char* /*section*/, const char* entry) {
    // Writes of this entry, in any key, fail and change nothing.
    fw::headless::Scripted().failingEntries.push_back(fw::headless::FoldName(entry));
    return true;
}

void RestoreProfileWrites(fw::CWinApp& /*app*/, const char* /*section*/) {
    fw::headless::Scripted().failingEntries.clear();
}

}  // namespace fw::test
