// The COM client against the stand-in component registered in the test prefix.
#include "distance/co_calc_dist_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "distance/bstr_win.h"
#include "distance/maidenhead.h"
#include "distance/mod_class_dll_tlb_win.h"

namespace {
// A component of the test's own that keeps the locators it is given; it lives on the stack, so
// its references are not counted.
class RecordingComponent final : public ModClassDll_TLB::_CalcDistClass {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == ModClassDll_TLB::IID__CalcDistClass) {
      *object = static_cast<ModClassDll_TLB::_CalcDistClass*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetVersion(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsValidLocator(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetKmPerDegree(float*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCoordA(BSTR locator, float* coordA) override {
    return Keep(locator, coordA);
  }
  HRESULT STDMETHODCALLTYPE GetCoordB(BSTR locator, float* coordB) override {
    return Keep(locator, coordB);
  }
  HRESULT STDMETHODCALLTYPE GetDistance(float, float, float, float, float* distance) override {
    *distance = 0;
    return S_OK;
  }

  std::vector<std::wstring> locators;

 private:
  HRESULT Keep(BSTR locator, float* value) {
    locators.push_back(Bstr::TextOf(locator));
    *value = 0;
    return S_OK;
  }
};

// Hands out the recording component for the component's class id, in this process only, while it
// lives.
class RecordingComponentClass final : public IClassFactory {
 public:
  RecordingComponentClass() {
    CoRegisterClassObject(ModClassDll_TLB::CLASS_CalcDistClass, this, CLSCTX_INPROC_SERVER,
                          REGCLS_MULTIPLEUSE, &cookie_);
  }
  ~RecordingComponentClass() { CoRevokeClassObject(cookie_); }
  RecordingComponentClass(const RecordingComponentClass&) = delete;
  RecordingComponentClass& operator=(const RecordingComponentClass&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *object = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** object) override {
    return component.QueryInterface(iid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  RecordingComponent component;

 private:
  DWORD cookie_ = 0;
};
}  // namespace

TEST(CoCalcDist, ComputesThroughTheRegisteredComponent) {
  const auto component = CreateCalcDistOverCom();
  ASSERT_NE(component, nullptr);

  float latitude = 0;
  float longitude = 0;
  EXPECT_EQ(component->GetCoordA("KO72", &latitude), S_OK);
  EXPECT_EQ(component->GetCoordB("KO72", &longitude), S_OK);
  EXPECT_FLOAT_EQ(latitude, 52.5f);
  EXPECT_FLOAT_EQ(longitude, 35.0f);

  float km = 0;
  EXPECT_EQ(component->GetDistance(51.5f, 7.0f, latitude, longitude, &km), S_OK);
  EXPECT_FLOAT_EQ(km, static_cast<float>(GreatCircleKm({51.5, 7.0}, {52.5, 35.0})));
  EXPECT_EQ(component->ErrorDescription(), "");
}

TEST(CoCalcDist, AFailureCarriesTheComponentsDescriptionOnce) {
  const auto component = CreateCalcDistOverCom();
  float value = 0;
  const HResult code = component->GetCoordB("ZZ00", &value);
  EXPECT_EQ(code, E_INVALIDARG);

  try {
    OleCheck(code, *component);
    FAIL() << "no error";
  } catch (const EOleException& e) {
    EXPECT_STREQ(e.what(), "Invalid locator 'ZZ00'");
    EXPECT_EQ(e.Code(), E_INVALIDARG);
  }
  // Taken with the first look: a later failure cannot show it again.
  EXPECT_EQ(component->ErrorDescription(), "");
}

TEST(CoCalcDist, SystemMessagesEndWithoutBlanksOrLineEnds) {
  const std::string text = SystemMessageOf(ERROR_FILE_NOT_FOUND);
  ASSERT_FALSE(text.empty());
  EXPECT_GT(static_cast<unsigned char>(text.back()), 32) << text;
}

// A locator is a text of the host like any other: it reaches the component converted from the
// host's code page (Windows-1252 in the tests), where 0x80 is the euro sign, not U+0080.
TEST(CoCalcDist, SendsLocatorsConvertedFromTheHostsCodePage) {
  ASSERT_EQ(GetACP(), 1252u);
  RecordingComponentClass registered;
  const auto component = CreateCalcDistOverCom();
  float value = 0;
  component->GetCoordA("KO72", &value);
  component->GetCoordB("\x80\xE9", &value);
  EXPECT_EQ(registered.component.locators, (std::vector<std::wstring>{L"KO72", L"\u20AC\u00E9"}));
}
