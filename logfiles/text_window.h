// A window on a text read from its beginning: a reader lets go of what lies behind it and asks for
// more ahead, so that a log of any size is read in the memory of a few pieces of it.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class LogFile;

class TextWindow {
 public:
  static constexpr std::size_t kPiece = 1 << 20;

  // The whole text, held by the caller.
  explicit TextWindow(std::string_view text) : text_(text), atEnd_(true), wholeSize_(text.size()) {}
  // The text of `file`, of which `head` has been read already; read on `piece` bytes at a time.
  TextWindow(LogFile& file, std::string head, std::size_t piece = kPiece);

  // The bytes held, the first of them at offset Base() of the whole text.
  std::string_view Text() const { return text_; }
  std::size_t Base() const { return base_; }
  // True when Text() reaches the end of the whole text.
  bool AtEnd() const { return atEnd_; }
  // The size of the whole text, when known ahead (not for a pipe).
  std::optional<std::size_t> WholeSize() const { return wholeSize_; }

  // Lets go of the bytes before `from` (an index into Text()) and reads one more piece, or as much
  // as is held when that is more: a reader that must read a long record again from its start
  // reads it again only as often as its size doubles. Throws LogError when the file cannot be
  // read.
  void Advance(std::size_t from);

 private:
  LogFile* file_ = nullptr;
  std::size_t piece_ = 0;
  // Room for the text held, left as allocated: only what a read fills takes memory.
  std::unique_ptr<char[]> buffer_;
  std::size_t room_ = 0;
  std::size_t held_ = 0;
  std::string_view text_;
  std::size_t base_ = 0;
  bool atEnd_;
  std::optional<std::size_t> wholeSize_;
};
