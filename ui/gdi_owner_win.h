// Owners of GDI objects (fonts, brushes, bitmaps): the object is deleted with its owner.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

struct DeleteGdiObject {
  void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};

// GdiOwner<HFONT>, GdiOwner<HBRUSH>, ...
template <typename Handle>
using GdiOwner = std::unique_ptr<std::remove_pointer_t<Handle>, DeleteGdiObject>;
