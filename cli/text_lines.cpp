#include "cli/text_lines.h"

bool TextLines::Next(std::string_view* line) {
  if (pos_ >= text_.size()) {
    return false;
  }
  std::size_t end = pos_;
  while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r') {
    ++end;
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
