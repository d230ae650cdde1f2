// Catches the plug-in's error exception around a call into it, so one failing call does not end
// the host. The plug-in raises its errors as a structured exception (code kPluginErrorCode, one
// argument: the address of a zero-terminated message); mingw g++ has no __try, so a vectored
// handler takes the exception and jumps back to the guarded call.
#pragma once

#include <optional>
#include <string>
#include <type_traits>

inline constexpr unsigned long kPluginErrorCode = 0xE04D5256;

// The exception as the plug-in raised it.
struct PluginError {
  unsigned long code;
  unsigned long flags;
  unsigned long argumentCount;
  std::string message;  // the text the first argument points to, copied at once
};

// Runs call(context). Returns nothing when it returned normally; the plug-in's error when it
// raised one. Frames between here and the raise are abandoned without running destructors:
// `call` must hold nothing that needs one.
std::optional<PluginError> CallGuarded(void (*call)(void* context), void* context);

// CallGuarded for a lambda that captures by reference, e.g. [&] { result = entry(&data); }.
template <typename Call>
std::optional<PluginError> CatchPluginError(Call&& call) {
  using Function = std::remove_reference_t<Call>;
  return CallGuarded([](void* context) { (*static_cast<Function*>(context))(); }, &call);
}
