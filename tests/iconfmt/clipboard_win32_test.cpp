// The clipboard image: halved height, transparent black keyed to magenta, and the clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "iconfmt/clipboard_win32.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::Bytes;

// An 8 x 2 image; pixel bytes and mask bits are set per (x, row), rows counted bottom-up.
struct Picture {
  explicit Picture(std::uint16_t bitCount) : bytes(BitmapImage({.width = 8, .height = 2, .bitCount = bitCount})) {
    image = test::ParsedImage(bytes);
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(image.andOffset), bytes.end(), 0);  // all opaque
  }
  std::size_t Xor(int x, int row, int bytesPerPixel) const {
    return static_cast<std::size_t>(image.xorOffset + image.xorRowLength * row) + static_cast<std::size_t>(x * bytesPerPixel);
  }
  void SetTransparent(int x, int row) {
    bytes[static_cast<std::size_t>(image.andOffset + image.MaskRowLength() * row) + x / 8] |=
        static_cast<std::uint8_t>(0x80 >> (x % 8));
  }
  IconImage Parsed() const { return test::ParsedImage(bytes); }

  Bytes bytes;
  IconImage image;
};

void SetRgb(Bytes& bytes, std::size_t at, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  bytes[at] = b;
  bytes[at + 1] = g;
  bytes[at + 2] = r;
}

TEST(RenderClipboardImage, KeysOnlyTransparentBlackPixelsInTrueColour) {
  Picture picture(24);
  for (int row = 0; row < 2; ++row) {
    for (int x = 0; x < 8; ++x) SetRgb(picture.bytes, picture.Xor(x, row, 3), 255, 255, 255);
  }
  SetRgb(picture.bytes, picture.Xor(0, 0, 3), 0, 0, 0);
  picture.SetTransparent(0, 0);  // transparent black: keyed
  SetRgb(picture.bytes, picture.Xor(1, 0, 3), 0, 0, 0);  // opaque black: stays
  SetRgb(picture.bytes, picture.Xor(2, 1, 3), 200, 10, 30);
  picture.SetTransparent(2, 1);  // transparent, not black (inverts the screen): stays
  picture.SetTransparent(7, 1);  // transparent white: stays
  IconImage image = picture.Parsed();

  auto dib = RenderClipboardImage(image);
  ASSERT_TRUE(dib);
  ASSERT_EQ(dib->size(), image.bytes.size());
  EXPECT_EQ(test::Get32(*dib, 8), 2u) << "the height of the colour bitmap alone";
  auto pixel = [&](int x, int row) {
    std::size_t at = picture.Xor(x, row, 3);
    return std::vector<int>{(*dib)[at + 2], (*dib)[at + 1], (*dib)[at]};
  };
  EXPECT_EQ(pixel(0, 0), (std::vector<int>{255, 0, 255}));
  EXPECT_EQ(pixel(1, 0), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(pixel(2, 1), (std::vector<int>{200, 10, 30}));
  EXPECT_EQ(pixel(7, 1), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(pixel(3, 0), (std::vector<int>{255, 255, 255}));
  // Header apart from the height, colour table and mask stay as they were.
  EXPECT_TRUE(std::equal(dib->begin() + 12, dib->begin() + 40, image.bytes.begin() + 12));
  EXPECT_TRUE(std::equal(dib->begin() + static_cast<std::ptrdiff_t>(image.andOffset), dib->end(),
                         image.bytes.begin() + static_cast<std::ptrdiff_t>(image.andOffset)));
}

TEST(RenderClipboardImage, PalettedImagesTakeTheNearestPaletteColour) {
  Picture picture(4);
  std::size_t table = 40;
  std::fill(picture.bytes.begin() + 40, picture.bytes.begin() + 40 + 64, 0);
  auto setEntry = [&](int index, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    SetRgb(picture.bytes, table + 4 * static_cast<std::size_t>(index), r, g, b);
  };
  setEntry(0, 0, 0, 0);
  setEntry(1, 250, 5, 250);  // nearest to magenta
  setEntry(2, 255, 255, 255);
  for (int index = 3; index < 16; ++index) setEntry(index, 0, 128, 0);
  // Every pixel 0 (black); the first two of row 0 transparent.
  picture.SetTransparent(0, 0);
  picture.SetTransparent(1, 0);
  std::size_t first = static_cast<std::size_t>(picture.image.xorOffset);
  picture.bytes[first] = 0x02;  // pixels 0 and 1 of row 0: black, white
  IconImage image = picture.Parsed();

  auto dib = RenderClipboardImage(image);
  ASSERT_TRUE(dib);
  EXPECT_EQ((*dib)[first], 0x12) << "pixel 0 keyed to palette entry 1, white pixel 1 kept";
  EXPECT_EQ((*dib)[first + 1], 0x00) << "opaque black pixels stay";
  EXPECT_EQ(test::Get32(*dib, 8), 2u);
}

TEST(RenderClipboardImage, RefusesImagesItCannotDraw) {
  EXPECT_FALSE(RenderClipboardImage(test::ParsedImage(test::PngImage(256, 256, 8, 6))));
  Bytes cut = BitmapImage({});
  cut.resize(200);
  EXPECT_FALSE(RenderClipboardImage(test::ParsedImage(cut)));
}

class Clipboard : public ::testing::Test {
 protected:
  // The CF_DIB bytes now on the clipboard.
  static Bytes Contents() {
    Bytes bytes;
    if (!OpenClipboard(nullptr)) return bytes;
    if (HANDLE data = GetClipboardData(CF_DIB)) {
      auto* locked = static_cast<const std::uint8_t*>(GlobalLock(data));
      if (locked) bytes.assign(locked, locked + GlobalSize(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
  }
  test::TempDir dir;
};

TEST_F(Clipboard, CopiesTheMatchingImageOrElseTheFirst) {
  Bytes first = BitmapImage({.width = 32, .height = 32, .bitCount = 24, .fill = 0x40});
  Bytes second = BitmapImage({.width = 16, .height = 16, .bitCount = 8, .fill = 0x41});
  std::string path = dir.Write("two.ico", test::IcoFile({first, second}));

  ASSERT_TRUE(CopyImageToClipboard(nullptr, path, 0, 16, 16, 8));
  Bytes got = Contents();
  auto expected = RenderClipboardImage(test::ParsedImage(second));
  ASSERT_TRUE(expected);
  ASSERT_GE(got.size(), expected->size());
  EXPECT_TRUE(std::equal(expected->begin(), expected->end(), got.begin()));
  EXPECT_EQ(test::Get32(got, 8), 16u);

  ASSERT_TRUE(CopyImageToClipboard(nullptr, path, 0, 48, 48, 8));
  got = Contents();
  EXPECT_EQ(test::Get32(got, 4), 32u) << "no match: the first image";
  EXPECT_EQ(test::Get32(got, 8), 32u);
}

TEST_F(Clipboard, FailsWithoutAnImageToCopy) {
  EXPECT_FALSE(CopyImageToClipboard(nullptr, dir.Path("none.ico"), 0, 32, 32, 4));
  std::string png = dir.Write("png.ico", test::IcoFile({test::PngImage(256, 256, 8, 6)}));
  EXPECT_FALSE(CopyImageToClipboard(nullptr, png, 0, 256, 256, 32)) << "PNG images are refused cleanly";
}

}  // namespace
}  // namespace gd
