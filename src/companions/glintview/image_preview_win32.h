// The preview of the selected image: an owner-drawn control that shows the image at its own
// size, centred, from a system icon made once when the image is chosen.
#pragma once

#include <windows.h>

#include "iconfmt/icon_model.h"
#include "platform/unique_handle.h"

namespace gd::glintview {

class ImagePreview {
 public:
  // Shows `image` (none: an empty preview) in `control` from now on.
  void Show(HWND control, const IconImage* image);
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  UniqueIcon icon_;
  int width_ = 0;
  int height_ = 0;
  bool chosen_ = false;  // an image is chosen, whether or not the system could make its icon
};

}  // namespace gd::glintview
