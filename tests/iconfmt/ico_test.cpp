// .ico and .cur files: the reader's rules and bounds, the writer's entries and offsets.
#include <gtest/gtest.h>

#include "iconfmt/ico_reader.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::Bytes;

TEST(ReadIco, ReadsEveryImageInOrderAndTrustsOnlyTheImageHeaders) {
  Bytes big = BitmapImage({.width = 48, .height = 48, .bitCount = 8, .fill = 1});
  Bytes png = test::PngImage(256, 256, 8, 6);
  for (std::uint16_t type : {1, 2}) {
    Bytes file = test::IcoFile({big, png}, type);
    for (std::size_t at = 6; at < 14; ++at) file[at] = 0xAB;  // sizes, colours, planes or hotspot
    auto read = ReadIcoBytes(file);
    ASSERT_TRUE(read);
    const auto& images = read->groups.at(0).images;
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].bytes, big);
    EXPECT_EQ(images[0].width, 48);
    EXPECT_EQ(images[0].bitDepth, 8);
    EXPECT_EQ(images[1].bytes, png);
    EXPECT_TRUE(read->groups[0].name.empty());
  }
}

TEST(ReadIco, HeaderRules) {
  Bytes image = BitmapImage({});
  EXPECT_FALSE(ReadIcoBytes(test::IcoFile({image}, 1, 1))) << "reserved 1";
  EXPECT_FALSE(ReadIcoBytes(test::IcoFile({image}, 0)));
  EXPECT_FALSE(ReadIcoBytes(test::IcoFile({image}, 3)));
  EXPECT_FALSE(ReadIcoBytes(test::IcoFile({}, 1))) << "count 0";
  EXPECT_FALSE(ReadIcoBytes(Bytes{0, 0, 1, 0, 1}));
}

// The last image ends the file: exact fit, one byte over, sizes that overflow, short directories.
TEST(ReadIco, StaysInsideTheFile) {
  const Bytes file = test::IcoFile({BitmapImage({})});
  ASSERT_TRUE(ReadIcoBytes(file));
  const std::uint32_t size = test::Get32(file, 14), offset = test::Get32(file, 18);
  for (auto [at, value] : {std::pair{14, size + 1}, std::pair{18, offset + 1}, std::pair{14, 0xFFFFFFFFu},
                           std::pair{18, 0xFFFFFFFFu}, std::pair{14, 0u}}) {
    Bytes bad = file;
    test::Set32(bad, at, value);
    EXPECT_FALSE(ReadIcoBytes(bad)) << at << " = " << value;
  }
  EXPECT_FALSE(ReadIcoBytes(Bytes(file.begin(), file.end() - 1)));
  EXPECT_FALSE(ReadIcoBytes(Bytes(file.begin(), file.begin() + 21))) << "directory cut short";
  Bytes huge = file;
  huge[4] = huge[5] = 0xFF;  // 65535 entries do not fit
  EXPECT_FALSE(ReadIcoBytes(huge));
}

TEST(ReadIco, ManyEntriesNamingOneLargeImageStayWithinTheLoadBudget) {
  const Bytes image = test::BitmapImageOfSize(1 << 20);
  Bytes file;
  for (std::uint32_t v : {0u, 1u, 0xFFFFu}) test::Put16(file, v);
  for (int i = 0; i < 0xFFFF; ++i) {
    file.insert(file.end(), 8, 0);
    test::Put32(file, static_cast<std::uint32_t>(image.size()));
    test::Put32(file, 6 + 16 * 0xFFFF);
  }
  file.insert(file.end(), image.begin(), image.end());
  EXPECT_FALSE(ReadIcoBytes(file));
}

TEST(EncodeIconFile, ImagesFollowTheDirectoryBackToBack) {
  IconGroup group = test::GroupOf({test::BitmapImageOfSize(744), test::BitmapImageOfSize(296, 16),
                                   test::BitmapImageOfSize(2216)});
  auto bytes = EncodeIconFile(group, IconFileType::Icon);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), 3310u);
  EXPECT_EQ(test::Get32(*bytes, 6 + 12), 54u);
  EXPECT_EQ(test::Get32(*bytes, 22 + 12), 798u);
  EXPECT_EQ(test::Get32(*bytes, 38 + 12), 1094u);
  EXPECT_EQ(test::Get32(*bytes, 38 + 8), 2216u);
}

TEST(EncodeIconFile, EntriesComeFromTheImageHeaders) {
  struct Case {
    Bytes image;
    std::uint8_t width, height, colours;
    std::uint16_t planes, bitCount;
  };
  const Case cases[] = {
      {BitmapImage({.width = 32, .height = 32, .bitCount = 4}), 32, 32, 16, 1, 4},
      {BitmapImage({.width = 16, .height = 16, .bitCount = 1}), 16, 16, 2, 1, 1},
      {BitmapImage({.width = 48, .height = 48, .bitCount = 8}), 48, 48, 0, 1, 8},
      {BitmapImage({.width = 128, .height = 128, .bitCount = 32}), 128, 128, 0, 1, 32},
      {BitmapImage({.width = 32, .height = 16, .bitCount = 2, .planes = 2}), 32, 16, 16, 2, 2},
      {test::PngImage(256, 256, 8, 6), 0, 0, 0, 1, 32},
  };
  for (const Case& c : cases) {
    for (IconFileType type : {IconFileType::Icon, IconFileType::Cursor}) {
      auto bytes = EncodeIconFile(test::GroupOf({c.image}), type);
      ASSERT_TRUE(bytes);
      EXPECT_EQ(test::Get16(*bytes, 2), static_cast<std::uint16_t>(type));
      EXPECT_EQ(Bytes(bytes->begin() + 6, bytes->begin() + 10), (Bytes{c.width, c.height, c.colours, 0}));
      EXPECT_EQ(test::Get16(*bytes, 10), c.planes) << "planes, for cursors too";
      EXPECT_EQ(test::Get16(*bytes, 12), c.bitCount);
    }
  }
  EXPECT_FALSE(EncodeIconFile(IconGroup{}, IconFileType::Icon));
}

TEST(EncodeIconFile, ReadsBackByteForByte) {
  IconGroup group = test::GroupOf({BitmapImage({.bitCount = 4, .fill = 3}),
                                   BitmapImage({.width = 16, .height = 16, .bitCount = 1, .fill = 5}),
                                   test::PngImage(256, 256, 8, 6)});
  auto back = ReadIcoBytes(*EncodeIconFile(group, IconFileType::Cursor));
  ASSERT_TRUE(back);
  ASSERT_EQ(back->groups[0].images.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(back->groups[0].images[i].bytes, group.images[i].bytes);
}

TEST(WriteIconFile, ExtensionsTypesAndFailures) {
  EXPECT_EQ(IconFilePath("c:\\pack\\disk", IconFileType::Icon), "c:\\pack\\disk.ico");
  EXPECT_EQ(IconFilePath("c:\\pack\\disk.ICO", IconFileType::Icon), "c:\\pack\\disk.ICO");
  EXPECT_EQ(IconFilePath("arrow.ico", IconFileType::Cursor), "arrow.ico.cur");

  test::TempDir dir;
  std::vector<IconGroup> groups = {test::GroupOf({BitmapImage({.fill = 1})}),
                                   test::GroupOf({BitmapImage({.width = 16, .height = 16, .fill = 2})})};
  EXPECT_EQ(WriteIconFile(dir.Path("second"), groups, 1, 1), WriteIconResult::Written);
  EXPECT_EQ(test::ReadAll(dir.Path("second.ico")), *EncodeIconFile(groups[1], IconFileType::Icon));
  EXPECT_EQ(WriteIconFile(dir.Path("arrow"), groups, 0, 2), WriteIconResult::Written);
  EXPECT_EQ(test::Get16(test::ReadAll(dir.Path("arrow.cur")), 2), 2);
  EXPECT_EQ(WriteIconFile(dir.Path("x"), groups, 0, 3), WriteIconResult::UnsupportedType);
  EXPECT_EQ(WriteIconFile(dir.Path("x"), groups, 2, 1), WriteIconResult::Failed);
  EXPECT_EQ(WriteIconFile(dir.Path("no-folder/x"), groups, 0, 1), WriteIconResult::Failed);
}

}  // namespace
}  // namespace gd
