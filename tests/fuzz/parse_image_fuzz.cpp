// Fuzzes ParseImage and the bitmap views: they must lie inside the image bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "iconfmt/icon_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto image = gd::MakeImage(std::span<const std::uint8_t>(data, size));
  if (!image) return 0;
  GD_FUZZ_CHECK(image->bytes.size() == size);
  const auto* end = image->bytes.data() + size;
  for (auto view : {image->XorBits(), image->AndMask(), image->ColourTable()}) {
    GD_FUZZ_CHECK(view.empty() || (view.data() >= image->bytes.data() && view.data() + view.size() <= end));
  }
  GD_FUZZ_CHECK(image->XorBits().empty() || image->XorBits().size() == image->xorRowLength * std::uint64_t(image->height));
  return 0;
}
