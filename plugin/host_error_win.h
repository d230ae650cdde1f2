// How an error reaches the host: as a structured exception (RaiseException) with code
// kHostErrorCode, non-continuable, whose one argument points to the message, a zero-terminated
// single-byte text that stays valid until the next call into the plug-in. No C++ exception ever
// leaves an entry point: the work runs inside RunForHost, which keeps the message, and the entry
// point raises only after every object of the work has been destroyed (the host's unwinding would
// run no C++ destructor).
#pragma once

#include <windows.h>

#include <exception>

constexpr DWORD kHostErrorCode = 0xE04D5256;

// Keeps the message of the error to be raised.
void SetHostError(const char* message) noexcept;

// Raises the kept error. Call it from a frame that holds no objects.
[[noreturn]] void RaiseHostError();

// Runs `work`; false when it failed, its message kept for RaiseHostError.
template <typename Work>
bool RunForHost(Work&& work) noexcept {
  try {
    work();
    return true;
  } catch (const std::exception& e) {
    SetHostError(e.what());
  } catch (...) {
    SetHostError("Unknown error");
  }
  return false;
}
