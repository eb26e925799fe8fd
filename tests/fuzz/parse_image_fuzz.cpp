// Fuzzes ParseImage and the bitmap views: they must lie inside the image bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "iconfmt/icon_model.h"

namespace {
bool Inside(std::span<const std::uint8_t> view, const std::vector<std::uint8_t>& bytes) {
  if (view.empty()) return true;
  return view.data() >= bytes.data() && view.data() + view.size() <= bytes.data() + bytes.size();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto image = gd::MakeImage(std::span<const std::uint8_t>(data, size));
  if (!image) return 0;
  GD_FUZZ_CHECK(image->bytes.size() == size);
  GD_FUZZ_CHECK(Inside(image->XorBits(), image->bytes));
  GD_FUZZ_CHECK(Inside(image->AndMask(), image->bytes));
  GD_FUZZ_CHECK(Inside(image->ColourTable(), image->bytes));
  if (!image->XorBits().empty()) {
    GD_FUZZ_CHECK(image->XorBits().size() == image->xorRowLength * static_cast<std::uint64_t>(image->height));
  }
  return 0;
}
