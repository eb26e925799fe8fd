// EncodeIconFile and WriteIconFile: entry bytes, offsets, round trips, extensions, icotool.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "iconfmt/ico_reader.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::Bytes;

TEST(EncodeIconFile, ImageOffsetsFollowTheDirectoryWithNothingBetween) {
  IconGroup group = test::GroupOf({test::BitmapImageOfSize(744), test::BitmapImageOfSize(296, 16, 16),
                                   test::BitmapImageOfSize(2216, 32, 32, 8)});
  auto bytes = EncodeIconFile(group, IconFileType::Icon);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), 3310u);
  EXPECT_EQ(test::Get32(*bytes, 6 + 12), 54u);
  EXPECT_EQ(test::Get32(*bytes, 22 + 12), 798u);
  EXPECT_EQ(test::Get32(*bytes, 38 + 12), 1094u);
  EXPECT_EQ(test::Get32(*bytes, 6 + 8), 744u);
  EXPECT_TRUE(std::equal(group.images[1].bytes.begin(), group.images[1].bytes.end(), bytes->begin() + 798));
}

TEST(EncodeIconFile, EntryBytesComeFromTheImageHeader) {
  struct Case {
    test::BitmapSpec spec;
    std::uint8_t width, height, colours;
  };
  const Case cases[] = {
      {{.width = 32, .height = 32, .bitCount = 4}, 32, 32, 16},
      {{.width = 16, .height = 16, .bitCount = 1}, 16, 16, 2},
      {{.width = 48, .height = 48, .bitCount = 8}, 48, 48, 0},
      {{.width = 128, .height = 128, .bitCount = 32}, 128, 128, 0},
      {{.width = 24, .height = 24, .bitCount = 24}, 24, 24, 0},
      {{.width = 32, .height = 16, .bitCount = 2, .planes = 2}, 32, 16, 16},  // planes times bit count
  };
  for (const Case& c : cases) {
    IconGroup group = test::GroupOf({BitmapImage(c.spec)});
    for (IconFileType type : {IconFileType::Icon, IconFileType::Cursor}) {
      auto bytes = EncodeIconFile(group, type);
      ASSERT_TRUE(bytes);
      EXPECT_EQ(test::Get16(*bytes, 0), 0);
      EXPECT_EQ(test::Get16(*bytes, 2), static_cast<std::uint16_t>(type));
      EXPECT_EQ(test::Get16(*bytes, 4), 1);
      EXPECT_EQ((*bytes)[6], c.width);
      EXPECT_EQ((*bytes)[7], c.height);
      EXPECT_EQ((*bytes)[8], c.colours);
      EXPECT_EQ((*bytes)[9], 0);
      EXPECT_EQ(test::Get16(*bytes, 10), c.spec.planes) << "planes, also for cursors";
      EXPECT_EQ(test::Get16(*bytes, 12), c.spec.bitCount);
    }
  }
}

TEST(EncodeIconFile, PngImagesAreKeptWholeWithSize256AsZero) {
  Bytes png = test::PngImage(256, 256, 8, 6);
  IconGroup group = test::GroupOf({BitmapImage({}), png});
  auto bytes = EncodeIconFile(group, IconFileType::Icon);
  ASSERT_TRUE(bytes);
  EXPECT_EQ((*bytes)[22], 0);
  EXPECT_EQ((*bytes)[23], 0);
  EXPECT_EQ(test::Get16(*bytes, 22 + 4), 1);
  EXPECT_EQ(test::Get16(*bytes, 22 + 6), 32);
  auto back = ReadIcoBytes(*bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->groups[0].images[1].bytes, png);
}

TEST(EncodeIconFile, RoundTripKeepsEveryImageByteForByte) {
  IconGroup group = test::GroupOf({BitmapImage({.width = 32, .height = 32, .bitCount = 4, .fill = 3}),
                                   BitmapImage({.width = 16, .height = 16, .bitCount = 1, .fill = 5}),
                                   BitmapImage({.width = 48, .height = 48, .bitCount = 32, .fill = 7}),
                                   test::PngImage(256, 256, 8, 6)});
  for (IconFileType type : {IconFileType::Icon, IconFileType::Cursor}) {
    auto bytes = EncodeIconFile(group, type);
    ASSERT_TRUE(bytes);
    auto back = ReadIcoBytes(*bytes);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->groups[0].images.size(), group.images.size());
    for (std::size_t i = 0; i < group.images.size(); ++i) {
      EXPECT_EQ(back->groups[0].images[i].bytes, group.images[i].bytes);
      EXPECT_EQ(back->groups[0].images[i].width, group.images[i].width);
      EXPECT_EQ(back->groups[0].images[i].bitDepth, group.images[i].bitDepth);
    }
  }
}

TEST(EncodeIconFile, RefusesEmptyGroups) {
  EXPECT_FALSE(EncodeIconFile(IconGroup{}, IconFileType::Icon));
}

TEST(IconFilePath, AppendsTheExtensionUnlessPresentInAnyCase) {
  EXPECT_EQ(IconFilePath("c:\\pack\\disk", IconFileType::Icon), "c:\\pack\\disk.ico");
  EXPECT_EQ(IconFilePath("c:\\pack\\disk.ICO", IconFileType::Icon), "c:\\pack\\disk.ICO");
  EXPECT_EQ(IconFilePath("c:\\pack\\disk.ico", IconFileType::Cursor), "c:\\pack\\disk.ico.cur");
  EXPECT_EQ(IconFilePath("arrow.Cur", IconFileType::Cursor), "arrow.Cur");
}

TEST(WriteIconFile, WritesTheChosenGroupAndRefusesOtherTypes) {
  test::TempDir dir;
  std::vector<IconGroup> groups = {test::GroupOf({BitmapImage({.fill = 1})}),
                                   test::GroupOf({BitmapImage({.width = 16, .height = 16, .fill = 2})})};
  EXPECT_EQ(WriteIconFile(dir.Path("second"), groups, 1, 1), WriteIconResult::Written);
  auto back = ReadIcoFile(dir.Path("second.ico"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->groups[0].images[0].bytes, groups[1].images[0].bytes);

  EXPECT_EQ(WriteIconFile(dir.Path("arrow.cur"), groups, 0, 2), WriteIconResult::Written);
  EXPECT_EQ(test::Get16(test::ReadAll(dir.Path("arrow.cur")), 2), 2);

  EXPECT_EQ(WriteIconFile(dir.Path("x"), groups, 0, 3), WriteIconResult::UnsupportedType);
  EXPECT_EQ(WriteIconFile(dir.Path("x"), groups, 0, 0), WriteIconResult::UnsupportedType);
  EXPECT_EQ(WriteIconFile(dir.Path("x"), groups, 2, 1), WriteIconResult::Failed);
  EXPECT_EQ(WriteIconFile(dir.Path("no-such-folder/x"), groups, 0, 1), WriteIconResult::Failed);
}

}  // namespace
}  // namespace gd
