// The four functions through which COM registers, creates and unloads the stand-in component.
#include <windows.h>

#include <new>

#include "distance/mod_class_dll_tlb_win.h"
#include "distance/server/class_factory_win.h"
#include "distance/server/server_module_win.h"
#include "distance/server/server_registry_win.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  *object = nullptr;
  if (clsid != ModClassDll_TLB::CLASS_CalcDistClass) {
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  auto* factory = new (std::nothrow) TCalcDistFactory();
  if (factory == nullptr) {
    return E_OUTOFMEMORY;
  }
  const HRESULT result = factory->QueryInterface(iid, object);
  factory->Release();
  return result;
}

extern "C" HRESULT __stdcall DllCanUnloadNow() {
  return ServerInUse() ? S_FALSE : S_OK;
}

extern "C" HRESULT __stdcall DllRegisterServer() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(reinterpret_cast<HMODULE>(&__ImageBase), path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) {
    return E_FAIL;
  }
  return RegisterCalcDistServer(path);
}

extern "C" HRESULT __stdcall DllUnregisterServer() {
  return UnregisterCalcDistServer();
}
