#include "distance/co_calc_dist_win.h"

#include <wrl/client.h>

#include "distance/bstr_win.h"
#include "distance/mod_class_dll_tlb_win.h"
#include "io/host_code_page_win.h"
#include "scoring/text_rules.h"

namespace {
using Microsoft::WRL::ComPtr;
using ModClassDll_TLB::CLASS_CalcDistClass;
using ModClassDll_TLB::IID__CalcDistClass;

void CheckCreation(HRESULT code) {
  if (FAILED(code)) {
    throw EOleException(OleErrorMessage(code, "", SystemMessageOf(code)), code);
  }
}

// Only an object that says its interface fills in error objects may be asked for one.
bool SupportsErrorInfo(IUnknown& component) {
  ComPtr<ISupportErrorInfo> support;
  return SUCCEEDED(component.QueryInterface(IID_ISupportErrorInfo,
                                            reinterpret_cast<void**>(support.GetAddressOf()))) &&
         support->InterfaceSupportsErrorInfo(IID__CalcDistClass) == S_OK;
}

class ComCalcDist : public DistanceComponent {
 public:
  explicit ComCalcDist(ComPtr<ModClassDll_TLB::_CalcDistClass> component)
      : component_(std::move(component)),
        supportsErrorInfo_(SupportsErrorInfo(*component_.Get())) {}

  HResult GetCoordA(const std::string& locator, float* coordA) override {
    const Bstr text(WidenHostText(locator));
    return component_->GetCoordA(text.Get(), coordA);
  }

  HResult GetCoordB(const std::string& locator, float* coordB) override {
    const Bstr text(WidenHostText(locator));
    return component_->GetCoordB(text.Get(), coordB);
  }

  HResult GetDistance(float ownA, float ownB, float qsoA, float qsoB, float* distance) override {
    return component_->GetDistance(ownA, ownB, qsoA, qsoB, distance);
  }

  std::string ErrorDescription() override {
    // Taking the thread's error object also clears it, so no later failure shows this text.
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.GetAddressOf()) != S_OK || !supportsErrorInfo_) {
      return {};
    }
    Bstr description;
    if (FAILED(info->GetDescription(description.Put()))) {
      return {};
    }
    return NarrowToHostText(description.Text());
  }

  std::string SystemMessage(HResult code) override { return SystemMessageOf(code); }

 private:
  ComPtr<ModClassDll_TLB::_CalcDistClass> component_;
  bool supportsErrorInfo_;
};
}  // namespace

std::string SystemMessageOf(HResult code) {
  char text[512];
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     static_cast<DWORD>(code), 0, text, sizeof text, nullptr);
  return std::string(TrimTrailingControl(std::string_view(text, length)));
}

std::shared_ptr<DistanceComponent> CreateCalcDistOverCom() {
  ComPtr<IUnknown> object;
  CheckCreation(CoCreateInstance(CLASS_CalcDistClass, nullptr,
                                 CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                 reinterpret_cast<void**>(object.GetAddressOf())));
  ComPtr<ModClassDll_TLB::_CalcDistClass> component;
  CheckCreation(object->QueryInterface(IID__CalcDistClass,
                                       reinterpret_cast<void**>(component.GetAddressOf())));
  return std::make_shared<ComCalcDist>(std::move(component));
}
