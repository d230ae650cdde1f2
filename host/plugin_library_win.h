// The plug-in DLL loaded into the host, with its six entry points found by their exported names.
#pragma once

#include <windows.h>

#include <string>

#include "plugin/contest_data.h"

struct PluginEntryPoints {
  void(__stdcall* GetInfo)(TPluginInfo* info);
  HWND(__stdcall* Run)(int ignored, TContestData* data);
  int(__stdcall* AddQSO)(TContestData* data);
  int(__stdcall* GetScore)(TContestData* data);
  void(__stdcall* Release)();
  void(__stdcall* GrabNumber)(TContestData* data, ShortString* number);
};

// Owns the loaded library; unloading it lets the plug-in's run time destroy what it still holds.
class PluginLibrary {
 public:
  // Throws std::runtime_error "cannot load PATH: reason" or "PATH has no export NAME".
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  const PluginEntryPoints& Entry() const { return entry_; }

 private:
  HMODULE module_;
  PluginEntryPoints entry_;
};
