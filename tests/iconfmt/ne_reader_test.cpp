// ReadLibraryIconsFromBytes: groups by position, stored names, identifier matching, alignment
// shifts, and hostile or truncated modules.
#include <gtest/gtest.h>

#include "iconfmt/icon_bytes.h"
#include "iconfmt/ne_reader.h"

namespace gd {
namespace {

using test::Bytes;
using test::GroupDirectory;
using test::NeModule;

Bytes Image(std::uint8_t fill) { return test::BitmapImage({.fill = fill}); }

// Two groups: images 1 and 2, then image 3.
test::NeLayout TwoGroups(std::uint16_t groupType = 0x800E) {
  return {.groupType = groupType, .groups = {{0x8001, GroupDirectory({1, 2})}, {0x8002, GroupDirectory({3})}},
          .icons = {{0x8001, Image(1)}, {0x8002, Image(2)}, {0x8003, Image(3)}}, .names = {"ICL", "First", "Second"}};
}

TEST(ReadLibraryIcons, AllGroupsWithTheirStoredNamesOrOneByPosition) {
  const Bytes module = NeModule(TwoGroups());
  auto all = ReadLibraryIconsFromBytes(module, -1, true);
  ASSERT_TRUE(all);
  ASSERT_EQ(all->groups.size(), 2u);
  ASSERT_EQ(all->groups[0].images.size(), 2u);
  EXPECT_EQ(all->groups[0].images[1].bytes, Image(2));
  EXPECT_EQ(all->groups[0].name, "First") << "the module name is skipped";
  EXPECT_EQ(all->groups[1].name, "Second");
  EXPECT_TRUE(ReadLibraryIconsFromBytes(module, -1, false)->groups[0].name.empty());
  EXPECT_EQ(ReadLibraryIconsFromBytes(module, 1, false)->groups.at(0).images.at(0).bytes, Image(3));
  for (int index : {2, -2, 0x7FFFFFFF}) EXPECT_FALSE(ReadLibraryIconsFromBytes(module, index, false)) << index;
  // Group blocks are known by the low byte of their type alone.
  for (std::uint16_t type : {0x000E, 0x120E}) EXPECT_TRUE(ReadLibraryIconsFromBytes(NeModule(TwoGroups(type)), 1, false));
  EXPECT_FALSE(ReadLibraryIconsFromBytes(NeModule(TwoGroups(0x800F)), 1, false));
}

TEST(ReadLibraryIcons, IdentifiersMatchWithTheIntegerBitFlippedAndImagesEndWhereTheGroupEntrySays) {
  test::NeLayout layout{.shift = 4, .groups = {{0x8001, GroupDirectory({7, 9, 5, 0x8004})}},
                        .icons = {{0x8003, Image(1)}, {0x8007, Image(7)}, {0x8005, Image(5)}, {0x8005, Image(6)},
                                  {0x0004, Image(4)}}, .names = {}};
  auto file = ReadLibraryIconsFromBytes(NeModule(layout), 0, false);
  ASSERT_TRUE(file);
  const auto& images = file->groups.at(0).images;
  ASSERT_EQ(images.size(), 4u);
  EXPECT_EQ(images[0].bytes, Image(7)) << "744 bytes stored in 47 units of 16";
  EXPECT_EQ(images[1].bytes, Image(1)) << "identifier 9 is missing: the first image";
  EXPECT_EQ(images[2].bytes, Image(5)) << "the first match in table order";
  EXPECT_EQ(images[3].bytes, Image(4));
  // A group entry that claims more than the resource holds is not believed.
  test::Set32(layout.groups[0].data, 14, 0xFFFF);
  EXPECT_EQ(ReadLibraryIconsFromBytes(NeModule(layout), 0, false)->groups.at(0).images.at(0).size(), 752u);
  layout.icons.clear();
  EXPECT_FALSE(ReadLibraryIconsFromBytes(NeModule(layout), 0, false));
}

TEST(ReadLibraryIcons, RefusesBadHeadersDirectoriesAndTablesReachingOutsideTheFile) {
  const Bytes good = NeModule(TwoGroups());
  std::vector<Bytes> bad;
  // Signatures, the NE header offset, the table offsets, huge shifts, group counts past the table.
  for (auto [at, value] : {std::pair{0, int{'P'}}, {60, 59}, {65, int{'X'}}, {64 + 0x24, 0}, {64 + 0x26, 0},
                           {61, 0xFF}, {128, 40}, {129, 0xFF}, {132, 0xFF}, {133, 0xFF}}) {
    bad.emplace_back(good)[at] = static_cast<std::uint8_t>(value);
  }
  for (Bytes directory : {GroupDirectory({1}, 3), GroupDirectory({}, 1), Bytes{1, 0, 1, 0, 1, 0}}) {
    test::NeLayout layout = TwoGroups();
    layout.groups[0].data = directory;
    bad.push_back(NeModule(layout));
  }
  bad.emplace_back(good.begin(), good.begin() + 130);  // type blocks of another kind to the end
  for (int i = 0; i < 1000; ++i) bad.back().insert(bad.back().end(), {7, 0x80, 0, 0, 0, 0, 0, 0});
  for (std::size_t i = 0; i < bad.size(); ++i) EXPECT_FALSE(ReadLibraryIconsFromBytes(bad[i], -1, false)) << "case " << i;
  for (std::size_t length = 0; length < good.size(); length += 7) {
    EXPECT_FALSE(ReadLibraryIconsFromBytes(Bytes(good.begin(), good.begin() + length), -1, true)) << length;
  }
  test::NeLayout cursors = TwoGroups();
  cursors.groups[0].data = GroupDirectory({1}, 2);
  EXPECT_TRUE(ReadLibraryIconsFromBytes(NeModule(cursors), 0, false)) << "cursor groups are read too";
}

}  // namespace
}  // namespace gd
