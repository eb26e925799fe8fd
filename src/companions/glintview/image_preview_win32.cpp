// Making and drawing the preview's icon.
#include "glintview/image_preview_win32.h"

#include "iconfmt/icon_handle_win32.h"

namespace gd::glintview {

void ImagePreview::Show(HWND control, const IconImage* image) {
  chosen_ = image != nullptr;
  icon_ = image ? CreateIconFromImage(*image) : UniqueIcon();
  width_ = image ? image->width : 0;
  height_ = image ? image->height : 0;
  InvalidateRect(control, nullptr, TRUE);
}

void ImagePreview::Draw(const DRAWITEMSTRUCT& item) const {
  const RECT& box = item.rcItem;
  FillRect(item.hDC, &box, GetSysColorBrush(COLOR_WINDOW));
  if (icon_) {
    // Centred; an image larger than the box shows its middle, clipped by the control.
    const int x = box.left + (box.right - box.left - width_) / 2;
    const int y = box.top + (box.bottom - box.top - height_) / 2;
    DrawIconEx(item.hDC, x, y, icon_.get(), width_, height_, 0, nullptr, DI_NORMAL);
    return;
  }
  if (!chosen_) return;
  RECT text = box;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(COLOR_GRAYTEXT));
  DrawTextA(item.hDC, "This image cannot be drawn.", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace gd::glintview
