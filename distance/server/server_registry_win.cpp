#include "distance/server/server_registry_win.h"

#include <string>

#include "distance/mod_class_dll_tlb_win.h"

namespace {
constexpr wchar_t kClassName[] = L"CalcDistClass";
constexpr wchar_t kThreadingModel[] = L"Apartment";

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() {
    if (key_ != nullptr) {
      RegCloseKey(key_);
    }
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  HKEY* Put() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

std::wstring ClassKeyPath() {
  wchar_t clsid[40];
  StringFromGUID2(ModClassDll_TLB::CLASS_CalcDistClass, clsid, 40);
  return std::wstring(L"CLSID\\") + clsid;
}

LSTATUS SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

LSTATUS CreateKey(const std::wstring& path, RegistryKey& key) {
  return RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                         key.Put(), nullptr);
}

LSTATUS WriteEntries(const wchar_t* dllPath) {
  RegistryKey classKey;
  LSTATUS status = CreateKey(ClassKeyPath(), classKey);
  if (status == ERROR_SUCCESS) {
    status = SetString(classKey.Get(), nullptr, kClassName);
  }
  RegistryKey serverKey;
  if (status == ERROR_SUCCESS) {
    status = CreateKey(ClassKeyPath() + L"\\InprocServer32", serverKey);
  }
  if (status == ERROR_SUCCESS) {
    status = SetString(serverKey.Get(), nullptr, dllPath);
  }
  if (status == ERROR_SUCCESS) {
    status = SetString(serverKey.Get(), L"ThreadingModel", kThreadingModel);
  }
  return status;
}
}  // namespace

HRESULT RegisterCalcDistServer(const wchar_t* dllPath) {
  try {
    const LSTATUS status = WriteEntries(dllPath);
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

HRESULT UnregisterCalcDistServer() {
  try {
    const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassKeyPath().c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK
                                                                     : HRESULT_FROM_WIN32(status);
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}
