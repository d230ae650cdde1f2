// On Windows the host's code page is the process's ANSI code page.
#include <windows.h>

#include "scoring/host_code_page.h"

std::string ToHostCodePage(const std::u16string& wide) {
  if (wide.empty()) {
    return {};
  }
  const auto* source = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, source, length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, source, length, text.data(), size, nullptr, nullptr);
  return text;
}

std::u16string FromHostCodePage(const std::string& text) {
  if (text.empty()) {
    return {};
  }
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(size), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), length, reinterpret_cast<wchar_t*>(wide.data()),
                      size);
  return wide;
}
