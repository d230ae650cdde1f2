#include "distance/server/class_factory_win.h"

#include <new>

#include "distance/server/calc_dist_server_win.h"
#include "distance/server/server_module_win.h"

TCalcDistFactory::TCalcDistFactory() {
  AddServerReference();
}

TCalcDistFactory::~TCalcDistFactory() {
  ReleaseServerReference();
}

HRESULT TCalcDistFactory::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  if (iid != IID_IUnknown && iid != IID_IClassFactory) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IClassFactory*>(this);
  AddRef();
  return S_OK;
}

ULONG TCalcDistFactory::AddRef() {
  return ++references_;
}

ULONG TCalcDistFactory::Release() {
  const ULONG left = --references_;
  if (left == 0) {
    delete this;
  }
  return left;
}

HRESULT TCalcDistFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  *object = nullptr;
  if (outer != nullptr) {
    return CLASS_E_NOAGGREGATION;
  }
  auto* component = new (std::nothrow) TCalcDistServer();
  if (component == nullptr) {
    return E_OUTOFMEMORY;
  }
  const HRESULT result = component->QueryInterface(iid, object);
  component->Release();  // the caller's reference, if any, keeps it
  return result;
}

HRESULT TCalcDistFactory::LockServer(BOOL lock) {
  if (lock) {
    AddServerReference();
  } else {
    ReleaseServerReference();
  }
  return S_OK;
}
