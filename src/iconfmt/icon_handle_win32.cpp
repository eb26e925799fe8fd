// Making system icons from icon images.
#include "iconfmt/icon_handle_win32.h"

#include <windows.h>

#include "iconfmt/icon_loader.h"

namespace gd {

UniqueIcon CreateIconFromImage(const IconImage& image) {
  if (image.bytes.empty()) return UniqueIcon();
  // The bytes are only read; the API takes a non-const pointer.
  auto* bytes = const_cast<std::uint8_t*>(image.bytes.data());
  return UniqueIcon(CreateIconFromResourceEx(bytes, image.size(), TRUE, 0x00030000, image.width, image.height,
                                             LR_DEFAULTCOLOR));
}

UniqueIcon CreateIconForFormat(const std::string& path, int index, std::int32_t width, std::int32_t height,
                               std::int32_t bitDepth) {
  auto file = LoadIcon(path, index);
  if (!file || file->groups.empty()) return UniqueIcon();
  const IconImage* image = FindImage(file->groups.front(), width, height, bitDepth);
  return image ? CreateIconFromImage(*image) : UniqueIcon();
}

}  // namespace gd
