#include "logfiles/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <stdexcept>
#include <type_traits>

#include "logfiles/log_text.h"

namespace {
struct CloseConverter {
  void operator()(iconv_t converter) const { iconv_close(converter); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, CloseConverter>;

constexpr std::int32_t kNoCharacter = -1;
constexpr std::int32_t kIncomplete = -2;  // the byte begins a character of several bytes

// The character `converter` makes of `byte` alone, from a fresh state.
std::int32_t CodePointOf(iconv_t converter, unsigned char byte) {
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  char in = static_cast<char>(byte);
  unsigned char out[8];
  char* inPointer = &in;
  char* outPointer = reinterpret_cast<char*>(out);
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof out;
  if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) ==
      static_cast<std::size_t>(-1)) {
    return errno == EINVAL ? kIncomplete : kNoCharacter;
  }
  if (sizeof out - outLeft != 4) {
    return kIncomplete;  // a shift state, or a byte that stands for two characters
  }
  return static_cast<std::int32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
}

void AppendUtf8(std::string& text, std::int32_t point) {
  const auto byte = [&](std::int32_t value) { text += static_cast<char>(value); };
  if (point < 0x80) {
    byte(point);
  } else if (point < 0x800) {
    byte(0xC0 | point >> 6);
    byte(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    byte(0xE0 | point >> 12);
    byte(0x80 | (point >> 6 & 0x3F));
    byte(0x80 | (point & 0x3F));
  } else {
    byte(0xF0 | point >> 18);
    byte(0x80 | (point >> 12 & 0x3F));
    byte(0x80 | (point >> 6 & 0x3F));
    byte(0x80 | (point & 0x3F));
  }
}
}  // namespace

std::optional<CodePage> CodePage::Named(const std::string& name) {
  if (name.empty()) {
    return std::nullopt;  // iconv's name for the locale's encoding
  }
  const iconv_t opened = iconv_open("UTF-32LE", name.c_str());
  if (opened == reinterpret_cast<iconv_t>(-1)) {
    return std::nullopt;
  }
  const Converter converter(opened);
  CodePage page;
  page.name_ = name;
  for (int byte = 0; byte < 256; ++byte) {
    const std::int32_t point = CodePointOf(converter.get(), static_cast<unsigned char>(byte));
    if (point == kIncomplete || (byte < 0x80 && point != byte)) {
      return std::nullopt;
    }
    page.points_[static_cast<std::size_t>(byte)] = point;
  }
  return page;
}

std::string CodePage::Utf8(std::string_view text) const {
  constexpr std::int32_t kReplacement = 0xFFFD;
  std::string utf8;
  utf8.reserve(text.size() * 2);
  for (const char c : text) {
    const std::int32_t point = CodePoint(static_cast<unsigned char>(c));
    AppendUtf8(utf8, point == kNoCharacter ? kReplacement : point);
  }
  return utf8;
}

std::optional<CodePage> EncodingOption(const std::string& name) {
  if (EqualsIgnoringCase(name, "utf-8") || EqualsIgnoringCase(name, "utf8")) {
    return std::nullopt;
  }
  std::optional<CodePage> page = CodePage::Named(name);
  if (!page) {
    throw std::invalid_argument(
        "--encoding needs a single-byte code page (cp1250, cp1251, cp1252, iso-8859-1, "
        "iso-8859-2, iso-8859-5, koi8-r, ...) or utf-8, not '" +
        name + "'");
  }
  return page;
}
