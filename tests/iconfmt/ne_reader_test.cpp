// ReadLibraryIconsFromBytes: the NE resource table, identifier matching, shifts and names.
#include <gtest/gtest.h>

#include "iconfmt/icon_bytes.h"
#include "iconfmt/ne_reader.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::Bytes;
using test::GroupDirectory;
using test::NeModule;
using test::NeSpec;

Bytes Image(std::uint8_t fill, std::int32_t size = 32) {
  return BitmapImage({.width = size, .height = size, .bitCount = 4, .fill = fill});
}

// Two groups: the first of images 1 and 2, the second of image 3.
NeSpec TwoGroups() {
  NeSpec spec;
  spec.groups = {{0x8001, GroupDirectory({1, 2})}, {0x8002, GroupDirectory({3})}};
  spec.icons = {{0x8001, Image(1)}, {0x8002, Image(2, 16)}, {0x8003, Image(3)}};
  spec.names = {"ICL", "First", "Second"};
  return spec;
}

TEST(ReadLibraryIcons, ReadsGroupsAndTheirImagesByIdentifier) {
  auto file = ReadLibraryIconsFromBytes(NeModule(TwoGroups()), -1, false);
  ASSERT_TRUE(file);
  ASSERT_EQ(file->groups.size(), 2u);
  ASSERT_EQ(file->groups[0].images.size(), 2u);
  EXPECT_EQ(file->groups[0].images[0].bytes, Image(1));
  EXPECT_EQ(file->groups[0].images[1].bytes, Image(2, 16));
  EXPECT_EQ(file->groups[0].images[1].width, 16);
  ASSERT_EQ(file->groups[1].images.size(), 1u);
  EXPECT_EQ(file->groups[1].images[0].bytes, Image(3));
  EXPECT_TRUE(file->groups[0].name.empty()) << "names only when asked for";
}

TEST(ReadLibraryIcons, OneGroupByPositionAndOutOfRangeIndexes) {
  Bytes module = NeModule(TwoGroups());
  auto second = ReadLibraryIconsFromBytes(module, 1, false);
  ASSERT_TRUE(second);
  ASSERT_EQ(second->groups.size(), 1u);
  EXPECT_EQ(second->groups[0].images[0].bytes, Image(3));
  EXPECT_FALSE(ReadLibraryIconsFromBytes(module, 2, false));
  EXPECT_FALSE(ReadLibraryIconsFromBytes(module, -2, false));
  EXPECT_FALSE(ReadLibraryIconsFromBytes(module, 0x7FFFFFFF, false));
}

TEST(ReadLibraryIcons, StoredNamesSkipTheModuleName) {
  auto file = ReadLibraryIconsFromBytes(NeModule(TwoGroups()), -1, true);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].name, "First");
  EXPECT_EQ(file->groups[1].name, "Second");

  NeSpec spec = TwoGroups();
  spec.names = {"icl", "Only"};  // module name in any case; fewer names than groups
  file = ReadLibraryIconsFromBytes(NeModule(spec), -1, true);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].name, "Only");
  EXPECT_EQ(file->groups[1].name, "");
  spec.names = {"A", "B", "C", "D"};  // more names than groups
  file = ReadLibraryIconsFromBytes(NeModule(spec), -1, true);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[1].name, "B");
}

TEST(ReadLibraryIcons, TypeIsRecognisedByItsLowByteAlone) {
  for (std::uint16_t groupType : {0x800E, 0x000E, 0x120E}) {
    NeSpec spec = TwoGroups();
    spec.groupType = groupType;
    spec.iconType = static_cast<std::uint16_t>(groupType == 0x800E ? 0x8003 : 0x0003);
    auto file = ReadLibraryIconsFromBytes(NeModule(spec), -1, false);
    ASSERT_TRUE(file) << groupType;
    EXPECT_EQ(file->groups.size(), 2u);
  }
  NeSpec spec = TwoGroups();
  spec.groupType = 0x800F;
  EXPECT_FALSE(ReadLibraryIconsFromBytes(NeModule(spec), 0, false)) << "no group block";
}

TEST(ReadLibraryIcons, IdentifierMatchingFlipsTheIntegerBitAndFallsBackToTheFirstImage) {
  NeSpec spec;
  spec.groups = {{0x8001, GroupDirectory({7, 9, 5})}};
  // Image 5 is stored twice: the first in table order wins. Image 9 is missing.
  spec.icons = {{0x8003, Image(1)}, {0x8007, Image(7)}, {0x8005, Image(5)}, {0x8005, Image(6)}};
  auto file = ReadLibraryIconsFromBytes(NeModule(spec), 0, false);
  ASSERT_TRUE(file);
  const auto& images = file->groups[0].images;
  ASSERT_EQ(images.size(), 3u);
  EXPECT_EQ(images[0].bytes, Image(7));
  EXPECT_EQ(images[1].bytes, Image(1)) << "missing id falls back to the first image";
  EXPECT_EQ(images[2].bytes, Image(5));

  // An entry whose stored id lacks the integer bit matches a directory id with the bit set.
  spec.icons = {{0x0004, Image(4)}, {0x8004, Image(8)}};
  spec.groups = {{0x8001, GroupDirectory({0x8004})}};
  file = ReadLibraryIconsFromBytes(NeModule(spec), 0, false);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images[0].bytes, Image(4));

  spec.icons = {};
  EXPECT_FALSE(ReadLibraryIconsFromBytes(NeModule(spec), 0, false)) << "no images at all";
}

TEST(ReadLibraryIcons, ImageLengthIncludesAlignmentFill) {
  NeSpec spec;
  spec.shift = 4;
  spec.groups = {{0x8001, GroupDirectory({1})}};
  spec.icons = {{0x8001, test::BitmapImageOfSize(744)}};
  auto file = ReadLibraryIconsFromBytes(NeModule(spec), 0, false);
  ASSERT_TRUE(file);
  const IconImage& image = file->groups[0].images[0];
  EXPECT_EQ(image.size(), 752u) << "47 units of 16";
  Bytes stored = test::BitmapImageOfSize(744);
  EXPECT_TRUE(std::equal(stored.begin(), stored.end(), image.bytes.begin()));
}

TEST(ReadLibraryIcons, GroupDirectoryRules) {
  for (std::uint16_t type : {1, 2}) {
    NeSpec spec = TwoGroups();
    spec.groups[0].data = GroupDirectory({1}, type);
    EXPECT_TRUE(ReadLibraryIconsFromBytes(NeModule(spec), 0, false)) << type;
  }
  NeSpec spec = TwoGroups();
  spec.groups[0].data = GroupDirectory({1}, 3);
  EXPECT_FALSE(ReadLibraryIconsFromBytes(NeModule(spec), 0, false)) << "type 3";
  spec.groups[0].data = GroupDirectory({}, 1);
  EXPECT_FALSE(ReadLibraryIconsFromBytes(NeModule(spec), 0, false)) << "count 0";
  spec.groups[0].data = GroupDirectory({1});
  spec.groups[0].data[0] = 1;
  EXPECT_FALSE(ReadLibraryIconsFromBytes(NeModule(spec), 0, false)) << "reserved 1";
}

TEST(ReadLibraryIcons, HeaderRules) {
  Bytes good = NeModule(TwoGroups());
  ASSERT_TRUE(ReadLibraryIconsFromBytes(good, 0, false));
  Bytes bad = good;
  bad[0] = 'P';
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, 0, false)) << "no MZ";
  bad = good;
  bad[60] = 59;
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, 0, false)) << "NE offset below 60";
  bad = good;
  bad[64 + 1] = 'X';
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, 0, false)) << "no NE";
  bad = good;
  bad[64 + 0x24] = 0;
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, 0, false)) << "resource table offset 0";
  bad = good;
  bad[64 + 0x26] = 0;
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, 0, false)) << "resident-name offset 0";
  bad = good;
  bad[60] = 0xF0;
  bad[61] = 0xFF;
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, 0, false)) << "NE header past the end";
}

TEST(ReadLibraryIcons, HostileTablesStayInsideTheFile) {
  Bytes good = NeModule(TwoGroups());
  const std::size_t table = 128;
  Bytes bad = good;
  bad[table] = 40;  // alignment shift of 40: offsets land far past the file
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, -1, false));
  bad[table] = 0xFF;
  bad[table + 1] = 0xFF;
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, -1, false)) << "shift of 65535";

  bad = good;
  bad[table + 4] = 0xFF;
  bad[table + 5] = 0xFF;  // group count 65535
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, -1, false));

  // A table that never ends: type blocks of unknown kinds up to the end of the file.
  Bytes endless(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(table) + 2);
  for (int i = 0; i < 1000; ++i) {
    test::Put16(endless, 0x8007);
    test::Put16(endless, 0);
    test::Put32(endless, 0);
  }
  EXPECT_FALSE(ReadLibraryIconsFromBytes(endless, -1, false));

  // Names that never end.
  NeSpec spec = TwoGroups();
  Bytes module = NeModule(spec);
  Bytes namesCut(module.begin(), module.begin() + static_cast<std::ptrdiff_t>(table) + 2 + 8 + 24 + 8 + 36 + 2 + 3);
  EXPECT_FALSE(ReadLibraryIconsFromBytes(namesCut, -1, true));

  // Every truncation of a valid module fails cleanly.
  for (std::size_t length = 0; length < module.size(); length += 7) {
    EXPECT_FALSE(ReadLibraryIconsFromBytes(Bytes(module.begin(), module.begin() + static_cast<std::ptrdiff_t>(length)), -1, true))
        << length;
  }
}

TEST(ReadLibraryIcons, SeveralGroupBlocksUseTheLastAndRefuseToReadPastIt) {
  NeSpec spec = TwoGroups();
  spec.earlierGroups = {{0x8009, GroupDirectory({2})}};
  Bytes module = NeModule(spec);
  // Counts add up to 3, but only the last block's 2 entries exist: all groups cannot be read.
  EXPECT_FALSE(ReadLibraryIconsFromBytes(module, -1, false));
  auto second = ReadLibraryIconsFromBytes(module, 1, false);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->groups[0].images[0].bytes, Image(3));
  EXPECT_FALSE(ReadLibraryIconsFromBytes(module, 2, false));
}

TEST(ReadLibraryIcons, FailsOnMissingFiles) {
  test::TempDir dir;
  EXPECT_FALSE(ReadLibraryIcons(dir.Path("none.icl"), -1, true));
  auto file = ReadLibraryIcons(dir.Write("two.icl", NeModule(TwoGroups())), -1, true);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups.size(), 2u);
}

}  // namespace
}  // namespace gd
