// ReadExecutableIcons through the system loader: resources we add ourselves, and Wine's DLLs.
#include <windows.h>

#include <gtest/gtest.h>

#include "iconfmt/exe_reader_win32.h"
#include "iconfmt/icl_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/icon_loader.h"

namespace gd {
namespace {

using test::Bytes;

std::string SystemFile(const char* name) {
  char dir[MAX_PATH];
  return std::string(dir, GetSystemDirectoryA(dir, MAX_PATH)) + "\\" + name;
}

// An RT_GROUP_ICON directory naming RT_ICON identifiers.
Bytes ResourceDirectory(const std::vector<std::pair<std::uint16_t, Bytes>>& images) {
  Bytes out;
  for (std::uint32_t v : {0u, 1u, std::uint32_t(images.size())}) test::Put16(out, v);
  for (const auto& [id, bytes] : images) {
    IconImage image = test::ParsedImage(bytes);
    out.insert(out.end(), {std::uint8_t(image.width), std::uint8_t(image.height), 0, 0, 1, 0});
    test::Put16(out, static_cast<std::uint32_t>(image.bitDepth));
    test::Put32(out, image.size());
    test::Put16(out, id);
  }
  return out;
}

// A copy of this test program with icon groups of our own: integer group 5, named group
// "ZEBRA", and integer group 9 whose directory names an image that is not there.
class ExecutableWithIcons : public ::testing::Test {
 protected:
  void SetUp() override {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    ASSERT_TRUE(CopyFileA(self, path.c_str(), FALSE));
    HANDLE update = BeginUpdateResourceA(path.c_str(), TRUE);
    ASSERT_NE(update, nullptr);
    auto add = [&](LPCSTR type, LPCSTR name, Bytes data) {
      ASSERT_TRUE(UpdateResourceA(update, type, name, 0, data.data(), static_cast<DWORD>(data.size())));
    };
    add(MAKEINTRESOURCEA(3), MAKEINTRESOURCEA(21), big);
    add(MAKEINTRESOURCEA(3), MAKEINTRESOURCEA(22), small);
    add(MAKEINTRESOURCEA(3), MAKEINTRESOURCEA(23), png);
    add(MAKEINTRESOURCEA(14), MAKEINTRESOURCEA(5), ResourceDirectory({{21, big}, {22, small}}));
    add(MAKEINTRESOURCEA(14), "ZEBRA", ResourceDirectory({{23, png}}));
    add(MAKEINTRESOURCEA(14), MAKEINTRESOURCEA(9), ResourceDirectory({{77, big}}));
    ASSERT_TRUE(EndUpdateResourceA(update, FALSE));
  }

  test::TempDir dir;
  const std::string path = dir.Path("icons.exe");
  const Bytes big = test::BitmapImage({.width = 32, .height = 32, .bitCount = 4, .fill = 1});
  const Bytes small = test::BitmapImage({.width = 16, .height = 16, .bitCount = 8, .fill = 2});
  const Bytes png = test::PngImage(256, 256, 8, 6);
};

TEST_F(ExecutableWithIcons, GroupsInLoaderOrderWithHashNumbersForIdentifiers) {
  auto first = ReadExecutableIcons(path, 0);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->resourceNames, (std::vector<std::string>{"ZEBRA", "#5", "#9"}));
  ASSERT_EQ(first->groups.size(), 1u);
  EXPECT_EQ(first->groups[0].images.at(0).bytes, png) << "PNG images are kept byte for byte";
  auto second = LoadIcon(path, 1);
  ASSERT_TRUE(second);
  ASSERT_EQ(second->groups.at(0).images.size(), 2u);
  EXPECT_EQ(second->groups[0].images[0].bytes, big);
  EXPECT_EQ(second->groups[0].images[1].bytes, small);
  EXPECT_EQ(second->groups[0].images[1].bitDepth, 8);
}

TEST_F(ExecutableWithIcons, AMissingImageOrPositionFailsTheRead) {
  for (int index : {2, -1, 3, -2}) EXPECT_FALSE(ReadExecutableIcons(path, index)) << index;
}

TEST(ReadExecutableIcons, RefusesWhatTheLoaderCannotMapOrThatHasNoIcons) {
  test::TempDir dir;
  EXPECT_FALSE(ReadExecutableIcons(dir.Path("missing.dll"), -1));
  EXPECT_FALSE(ReadExecutableIcons(dir.Write("a.ico", test::IcoFile({test::BitmapImage({})})), -1));
  std::vector<IconGroup> groups = {test::GroupOf({test::BitmapImage({})}, "n")};
  std::string library = dir.Write("a.icl", *EncodeIconLibrary(groups));
  EXPECT_FALSE(ReadExecutableIcons(library, -1)) << "a 16-bit module";
  EXPECT_TRUE(LoadIcon(library, 0)) << "the NE reader takes over";
  EXPECT_FALSE(ReadExecutableIcons(SystemFile("kernel32.dll"), -1)) << "no icon groups";
}

TEST(ReadExecutableIcons, ReadsEveryGroupOfWineShell32) {
  const std::string shell32 = SystemFile("shell32.dll");
  auto all = ReadExecutableIcons(shell32, -1);
  ASSERT_TRUE(all);
  ASSERT_GT(all->groups.size(), 100u);
  EXPECT_EQ(all->groups.size(), all->resourceNames.size());
  const int last = static_cast<int>(all->groups.size()) - 1;
  auto one = ReadExecutableIcons(shell32, last);
  ASSERT_TRUE(one);
  ASSERT_EQ(one->groups.at(0).images.size(), all->groups[last].images.size());
  for (std::size_t i = 0; i < one->groups[0].images.size(); ++i) {
    EXPECT_EQ(one->groups[0].images[i].bytes, all->groups[last].images[i].bytes);
  }
  auto listed = LoadAllIcons(shell32, false);
  ASSERT_TRUE(listed);
  EXPECT_EQ(listed->groups[0].name, "shell32.001");
}

}  // namespace
}  // namespace gd
