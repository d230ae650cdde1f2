// The text rules every part of the plug-in and the scorer agrees on, each decided once here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A blank or a control character.
inline bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

// Removes characters with a code of 32 or less from the end only. Inline, as the next: a reader
// trims every field of every QSO.
inline std::string_view TrimTrailingControl(std::string_view text) {
  while (!text.empty() && IsBlankOrControl(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// Removes every character with a code of 32 or less (blanks and control characters) from both
// ends. Bytes above 127 are characters of the host's code page and stay.
inline std::string_view TrimControl(std::string_view text) {
  while (!text.empty() && IsBlankOrControl(text.front())) {
    text.remove_prefix(1);
  }
  return TrimTrailingControl(text);
}

// Removes characters with a code of 32 or less and full stops from the end: a message that is
// shown inside a sentence of its own.
std::string_view TrimTrailingControlAndStops(std::string_view text);

// Changes a..z to A..Z and nothing else.
std::string UpperAscii(std::string text);

// The key under which case-insensitive look-ups meet: a..z folded to A..Z.
inline std::string FoldCase(std::string text) {
  return UpperAscii(std::move(text));
}

// True when the texts have the same bytes. A plain loop, inline: the texts the scoring compares
// for every QSO are a few bytes long, shorter than a call of memcmp pays for.
inline bool SameBytes(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) {
      return false;
    }
  }
  return true;
}

// Byte order as unsigned codes, shorter-is-less on a common prefix: -1, 0 or 1.
int CompareBytes(std::string_view a, std::string_view b);

// A text field of a host record holds this many characters.
inline constexpr std::size_t kRecordTextCapacity = 255;

// The part of a text a host record's field holds: its first 255 characters. Inline: the scorer
// cuts four texts of every QSO.
inline std::string_view RecordTextOf(std::string_view text) {
  return text.substr(0, kRecordTextCapacity);
}

// The same, as a text of its own.
inline std::string CutToRecordText(std::string_view text) {
  return std::string(RecordTextOf(text));
}
