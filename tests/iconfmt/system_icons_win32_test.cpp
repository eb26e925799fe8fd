// Our icon libraries and icon files as Windows' own icon functions read them, and the
// system icons made from one format.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "iconfmt/icl_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/icon_handle_win32.h"
#include "platform/unique_handle.h"

namespace gd {
namespace {

using test::BitmapImage;

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {0, 0};
  BITMAP bitmap{};
  GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
  SIZE size{bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return size;
}

// Three groups with images of distinct sizes: group g has a (16 + 16 g)-pixel image.
std::vector<IconGroup> ThreeGroups() {
  std::vector<IconGroup> groups;
  for (int g = 0; g < 3; ++g) {
    int size = 16 + 16 * g;
    groups.push_back(test::GroupOf({BitmapImage({.width = size, .height = size, .bitCount = 4, .fill = 0x11})},
                                   "G" + std::to_string(g)));
  }
  return groups;
}

TEST(SystemIconFunctions, CountAndExtractTheGroupsOfOurLibrary) {
  test::TempDir dir;
  auto groups = ThreeGroups();
  groups.insert(groups.begin() + 1, test::GroupOf({BitmapImage({})}, "#del#"));
  std::string path = dir.Write("ours.icl", *EncodeIconLibrary(groups));

  EXPECT_EQ(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0), 3u);
  EXPECT_EQ(PrivateExtractIconsA(path.c_str(), 0, 0, 0, nullptr, nullptr, 0, 0), 3u);
  for (int g = 0; g < 3; ++g) {
    HICON icon = nullptr;
    UINT id = 0;
    int size = 16 + 16 * g;
    ASSERT_EQ(PrivateExtractIconsA(path.c_str(), g, size, size, &icon, &id, 1, 0), 1u) << g;
    UniqueIcon owned(icon);
    ASSERT_TRUE(owned);
    SIZE got = IconSize(icon);
    EXPECT_EQ(got.cx, size);
    EXPECT_EQ(got.cy, size);
  }
  HICON large = nullptr;
  ASSERT_EQ(ExtractIconExA(path.c_str(), 2, &large, nullptr, 1), 1u);
  UniqueIcon ownedLarge(large);
  EXPECT_TRUE(ownedLarge);
}

TEST(SystemIconFunctions, ReadOurLargeLibraryWithAlignmentShift) {
  test::TempDir dir;
  std::vector<IconGroup> groups;
  for (int g = 0; g < 40; ++g) {
    groups.push_back(test::GroupOf({BitmapImage({.width = 48, .height = 48, .bitCount = 8, .fill = 0x22})},
                                   "L" + std::to_string(g)));
  }
  auto bytes = EncodeIconLibrary(groups);
  ASSERT_TRUE(bytes);
  ASSERT_GT(test::Get16(*bytes, 192), 0) << "the library needs a shift";
  std::string path = dir.Write("large.icl", *bytes);
  EXPECT_EQ(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0), 40u);
  HICON icon = nullptr;
  UINT id = 0;
  ASSERT_EQ(PrivateExtractIconsA(path.c_str(), 39, 48, 48, &icon, &id, 1, 0), 1u);
  UniqueIcon owned(icon);
  EXPECT_EQ(IconSize(icon).cx, 48);
}

TEST(CreateIconForFormat, MakesAnIconOnlyForAnExactFormat) {
  test::TempDir dir;
  std::string path = dir.Write("two.ico", test::IcoFile({BitmapImage({.width = 32, .height = 32, .bitCount = 4}),
                                                         BitmapImage({.width = 16, .height = 16, .bitCount = 8})}));
  UniqueIcon icon = CreateIconForFormat(path, 0, 16, 16, 8);
  ASSERT_TRUE(icon);
  EXPECT_EQ(IconSize(icon.get()).cx, 16);
  EXPECT_TRUE(CreateIconForFormat(path, 0, 32, 32, 4));
  EXPECT_FALSE(CreateIconForFormat(path, 0, 48, 48, 8)) << "no nearest size";
  EXPECT_FALSE(CreateIconForFormat(path, 0, 32, 32, 8));
  EXPECT_FALSE(CreateIconForFormat(dir.Path("none.ico"), 0, 32, 32, 4));
}

}  // namespace
}  // namespace gd
