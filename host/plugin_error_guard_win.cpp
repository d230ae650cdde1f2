#include "host/plugin_error_guard_win.h"

#include <windows.h>

#include <csetjmp>
#include <cstring>

namespace {

// The innermost guarded call of this thread, and the error that ended it. The message is copied
// at once: the plug-in's text may not outlive its abandoned frames.
thread_local std::jmp_buf* activeGuard = nullptr;
thread_local DWORD caughtFlags;
thread_local DWORD caughtArgumentCount;
thread_local char caughtMessage[2048];

void CopyMessage(const EXCEPTION_RECORD& record) {
  const char* text = record.NumberParameters >= 1
                         ? reinterpret_cast<const char*>(record.ExceptionInformation[0])
                         : nullptr;
  if (text == nullptr) {
    std::strcpy(caughtMessage, "(the plug-in raised an error without a message)");
    return;
  }
  const std::size_t length = strnlen(text, sizeof caughtMessage - 1);
  std::memcpy(caughtMessage, text, length);
  caughtMessage[length] = '\0';
}

LONG CALLBACK OnPluginError(EXCEPTION_POINTERS* exception) {
  const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
  if (record.ExceptionCode != kPluginErrorCode || activeGuard == nullptr) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  caughtFlags = record.ExceptionFlags;
  caughtArgumentCount = record.NumberParameters;
  CopyMessage(record);
  // The C run time's longjmp unwinds the structured-exception frames registered since setjmp.
  std::longjmp(*activeGuard, 1);
}

// Keeps the vectored handler installed for as long as it lives.
class HandlerInstalled {
 public:
  HandlerInstalled() : handle_(AddVectoredExceptionHandler(1, OnPluginError)) {}
  ~HandlerInstalled() { RemoveVectoredExceptionHandler(handle_); }
  HandlerInstalled(const HandlerInstalled&) = delete;
  HandlerInstalled& operator=(const HandlerInstalled&) = delete;

 private:
  void* handle_;
};

}  // namespace

std::optional<PluginError> CallGuarded(void (*call)(void* context), void* context) {
  const HandlerInstalled handler;
  std::jmp_buf here;
  std::jmp_buf* const outer = activeGuard;
  activeGuard = &here;
  if (setjmp(here) == 0) {
    call(context);
    activeGuard = outer;
    return std::nullopt;
  }
  activeGuard = outer;
  return PluginError{kPluginErrorCode, caughtFlags, caughtArgumentCount, caughtMessage};
}
