// Catches the structured exception the plug-in raises to its host, the way a host's handler
// would: mingw has no __try, so a vectored handler takes it and resumes after the call, leaving
// the frames in between as the host's unwinding would.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

struct PluginError {
  DWORD code;
  DWORD flags;
  DWORD argumentCount;
  std::string message;  // the text the first argument points to
};

// Runs `call`; the plug-in's error if it raised one (code 0xE04D5256), nothing if it returned.
std::optional<PluginError> CatchPluginError(const std::function<void()>& call);
