// A BSTR with one owner, freed when the owner goes.
#pragma once

#include <oleauto.h>
#include <windows.h>

#include <new>
#include <string>

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const std::wstring& text)
      : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (value_ == nullptr) {
      throw std::bad_alloc();
    }
  }
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  BSTR Get() const { return value_; }
  // For a call that hands back a new BSTR: frees the one held first.
  BSTR* Put() {
    SysFreeString(value_);
    value_ = nullptr;
    return &value_;
  }
  std::wstring Text() const { return TextOf(value_); }

  // A BSTR's characters; a null BSTR is the empty text.
  static std::wstring TextOf(BSTR value) { return std::wstring(value, SysStringLen(value)); }

 private:
  BSTR value_ = nullptr;
};
