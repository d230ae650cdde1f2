// Text rules of the log readers: logs write calls, modes, bands and locators in either case and
// pad them with blanks as they please.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/square_scan.h"
#include "scoring/text_rules.h"

// Trimmed, with a..z upper-cased.
std::string UpperTrimmed(std::string_view text);

// The `T` at `p`, in the machine's byte order: compared only with words read alike.
template <typename T>
T WordAt(const char* p) {
  T word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

namespace log_text_detail {
// The first and last `T` of each text, overlapping or not, are the same.
template <typename T>
bool SameEnds(std::string_view a, std::string_view b) {
  const std::size_t last = a.size() - sizeof(T);
  return WordAt<T>(a.data()) == WordAt<T>(b.data()) &&
         WordAt<T>(a.data() + last) == WordAt<T>(b.data() + last);
}

// The top bit of each byte of `word` that is a..z (that UpperAscii changes); no other bit. A byte's
// low seven bits plus 0x80 - 'a' reach the top bit from 'a' on, plus 0x80 - '{' from past 'z' on;
// neither sum carries into the next byte.
template <typename T>
T LowerCaseBits(T word) {
  constexpr T kOnes = static_cast<T>(~T{0}) / 0xFF;
  const T low = word & (kOnes * 0x7F);
  const T fromA = low + kOnes * (0x80 - 'a');
  const T pastZ = low + kOnes * (0x80 - '{');
  return fromA & ~pastZ & ~word & (kOnes * 0x80);
}

// The first or last `T` of the text holds a..z.
template <typename T>
bool EndsHaveLowerCase(std::string_view text) {
  return (LowerCaseBits(WordAt<T>(text.data())) |
          LowerCaseBits(WordAt<T>(text.data() + text.size() - sizeof(T)))) != 0;
}
}  // namespace log_text_detail

// SameBytes for the short texts compared with the record before's at every record (a date, a
// locator, each text a QSO list holds): a word or two at a time from 4 to 16 bytes.
inline bool SameShortText(std::string_view a, std::string_view b) {
  using log_text_detail::SameEnds;
  if (a.size() != b.size()) {
    return false;
  }
  if (a.size() >= 8 && a.size() <= 16) {
    return SameEnds<std::uint64_t>(a, b);
  }
  if (a.size() >= 4 && a.size() < 8) {
    return SameEnds<std::uint32_t>(a, b);
  }
  return SameBytes(a, b);
}

// Copies `text` to `to` the way SameShortText compares it: the first and last word of a text of 4
// to 16 bytes, overlapping or not, instead of a call of memcpy for a few bytes.
inline void CopyShortText(char* to, std::string_view text) {
  const std::size_t size = text.size();
  if (size >= 8 && size <= 16) {
    const auto first = WordAt<std::uint64_t>(text.data());
    const auto last = WordAt<std::uint64_t>(text.data() + size - 8);
    std::memcpy(to, &first, sizeof first);
    std::memcpy(to + size - 8, &last, sizeof last);
  } else if (size >= 4 && size < 8) {
    const auto first = WordAt<std::uint32_t>(text.data());
    const auto last = WordAt<std::uint32_t>(text.data() + size - 4);
    std::memcpy(to, &first, sizeof first);
    std::memcpy(to + size - 4, &last, sizeof last);
  } else if (size < 4) {
    for (std::size_t i = 0; i < size; ++i) {
      to[i] = text[i];
    }
  } else {
    std::memcpy(to, text.data(), size);
  }
}

// True when the text holds a..z: a word or two at a time from 4 to 16 bytes, as a reader asks it
// of several texts of every record.
inline bool HasLowerCase(std::string_view text) {
  using log_text_detail::EndsHaveLowerCase;
  if (text.size() >= 8 && text.size() <= 16) {
    return EndsHaveLowerCase<std::uint64_t>(text);
  }
  if (text.size() >= 4 && text.size() < 8) {
    return EndsHaveLowerCase<std::uint32_t>(text);
  }
  for (const char c : text) {
    if (UpperAscii(c) != c) {
      return true;
    }
  }
  return false;
}

// UpperTrimmed(text) without a copy where none is needed: `text` trimmed when it holds no a..z,
// else an upper-cased copy made in `room`. Inline: an ADIF reader asks it five times a record.
inline std::string_view UpperTrimmedView(std::string_view text, std::string& room) {
  text = TrimControl(text);
  if (!HasLowerCase(text)) {
    return text;
  }
  room = UpperAscii(std::string(text));
  return room;
}

// Equal when A..Z and a..z are taken as the same.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The words of a text: runs of characters above 32, in order. Fills `words`, which a caller
// reading many lines keeps.
void SplitWords(std::string_view text, std::vector<std::string_view>* words);

// The next word of `text` from `*pos` on, `*pos` moved past it; empty when no word is left.
std::string_view NextWord(std::string_view text, std::size_t* pos);

// True when the whole text is a Maidenhead locator of 4, 6, 8 or 10 characters (either case):
// a square, then letters A..X, digits and letters A..X in turn.
bool IsLocator(std::string_view text);

// True when the text seems meant as a locator, valid or not (IN2dp, ZZ00): it begins with two
// letters and holds a digit. Reports, serial numbers and names do not.
bool LooksLikeLocator(std::string_view text);
