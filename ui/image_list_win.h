// An image list, destroyed with its owner: a list view with LVS_SHAREIMAGELISTS only borrows it.
#pragma once

#include <windows.h>
// commctrl.h needs the Windows types first.
#include <commctrl.h>

#include <memory>
#include <type_traits>

struct ImageListDestroyer {
  void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};

using ImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDestroyer>;
