// Fuzzes the animated-cursor reader: every step it fills must be a parsed image.
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "iconfmt/ani_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto file = gd::ReadAniBytes(std::span<const std::uint8_t>(data, size));
  if (!file) return 0;
  GD_FUZZ_CHECK(file->groups.size() == 1);
  // The bytes move into the parse again: a copy per step would cost more than the read.
  std::vector<gd::IconImage>& steps = file->groups[0].images;
  for (gd::IconImage& step : steps) {
    if (step.bytes.empty()) continue;
    gd::IconImage again;
    again.bytes = std::move(step.bytes);
    GD_FUZZ_CHECK(gd::ParseImage(again) && again.width == step.width && again.bitDepth == step.bitDepth);
  }
  return 0;
}
