// ParseImage: the derived fields, colour tables, row lengths, PNG headers and bad headers.
#include <gtest/gtest.h>

#include "iconfmt/icon_bytes.h"
#include "iconfmt/icon_model.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::BitmapSpec;

TEST(ParseImage, DerivesSizeDepthAndLayoutFromTheHeader) {
  IconImage image = test::ParsedImage(BitmapImage({.width = 32, .height = 32, .bitCount = 4}));
  EXPECT_EQ(image.encoding, ImageEncoding::Bitmap);
  EXPECT_EQ(image.width, 32);
  EXPECT_EQ(image.height, 32);  // biHeight holds colour bitmap and mask: 64
  EXPECT_EQ(image.header.height, 64);
  EXPECT_EQ(image.bitDepth, 4);
  EXPECT_EQ(image.colourTableSize, 64u);
  EXPECT_EQ(image.xorOffset, 40u + 64u);
  EXPECT_EQ(image.xorRowLength, 16u);
  EXPECT_EQ(image.MaskRowLength(), 4u);
  EXPECT_EQ(image.andOffset, 104u + 16u * 32u);
  EXPECT_EQ(image.XorBits().size(), 16u * 32u);
  EXPECT_EQ(image.AndMask().size(), 4u * 32u);
  EXPECT_EQ(image.size(), 744u);
}

TEST(ParseImage, ColourTableSizes) {
  struct Case {
    BitmapSpec spec;
    std::uint32_t tableSize;
  };
  const Case cases[] = {
      {{.bitCount = 1}, 8},
      {{.bitCount = 4}, 64},
      {{.bitCount = 4, .clrUsed = 5}, 20},
      {{.bitCount = 8}, 1024},
      {{.bitCount = 16}, 0},
      {{.bitCount = 24}, 0},
      {{.bitCount = 32}, 0},
      {{.bitCount = 32, .compression = 3}, 12},
      {{.bitCount = 16, .compression = 3}, 12},
      {{.bitCount = 24, .clrUsed = 3}, 12},
  };
  for (const Case& c : cases) {
    IconImage image = test::ParsedImage(BitmapImage(c.spec));
    EXPECT_EQ(image.colourTableSize, c.tableSize) << "bit count " << c.spec.bitCount;
    EXPECT_EQ(image.xorOffset, 40u + c.tableSize);
  }
}

TEST(ParseImage, ColourCountLooksAtBitCountNotPlanes) {
  // Two planes of 2 bits: depth 4, but a bit count of 2 has no default colour table.
  IconImage image = test::ParsedImage(BitmapImage({.bitCount = 2, .planes = 2}));
  EXPECT_EQ(image.bitDepth, 4);
  EXPECT_EQ(image.colourTableSize, 0u);
  EXPECT_EQ(image.xorRowLength, 16u);  // rows use bit count times planes
}

TEST(ParseImage, RowLengthsArePaddedToFourBytes) {
  struct Case {
    std::int32_t width;
    std::uint16_t bitCount;
    std::uint64_t xorRow;
    std::uint64_t maskRow;
  };
  const Case cases[] = {
      {16, 1, 4, 4}, {32, 4, 16, 4}, {48, 8, 48, 8}, {24, 24, 72, 4},
      {1, 1, 4, 4},  {33, 1, 8, 8},  {17, 24, 52, 4}, {256, 32, 1024, 32},
  };
  for (const Case& c : cases) {
    IconImage image = test::ParsedImage(BitmapImage({.width = c.width, .height = 2, .bitCount = c.bitCount}));
    EXPECT_EQ(image.xorRowLength, c.xorRow) << c.width << "x" << c.bitCount;
    EXPECT_EQ(image.MaskRowLength(), c.maskRow) << c.width;
    EXPECT_FALSE(image.AndMask().empty());
  }
}

TEST(ParseImage, PngTakesSizeAndDepthFromIhdr) {
  struct Case {
    std::uint8_t sampleBits, colourType;
    std::int32_t depth;
  };
  for (Case c : {Case{8, 6, 32}, Case{16, 6, 32}, Case{8, 2, 24}, Case{16, 2, 24}, Case{4, 3, 4}, Case{8, 4, 32},
                 Case{1, 0, 1}, Case{16, 0, 8}}) {
    IconImage image = test::ParsedImage(test::PngImage(256, 256, c.sampleBits, c.colourType));
    EXPECT_EQ(image.encoding, ImageEncoding::Png);
    EXPECT_EQ(image.width, 256);
    EXPECT_EQ(image.height, 256);
    EXPECT_EQ(image.bitDepth, c.depth);
    EXPECT_EQ(image.header.planes, 1);
    EXPECT_EQ(image.header.bitCount, c.depth);
    EXPECT_TRUE(image.XorBits().empty());  // nothing to draw as a bitmap
    EXPECT_TRUE(image.AndMask().empty());
  }
}

TEST(ParseImage, RefusesBytesThatHoldNoHeader) {
  test::Bytes full = BitmapImage({});
  IconImage image;
  EXPECT_FALSE(ParseImage(image)) << "empty";
  image.bytes.assign(full.begin(), full.begin() + 39);
  EXPECT_FALSE(ParseImage(image)) << "one byte short of a header";
  image.bytes.assign(full.begin(), full.begin() + 40);
  EXPECT_TRUE(ParseImage(image)) << "exactly a header";
  EXPECT_TRUE(image.XorBits().empty()) << "bitmap missing";

  for (std::uint32_t biSize : {0u, 12u, 39u, static_cast<std::uint32_t>(full.size()) + 1, 0xFFFFFFFFu}) {
    test::Bytes bad = full;
    bad[0] = static_cast<std::uint8_t>(biSize);
    bad[1] = static_cast<std::uint8_t>(biSize >> 8);
    bad[2] = static_cast<std::uint8_t>(biSize >> 16);
    bad[3] = static_cast<std::uint8_t>(biSize >> 24);
    EXPECT_FALSE(MakeImage(bad)) << "biSize " << biSize;
  }
  test::Bytes png = test::PngImage(16, 16, 8, 6);
  EXPECT_FALSE(MakeImage(test::Bytes(png.begin(), png.begin() + 25))) << "IHDR cut short";
  png[25] = 5;  // no such colour type
  EXPECT_FALSE(MakeImage(png));
}

TEST(ParseImage, HostileDimensionsGiveEmptyViewsNotReadsOutside) {
  struct Case {
    std::int32_t width, height;
    std::uint16_t bitCount, planes;
    std::uint32_t clrUsed;
  };
  for (Case c : {Case{0x7FFFFFFF, 0x3FFFFFFF, 0xFFFF, 0xFFFF, 0}, Case{-32, 32, 4, 1, 0},
                 Case{32, -32, 4, 1, 0}, Case{32, 32, 4, 1, 0xFFFFFFFF}, Case{32, 32, 4, 1, 0x40000000}}) {
    test::Bytes bytes = BitmapImage({});
    test::Bytes header;
    test::Put32(header, 40);
    test::Put32(header, static_cast<std::uint32_t>(c.width));
    test::Put32(header, static_cast<std::uint32_t>(c.height) * 2);
    test::Put16(header, c.planes);
    test::Put16(header, c.bitCount);
    std::copy(header.begin(), header.end(), bytes.begin());
    bytes[32] = static_cast<std::uint8_t>(c.clrUsed);
    bytes[33] = static_cast<std::uint8_t>(c.clrUsed >> 8);
    bytes[34] = static_cast<std::uint8_t>(c.clrUsed >> 16);
    bytes[35] = static_cast<std::uint8_t>(c.clrUsed >> 24);
    auto image = MakeImage(bytes);
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->XorBits().empty() || image->AndMask().empty()) << c.width << "x" << c.height;
  }
}

TEST(FindImage, TakesTheFirstExactMatchAndNeverANearestSize) {
  IconGroup group = test::GroupOf({BitmapImage({.width = 32, .height = 32, .bitCount = 4}),
                                   BitmapImage({.width = 16, .height = 16, .bitCount = 8}),
                                   BitmapImage({.width = 16, .height = 16, .bitCount = 8, .fill = 9})});
  EXPECT_EQ(FindImage(group, 16, 16, 8), &group.images[1]);
  EXPECT_EQ(FindImage(group, 32, 32, 4), &group.images[0]);
  EXPECT_EQ(FindImage(group, 32, 32, 8), nullptr);
  EXPECT_EQ(FindImage(group, 48, 48, 4), nullptr);
}

}  // namespace
}  // namespace gd
