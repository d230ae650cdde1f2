#include "testing/plugin_error_win.h"

#include <cstdio>

namespace {
constexpr DWORD kPluginErrorCode = 0xE04D5256;

// Where the handler resumes: __builtin_setjmp's point in CatchPluginError. The buffer holds the
// frame pointer, the resume address and the stack pointer, which is all a resume restores.
void* resumePoint[5];
bool raised;
DWORD raisedFlags;
DWORD raisedArgumentCount;
char raisedMessage[1024];

LONG CALLBACK OnPluginError(EXCEPTION_POINTERS* pointers) {
  const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
  if (record.ExceptionCode != kPluginErrorCode) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  raisedFlags = record.ExceptionFlags;
  raisedArgumentCount = record.NumberParameters;
  const char* text = record.NumberParameters >= 1
                         ? reinterpret_cast<const char*>(record.ExceptionInformation[0])
                         : "";
  std::snprintf(raisedMessage, sizeof raisedMessage, "%s", text);
  raised = true;
  CONTEXT& context = *pointers->ContextRecord;
  context.Ebp = reinterpret_cast<DWORD>(resumePoint[0]);
  context.Eip = reinterpret_cast<DWORD>(resumePoint[1]);
  context.Esp = reinterpret_cast<DWORD>(resumePoint[2]);
  return EXCEPTION_CONTINUE_EXECUTION;
}
}  // namespace

std::optional<PluginError> CatchPluginError(const std::function<void()>& call) {
  PVOID handler = AddVectoredExceptionHandler(1, OnPluginError);
  raised = false;
  if (__builtin_setjmp(resumePoint) == 0) {
    call();
  }
  RemoveVectoredExceptionHandler(handler);
  if (!raised) {
    return std::nullopt;
  }
  return PluginError{kPluginErrorCode, raisedFlags, raisedArgumentCount, raisedMessage};
}
