// Fuzzes the NE library reader, for all groups with names and for single groups.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "iconfmt/ne_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> bytes(data, size);
  auto all = gd::ReadLibraryIconsFromBytes(bytes, -1, true);
  auto first = gd::ReadLibraryIconsFromBytes(bytes, 0, false);
  if (all && !all->groups.empty()) {
    // The first group read alone is the first of all groups.
    GD_FUZZ_CHECK(first && first->groups.size() == 1);
    GD_FUZZ_CHECK(first->groups[0].images.size() == all->groups[0].images.size());
    for (std::size_t i = 0; i < first->groups[0].images.size(); ++i) {
      GD_FUZZ_CHECK(first->groups[0].images[i].bytes == all->groups[0].images[i].bytes);
    }
  }
  gd::ReadLibraryIconsFromBytes(bytes, 65535, false);
  return 0;
}
