// The distance component's COM declarations: its class, its interface and the interface's table.
// The client and the stand-in server both compile against this, so the slot order lives here once.
#pragma once

#include <oaidl.h>
#include <windows.h>

namespace ModClassDll_TLB {

// {FFEE21AA-6136-4B31-8811-F6F927FBDE62}
constexpr CLSID CLASS_CalcDistClass = {
    0xFFEE21AA, 0x6136, 0x4B31, {0x88, 0x11, 0xF6, 0xF9, 0x27, 0xFB, 0xDE, 0x62}};
// {56FF7B4E-A576-43EE-AB01-F0F15B9BF63A}
constexpr IID IID__CalcDistClass = {
    0x56FF7B4E, 0xA576, 0x43EE, {0xAB, 0x01, 0xF0, 0xF1, 0x5B, 0x9B, 0xF6, 0x3A}};

// Table slots of the three operations the plug-in calls: after IUnknown's 3 and IDispatch's 4
// come three other operations, then these.
enum CalcDistSlot { kGetCoordASlot = 10, kGetCoordBSlot = 11, kGetDistanceSlot = 12 };

struct _CalcDistClass : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE GetVersion(LONG* version) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsValidLocator(BSTR locator, VARIANT_BOOL* valid) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetKmPerDegree(float* km) = 0;
  // A locator's first coordinate (latitude of its centre, degrees).
  virtual HRESULT STDMETHODCALLTYPE GetCoordA(BSTR locator, float* coordA) = 0;
  // A locator's second coordinate (longitude of its centre, degrees).
  virtual HRESULT STDMETHODCALLTYPE GetCoordB(BSTR locator, float* coordB) = 0;
  // Kilometres between (ownA, ownB) and (qsoA, qsoB).
  virtual HRESULT STDMETHODCALLTYPE GetDistance(float ownA, float ownB, float qsoA, float qsoB,
                                                float* distance) = 0;
};

}  // namespace ModClassDll_TLB
