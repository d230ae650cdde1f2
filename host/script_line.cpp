#include "host/script_line.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::size_t SkipBlanks(const std::string& line, std::size_t at) {
  while (at < line.size() && IsBlank(line[at])) {
    ++at;
  }
  return at;
}

std::size_t SkipWord(const std::string& line, std::size_t at) {
  while (at < line.size() && !IsBlank(line[at])) {
    ++at;
  }
  return at;
}

}  // namespace

std::string TrimLine(const std::string& line) {
  std::size_t end = line.size();
  while (end > 0 && (IsBlank(line[end - 1]) || line[end - 1] == '\r' || line[end - 1] == '\n')) {
    --end;
  }
  const std::size_t begin = SkipBlanks(line, 0);
  return begin < end ? line.substr(begin, end - begin) : std::string();
}

bool IsBlankOrComment(const std::string& line) {
  const std::string trimmed = TrimLine(line);
  return trimmed.empty() || trimmed[0] == '#';
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  for (std::size_t at = SkipBlanks(line, 0); at < line.size(); at = SkipBlanks(line, at)) {
    const std::size_t end = SkipWord(line, at);
    words.push_back(line.substr(at, end - at));
    at = end;
  }
  return words;
}

std::string TextAfterWords(const std::string& line, std::size_t count) {
  std::size_t at = SkipBlanks(line, 0);
  for (std::size_t i = 0; i < count; ++i) {
    at = SkipBlanks(line, SkipWord(line, at));
  }
  return line.substr(at);
}

std::optional<std::int64_t> ParseNumber(const std::string& text) {
  if (text.empty() || IsBlank(text[0])) {
    return std::nullopt;
  }
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, text.rfind("0x", 0) == 0 ? 16 : 10);
  if (errno != 0 || *end != '\0') {
    return std::nullopt;
  }
  return value;
}
