// The single-byte code pages logs are written in besides UTF-8 (cp1251 for Cyrillic, cp1250 for
// Central Europe...): the character each byte stands for, as iconv knows it, and text made UTF-8.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CodePage {
 public:
  // The code page iconv knows by `name` ("cp1251", "KOI8-R", "iso-8859-2", "latin1"), or nothing
  // when it knows none, or the encoding takes more than a byte for a character or is no ASCII
  // with 128 characters more: what the readers read must be ASCII where it is not text.
  static std::optional<CodePage> Named(const std::string& name);

  const std::string& Name() const { return name_; }
  // The character (Unicode code point) of `byte`; -1 for a byte that stands for none.
  std::int32_t CodePoint(unsigned char byte) const { return points_[byte]; }
  // `text` in UTF-8, U+FFFD for a byte that stands for no character.
  std::string Utf8(std::string_view text) const;

 private:
  std::string name_;
  std::array<std::int32_t, 256> points_{};
};

// The code page `--encoding NAME` names: nothing for UTF-8 ("utf-8", "utf8"), which the readers
// take as it is. Throws std::invalid_argument, saying which names are taken, for any other name
// that names no code page.
std::optional<CodePage> EncodingOption(const std::string& name);
