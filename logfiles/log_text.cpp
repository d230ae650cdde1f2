#include "logfiles/log_text.h"

namespace {
bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
}  // namespace

std::string UpperTrimmed(std::string_view text) {
  return UpperAscii(std::string(TrimControl(text)));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) {
      return false;
    }
  }
  return true;
}

bool IsLocator(std::string_view text) {
  if (!StartsWithSquare(text) || text.size() % 2 != 0 || text.size() > 10) {
    return false;
  }
  for (std::size_t i = 4; i < text.size(); i += 2) {
    const bool letters = i % 4 == 0;  // pairs of letters at 4 and 8, digits at 6
    const auto fits = letters ? IsSubsquareLetter : IsDigit;
    if (!fits(text[i]) || !fits(text[i + 1])) {
      return false;
    }
  }
  return true;
}

bool LooksLikeLocator(std::string_view text) {
  if (text.size() < 3 || !IsLetter(text[0]) || !IsLetter(text[1])) {
    return false;
  }
  for (char c : text) {
    if (IsDigit(c)) {
      return true;
    }
  }
  return false;
}

void SplitWords(std::string_view text, std::vector<std::string_view>* words) {
  words->clear();
  std::size_t p = 0;
  for (std::string_view word = NextWord(text, &p); !word.empty(); word = NextWord(text, &p)) {
    words->push_back(word);
  }
}

std::string_view NextWord(std::string_view text, std::size_t* pos) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t p = *pos;
  while (p < text.size() && blank(text[p])) {
    ++p;
  }
  const std::size_t start = p;
  while (p < text.size() && !blank(text[p])) {
    ++p;
  }
  *pos = p;
  return text.substr(start, p - start);
}
