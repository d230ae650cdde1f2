// Texts held one after another in one block, each preceded by its length: 7-bit groups, low group
// first, the top bit set on all but the last. The worked list and the scorer's QSO list hold their
// texts so; inline, as both write and read several for every QSO.
#pragma once

#include <cstddef>
#include <string_view>

inline std::size_t LengthPrefixSize(std::size_t length) {
  std::size_t bytes = 1;
  for (; length >= 0x80; length >>= 7) {
    ++bytes;
  }
  return bytes;
}

// Writes the length at `out`; where the text goes.
inline char* WriteLengthPrefix(std::size_t length, char* out) {
  for (; length >= 0x80; length >>= 7) {
    *out++ = static_cast<char>(0x80 | (length & 0x7F));
  }
  *out++ = static_cast<char>(length);
  return out;
}

// The same, appended byte by byte to a block that grows by push_back.
template <typename Bytes>
void AppendLengthPrefix(Bytes& bytes, std::size_t length) {
  for (; length >= 0x80; length >>= 7) {
    bytes.push_back(static_cast<char>(0x80 | (length & 0x7F)));
  }
  bytes.push_back(static_cast<char>(length));
}

// The text whose length begins at `p`.
inline std::string_view PrefixedTextAt(const char* p) {
  std::size_t size = 0;
  int shift = 0;
  while (static_cast<unsigned char>(*p) & 0x80) {
    size |= static_cast<std::size_t>(static_cast<unsigned char>(*p++) & 0x7F) << shift;
    shift += 7;
  }
  size |= static_cast<std::size_t>(static_cast<unsigned char>(*p++)) << shift;
  return {p, size};
}
