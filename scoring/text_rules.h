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

// The letter case of logs, calls, locators, modes and column names: a..z and A..Z are the same
// letters, and no other byte has a case. Every case-insensitive comparison and change of case of
// the core and the commands goes through these, or says where it does their work a word at a time.
// The host's code page has a rule of its own, which the worked fields follow: a CaseFoldTable
// (scoring/case_fold.h) that io/host_case_fold_win.h makes.
constexpr char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Each character through UpperAscii: the key under which case-insensitive look-ups meet.
std::string UpperAscii(std::string text);

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
