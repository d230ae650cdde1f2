// On Windows the host's code page is the process's ANSI code page.
#include "io/host_code_page_win.h"

#include <windows.h>

#include <array>
#include <optional>

#include "io/host_code_page.h"

namespace {
bool IsSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// In a single-byte code page every UTF-16 unit but the surrogates stands for one byte, whatever
// surrounds it; so one conversion of all of them gives a table that converts any text without a
// call. Nothing for a code page of more bytes a character.
using ByteTable = std::array<char, 0x10000>;

std::optional<ByteTable> MakeByteTable() {
  CPINFO info{};
  if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 1) {
    return std::nullopt;
  }
  std::wstring units;
  for (unsigned unit = 0; unit < 0x10000; ++unit) {
    if (!IsSurrogate(static_cast<char16_t>(unit))) {
      units.push_back(static_cast<wchar_t>(unit));
    }
  }
  const std::string bytes = NarrowToHostText(units);
  if (bytes.size() != units.size()) {
    return std::nullopt;
  }
  ByteTable table{};
  for (std::size_t i = 0; i < units.size(); ++i) {
    table[static_cast<char16_t>(units[i])] = bytes[i];
  }
  return table;
}

const std::optional<ByteTable>& HostByteTable() {
  static const std::optional<ByteTable> table = MakeByteTable();
  return table;
}
}  // namespace

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
  std::string text;
  ToHostCodePage(wide, text);
  return text;
}

// A text with a surrogate, or any text in a code page without a table, goes to the system.
void ToHostCodePage(std::u16string_view wide, std::string& text) {
  if (const std::optional<ByteTable>& table = HostByteTable()) {
    text.resize(wide.size());
    std::size_t i = 0;
    for (; i < wide.size() && !IsSurrogate(wide[i]); ++i) {
      text[i] = (*table)[wide[i]];
    }
    if (i == wide.size()) {
      return;
    }
  }
  text = NarrowToHostText(std::wstring(wide.begin(), wide.end()));
}

std::u16string FromHostCodePage(const std::string& text) {
  const std::wstring wide = WidenHostText(text);
  return std::u16string(wide.begin(), wide.end());
}
