#include "host/plugin_library_win.h"

#include <stdexcept>

#include "host/text_win.h"

namespace {

template <typename Function>
void Find(HMODULE module, const std::string& path, const char* name, Function& function) {
  const FARPROC address = GetProcAddress(module, name);
  if (address == nullptr) {
    FreeLibrary(module);
    throw std::runtime_error(path + " has no export " + name);
  }
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path)
    : module_(LoadLibraryW(WidenHostText(path).c_str())) {
  if (module_ == nullptr) {
    throw std::runtime_error("cannot load " + path + ": " + SystemMessage(GetLastError()));
  }
  Find(module_, path, "_GetInfo", GetInfo);
  Find(module_, path, "_Run", Run);
  Find(module_, path, "_AddQSO", AddQSO);
  Find(module_, path, "_GetScore", GetScore);
  Find(module_, path, "_GrabNumber", GrabNumber);
  Find(module_, path, "_Release", Release);
}

void PluginLibrary::Unload() {
  if (module_ != nullptr) {
    FreeLibrary(module_);
    module_ = nullptr;
  }
}
