#include "testing/plugin_library_win.h"

#include <stdexcept>
#include <string>

PluginLibrary::PluginLibrary() : module_(LoadLibraryA("Marovinta.dll")) {
  if (module_ == nullptr) {
    throw std::runtime_error("Marovinta.dll does not load");
  }
  GetInfo = Find<GetInfoFn>("_GetInfo");
  Run = Find<RunFn>("_Run");
  AddQSO = Find<AddQSOFn>("_AddQSO");
  GetScore = Find<GetScoreFn>("_GetScore");
  GrabNumber = Find<GrabNumberFn>("_GrabNumber");
  Release = Find<ReleaseFn>("_Release");
}

void PluginLibrary::Unload() {
  if (module_ != nullptr) {
    FreeLibrary(module_);
    module_ = nullptr;
  }
}

template <typename Fn>
Fn PluginLibrary::Find(const char* name) const {
  FARPROC address = GetProcAddress(module_, name);
  if (address == nullptr) {
    throw std::runtime_error(std::string("Marovinta.dll lacks ") + name);
  }
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(address));
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
