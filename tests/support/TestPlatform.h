#pragma once
// What a framework test needs of the platform it runs on, one implementation
// per backend (tests/support/headless, tests/support/win32, tests/support/x11,
// tests/support/wayland), so the behaviour tests are written once and hold
// every backend to the same expectations. PlatformInput.h drives the platform
// as its user would; PlatformTraits.h says what a backend does differently.
#include <cstdint>
#include <functional>
#include <vector>

#include "fw/App.h"
#include "fw/Types.h"

namespace fw::test {

// A fresh platform for the next test: no windows of ours left, nothing
// queued, no quit message pending. Headless: a full Reset.
void ResetPlatform();

// Dispatches what is waiting until the queue is idle (bounded; headless does
// not move time).
void PumpUntilIdle();

// Dispatches messages while about ms pass (virtual time on headless, real
// time on the platform).
void PumpFor(unsigned milliseconds);

// Dispatches messages until done() holds or about timeoutMs pass; returns
// done().
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs);

// True once the quit message has come off the queue or is pending; takes
// it off and returns its exit code through exitCode.
bool TakeQuitMessage(int* exitCode);

// Registry value types, with the platform's numbers.
constexpr DWORD kRegSz = 1;
constexpr DWORD kRegBinary = 3;
constexpr DWORD kRegDword = 4;
constexpr DWORD kRegQword = 11;

// Stores a value of any type straight into the application's profile, under
// the application's key and this section, creating keys as needed.
bool WriteRawProfileValue(fw::CWinApp& app, const char* section, const char* entry, DWORD type,
                          const std::vector<std::uint8_t>& bytes);
// Removes the application's whole key, so the next read finds nothing.
void DeleteProfileKey(fw::CWinApp& app);
// Makes later writes of this entry fail while the others keep working;
// false when the platform cannot do that (the test is then skipped).
bool MakeProfileWritesFail(fw::CWinApp& app, const char* section, const char* entry);
// Undoes MakeProfileWritesFail.
void RestoreProfileWrites(fw::CWinApp& app, const char* section);

}  // namespace fw::test
