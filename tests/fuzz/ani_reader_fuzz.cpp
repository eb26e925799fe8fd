// Fuzzes the animated-cursor reader: every step it fills must be a parsed image.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "iconfmt/ani_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto file = gd::ReadAniBytes(std::span<const std::uint8_t>(data, size));
  GD_FUZZ_CHECK(!file || file->groups.size() == 1);
  for (const gd::IconImage& step : file ? file->groups[0].images : std::vector<gd::IconImage>{}) {
    gd::IconImage again = step;
    GD_FUZZ_CHECK(step.bytes.empty() || (gd::ParseImage(again) && again.width == step.width && again.bitDepth == step.bitDepth));
  }
  return 0;
}
