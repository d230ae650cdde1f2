#include "plugin/host_error_win.h"

#include <cstdio>

namespace {
char hostError[1024];
}  // namespace

void SetHostError(const char* message) noexcept {
  std::snprintf(hostError, sizeof hostError, "%s", message);
}

void RaiseHostError() {
  const ULONG_PTR arguments[] = {reinterpret_cast<ULONG_PTR>(hostError)};
  RaiseException(kHostErrorCode, EXCEPTION_NONCONTINUABLE, 1, arguments);
  // A non-continuable exception never comes back; should a handler try, it ends up here.
  std::terminate();
}
