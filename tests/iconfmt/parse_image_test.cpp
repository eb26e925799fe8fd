// ParseImage: derived fields, colour tables, row lengths, PNG headers and headers that lie.
#include <gtest/gtest.h>

#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::BitmapShape;

TEST(ParseImage, DerivedFieldsColourTablesAndRowLengths) {
  struct Case {
    BitmapShape shape;
    std::uint32_t table;
    std::uint64_t xorRow, maskRow;
    std::int32_t depth;
  };
  const Case cases[] = {
      {{.width = 32, .bitCount = 4}, 64, 16, 4, 4},
      {{.width = 32, .bitCount = 4, .clrUsed = 5}, 20, 16, 4, 4},
      {{.width = 16, .bitCount = 1}, 8, 4, 4, 1},
      {{.width = 48, .bitCount = 8}, 1024, 48, 8, 8},
      {{.width = 17, .bitCount = 24}, 0, 52, 4, 24},
      {{.width = 33, .bitCount = 16}, 0, 68, 8, 16},
      {{.width = 32, .bitCount = 32, .compression = 3}, 12, 128, 4, 32},
      {{.width = 24, .bitCount = 24, .clrUsed = 3}, 12, 72, 4, 24},
      // Two planes of 2 bits: depth 4, rows of 4 bits, but no default table for a bit count of 2.
      {{.width = 32, .bitCount = 2, .planes = 2}, 0, 16, 4, 4},
  };
  for (const Case& c : cases) {
    IconImage image = test::ParsedImage(BitmapImage(c.shape));
    SCOPED_TRACE(std::to_string(c.shape.width) + " px, " + std::to_string(c.shape.bitCount) + " bits");
    EXPECT_EQ(image.width, c.shape.width);
    EXPECT_EQ(image.height, 32);  // biHeight counts bitmap and mask: 64
    EXPECT_EQ(image.bitDepth, c.depth);
    EXPECT_EQ(image.colourTableSize, c.table);
    EXPECT_EQ(image.xorOffset, 40u + c.table);
    EXPECT_EQ(image.xorRowLength, c.xorRow);
    EXPECT_EQ(image.MaskRowLength(), c.maskRow);
    EXPECT_EQ(image.andOffset, image.xorOffset + c.xorRow * 32);
    EXPECT_EQ(image.AndMask().size(), c.maskRow * 32);
    EXPECT_EQ(image.AndMask().data() + image.AndMask().size(), image.bytes.data() + image.bytes.size());
  }
}

TEST(ParseImage, PngImagesTakeSizeAndDepthFromIhdr) {
  struct Case {
    std::uint8_t sampleBits, colourType;
    std::int32_t depth;
  };
  for (Case c : {Case{8, 6, 32}, Case{16, 6, 32}, Case{8, 4, 32}, Case{8, 2, 24}, Case{4, 3, 4}, Case{16, 0, 8}}) {
    IconImage image = test::ParsedImage(test::PngImage(256, 128, c.sampleBits, c.colourType));
    EXPECT_EQ(image.encoding, ImageEncoding::Png);
    EXPECT_EQ(image.width, 256);
    EXPECT_EQ(image.height, 128);
    EXPECT_EQ(image.bitDepth, c.depth) << int(c.colourType);
    EXPECT_EQ(image.header.bitCount, c.depth);
    EXPECT_TRUE(image.XorBits().empty());
  }
}

TEST(ParseImage, RefusesBytesWithoutAHeaderThatFits) {
  test::Bytes full = BitmapImage({});
  EXPECT_FALSE(MakeImage(test::Bytes{}));
  EXPECT_FALSE(MakeImage(test::Bytes(full.begin(), full.begin() + 39)));
  auto headerOnly = MakeImage(test::Bytes(full.begin(), full.begin() + 40));
  ASSERT_TRUE(headerOnly);
  EXPECT_TRUE(headerOnly->XorBits().empty());
  for (std::uint32_t biSize : {0u, 39u, std::uint32_t(full.size() + 1), 0xFFFFFFFFu}) {
    test::Bytes bad = full;
    test::Set32(bad, 0, biSize);
    EXPECT_FALSE(MakeImage(bad)) << "biSize " << biSize;
  }
  test::Bytes png = test::PngImage(16, 16, 8, 6);
  EXPECT_FALSE(MakeImage(test::Bytes(png.begin(), png.begin() + 25))) << "IHDR cut short";
  png[25] = 5;  // no such colour type
  EXPECT_FALSE(MakeImage(png));
}

}  // namespace
}  // namespace gd
