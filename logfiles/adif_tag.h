// An ADIF tag, <NAME>, <NAME:LENGTH> or <NAME:LENGTH:TYPE>, read where a '<' opens one. Two
// readings give the same answer for every text: byte by byte, and for a short tag from one
// sixteen-byte load. Inline: the reader reads one at every tag of a file.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// What lies between '<' and '>': a name, and for a data field its length.
struct AdifTag {
  std::string_view name;
  bool hasLength = false;
  std::size_t length = 0;
  std::size_t end = 0;  // index just past '>'
};

// kCut: the text held ends before the tag could be told from text that is none.
enum class AdifTagRead { kTag, kNoTag, kCut };

namespace adif_tag_internal {
// A tag's length is capped here: a longer field runs past the end of any file anyway.
inline constexpr std::size_t kLengthCap = std::size_t{1} << 48;

// The characters that end a tag's name; a table, as the reader meets every name of the file.
inline constexpr std::array<bool, 256> kNameEnd = [] {
  std::array<bool, 256> table{};
  table[':'] = table['>'] = table['<'] = true;
  return table;
}();

// Sixteen bytes at a time while sixteen are held: a name is read at every tag of the file, and
// nearly every name is shorter than sixteen characters.
inline std::size_t SkipName(std::string_view text, std::size_t p) {
#ifdef __SSE2__
  for (; p + 16 <= text.size(); p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + p));
    const __m128i ends = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(':')),
                                                   _mm_cmpeq_epi8(bytes, _mm_set1_epi8('>'))),
                                      _mm_cmpeq_epi8(bytes, _mm_set1_epi8('<')));
    if (const int mask = _mm_movemask_epi8(ends)) {
      return p + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
  }
#endif
  while (p < text.size() && !kNameEnd[static_cast<unsigned char>(text[p])]) {
    ++p;
  }
  return p;
}

#ifdef __SSE2__
// Reads a tag <NAME:LENGTH> or <NAME> that ends within the sixteen bytes after `open`, all of
// them held: one load finds both the name's end and the tag's. False for any other tag, which
// the byte-by-byte reading then reads; nearly every tag of a file is short.
inline bool ReadShortTag(std::string_view text, std::size_t open, AdifTag* tag) {
  const char* const name = text.data() + open + 1;
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(name));
  unsigned ends = static_cast<unsigned>(
      _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(':')),
                                                  _mm_cmpeq_epi8(bytes, _mm_set1_epi8('>'))),
                                     _mm_cmpeq_epi8(bytes, _mm_set1_epi8('<')))));
  if (ends == 0) {
    return false;
  }
  const unsigned nameEnd = static_cast<unsigned>(__builtin_ctz(ends));
  if (nameEnd == 0 || name[nameEnd] == '<') {
    return false;
  }
  tag->name = std::string_view(name, nameEnd);
  if (name[nameEnd] == '>') {
    tag->hasLength = false;
    tag->end = open + 1 + nameEnd + 1;
    return true;
  }
  ends &= ends - 1;  // the end after the name's ':'
  if (ends == 0) {
    return false;
  }
  const unsigned close = static_cast<unsigned>(__builtin_ctz(ends));
  if (name[close] != '>' || close == nameEnd + 1) {
    return false;
  }
  std::size_t length = 0;  // at most 14 digits: no cap needed
  for (unsigned i = nameEnd + 1; i < close; ++i) {
    const unsigned digit = static_cast<unsigned char>(name[i]) - unsigned{'0'};
    if (digit > 9) {
      return false;
    }
    length = length * 10 + digit;
  }
  tag->hasLength = true;
  tag->length = length;
  tag->end = open + 1 + close + 1;
  return true;
}
#endif
}  // namespace adif_tag_internal

// Reads the tag opening at `open` byte by byte.
inline AdifTagRead ReadAdifTagByteByByte(std::string_view text, std::size_t open, AdifTag* tag) {
  using adif_tag_internal::SkipName;
  std::size_t p = SkipName(text, open + 1);
  if (p >= text.size()) {
    return AdifTagRead::kCut;
  }
  if (text[p] == '<' || p == open + 1) {
    return AdifTagRead::kNoTag;
  }
  tag->name = text.substr(open + 1, p - open - 1);
  if (text[p] == '>') {
    tag->hasLength = false;
    tag->end = p + 1;
    return AdifTagRead::kTag;
  }
  ++p;  // past ':'
  const std::size_t digits = p;
  std::size_t length = 0;
  while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
    length = std::min(length * 10 + static_cast<std::size_t>(text[p] - '0'),
                      adif_tag_internal::kLengthCap);
    ++p;
  }
  if (p >= text.size()) {
    return AdifTagRead::kCut;
  }
  if (p == digits) {
    return AdifTagRead::kNoTag;
  }
  if (text[p] == ':') {  // a data type follows
    p = SkipName(text, p + 1);
    if (p >= text.size()) {
      return AdifTagRead::kCut;
    }
  }
  if (text[p] != '>') {
    return AdifTagRead::kNoTag;
  }
  tag->hasLength = true;
  tag->length = length;
  tag->end = p + 1;
  return AdifTagRead::kTag;
}

// Reads the tag opening at `open`: a short one from one load where sixteen bytes follow `open`,
// any other byte by byte.
inline AdifTagRead ReadAdifTag(std::string_view text, std::size_t open, AdifTag* tag) {
#ifdef __SSE2__
  if (text.size() - open > 16 && adif_tag_internal::ReadShortTag(text, open, tag)) {
    return AdifTagRead::kTag;
  }
#endif
  return ReadAdifTagByteByByte(text, open, tag);
}
