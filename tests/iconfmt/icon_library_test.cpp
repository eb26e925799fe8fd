// Icon libraries (.icl, 16-bit NE modules): what the reader refuses and how it matches
// images to groups, and that what the writer makes reads back.
#include <gtest/gtest.h>

#include "iconfmt/icl_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/ne_reader.h"

namespace gd {
namespace {

using namespace test;

Bytes Image(std::uint8_t fill) { return BitmapImage({.fill = fill}); }

// Each group's name and image bytes.
using Contents = std::vector<std::pair<std::string, std::vector<Bytes>>>;
Contents ContentsOf(const std::vector<IconGroup>& groups) {
  Contents contents;
  for (const IconGroup& group : groups) {
    contents.emplace_back(group.name, std::vector<Bytes>{});
    for (const IconImage& image : group.images) contents.back().second.push_back(image.bytes);
  }
  return contents;
}

// Two groups: images 1 and 2, then image 3.
NeLayout TwoGroups(std::uint16_t groupType = 0x800E) {
  return {.groupType = groupType, .groups = {{0x8001, GroupDirectory({1, 2})}, {0x8002, GroupDirectory({3})}},
          .icons = {{0x8001, Image(1)}, {0x8002, Image(2)}, {0x8003, Image(3)}}, .names = {"ICL", "First", "Second"}};
}

TEST(ReadLibraryIcons, AllGroupsWithTheirStoredNamesOrOneByPosition) {
  const Bytes module = NeModule(TwoGroups());
  EXPECT_EQ(ContentsOf(ReadLibraryIconsFromBytes(module, -1, true)->groups),
            (Contents{{"First", {Image(1), Image(2)}}, {"Second", {Image(3)}}})) << "the module name is skipped";
  EXPECT_TRUE(ReadLibraryIconsFromBytes(module, -1, false)->groups[0].name.empty());
  EXPECT_EQ(ReadLibraryIconsFromBytes(module, 1, false)->groups.at(0).images.at(0).bytes, Image(3));
  for (int index : {2, -2, 0x7FFFFFFF}) EXPECT_FALSE(ReadLibraryIconsFromBytes(module, index, false)) << index;
  // Group blocks are known by the low byte of their type alone.
  for (std::uint16_t type : {0x000E, 0x120E}) EXPECT_TRUE(ReadLibraryIconsFromBytes(NeModule(TwoGroups(type)), 1, false));
  EXPECT_FALSE(ReadLibraryIconsFromBytes(NeModule(TwoGroups(0x800F)), 1, false));
}

TEST(ReadLibraryIcons, IdentifiersMatchWithTheIntegerBitFlippedAndImagesEndWhereTheGroupEntrySays) {
  NeLayout layout{.shift = 4, .groups = {{0x8001, GroupDirectory({7, 9, 5, 0x8004})}},
                  .icons = {{0x8003, Image(1)}, {0x8007, Image(7)}, {0x8005, Image(5)}, {0x8005, Image(6)}, {0x0004, Image(4)}},
                  .names = {}};
  // 7 as 0x8007; 9 missing: the first image; 5 twice: the first; 0x8004 as 4; 744 bytes of 752.
  EXPECT_EQ(ContentsOf(ReadLibraryIconsFromBytes(NeModule(layout), 0, false)->groups),
            (Contents{{"", {Image(7), Image(1), Image(5), Image(4)}}}));
  // A group entry that claims more than the resource holds is not believed.
  Set32(layout.groups[0].data, 14, 0xFFFF);
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
    NeLayout layout = TwoGroups();
    layout.groups[0].data = directory;
    bad.push_back(NeModule(layout));
  }
  // One 4 MiB image named 100 times would hold 400 MiB: over the load budget.
  bad.push_back(NeModule({.shift = 7, .groups = {{0x8001, GroupDirectory(std::vector<std::uint16_t>(100, 1))}},
                          .icons = {{0x8001, BitmapImageOfSize(4 << 20)}}, .names = {}}));
  bad.emplace_back(good.begin(), good.begin() + 130);  // type blocks of another kind to the end
  for (int i = 0; i < 1000; ++i) bad.back().insert(bad.back().end(), {7, 0x80, 0, 0, 0, 0, 0, 0});
  for (std::size_t i = 0; i < bad.size(); ++i) EXPECT_FALSE(ReadLibraryIconsFromBytes(bad[i], -1, false)) << "case " << i;
  for (std::size_t length = 0; length < good.size(); length += 7) {
    EXPECT_FALSE(ReadLibraryIconsFromBytes(Bytes(good.begin(), good.begin() + length), -1, true)) << length;
  }
}

TEST(EncodeIconLibrary, ReadsBackWithoutDeletedGroupsAndWithoutTheAlignmentFill) {
  const std::vector<IconGroup> groups = {
      GroupOf({BitmapImage({.fill = 1}), BitmapImage({.width = 16, .height = 16, .fill = 2})}, "A"),
      GroupOf({BitmapImage({.fill = 3})}, "#del#"), GroupOf({PngImage(256, 256, 8, 6)}, "C"),
      GroupOf({BitmapImage({.fill = 5})}, "#DEL#")};  // compared with case: kept
  ScratchFolder dir;
  ASSERT_TRUE(WriteIconLibrary(dir / "a.icl", groups));
  EXPECT_EQ(ContentsOf(ReadLibraryIcons(dir / "a.icl", -1, true)->groups), ContentsOf({groups[0], groups[2], groups[3]}));
  std::vector<IconGroup> large;  // 100 kB of odd sizes: shift 1 and a fill byte after every image
  for (int g = 0; g < 10; ++g) large.push_back(GroupOf({BitmapImageOfSize(10001)}, "G" + std::to_string(g)));
  auto icl = EncodeIconLibrary(large);
  ASSERT_TRUE(icl);
  EXPECT_EQ(icl->at(192), 1) << "the alignment shift";
  EXPECT_EQ(ContentsOf(ReadLibraryIconsFromBytes(*icl, -1, true)->groups), ContentsOf(large));
}

TEST(EncodeIconLibrary, AlignmentShiftAndLimits) {
  EXPECT_EQ(LibraryAlignmentShift(131071), 2);
  EXPECT_FALSE(LibraryAlignmentShift((std::uint64_t{65535} << 15) + 1));
  IconGroup one = GroupOf({BitmapImage({.width = 16, .height = 16, .bitCount = 1})}, "n");
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
