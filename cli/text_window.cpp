#include "cli/text_window.h"

#include <cstring>

#include "cli/file_content.h"

TextWindow::TextWindow(LogFile& file, std::string head, std::size_t piece)
    : file_(&file),
      piece_(piece),
      buffer_(std::move(head)),
      held_(buffer_.size()),
      text_(buffer_),
      atEnd_(false) {}

void TextWindow::Advance(std::size_t from) {
  if (atEnd_) {
    return;
  }
  std::memmove(buffer_.data(), buffer_.data() + from, held_ - from);
  held_ -= from;
  base_ += from;
  if (buffer_.size() < held_ + piece_) {
    buffer_.resize(held_ + piece_);
  }
  const std::size_t got = file_->Read(buffer_.data() + held_, piece_);
  held_ += got;
  atEnd_ = got < piece_;
  text_ = std::string_view(buffer_.data(), held_);
}
