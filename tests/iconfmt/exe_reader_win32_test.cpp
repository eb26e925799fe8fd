// ReadExecutableIcons through the system loader: resources we add ourselves, and Wine's DLLs.
#include <windows.h>

#include <gtest/gtest.h>

#include "iconfmt/exe_reader_win32.h"
#include "iconfmt/icl_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/icon_loader.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::Bytes;

std::string SystemFile(const char* name) {
  char dir[MAX_PATH];
  UINT length = GetSystemDirectoryA(dir, MAX_PATH);
  return std::string(dir, length) + "\\" + name;
}

std::string ThisProgram() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

// A group directory of RT_GROUP_ICON form naming the given RT_ICON identifiers.
Bytes ResourceDirectory(const std::vector<std::pair<std::uint16_t, const Bytes*>>& images) {
  Bytes out;
  test::Put16(out, 0);
  test::Put16(out, 1);
  test::Put16(out, static_cast<std::uint32_t>(images.size()));
  for (const auto& [id, bytes] : images) {
    IconImage image = test::ParsedImage(*bytes);
    out.insert(out.end(), {static_cast<std::uint8_t>(image.width), static_cast<std::uint8_t>(image.height), 0, 0});
    test::Put16(out, 1);
    test::Put16(out, static_cast<std::uint32_t>(image.bitDepth));
    test::Put32(out, image.size());
    test::Put16(out, id);
  }
  return out;
}

// A copy of this test program with icon groups of our own: the integer group 5, the named
// group "ZEBRA", and the integer group 9 whose directory names an image that is not there.
class ExecutableWithIcons : public ::testing::Test {
 protected:
  void SetUp() override {
    path = dir.Path("icons.exe");
    ASSERT_TRUE(CopyFileA(ThisProgram().c_str(), path.c_str(), FALSE));
    HANDLE update = BeginUpdateResourceA(path.c_str(), TRUE);
    ASSERT_NE(update, nullptr);
    auto add = [&](LPCSTR type, LPCSTR name, const Bytes& data) {
      ASSERT_TRUE(UpdateResourceA(update, type, name, 0, const_cast<std::uint8_t*>(data.data()),
                                  static_cast<DWORD>(data.size())));
    };
    add(MAKEINTRESOURCEA(3), MAKEINTRESOURCEA(21), big);
    add(MAKEINTRESOURCEA(3), MAKEINTRESOURCEA(22), small);
    add(MAKEINTRESOURCEA(3), MAKEINTRESOURCEA(23), png);
    add(MAKEINTRESOURCEA(14), MAKEINTRESOURCEA(5), ResourceDirectory({{21, &big}, {22, &small}}));
    add(MAKEINTRESOURCEA(14), "ZEBRA", ResourceDirectory({{23, &png}}));
    add(MAKEINTRESOURCEA(14), MAKEINTRESOURCEA(9), ResourceDirectory({{77, &big}}));
    ASSERT_TRUE(EndUpdateResourceA(update, FALSE));
  }

  test::TempDir dir;
  std::string path;
  const Bytes big = BitmapImage({.width = 32, .height = 32, .bitCount = 4, .fill = 1});
  const Bytes small = BitmapImage({.width = 16, .height = 16, .bitCount = 8, .fill = 2});
  const Bytes png = test::PngImage(256, 256, 8, 6);
};

TEST_F(ExecutableWithIcons, ListsNamedGroupsThenIdentifiersAsHashNumbers) {
  auto file = ReadExecutableIcons(path, 0);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->resourceNames, (std::vector<std::string>{"ZEBRA", "#5", "#9"}));
  ASSERT_EQ(file->groups.size(), 1u);
  ASSERT_EQ(file->groups[0].images.size(), 1u);
  EXPECT_EQ(file->groups[0].images[0].bytes, png) << "PNG images are kept byte for byte";
  EXPECT_EQ(file->groups[0].images[0].width, 256);
}

TEST_F(ExecutableWithIcons, ReadsTheIndexedGroupsImagesByteForByte) {
  auto file = ReadExecutableIcons(path, 1);
  ASSERT_TRUE(file);
  ASSERT_EQ(file->groups.size(), 1u);
  ASSERT_EQ(file->groups[0].images.size(), 2u);
  EXPECT_EQ(file->groups[0].images[0].bytes, big);
  EXPECT_EQ(file->groups[0].images[1].bytes, small);
  EXPECT_EQ(file->groups[0].images[1].bitDepth, 8);
  EXPECT_TRUE(file->groups[0].name.empty());
}

TEST_F(ExecutableWithIcons, AMissingImageFailsItsGroupAndAllGroups) {
  EXPECT_FALSE(ReadExecutableIcons(path, 2));
  EXPECT_FALSE(ReadExecutableIcons(path, -1));
  EXPECT_FALSE(ReadExecutableIcons(path, 3));
  EXPECT_FALSE(ReadExecutableIcons(path, -2));
}

TEST_F(ExecutableWithIcons, LoadIconUsesTheLoaderForPrograms) {
  auto file = LoadIcon(path, 1);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images[0].bytes, big);
}

TEST(ReadExecutableIcons, RefusesWhatTheLoaderCannotMapOrThatHasNoIcons) {
  test::TempDir dir;
  EXPECT_FALSE(ReadExecutableIcons(dir.Path("missing.dll"), -1));
  EXPECT_FALSE(ReadExecutableIcons(dir.Write("a.ico", test::IcoFile({BitmapImage({})})), -1));
  std::vector<IconGroup> groups = {test::GroupOf({BitmapImage({})}, "n")};
  std::string library = dir.Write("a.icl", *EncodeIconLibrary(groups));
  EXPECT_FALSE(ReadExecutableIcons(library, -1)) << "a 16-bit module";
  auto file = LoadIcon(library, 0);
  ASSERT_TRUE(file) << "the NE reader takes over";
  EXPECT_EQ(file->groups[0].images.size(), 1u);
  EXPECT_FALSE(ReadExecutableIcons(SystemFile("kernel32.dll"), -1)) << "no icon groups";
}

TEST(ReadExecutableIcons, ReadsEveryGroupOfWineShell32) {
  const std::string shell32 = SystemFile("shell32.dll");
  auto all = ReadExecutableIcons(shell32, -1);
  ASSERT_TRUE(all);
  ASSERT_GT(all->groups.size(), 10u);
  EXPECT_EQ(all->groups.size(), all->resourceNames.size());
  for (const IconGroup& group : all->groups) {
    for (const IconImage& image : group.images) {
      EXPECT_GT(image.width, 0);
      EXPECT_GT(image.bitDepth, 0);
    }
  }
  const std::size_t last = all->groups.size() - 1;
  auto one = ReadExecutableIcons(shell32, static_cast<int>(last));
  ASSERT_TRUE(one);
  ASSERT_EQ(one->groups[0].images.size(), all->groups[last].images.size());
  for (std::size_t i = 0; i < one->groups[0].images.size(); ++i) {
    EXPECT_EQ(one->groups[0].images[i].bytes, all->groups[last].images[i].bytes);
  }
  auto listed = LoadAllIcons(shell32, false);
  ASSERT_TRUE(listed);
  EXPECT_EQ(listed->groups[0].name, "shell32.001") << "more than 100 groups";
}

}  // namespace
}  // namespace gd
