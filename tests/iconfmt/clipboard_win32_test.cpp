// The clipboard image: halved height, transparent black keyed to magenta, and the clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include "iconfmt/clipboard_win32.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using test::Bytes;

// An 8 x 2 image, all opaque; pixels and mask bits are set per (x, row), rows bottom-up.
struct Picture {
  explicit Picture(std::uint16_t bitCount)
      : bytes(test::BitmapImage({.width = 8, .height = 2, .bitCount = bitCount})), image(test::ParsedImage(bytes)) {
    std::fill(bytes.begin() + image.andOffset, bytes.end(), 0);
  }
  std::size_t Pixel(int x, int row) const { return image.xorOffset + image.xorRowLength * row + 3 * x; }
  void SetTransparent(int x, int row) { bytes[image.andOffset + 4 * row + x / 8] |= std::uint8_t(0x80 >> (x % 8)); }
  void SetRgb(std::size_t at, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    bytes[at] = b, bytes[at + 1] = g, bytes[at + 2] = r;
  }
  Bytes bytes;
  IconImage image;
};

TEST(RenderClipboardImage, KeysOnlyTransparentBlackPixels) {
  Picture picture(24);
  for (int row = 0; row < 2; ++row) {
    for (int x = 0; x < 8; ++x) picture.SetRgb(picture.Pixel(x, row), 255, 255, 255);
  }
  picture.SetRgb(picture.Pixel(0, 0), 0, 0, 0);
  picture.SetTransparent(0, 0);                         // transparent black: keyed
  picture.SetRgb(picture.Pixel(1, 0), 0, 0, 0);         // opaque black: stays
  picture.SetRgb(picture.Pixel(2, 1), 200, 10, 30);
  picture.SetTransparent(2, 1);                         // transparent, not black: stays
  IconImage image = test::ParsedImage(picture.bytes);
  auto dib = RenderClipboardImage(image);
  ASSERT_TRUE(dib);
  auto rgb = [&](int x, int row) {
    std::size_t at = picture.Pixel(x, row);
    return Bytes{(*dib)[at + 2], (*dib)[at + 1], (*dib)[at]};
  };
  EXPECT_EQ(rgb(0, 0), (Bytes{255, 0, 255}));
  EXPECT_EQ(rgb(1, 0), (Bytes{0, 0, 0}));
  EXPECT_EQ(rgb(2, 1), (Bytes{200, 10, 30}));
  EXPECT_EQ(rgb(3, 0), (Bytes{255, 255, 255}));
  EXPECT_EQ(test::Get32(*dib, 8), 2u) << "the height of the colour bitmap alone";
  Bytes rest(dib->begin() + image.andOffset, dib->end());
  EXPECT_EQ(rest, Bytes(image.bytes.begin() + image.andOffset, image.bytes.end())) << "the mask stays behind";
}

TEST(RenderClipboardImage, PalettedImagesTakeTheNearestPaletteColour) {
  Picture picture(4);
  for (int index = 0; index < 16; ++index) picture.SetRgb(40 + 4 * index, 0, 128, 0);
  picture.SetRgb(40, 0, 0, 0);
  picture.SetRgb(44, 250, 5, 250);  // nearest to magenta
  picture.SetRgb(48, 255, 255, 255);
  std::size_t first = picture.image.xorOffset;
  picture.bytes[first] = 0x02;  // row 0: pixel 0 black, pixel 1 white; the rest black
  picture.SetTransparent(0, 0);
  picture.SetTransparent(1, 0);
  auto dib = RenderClipboardImage(test::ParsedImage(picture.bytes));
  ASSERT_TRUE(dib);
  EXPECT_EQ((*dib)[first], 0x12) << "black keyed to entry 1, white kept";
  EXPECT_EQ((*dib)[first + 1], 0x00) << "opaque black stays";
}

TEST(RenderClipboardImage, RefusesImagesItCannotDraw) {
  EXPECT_FALSE(RenderClipboardImage(test::ParsedImage(test::PngImage(256, 256, 8, 6))));
  Bytes cut = test::BitmapImage({});
  cut.resize(200);
  EXPECT_FALSE(RenderClipboardImage(test::ParsedImage(cut)));
}

Bytes ClipboardDib() {
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

TEST(CopyImageToClipboard, CopiesTheMatchingImageOrElseTheFirst) {
  test::TempDir dir;
  Bytes first = test::BitmapImage({.width = 32, .height = 32, .bitCount = 24, .fill = 0x40});
  Bytes second = test::BitmapImage({.width = 16, .height = 16, .bitCount = 8, .fill = 0x41});
  std::string path = dir.Write("two.ico", test::IcoFile({first, second}));
  ASSERT_TRUE(CopyImageToClipboard(nullptr, path, 0, 16, 16, 8));
  Bytes got = ClipboardDib();
  auto expected = RenderClipboardImage(test::ParsedImage(second));
  ASSERT_TRUE(expected);
  ASSERT_GE(got.size(), expected->size());
  EXPECT_TRUE(std::equal(expected->begin(), expected->end(), got.begin()));
  ASSERT_TRUE(CopyImageToClipboard(nullptr, path, 0, 48, 48, 8));
  got = ClipboardDib();
  EXPECT_EQ(test::Get32(got, 4), 32u) << "no match: the first image";
  EXPECT_EQ(test::Get32(got, 8), 32u);

  EXPECT_FALSE(CopyImageToClipboard(nullptr, dir.Path("none.ico"), 0, 32, 32, 4));
  std::string png = dir.Write("png.ico", test::IcoFile({test::PngImage(256, 256, 8, 6)}));
  EXPECT_FALSE(CopyImageToClipboard(nullptr, png, 0, 256, 256, 32)) << "PNG images are refused cleanly";
}

}  // namespace
}  // namespace gd
