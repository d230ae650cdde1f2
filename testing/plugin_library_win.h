// Marovinta.dll loaded the way a host loads it: by file name, its entry points found by name.
#pragma once

#include <windows.h>

#include <cstdint>

#include "plugin/contest_data.h"

class PluginLibrary {
 public:
  using GetInfoFn = void(__stdcall*)(TPluginInfo* info);
  using RunFn = HWND(__stdcall*)(std::uint32_t unused, const TContestData* data);
  using AddQSOFn = std::int32_t(__stdcall*)(const TContestData* data);
  using GetScoreFn = std::int32_t(__stdcall*)(const TContestData* data);
  using GrabNumberFn = void(__stdcall*)(const TContestData* data, ShortString* number);
  using ReleaseFn = void(__stdcall*)();

  PluginLibrary();  // throws std::runtime_error when the library or an entry point is missing
  ~PluginLibrary() { Unload(); }
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  HMODULE Module() const { return module_; }
  void Unload();

  GetInfoFn GetInfo;
  RunFn Run;
  AddQSOFn AddQSO;
  GetScoreFn GetScore;
  GrabNumberFn GrabNumber;
  ReleaseFn Release;

 private:
  template <typename Fn>
  Fn Find(const char* name) const;

  HMODULE module_;
};

// Dispatches every message waiting for this thread, as the host's message loop would.
void PumpMessages();
