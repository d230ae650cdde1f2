// Bytes written one text after another at the end and read where they lie, as a QSO list holds a
// log's texts: a text is appended with one check of the room and no call, and the room grows by
// doubling, in blocks offered huge pages.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

class AppendBuffer {
 public:
  explicit AppendBuffer(std::string_view initial);
  AppendBuffer(const AppendBuffer& other);
  AppendBuffer(AppendBuffer&& other) noexcept;
  AppendBuffer& operator=(AppendBuffer other) noexcept;
  ~AppendBuffer();

  const char* data() const { return data_; }
  std::size_t size() const { return size_; }
  // Makes room for `bytes` in all.
  void Reserve(std::size_t bytes);
  // Adds `bytes` at the end, for the caller to write; where they begin. Inline: a reader appends
  // several texts to a QSO list for every record.
  char* Extend(std::size_t bytes) {
    if (capacity_ - size_ < bytes) {
      Reserve(std::max(size_ + bytes, 2 * capacity_));
    }
    char* const at = data_ + size_;
    size_ += bytes;
    return at;
  }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};
