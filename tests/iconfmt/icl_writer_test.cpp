// EncodeIconLibrary: the NE layout, identifiers, deleted groups, alignment shift and limits.
#include <gtest/gtest.h>

#include <algorithm>

#include "iconfmt/icl_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/ne_reader.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::Bytes;
using test::Get16;
using test::Get32;

bool AllZero(const Bytes& b, std::size_t from, std::size_t to) {
  return std::all_of(b.begin() + from, b.begin() + to, [](std::uint8_t v) { return v == 0; });
}

TEST(EncodeIconLibrary, OneGroupOfOneImageByteForByte) {
  std::vector<IconGroup> groups = {test::GroupOf({test::BitmapImageOfSize(744)}, "Pack 1")};
  auto icl = EncodeIconLibrary(groups);
  ASSERT_TRUE(icl);
  const Bytes& b = *icl;
  ASSERT_EQ(b.size(), 1014u);
  // DOS part and NE header.
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 2), (Bytes{'M', 'Z'}));
  EXPECT_TRUE(AllZero(b, 2, 60) && AllZero(b, 62, 126));
  EXPECT_EQ(Get16(b, 60), 128);
  EXPECT_EQ(Bytes(b.begin() + 126, b.begin() + 130), (Bytes{'I', 'M', 'N', 'E'}));
  EXPECT_TRUE(AllZero(b, 130, 128 + 0x22) && AllZero(b, 128 + 0x28, 128 + 0x36) && AllZero(b, 128 + 0x37, 128 + 0x3E));
  EXPECT_EQ(Get16(b, 128 + 0x22), 0x40);
  EXPECT_EQ(Get16(b, 128 + 0x24), 0x40);
  EXPECT_EQ(Get16(b, 128 + 0x26), 108) << "resident names at file offset 236";
  EXPECT_EQ(b[128 + 0x36], 2);
  EXPECT_EQ(Get16(b, 128 + 0x3E), 0x0300);
  // Resource table: shift, group block, icon block, end.
  const std::uint16_t table[] = {0, 0x800E, 1, 0, 0, 248, 20, 0x1C30, 0x8001, 0, 0,
                                 0x8003, 1, 0, 0, 268, 744, 0x1C30, 0x8001, 0, 0, 0};
  for (std::size_t i = 0; i < std::size(table); ++i) EXPECT_EQ(Get16(b, 192 + 2 * i), table[i]) << "word " << i;
  // Resident names, the group resource, the image and the closing zeros.
  EXPECT_EQ(Bytes(b.begin() + 236, b.begin() + 248), (Bytes{3, 'I', 'C', 'L', 6, 'P', 'a', 'c', 'k', ' ', '1', 0}));
  EXPECT_EQ(Bytes(b.begin() + 248, b.begin() + 268),
            (Bytes{0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 1, 0, 4, 0, 0xE8, 2, 0, 0, 1, 0}));
  EXPECT_TRUE(std::equal(groups[0].images[0].bytes.begin(), groups[0].images[0].bytes.end(), b.begin() + 268));
  EXPECT_TRUE(AllZero(b, 1012, 1014));
}

TEST(EncodeIconLibrary, DeletedGroupsLeaveNoTraceAndIdentifiersRunOn) {
  std::vector<IconGroup> groups = {
      test::GroupOf({BitmapImage({.fill = 1}), BitmapImage({.width = 16, .height = 16, .fill = 2})}, "A"),
      test::GroupOf({BitmapImage({.fill = 3})}, "#del#"), test::GroupOf({BitmapImage({.fill = 4})}, "C"),
      test::GroupOf({BitmapImage({.fill = 5})}, "#DEL#")};  // compared with case: kept
  auto icl = EncodeIconLibrary(groups);
  ASSERT_TRUE(icl);
  EXPECT_EQ(Get16(*icl, 196), 3) << "groups";
  EXPECT_EQ(Get16(*icl, 202 + 36 + 2), 4) << "images";
  for (std::uint16_t k = 1; k <= 4; ++k) EXPECT_EQ(Get16(*icl, 202 + 36 + 8 + 12 * (k - 1) + 6), 0x8000 + k);
  EXPECT_EQ(Get16(*icl, Get16(*icl, 202 + 12) + 6 + 12), 3) << "group C names image 3";
  auto back = ReadLibraryIconsFromBytes(*icl, -1, true);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->groups.size(), 3u);
  EXPECT_EQ(back->groups[1].name, "C");
  EXPECT_EQ(back->groups[1].images.at(0).bytes, groups[2].images[0].bytes);
  EXPECT_EQ(back->groups[2].name, "#DEL#");
}

TEST(EncodeIconLibrary, HundredKilobytesTakeShiftOneAndReadBack) {
  std::vector<IconGroup> groups;
  for (int g = 0; g < 10; ++g) {
    // Odd sizes, so that every image needs a fill byte; a PNG image among them.
    groups.push_back(test::GroupOf({test::BitmapImageOfSize(10001), test::PngImage(256, 256, 8, 6)},
                                   "G" + std::to_string(g)));
  }
  auto icl = EncodeIconLibrary(groups);
  ASSERT_TRUE(icl);
  EXPECT_EQ(Get16(*icl, 192), 1);
  for (std::size_t k = 0; k < 30; ++k) {
    std::size_t entry = k < 10 ? 202 + 12 * k : 202 + 120 + 8 + 12 * (k - 10);
    EXPECT_LE((std::size_t{Get16(*icl, entry)} + Get16(*icl, entry + 2)) << 1, icl->size());
  }
  auto back = ReadLibraryIconsFromBytes(*icl, -1, true);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->groups.size(), 10u);
  for (std::size_t g = 0; g < 10; ++g) {
    EXPECT_EQ(back->groups[g].name, groups[g].name);
    for (std::size_t i = 0; i < 2; ++i) {
      const Bytes& original = groups[g].images[i].bytes;
      const Bytes& read = back->groups[g].images.at(i).bytes;
      EXPECT_EQ(read, original) << "the fill after an image is not part of it";
    }
  }
}

TEST(EncodeIconLibrary, AlignmentShiftAndLimits) {
  EXPECT_EQ(LibraryAlignmentShift(65535), 0);
  EXPECT_EQ(LibraryAlignmentShift(65536), 1);
  EXPECT_EQ(LibraryAlignmentShift(131071), 2);
  EXPECT_FALSE(LibraryAlignmentShift((std::uint64_t{65535} << 15) + 1));

  IconGroup one = test::GroupOf({BitmapImage({.width = 16, .height = 16, .bitCount = 1})}, "n");
  std::vector<IconGroup> groups(1000, one);
  EXPECT_TRUE(EncodeIconLibrary(groups));
  groups.push_back(one);
  EXPECT_FALSE(EncodeIconLibrary(groups)) << "1001 groups";
  groups.back().name = "#del#";
  EXPECT_TRUE(EncodeIconLibrary(groups));
  IconGroup many{"many", std::vector<IconImage>(1001, one.images[0])};
  EXPECT_FALSE(EncodeIconLibrary(std::vector<IconGroup>{many})) << "1001 images";
  one.name.assign(256, 'x');
  EXPECT_FALSE(EncodeIconLibrary(std::vector<IconGroup>{one})) << "a name of 256 characters";
}

TEST(WriteIconLibrary, WritesTheEncodedFile) {
  test::TempDir dir;
  std::vector<IconGroup> groups = {test::GroupOf({BitmapImage({})}, "x")};
  EXPECT_TRUE(WriteIconLibrary(dir.Path("a.icl"), groups));
  EXPECT_EQ(test::ReadAll(dir.Path("a.icl")), *EncodeIconLibrary(groups));
  EXPECT_FALSE(WriteIconLibrary(dir.Path("missing/a.icl"), groups));
}

}  // namespace
}  // namespace gd
