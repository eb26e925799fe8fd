// EncodeIconLibrary: what it writes reads back, without deleted groups, over alignment
// shifts, within its limits.
#include <gtest/gtest.h>

#include "iconfmt/icl_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/ne_reader.h"

namespace gd {
namespace {

using test::BitmapImage;

void ExpectReadsBack(const std::vector<IconGroup>& written, std::span<const std::uint8_t> library) {
  auto read = ReadLibraryIconsFromBytes(library, -1, true);
  ASSERT_TRUE(read);
  ASSERT_EQ(read->groups.size(), written.size());
  for (std::size_t g = 0; g < written.size(); ++g) {
    EXPECT_EQ(read->groups[g].name, written[g].name);
    ASSERT_EQ(read->groups[g].images.size(), written[g].images.size()) << g;
    for (std::size_t i = 0; i < written[g].images.size(); ++i) EXPECT_EQ(read->groups[g].images[i].bytes, written[g].images[i].bytes);
  }
}

TEST(EncodeIconLibrary, ReadsBackWithoutDeletedGroupsAndWithoutTheAlignmentFill) {
  const std::vector<IconGroup> groups = {
      test::GroupOf({BitmapImage({.fill = 1}), BitmapImage({.width = 16, .height = 16, .fill = 2})}, "A"),
      test::GroupOf({BitmapImage({.fill = 3})}, "#del#"), test::GroupOf({test::PngImage(256, 256, 8, 6)}, "C"),
      test::GroupOf({BitmapImage({.fill = 5})}, "#DEL#")};  // compared with case: kept
  test::ScratchFolder dir;
  ASSERT_TRUE(WriteIconLibrary(dir / "a.icl", groups));
  const std::string written = test::ReadFile(dir / "a.icl");
  ExpectReadsBack({groups[0], groups[2], groups[3]}, test::Bytes(written.begin(), written.end()));
  std::vector<IconGroup> large;  // 100 kB of odd sizes: shift 1 and a fill byte after every image
  for (int g = 0; g < 10; ++g) large.push_back(test::GroupOf({test::BitmapImageOfSize(10001)}, "G" + std::to_string(g)));
  auto icl = EncodeIconLibrary(large);
  ASSERT_TRUE(icl);
  EXPECT_EQ(icl->at(192), 1) << "the alignment shift";
  ExpectReadsBack(large, *icl);
}

TEST(EncodeIconLibrary, AlignmentShiftAndLimits) {
  EXPECT_EQ(LibraryAlignmentShift(65535), 0);
  EXPECT_EQ(LibraryAlignmentShift(65536), 1);
  EXPECT_EQ(LibraryAlignmentShift(131071), 2);
  EXPECT_EQ(LibraryAlignmentShift(std::uint64_t{65535} << 15), 15);
  EXPECT_FALSE(LibraryAlignmentShift((std::uint64_t{65535} << 15) + 1));
  IconGroup one = test::GroupOf({BitmapImage({.width = 16, .height = 16, .bitCount = 1})}, "n");
  std::vector<IconGroup> groups(1000, one);
  EXPECT_TRUE(EncodeIconLibrary(groups));
  groups.push_back(one);
  EXPECT_FALSE(EncodeIconLibrary(groups)) << "1001 groups";
  groups.back().name = "#del#";
  EXPECT_TRUE(EncodeIconLibrary(groups)) << "a deleted group does not count";
  EXPECT_FALSE(EncodeIconLibrary(std::vector{IconGroup{"many", std::vector<IconImage>(1001, one.images[0])}}));
  EXPECT_TRUE(EncodeIconLibrary(std::vector{IconGroup{std::string(255, 'x'), one.images}}));
  EXPECT_FALSE(EncodeIconLibrary(std::vector{IconGroup{std::string(256, 'x'), one.images}}));
}

}  // namespace
}  // namespace gd
