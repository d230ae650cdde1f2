// On Windows the host's code page is the process's ANSI code page.
#include "io/host_code_page_win.h"

#include <windows.h>

#include "io/host_code_page.h"

std::wstring WidenHostText(const std::string& text) {
  if (text.empty()) {
    return {};
  }
  const int length = static_cast<int>(text.size());
  std::wstring wide(MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string NarrowToHostText(const std::wstring& wide) {
  if (wide.empty()) {
    return {};
  }
  const int length = static_cast<int>(wide.size());
  std::string text(
      WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, text.data(), static_cast<int>(text.size()),
                      nullptr, nullptr);
  return text;
}

// wchar_t is 16 bits wide on Windows, so a UTF-16 text is a wide text.
std::string ToHostCodePage(const std::u16string& wide) {
  return NarrowToHostText(std::wstring(wide.begin(), wide.end()));
}

std::u16string FromHostCodePage(const std::string& text) {
  const std::wstring wide = WidenHostText(text);
  return std::u16string(wide.begin(), wide.end());
}
