// Catches the plug-in's error exception around a call into it, so one failing call does not end
// the host. The plug-in raises its errors as a structured exception (code PluginErrorCode, one
// argument: the address of a zero-terminated message); mingw g++ has no __try, so a vectored
// handler takes the exception and jumps back to the guarded call.
#pragma once

#include <string>

inline constexpr unsigned long PluginErrorCode = 0xE04D5256;

// Installs the vectored handler for as long as it lives; make one before the first guarded call.
class PluginErrorHandler {
 public:
  PluginErrorHandler();
  ~PluginErrorHandler();
  PluginErrorHandler(const PluginErrorHandler&) = delete;
  PluginErrorHandler& operator=(const PluginErrorHandler&) = delete;

 private:
  void* handle_;
};

// Runs call(context). Returns true when it returned normally; false, with the plug-in's message in
// `error`, when it raised the plug-in's error. Frames between here and the raise are abandoned
// without running destructors: `call` must hold nothing that needs one.
bool CallGuarded(void (*call)(void* context), void* context, std::string& error);

// CallGuarded for a lambda that captures by reference, e.g. [&] { result = entry(&data); }.
template <typename Call>
bool Guarded(Call& call, std::string& error) {
  return CallGuarded([](void* context) { (*static_cast<Call*>(context))(); }, &call, error);
}
