#include "logfiles/append_buffer.h"

#include <cstring>
#include <utility>

#include "logfiles/huge_page_allocator.h"

AppendBuffer::AppendBuffer(std::string_view initial) {
  std::memcpy(Extend(initial.size()), initial.data(), initial.size());
}

AppendBuffer::AppendBuffer(const AppendBuffer& other) {
  if (other.size_ > 0) {
    std::memcpy(Extend(other.size_), other.data_, other.size_);
  }
}

AppendBuffer::AppendBuffer(AppendBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

AppendBuffer& AppendBuffer::operator=(AppendBuffer other) noexcept {
  std::swap(data_, other.data_);
  std::swap(size_, other.size_);
  std::swap(capacity_, other.capacity_);
  return *this;
}

AppendBuffer::~AppendBuffer() {
  if (data_) {
    HugePageAllocator<char>().deallocate(data_, capacity_);
  }
}

void AppendBuffer::Reserve(std::size_t bytes) {
  if (bytes <= capacity_) {
    return;
  }
  char* const larger = HugePageAllocator<char>().allocate(bytes);
  if (size_ > 0) {
    std::memcpy(larger, data_, size_);
  }
  if (data_) {
    HugePageAllocator<char>().deallocate(data_, capacity_);
  }
  data_ = larger;
  capacity_ = bytes;
}
