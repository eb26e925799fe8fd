// EncodeIconLibrary: the NE layout byte by byte, alignment shift, limits and round trips.
#include <gtest/gtest.h>

#include "iconfmt/icl_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/ne_reader.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::Bytes;
using test::Get16;
using test::Get32;

std::string Text(const Bytes& bytes, std::size_t at, std::size_t length) {
  return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                     bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
}

TEST(EncodeIconLibrary, OneGroupOfOneImageLaidOutByteByByte) {
  std::vector<IconGroup> groups = {test::GroupOf({test::BitmapImageOfSize(744)}, "Pack 1")};
  auto icl = EncodeIconLibrary(groups);
  ASSERT_TRUE(icl);
  const Bytes& b = *icl;
  ASSERT_EQ(b.size(), 1014u);

  // DOS part.
  EXPECT_EQ(Text(b, 0, 2), "MZ");
  for (std::size_t i = 2; i < 60; ++i) EXPECT_EQ(b[i], 0) << i;
  EXPECT_EQ(Get32(b, 60), 128u);
  for (std::size_t i = 64; i < 126; ++i) EXPECT_EQ(b[i], 0) << i;
  EXPECT_EQ(Text(b, 126, 2), "IM");

  // NE header.
  EXPECT_EQ(Text(b, 128, 2), "NE");
  for (std::size_t i = 130; i < 128 + 0x22; ++i) EXPECT_EQ(b[i], 0) << i;
  EXPECT_EQ(Get16(b, 128 + 0x22), 0x40);
  EXPECT_EQ(Get16(b, 128 + 0x24), 0x40);
  EXPECT_EQ(Get16(b, 128 + 0x26), 108) << "resident names at file offset 236";
  EXPECT_EQ(b[128 + 0x36], 2);
  EXPECT_EQ(b[128 + 0x3E], 0x00);
  EXPECT_EQ(b[128 + 0x3F], 0x03);

  // Resource table.
  EXPECT_EQ(Get16(b, 192), 0) << "shift";
  EXPECT_EQ(Get16(b, 194), 0x800E);
  EXPECT_EQ(Get16(b, 196), 1);
  EXPECT_EQ(Get32(b, 198), 0u);
  EXPECT_EQ(Get16(b, 202), 248) << "group resource offset";
  EXPECT_EQ(Get16(b, 204), 20) << "group resource length";
  EXPECT_EQ(Get16(b, 206), 0x1C30);
  EXPECT_EQ(Get16(b, 208), 0x8001);
  EXPECT_EQ(Get32(b, 210), 0u);
  EXPECT_EQ(Get16(b, 214), 0x8003);
  EXPECT_EQ(Get16(b, 216), 1);
  EXPECT_EQ(Get16(b, 222), 268) << "image offset";
  EXPECT_EQ(Get16(b, 224), 744) << "image length";
  EXPECT_EQ(Get16(b, 226), 0x1C30);
  EXPECT_EQ(Get16(b, 228), 0x8001);
  EXPECT_EQ(Get16(b, 234), 0) << "end of types";

  // Resident names.
  EXPECT_EQ(b[236], 3);
  EXPECT_EQ(Text(b, 237, 3), "ICL");
  EXPECT_EQ(b[240], 6);
  EXPECT_EQ(Text(b, 241, 6), "Pack 1");
  EXPECT_EQ(b[247], 0);

  // Group resource.
  EXPECT_EQ(Get16(b, 248), 0);
  EXPECT_EQ(Get16(b, 250), 1);
  EXPECT_EQ(Get16(b, 252), 1);
  EXPECT_EQ(b[254], 32);
  EXPECT_EQ(b[255], 32);
  EXPECT_EQ(b[256], 16);
  EXPECT_EQ(b[257], 0);
  EXPECT_EQ(Get16(b, 258), 1);
  EXPECT_EQ(Get16(b, 260), 4);
  EXPECT_EQ(Get32(b, 262), 744u);
  EXPECT_EQ(Get16(b, 266), 1);

  EXPECT_TRUE(std::equal(groups[0].images[0].bytes.begin(), groups[0].images[0].bytes.end(), b.begin() + 268));
  EXPECT_EQ(Get16(b, 1012), 0);
}

TEST(EncodeIconLibrary, IdentifiersRunAcrossGroupsAndDeletedGroupsLeaveNoTrace) {
  std::vector<IconGroup> groups = {
      test::GroupOf({BitmapImage({.fill = 1}), BitmapImage({.width = 16, .height = 16, .fill = 2})}, "A"),
      test::GroupOf({BitmapImage({.fill = 3})}, "#del#"),
      test::GroupOf({BitmapImage({.fill = 4})}, "C"),
      test::GroupOf({BitmapImage({.fill = 5})}, "#DEL#"),  // compared with case: kept
  };
  auto icl = EncodeIconLibrary(groups);
  ASSERT_TRUE(icl);
  const Bytes& b = *icl;
  EXPECT_EQ(Get16(b, 196), 3) << "G";
  const std::size_t imageBlock = 198 + 4 + 12 * 3;
  EXPECT_EQ(Get16(b, imageBlock), 0x8003);
  EXPECT_EQ(Get16(b, imageBlock + 2), 4) << "I";
  for (std::uint16_t k = 1; k <= 4; ++k) EXPECT_EQ(Get16(b, imageBlock + 8 + 12 * (k - 1) + 6), 0x8000 + k);
  // The second kept group's resource names image 3, with no gap for the deleted group.
  std::size_t secondGroup = Get16(b, 198 + 4 + 12);
  EXPECT_EQ(Get16(b, secondGroup + 6 + 12), 3);

  auto back = ReadLibraryIconsFromBytes(b, -1, true);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->groups.size(), 3u);
  EXPECT_EQ(back->groups[0].name, "A");
  EXPECT_EQ(back->groups[1].name, "C");
  EXPECT_EQ(back->groups[2].name, "#DEL#");
  EXPECT_EQ(back->groups[1].images[0].bytes, groups[2].images[0].bytes);
}

TEST(EncodeIconLibrary, RoundTripKeepsNamesAndImagesByteForByte) {
  std::vector<IconGroup> groups;
  for (int g = 0; g < 12; ++g) {
    groups.push_back(test::GroupOf({BitmapImage({.width = 32, .height = 32, .bitCount = 4, .fill = std::uint8_t(g)}),
                                    BitmapImage({.width = 16, .height = 16, .bitCount = 8, .fill = std::uint8_t(g + 1)}),
                                    test::PngImage(256, 256, 8, 6)},
                                   "Group " + std::to_string(g)));
  }
  auto icl = EncodeIconLibrary(groups);
  ASSERT_TRUE(icl);
  auto back = ReadLibraryIconsFromBytes(*icl, -1, true);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->groups.size(), groups.size());
  for (std::size_t g = 0; g < groups.size(); ++g) {
    EXPECT_EQ(back->groups[g].name, groups[g].name);
    ASSERT_EQ(back->groups[g].images.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(back->groups[g].images[i].bytes, groups[g].images[i].bytes);
      EXPECT_EQ(back->groups[g].images[i].bitDepth, groups[g].images[i].bitDepth);
    }
  }
}

TEST(EncodeIconLibrary, HundredKilobytesUseShiftOneAndEvenOffsets) {
  std::vector<IconGroup> groups;
  for (int g = 0; g < 10; ++g) {
    // Odd image sizes so that every image needs a fill byte.
    groups.push_back(test::GroupOf({test::BitmapImageOfSize(10001, 32, 32, 8)}, "G" + std::to_string(g)));
  }
  auto icl = EncodeIconLibrary(groups);
  ASSERT_TRUE(icl);
  const Bytes& b = *icl;
  EXPECT_EQ(Get16(b, 192), 1);
  const std::size_t entries = 198 + 4;
  for (std::size_t k = 0; k < 20; ++k) {
    std::size_t entry = k < 10 ? entries + 12 * k : entries + 12 * 10 + 8 + 12 * (k - 10);
    std::size_t offset = std::size_t{Get16(b, entry)} << 1;
    std::size_t length = std::size_t{Get16(b, entry + 2)} << 1;
    EXPECT_LE(offset + length, b.size());
    if (k >= 10) {
      EXPECT_EQ(length, 10002u);
      EXPECT_TRUE(std::equal(groups[k - 10].images[0].bytes.begin(), groups[k - 10].images[0].bytes.end(),
                             b.begin() + static_cast<std::ptrdiff_t>(offset)));
    } else {
      EXPECT_EQ(length, 20u);
    }
  }
  EXPECT_EQ(b.size() % 2, 0u);
  auto back = ReadLibraryIconsFromBytes(b, -1, true);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->groups[9].images[0].size(), 10002u) << "the fill is read as part of the image";
}

TEST(LibraryAlignmentShift, SmallestShiftThatReachesTheData) {
  EXPECT_EQ(LibraryAlignmentShift(0), 0);
  EXPECT_EQ(LibraryAlignmentShift(65535), 0);
  EXPECT_EQ(LibraryAlignmentShift(65536), 1);
  EXPECT_EQ(LibraryAlignmentShift(131070), 1);
  EXPECT_EQ(LibraryAlignmentShift(131071), 2);
  EXPECT_EQ(LibraryAlignmentShift(std::uint64_t{65535} << 15), 15);
  EXPECT_FALSE(LibraryAlignmentShift((std::uint64_t{65535} << 15) + 1));
}

TEST(EncodeIconLibrary, LimitsOfGroupsImagesAndNames) {
  IconGroup one = test::GroupOf({BitmapImage({.width = 16, .height = 16, .bitCount = 1})}, "n");
  std::vector<IconGroup> groups(1000, one);
  EXPECT_TRUE(EncodeIconLibrary(groups)) << "1000 groups of one image";
  groups.push_back(one);
  EXPECT_FALSE(EncodeIconLibrary(groups)) << "1001 groups";
  groups.back().name = "#del#";
  EXPECT_TRUE(EncodeIconLibrary(groups)) << "deleted groups do not count";

  IconGroup many;
  many.name = "many";
  many.images.assign(1001, one.images[0]);
  EXPECT_FALSE(EncodeIconLibrary(std::vector<IconGroup>{many})) << "1001 images";
  many.images.resize(1000);
  EXPECT_TRUE(EncodeIconLibrary(std::vector<IconGroup>{many}));

  IconGroup named = one;
  named.name.assign(255, 'x');
  EXPECT_TRUE(EncodeIconLibrary(std::vector<IconGroup>{named}));
  named.name.push_back('x');
  EXPECT_FALSE(EncodeIconLibrary(std::vector<IconGroup>{named})) << "a 256-character name";
}

TEST(EncodeIconLibrary, EmptyLibraryHasOnlyTheTables) {
  auto icl = EncodeIconLibrary(std::vector<IconGroup>{});
  ASSERT_TRUE(icl);
  EXPECT_EQ(Get16(*icl, 128 + 0x26), 84);
  EXPECT_EQ(icl->size(), 212u + 5 + 2);
  auto back = ReadLibraryIconsFromBytes(*icl, -1, true);
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->groups.empty());
}

TEST(WriteIconLibrary, WritesTheFileAndFailsWhereItCannot) {
  test::TempDir dir;
  std::vector<IconGroup> groups = {test::GroupOf({BitmapImage({})}, "x")};
  EXPECT_TRUE(WriteIconLibrary(dir.Path("a.icl"), groups));
  EXPECT_EQ(test::ReadAll(dir.Path("a.icl")), *EncodeIconLibrary(groups));
  EXPECT_FALSE(WriteIconLibrary(dir.Path("missing/a.icl"), groups));
}

}  // namespace
}  // namespace gd
