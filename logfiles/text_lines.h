// Walks the lines of a text whatever system wrote it: lines end in LF, CR LF or a CR alone.
#pragma once

#include <cstdint>
#include <string_view>

class TextLines {
 public:
  explicit TextLines(std::string_view text) : text_(text) {}

  // The next line without its end; false past the last one.
  bool Next(std::string_view* line);
  // The number of the line Next returned last, counted from 1.
  std::int64_t Number() const { return number_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::int64_t number_ = 0;
};
