#include "distance/server/calc_dist_server_win.h"

#include <wrl/client.h>

#include "distance/bstr_win.h"
#include "distance/server/server_module_win.h"

namespace {
using Microsoft::WRL::ComPtr;
using ModClassDll_TLB::IID__CalcDistClass;

constexpr LONG kVersion = 1;

void SetErrorDescription(const std::string& description) {
  ComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(create.GetAddressOf()))) {
    return;
  }
  std::wstring wide(description.begin(), description.end());  // the texts are ASCII
  create->SetGUID(IID__CalcDistClass);
  create->SetSource(const_cast<LPOLESTR>(L"CalcDistClass"));
  create->SetDescription(wide.data());
  ComPtr<IErrorInfo> info;
  if (SUCCEEDED(
          create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(info.GetAddressOf())))) {
    SetErrorInfo(0, info.Get());
  }
}

// The geometry reads single-byte text. Locators are ASCII: any other character becomes '?', which
// no locator holds.
std::string LocatorText(BSTR locator) {
  std::string text;
  for (wchar_t c : Bstr::TextOf(locator)) {
    text.push_back(c >= 32 && c < 127 ? static_cast<char>(c) : '?');
  }
  return text;
}

// No C++ exception may leave a COM method: running out of memory is the only one possible.
template <typename Work>
HRESULT Guarded(Work work) noexcept {
  try {
    return work();
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}
}  // namespace

TCalcDistServer::TCalcDistServer() {
  AddServerReference();
}

TCalcDistServer::~TCalcDistServer() {
  ReleaseServerReference();
}

HRESULT TCalcDistServer::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__CalcDistClass) {
    *object = static_cast<ModClassDll_TLB::_CalcDistClass*>(this);
  } else if (iid == IID_ISupportErrorInfo) {
    *object = static_cast<ISupportErrorInfo*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG TCalcDistServer::AddRef() {
  return ++references_;
}

ULONG TCalcDistServer::Release() {
  const ULONG left = --references_;
  if (left == 0) {
    delete this;
  }
  return left;
}

HRESULT TCalcDistServer::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) {
    return E_POINTER;
  }
  *count = 0;
  return S_OK;
}

HRESULT TCalcDistServer::GetVersion(LONG* version) {
  if (version == nullptr) {
    return E_POINTER;
  }
  *version = kVersion;
  return S_OK;
}

HRESULT TCalcDistServer::IsValidLocator(BSTR locator, VARIANT_BOOL* valid) {
  if (valid == nullptr) {
    return E_POINTER;
  }
  return Guarded([&] {
    float latitude = 0;
    *valid =
        Failed(geometry_.GetCoordA(LocatorText(locator), &latitude)) ? VARIANT_FALSE : VARIANT_TRUE;
    return S_OK;
  });
}

HRESULT TCalcDistServer::GetKmPerDegree(float* km) {
  if (km == nullptr) {
    return E_POINTER;
  }
  return Answer(geometry_.GetDistance(0, 0, 1, 0, km));
}

HRESULT TCalcDistServer::GetCoordA(BSTR locator, float* coordA) {
  if (coordA == nullptr) {
    return E_POINTER;
  }
  return Guarded([&] { return Answer(geometry_.GetCoordA(LocatorText(locator), coordA)); });
}

HRESULT TCalcDistServer::GetCoordB(BSTR locator, float* coordB) {
  if (coordB == nullptr) {
    return E_POINTER;
  }
  return Guarded([&] { return Answer(geometry_.GetCoordB(LocatorText(locator), coordB)); });
}

HRESULT TCalcDistServer::GetDistance(float ownA, float ownB, float qsoA, float qsoB,
                                     float* distance) {
  if (distance == nullptr) {
    return E_POINTER;
  }
  return Answer(geometry_.GetDistance(ownA, ownB, qsoA, qsoB, distance));
}

HRESULT TCalcDistServer::InterfaceSupportsErrorInfo(REFIID iid) {
  return iid == IID__CalcDistClass ? S_OK : S_FALSE;
}

HRESULT TCalcDistServer::Answer(HResult code) {
  if (Failed(code)) {
    SetErrorDescription(geometry_.ErrorDescription());
  }
  return code;
}
