// Our icon libraries as Windows' own icon functions read them, and system icons of one format.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "iconfmt/icl_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/icon_handle_win32.h"

namespace gd {
namespace {

LONG IconWidth(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

// count groups whose image sizes run 16, 32, 48, ... (16 + 16 g mod 64), with a deleted group.
std::string Library(const test::TempDir& dir, const std::string& name, int count, std::uint16_t bitCount) {
  std::vector<IconGroup> groups;
  for (int g = 0; g < count; ++g) {
    int size = 16 + 16 * (g % 4);
    groups.push_back(test::GroupOf({test::BitmapImage({.width = size, .height = size, .bitCount = bitCount, .fill = 0x11})},
                                   "G" + std::to_string(g)));
  }
  groups.insert(groups.begin() + 1, test::GroupOf({test::BitmapImage({})}, "#del#"));
  return dir.Write(name, *EncodeIconLibrary(groups));
}

TEST(SystemIconFunctions, CountAndExtractTheGroupsOfOurLibraries) {
  test::TempDir dir;
  for (auto [name, count, bitCount] : {std::tuple{"small.icl", 3, 4}, std::tuple{"shifted.icl", 40, 32}}) {
    std::string path = Library(dir, name, count, static_cast<std::uint16_t>(bitCount));
    EXPECT_EQ(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0), UINT(count)) << name;
    EXPECT_EQ(PrivateExtractIconsA(path.c_str(), 0, 0, 0, nullptr, nullptr, 0, 0), UINT(count)) << name;
    for (int g : {0, count - 1}) {
      int size = 16 + 16 * (g % 4);
      HICON icon = nullptr;
      UINT id = 0;
      ASSERT_EQ(PrivateExtractIconsA(path.c_str(), g, size, size, &icon, &id, 1, 0), 1u) << name << " " << g;
      UniqueIcon owned(icon);
      EXPECT_EQ(IconWidth(icon), size);
    }
  }
  std::string shifted = dir.Path("shifted.icl");
  EXPECT_GT(test::Get16(test::ReadAll(shifted), 192), 0) << "the second library needs an alignment shift";
}

TEST(CreateIconForFormat, MakesAnIconOnlyForAnExactFormat) {
  test::TempDir dir;
  std::string path = dir.Write("two.ico", test::IcoFile({test::BitmapImage({.width = 32, .height = 32, .bitCount = 4}),
                                                         test::BitmapImage({.width = 16, .height = 16, .bitCount = 8})}));
  UniqueIcon icon = CreateIconForFormat(path, 0, 16, 16, 8);
  ASSERT_TRUE(icon);
  EXPECT_EQ(IconWidth(icon.get()), 16);
  EXPECT_TRUE(CreateIconForFormat(path, 0, 32, 32, 4));
  EXPECT_FALSE(CreateIconForFormat(path, 0, 48, 48, 8)) << "no nearest size";
  EXPECT_FALSE(CreateIconForFormat(path, 0, 32, 32, 8));
  EXPECT_FALSE(CreateIconForFormat(dir.Path("none.ico"), 0, 32, 32, 4));
}

}  // namespace
}  // namespace gd
