// Makes the stand-in distance component's objects for COM.
#pragma once

#include <unknwn.h>

#include <atomic>

class TCalcDistFactory final : public IClassFactory {
 public:
  TCalcDistFactory();
  ~TCalcDistFactory();
  TCalcDistFactory(const TCalcDistFactory&) = delete;
  TCalcDistFactory& operator=(const TCalcDistFactory&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  std::atomic<ULONG> references_{1};
};
