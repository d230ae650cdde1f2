// The plug-in DLL loaded the way a host loads it: by file name, with its six entry points found by
// their exported names.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "scoring/contest_data.h"

inline constexpr char kPluginFile[] = "Marovinta.dll";

// Owns the loaded library; unloading it lets the plug-in's run time destroy what it still holds.
class PluginLibrary {
 public:
  using GetInfoFn = void(__stdcall*)(TPluginInfo* info);
  using RunFn = HWND(__stdcall*)(std::uint32_t unused, const TContestData* data);
  using AddQSOFn = std::int32_t(__stdcall*)(const TContestData* data);
  using GetScoreFn = std::int32_t(__stdcall*)(const TContestData* data);
  using GrabNumberFn = void(__stdcall*)(const TContestData* data, ShortString* number);
  using ReleaseFn = void(__stdcall*)();

  // Throws std::runtime_error "cannot load PATH: reason" or "PATH has no export NAME".
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary() { Unload(); }
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  HMODULE Module() const { return module_; }
  void Unload();

  GetInfoFn GetInfo = nullptr;
  RunFn Run = nullptr;
  AddQSOFn AddQSO = nullptr;
  GetScoreFn GetScore = nullptr;
  GrabNumberFn GrabNumber = nullptr;
  ReleaseFn Release = nullptr;

 private:
  HMODULE module_;
};
