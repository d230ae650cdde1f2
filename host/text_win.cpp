#include "host/text_win.h"

#include <windows.h>

std::string Utf8(const std::wstring& text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  std::string narrow(
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), static_cast<int>(narrow.size()),
                      nullptr, nullptr);
  return narrow;
}

std::string SystemMessage(unsigned long code) {
  wchar_t buffer[512];
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                     buffer, sizeof buffer / sizeof buffer[0], nullptr);
  std::wstring text(buffer, length);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                           text.back() == L'.')) {
    text.pop_back();
  }
  return text.empty() ? "error " + std::to_string(code)
                      : Utf8(text) + " (error " + std::to_string(code) + ")";
}
