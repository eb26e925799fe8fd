// Format texts: the blanks and names that can go wrong, their round trip, DescribeImages order.
#include <gtest/gtest.h>

#include "iconfmt/descriptions.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

TEST(FormatText, RoundTripsEveryDepthWithAnEnding) {
  EXPECT_EQ(FormatText(ImageFormat{32, 32, 1}), "32 x 32,   2 colors");
  EXPECT_EQ(FormatText(ImageFormat{256, 256, 32}), "256 x 256,  Windows XP");
  EXPECT_EQ(FormatText(ImageFormat{16, 16, 2}), "16 x 16,  Unknown Colors");
  for (std::int32_t depth : {1, 4, 8, 16, 24, 32}) {
    ImageFormat format{0, 0, -5};
    ASSERT_TRUE(ParseFormatText(FormatText(ImageFormat{48, 33, depth}), format));
    EXPECT_EQ(format.width, 48);
    EXPECT_EQ(format.height, 33);
    EXPECT_EQ(format.bitDepth, depth);
  }
}

TEST(ParseFormatText, EndingsIgnoreCaseAndUnknownOnesLeaveTheDepth) {
  ImageFormat format{0, 0, 4};
  ASSERT_TRUE(ParseFormatText("24 x 24,  True colors (15-bit)", format));
  EXPECT_EQ(format.width, 24);
  EXPECT_EQ(format.bitDepth, 4);
  for (const char* text : {"24 x 24,  16 Colors extra", "24 x 24, 16 Colors", "24 x 24,  Unknown Colors"}) {
    ASSERT_TRUE(ParseFormatText(text, format));
    EXPECT_EQ(format.bitDepth, 4) << text;
  }
  ASSERT_TRUE(ParseFormatText("16 x 16,  true COLORS (24-BIT)", format));
  EXPECT_EQ(format.bitDepth, 24);
  EXPECT_FALSE(ParseFormatText("32x32,  Windows XP", format));
}

TEST(DescribeImages, ListsTheLastImageFirst) {
  test::TempDir dir;
  std::string path = dir.Write("two.ico", test::IcoFile({test::BitmapImage({.width = 32, .height = 32, .bitCount = 4}),
                                                         test::BitmapImage({.width = 16, .height = 16, .bitCount = 4}),
                                                         test::PngImage(256, 256, 8, 6)}));
  EXPECT_EQ(DescribeImages(path, 0),
            (std::vector<std::string>{"256 x 256,  Windows XP", "16 x 16,  16 colors", "32 x 32,  16 colors"}));
  EXPECT_FALSE(DescribeImages(dir.Path("none.ico"), 0));
}

}  // namespace
}  // namespace gd
