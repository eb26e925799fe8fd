// Fuzzes the ICO/CUR reader; whatever it reads must write out and read back unchanged, as an
// icon file and as an icon library.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "iconfmt/icl_writer.h"
#include "iconfmt/ico_reader.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/ne_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto file = gd::ReadIcoBytes(std::span<const std::uint8_t>(data, size));
  if (!file) return 0;
  gd::IconGroup group = file->groups.front();
  auto back = gd::ReadIcoBytes(*gd::EncodeIconFile(group, gd::IconFileType::Cursor));
  GD_FUZZ_CHECK(back && back->groups.front().images.size() == group.images.size());
  for (std::size_t i = 0; i < group.images.size(); ++i) GD_FUZZ_CHECK(back->groups.front().images[i].bytes == group.images[i].bytes);

  group.name = "Fuzz";
  auto library = gd::EncodeIconLibrary(std::span<const gd::IconGroup>(&group, 1));
  if (!library) return 0;  // more images than a library holds
  auto fromLibrary = gd::ReadLibraryIconsFromBytes(*library, -1, true);
  GD_FUZZ_CHECK(fromLibrary && fromLibrary->groups.size() == 1 && fromLibrary->groups[0].name == "Fuzz" &&
                fromLibrary->groups[0].images.size() == group.images.size());
  for (std::size_t i = 0; i < group.images.size(); ++i) {
    const auto &original = group.images[i].bytes, &read = fromLibrary->groups[0].images[i].bytes;
    GD_FUZZ_CHECK(read.size() >= original.size() && std::equal(original.begin(), original.end(), read.begin()));
  }
  return 0;
}
