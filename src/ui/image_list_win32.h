// Move-only ownership of a common-controls image list.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/unique_handle.h"

namespace gd {

struct ImageListTraits {
  using Handle = HIMAGELIST;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ImageList_Destroy(h); }
};
using UniqueImageList = UniqueHandle<ImageListTraits>;

}  // namespace gd
