// The stand-in component as COM serves it: registered, created by class id, called by table slot.
#include "distance/server/calc_dist_server_win.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <string>

#include "distance/bstr_win.h"
#include "distance/maidenhead.h"

namespace {
using Microsoft::WRL::ComPtr;
using CalcDistInterface = ModClassDll_TLB::_CalcDistClass;

ComPtr<CalcDistInterface> CreateComponent() {
  ComPtr<CalcDistInterface> component;
  EXPECT_EQ(CoCreateInstance(ModClassDll_TLB::CLASS_CalcDistClass, nullptr, CLSCTX_INPROC_SERVER,
                             ModClassDll_TLB::IID__CalcDistClass,
                             reinterpret_cast<void**>(component.GetAddressOf())),
            S_OK);
  return component;
}

std::wstring ReadString(HKEY root, const wchar_t* path, const wchar_t* name) {
  wchar_t value[MAX_PATH] = L"";
  DWORD size = sizeof value;
  RegGetValueW(root, path, name, RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}
}  // namespace

TEST(CalcDistServer, IsRegisteredInProcessApartmentThreaded) {
  const wchar_t* server = L"CLSID\\{FFEE21AA-6136-4B31-8811-F6F927FBDE62}\\InprocServer32";
  EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, server, L"ThreadingModel"), L"Apartment");
  const std::wstring path = ReadString(HKEY_CLASSES_ROOT, server, nullptr);
  EXPECT_NE(path.find(L"\\DistanceServer.dll"), std::wstring::npos);
}

TEST(CalcDistServer, AnswersTheCalledOperationsAtSlotsTenToTwelve) {
  const ComPtr<CalcDistInterface> component = CreateComponent();
  ASSERT_NE(component, nullptr);
  void** table = *reinterpret_cast<void***>(component.Get());
  using Coord = HRESULT(__stdcall*)(void* self, BSTR locator, float* value);
  using Distance = HRESULT(__stdcall*)(void* self, float, float, float, float, float* km);

  const Bstr locator(L"jo31");
  float latitude = 0;
  float longitude = 0;
  float km = 0;
  EXPECT_EQ(reinterpret_cast<Coord>(table[ModClassDll_TLB::kGetCoordASlot])(
                component.Get(), locator.Get(), &latitude),
            S_OK);
  EXPECT_EQ(reinterpret_cast<Coord>(table[ModClassDll_TLB::kGetCoordBSlot])(
                component.Get(), locator.Get(), &longitude),
            S_OK);
  EXPECT_EQ(reinterpret_cast<Distance>(table[ModClassDll_TLB::kGetDistanceSlot])(
                component.Get(), latitude, longitude, 52.5f, 35.0f, &km),
            S_OK);
  EXPECT_FLOAT_EQ(latitude, 51.5f);
  EXPECT_FLOAT_EQ(longitude, 7.0f);
  EXPECT_FLOAT_EQ(km, static_cast<float>(GreatCircleKm({51.5, 7.0}, {52.5, 35.0})));
}

TEST(CalcDistServer, AnswersItsOtherOperations) {
  const ComPtr<CalcDistInterface> component = CreateComponent();
  ASSERT_NE(component, nullptr);

  LONG version = 0;
  EXPECT_EQ(component->GetVersion(&version), S_OK);
  EXPECT_EQ(version, 1);
  float km = 0;
  EXPECT_EQ(component->GetKmPerDegree(&km), S_OK);
  EXPECT_FLOAT_EQ(km, 111.2f);
  struct {
    const wchar_t* locator;
    VARIANT_BOOL valid;
  } const cases[] = {{L"KO72", VARIANT_TRUE},
                     {L"ko72ab", VARIANT_TRUE},
                     {L"ZZ00", VARIANT_FALSE},
                     {L"KO7", VARIANT_FALSE},
                     {L"", VARIANT_FALSE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.locator);
    const Bstr locator(c.locator);
    VARIANT_BOOL valid = 1;
    EXPECT_EQ(component->IsValidLocator(locator.Get(), &valid), S_OK);
    EXPECT_EQ(valid, c.valid);
  }
  UINT count = 1;
  EXPECT_EQ(component->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
}
