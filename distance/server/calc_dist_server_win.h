// The stand-in distance component: the COM object behind the component's class id, computing
// with the Maidenhead geometry (A = latitude, B = longitude of a locator's centre, kilometres on
// a great circle). A failure leaves its description in an error object.
#pragma once

#include <atomic>

#include "distance/geometry_distance.h"
#include "distance/mod_class_dll_tlb_win.h"

class TCalcDistServer final : public ModClassDll_TLB::_CalcDistClass, public ISupportErrorInfo {
 public:
  TCalcDistServer();
  ~TCalcDistServer();
  TCalcDistServer(const TCalcDistServer&) = delete;
  TCalcDistServer& operator=(const TCalcDistServer&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // No type information: the component is called through its interface table only.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE GetVersion(LONG* version) override;
  HRESULT STDMETHODCALLTYPE IsValidLocator(BSTR locator, VARIANT_BOOL* valid) override;
  HRESULT STDMETHODCALLTYPE GetKmPerDegree(float* km) override;
  HRESULT STDMETHODCALLTYPE GetCoordA(BSTR locator, float* coordA) override;
  HRESULT STDMETHODCALLTYPE GetCoordB(BSTR locator, float* coordB) override;
  HRESULT STDMETHODCALLTYPE GetDistance(float ownA, float ownB, float qsoA, float qsoB,
                                        float* distance) override;

  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

 private:
  // Passes the geometry's result on; a failure also leaves its description for the caller.
  HRESULT Answer(HResult code);

  std::atomic<ULONG> references_{1};
  GeometryDistance geometry_;
};
