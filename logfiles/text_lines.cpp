#include "logfiles/text_lines.h"

#include <algorithm>
#include <cstring>

bool TextLines::Next(std::string_view* line) {
  if (pos_ >= text_.size()) {
    return false;
  }
  // Most texts end their lines in LF: find that, then a CR before it, each at memchr's speed.
  std::size_t end = std::min(text_.find('\n', pos_), text_.size());
  if (const void* cr = std::memchr(text_.data() + pos_, '\r', end - pos_)) {
    end = static_cast<std::size_t>(static_cast<const char*>(cr) - text_.data());
  }
  *line = text_.substr(pos_, end - pos_);
  ++number_;
  if (end < text_.size() && text_[end] == '\r' && end + 1 < text_.size() &&
      text_[end + 1] == '\n') {
    ++end;  // CR LF is one line end
  }
  pos_ = end + 1;
  return true;
}
