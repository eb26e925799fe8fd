// ReadLibraryIconsFromBytes: the NE resource table, identifier matching, shifts and names.
#include <gtest/gtest.h>

#include "iconfmt/icon_bytes.h"
#include "iconfmt/ne_reader.h"

namespace gd {
namespace {

using test::Bytes;
using test::GroupDirectory;
using test::NeLayout;
using test::NeModule;

Bytes Image(std::uint8_t fill) { return test::BitmapImage({.fill = fill}); }

// Two groups: images 1 and 2, then image 3.
NeLayout TwoGroups() {
  return {.groups = {{0x8001, GroupDirectory({1, 2})}, {0x8002, GroupDirectory({3})}},
          .icons = {{0x8001, Image(1)}, {0x8002, Image(2)}, {0x8003, Image(3)}},
          .names = {"ICL", "First", "Second"}};
}

TEST(ReadLibraryIcons, AllGroupsOrOneByPosition) {
  const Bytes module = NeModule(TwoGroups());
  auto all = ReadLibraryIconsFromBytes(module, -1, false);
  ASSERT_TRUE(all);
  ASSERT_EQ(all->groups.size(), 2u);
  ASSERT_EQ(all->groups[0].images.size(), 2u);
  EXPECT_EQ(all->groups[0].images[1].bytes, Image(2));
  EXPECT_EQ(all->groups[1].images.at(0).bytes, Image(3));
  EXPECT_TRUE(all->groups[0].name.empty());
  auto second = ReadLibraryIconsFromBytes(module, 1, false);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->groups.at(0).images.at(0).bytes, Image(3));
  for (int index : {2, -2, 0x7FFFFFFF}) EXPECT_FALSE(ReadLibraryIconsFromBytes(module, index, false)) << index;
}

TEST(ReadLibraryIcons, StoredNamesSkipTheModuleName) {
  auto named = ReadLibraryIconsFromBytes(NeModule(TwoGroups()), -1, true);
  ASSERT_TRUE(named);
  EXPECT_EQ(named->groups[0].name, "First");
  EXPECT_EQ(named->groups[1].name, "Second");
  NeLayout layout = TwoGroups();
  layout.names = {"icl", "Only"};
  named = ReadLibraryIconsFromBytes(NeModule(layout), -1, true);
  ASSERT_TRUE(named);
  EXPECT_EQ(named->groups[0].name, "Only");
  EXPECT_EQ(named->groups[1].name, "");
}

TEST(ReadLibraryIcons, GroupBlocksAreKnownByTheLowByteAlone) {
  for (std::uint16_t type : {0x800E, 0x000E, 0x120E}) {
    NeLayout layout = TwoGroups();
    layout.groupType = type;
    EXPECT_TRUE(ReadLibraryIconsFromBytes(NeModule(layout), 1, false)) << type;
  }
  NeLayout layout = TwoGroups();
  layout.groupType = 0x800F;
  EXPECT_FALSE(ReadLibraryIconsFromBytes(NeModule(layout), 0, false));
}

TEST(ReadLibraryIcons, IdentifiersMatchWithTheIntegerBitFlippedElseTheFirstImage) {
  NeLayout layout{.groups = {{0x8001, GroupDirectory({7, 9, 5, 0x8004})}},
                  .icons = {{0x8003, Image(1)}, {0x8007, Image(7)}, {0x8005, Image(5)}, {0x8005, Image(6)},
                            {0x0004, Image(4)}},
                  .names = {}};
  auto file = ReadLibraryIconsFromBytes(NeModule(layout), 0, false);
  ASSERT_TRUE(file);
  const auto& images = file->groups.at(0).images;
  ASSERT_EQ(images.size(), 4u);
  EXPECT_EQ(images[0].bytes, Image(7));
  EXPECT_EQ(images[1].bytes, Image(1)) << "identifier 9 is missing: the first image";
  EXPECT_EQ(images[2].bytes, Image(5)) << "first match in table order";
  EXPECT_EQ(images[3].bytes, Image(4));
  layout.icons.clear();
  EXPECT_FALSE(ReadLibraryIconsFromBytes(NeModule(layout), 0, false));
}

TEST(ReadLibraryIcons, ImagesEndWhereTheirGroupEntrySaysNotAtTheAlignmentFill) {
  NeLayout layout{.shift = 4, .groups = {{0x8001, GroupDirectory({1})}}, .icons = {{0x8001, Image(9)}}, .names = {}};
  auto file = ReadLibraryIconsFromBytes(NeModule(layout), 0, false);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups.at(0).images.at(0).bytes, Image(9)) << "744 bytes stored in 47 units of 16";
  // A group entry that claims more than the resource holds is not believed.
  Bytes claimsTooMuch = GroupDirectory({1});
  claimsTooMuch[6 + 8] = 0xFF;
  claimsTooMuch[6 + 9] = 0xFF;
  layout.groups[0].data = claimsTooMuch;
  file = ReadLibraryIconsFromBytes(NeModule(layout), 0, false);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups.at(0).images.at(0).size(), 752u) << "the whole resource, fill included";
}

TEST(ReadLibraryIcons, RefusesBadHeadersAndGroupDirectories) {
  const Bytes good = NeModule(TwoGroups());
  for (auto [at, value] : {std::pair{0, int{'P'}}, {60, 59}, {65, int{'X'}}, {64 + 0x24, 0}, {64 + 0x26, 0}, {61, 0xFF}}) {
    Bytes bad = good;
    bad[at] = static_cast<std::uint8_t>(value);
    EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, 0, false)) << "byte " << at;
  }
  for (Bytes directory : {GroupDirectory({1}, 3), GroupDirectory({}, 1), Bytes{1, 0, 1, 0, 1, 0}}) {
    NeLayout layout = TwoGroups();
    layout.groups[0].data = directory;
    EXPECT_FALSE(ReadLibraryIconsFromBytes(NeModule(layout), 0, false));
  }
  NeLayout cursors = TwoGroups();
  cursors.groups[0].data = GroupDirectory({1}, 2);
  EXPECT_TRUE(ReadLibraryIconsFromBytes(NeModule(cursors), 0, false));
}

TEST(ReadLibraryIcons, HostileTablesStayInsideTheFile) {
  const Bytes good = NeModule(TwoGroups());
  Bytes bad = good;
  bad[128] = 40;  // alignment shift of 40
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, -1, false));
  bad[128] = bad[129] = 0xFF;
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, -1, false));
  bad = good;
  bad[132] = bad[133] = 0xFF;  // 65535 groups
  EXPECT_FALSE(ReadLibraryIconsFromBytes(bad, -1, false));
  Bytes endless(good.begin(), good.begin() + 130);  // type blocks of another kind to the end
  for (int i = 0; i < 1000; ++i) endless.insert(endless.end(), {7, 0x80, 0, 0, 0, 0, 0, 0});
  EXPECT_FALSE(ReadLibraryIconsFromBytes(endless, -1, false));
  for (std::size_t length = 0; length < good.size(); length += 7) {
    EXPECT_FALSE(ReadLibraryIconsFromBytes(Bytes(good.begin(), good.begin() + length), -1, true)) << length;
  }
}

}  // namespace
}  // namespace gd
