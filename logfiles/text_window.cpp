#include "logfiles/text_window.h"

#include <algorithm>
#include <cstring>

#include "logfiles/file_content.h"

TextWindow::TextWindow(LogFile& file, std::string head, std::size_t piece)
    : file_(&file),
      piece_(piece),
      buffer_(new char[head.size()]),
      room_(head.size()),
      held_(head.size()),
      atEnd_(false),
      wholeSize_(file.Size()) {
  std::memcpy(buffer_.get(), head.data(), held_);
  text_ = std::string_view(buffer_.get(), held_);
}

void TextWindow::Advance(std::size_t from) {
  if (atEnd_) {
    return;
  }
  held_ -= from;
  base_ += from;
  const std::size_t wanted = std::max(piece_, held_);
  if (room_ < held_ + wanted) {
    // At least twice the room: the bytes kept from piece to piece vary, and a room that only just
    // fits them would be made anew (and its pages faulted in anew) every few pieces.
    const std::size_t room = std::max(held_ + wanted, 2 * room_);
    std::unique_ptr<char[]> larger(new char[room]);
    std::memcpy(larger.get(), buffer_.get() + from, held_);
    buffer_ = std::move(larger);
    room_ = room;
  } else {
    std::memmove(buffer_.get(), buffer_.get() + from, held_);
  }
  const std::size_t got = file_->Read(buffer_.get() + held_, wanted);
  held_ += got;
  atEnd_ = got < wanted;
  text_ = std::string_view(buffer_.get(), held_);
}
