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
    : module_(LoadLibraryW(WidenHostText(path).c_str())), entry_{} {
  if (module_ == nullptr) {
    throw std::runtime_error("cannot load " + path + ": " + SystemMessage(GetLastError()));
  }
  Find(module_, path, "_GetInfo", entry_.GetInfo);
  Find(module_, path, "_Run", entry_.Run);
  Find(module_, path, "_AddQSO", entry_.AddQSO);
  Find(module_, path, "_GetScore", entry_.GetScore);
  Find(module_, path, "_Release", entry_.Release);
  Find(module_, path, "_GrabNumber", entry_.GrabNumber);
}

PluginLibrary::~PluginLibrary() {
  FreeLibrary(module_);
}
