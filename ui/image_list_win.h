// An image list, destroyed with its owner: a list view with LVS_SHAREIMAGELISTS only borrows it.
#pragma once

#include <windows.h>
// commctrl.h needs the Windows types first.
#include <commctrl.h>

#include <utility>

class ImageList {
 public:
  ImageList() = default;
  explicit ImageList(HIMAGELIST handle) : handle_(handle) {}
  ~ImageList() { Reset(); }
  ImageList(ImageList&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  ImageList& operator=(ImageList&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;

  HIMAGELIST Get() const { return handle_; }

 private:
  void Reset() {
    if (handle_ != nullptr) {
      ImageList_Destroy(handle_);
      handle_ = nullptr;
    }
  }

  HIMAGELIST handle_ = nullptr;
};
