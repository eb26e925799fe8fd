// Colour-depth names, format texts, DescribeImages order and ParseFormatText round trips.
#include <gtest/gtest.h>

#include "iconfmt/descriptions.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

TEST(ColourDepthName, NamesEachKnownDepth) {
  EXPECT_EQ(ColourDepthName(1), " 2 colors");
  EXPECT_EQ(ColourDepthName(4), "16 colors");
  EXPECT_EQ(ColourDepthName(8), "256 colors");
  EXPECT_EQ(ColourDepthName(15), "True colors (15-bit)");
  EXPECT_EQ(ColourDepthName(16), "True colors (16-bit)");
  EXPECT_EQ(ColourDepthName(24), "True colors (24-bit)");
  EXPECT_EQ(ColourDepthName(32), "Windows XP");
  EXPECT_EQ(ColourDepthName(2), "Unknown Colors");
  EXPECT_EQ(ColourDepthName(0), "Unknown Colors");
  EXPECT_EQ(ColourDepthName(64), "Unknown Colors");
}

TEST(FormatText, WidthHeightAndTwoBlanksBeforeTheName) {
  EXPECT_EQ(FormatText(ImageFormat{32, 32, 1}), "32 x 32,   2 colors");
  EXPECT_EQ(FormatText(ImageFormat{48, 48, 8}), "48 x 48,  256 colors");
  EXPECT_EQ(FormatText(ImageFormat{256, 256, 32}), "256 x 256,  Windows XP");
}

TEST(ParseFormatText, RoundTripsEveryDepthWithAnEnding) {
  for (std::int32_t depth : {1, 4, 8, 16, 24, 32}) {
    for (std::int32_t size : {16, 32, 48, 256}) {
      ImageFormat format{0, 0, -5};
      ASSERT_TRUE(ParseFormatText(FormatText(ImageFormat{size, size + 1, depth}), format));
      EXPECT_EQ(format.width, size);
      EXPECT_EQ(format.height, size + 1);
      EXPECT_EQ(format.bitDepth, depth);
    }
  }
}

TEST(ParseFormatText, UnknownEndingsLeaveTheDepth) {
  ImageFormat format{0, 0, 4};
  ASSERT_TRUE(ParseFormatText("24 x 24,  True colors (15-bit)", format));
  EXPECT_EQ(format.width, 24);
  EXPECT_EQ(format.height, 24);
  EXPECT_EQ(format.bitDepth, 4);
  ASSERT_TRUE(ParseFormatText("24 x 24,  Unknown Colors", format));
  EXPECT_EQ(format.bitDepth, 4);
  ASSERT_TRUE(ParseFormatText("24 x 24,  16 Colors extra", format));
  EXPECT_EQ(format.bitDepth, 4) << "the ending must match whole";
  ASSERT_TRUE(ParseFormatText("24 x 24, 16 Colors", format));
  EXPECT_EQ(format.bitDepth, 4) << "one blank is not the separator";
}

TEST(ParseFormatText, EndingsIgnoreCase) {
  ImageFormat format;
  ASSERT_TRUE(ParseFormatText("16 x 16,  WINDOWS xp", format));
  EXPECT_EQ(format.bitDepth, 32);
  ASSERT_TRUE(ParseFormatText("16 x 16,  true COLORS (24-BIT)", format));
  EXPECT_EQ(format.bitDepth, 24);
}

TEST(ParseFormatText, TextsWithoutTheCrossFail) {
  ImageFormat format{1, 2, 3};
  EXPECT_FALSE(ParseFormatText("", format));
  EXPECT_FALSE(ParseFormatText("32x32,  Windows XP", format));
  EXPECT_EQ(format.width, 1);
}

TEST(DescribeImages, ListsTheLastImageFirst) {
  test::TempDir dir;
  std::string path = dir.Write("two.ico", test::IcoFile({test::BitmapImage({.width = 32, .height = 32, .bitCount = 4}),
                                                         test::BitmapImage({.width = 16, .height = 16, .bitCount = 4}),
                                                         test::PngImage(256, 256, 8, 6)}));
  auto list = DescribeImages(path, 0);
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), 3u);
  EXPECT_EQ((*list)[0], "256 x 256,  Windows XP");
  EXPECT_EQ((*list)[1], "16 x 16,  16 colors");
  EXPECT_EQ((*list)[2], "32 x 32,  16 colors");
  EXPECT_FALSE(DescribeImages(dir.Path("none.ico"), 0));
  EXPECT_FALSE(DescribeImages(dir.Write("x.cur", test::IcoFile({test::BitmapImage({})}, 2)), 0))
      << "LoadIcon reads no cursors";
}

}  // namespace
}  // namespace gd
