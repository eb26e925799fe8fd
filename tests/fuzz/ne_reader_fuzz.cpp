// Fuzzes the NE library reader, for all groups with names and for single groups: the first
// group read alone must be the first of all groups.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "iconfmt/ne_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> bytes(data, size);
  auto all = gd::ReadLibraryIconsFromBytes(bytes, -1, true);
  auto first = gd::ReadLibraryIconsFromBytes(bytes, 0, false);
  gd::ReadLibraryIconsFromBytes(bytes, 65535, false);
  if (!all || all->groups.empty()) return 0;
  GD_FUZZ_CHECK(first && first->groups.size() == 1);
  const auto &alone = first->groups[0].images, &among = all->groups[0].images;
  GD_FUZZ_CHECK(std::equal(alone.begin(), alone.end(), among.begin(), among.end(),
                           [](const auto& a, const auto& b) { return a.bytes == b.bytes; }));
  return 0;
}
