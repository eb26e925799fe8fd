// An owner-drawn list item drawn into a memory bitmap and copied to the screen in one go, so
// that the item never flickers while its list scrolls or repaints.
#pragma once

#include <windows.h>

#include "platform/unique_handle.h"

namespace gd {

class OffscreenItem {
 public:
  explicit OffscreenItem(const DRAWITEMSTRUCT& item)
      : item_(item),
        width_(item.rcItem.right - item.rcItem.left),
        height_(item.rcItem.bottom - item.rcItem.top),
        dc_(CreateCompatibleDC(item.hDC)),
        bitmap_(width_ > 0 && height_ > 0 ? CreateCompatibleBitmap(item.hDC, width_, height_) : nullptr) {
    if (dc_ && bitmap_) oldBitmap_ = SelectObject(dc_.get(), bitmap_.get());
  }
  // Copies the drawing to the item's place.
  ~OffscreenItem() {
    if (!ok()) return;
    BitBlt(item_.hDC, item_.rcItem.left, item_.rcItem.top, width_, height_, dc_.get(), 0, 0, SRCCOPY);
    SelectObject(dc_.get(), oldBitmap_);
  }
  OffscreenItem(const OffscreenItem&) = delete;
  OffscreenItem& operator=(const OffscreenItem&) = delete;

  // False when the item has no area or the system gave no bitmap: nothing is drawn.
  bool ok() const { return oldBitmap_ != nullptr; }
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  const DRAWITEMSTRUCT& item_;
  int width_;
  int height_;
  UniqueMemoryDc dc_;
  UniqueGdiObject bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
};

}  // namespace gd
