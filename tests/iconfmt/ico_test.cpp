// .ico and .cur files and the image parser: what the reader refuses, and the writer's
// directory entries and round trip.
#include <gtest/gtest.h>

#include "iconfmt/ico_reader.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::Bytes;

TEST(ReadIco, ReadsEveryImageByteForByteAndTrustsOnlyTheImageHeaders) {
  const Bytes big = BitmapImage({.width = 48, .height = 48, .bitCount = 8, .fill = 1});
  const Bytes png = test::PngImage(256, 256, 8, 6);
  for (std::uint16_t type : {1, 2}) {
    Bytes file = test::IcoFile({big, png}, type);
    std::fill(file.begin() + 6, file.begin() + 14, 0xAB);  // sizes, colours, planes or hotspot
    auto read = ReadIcoBytes(file);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->groups.at(0).images.size(), 2u);
    EXPECT_EQ(read->groups[0].images[0].bytes, big);
    EXPECT_EQ(read->groups[0].images[0].width, 48);
    EXPECT_EQ(read->groups[0].images[1].bytes, png);
  }
}

TEST(ReadIco, RefusesBadHeadersAndImagesReachingOutsideTheFile) {
  const Bytes image = BitmapImage({});
  const Bytes file = test::IcoFile({image});  // the 744-byte image at 22 ends the file
  ASSERT_EQ(file.size(), 766u);
  ASSERT_TRUE(ReadIcoBytes(file));
  std::vector<Bytes> bad = {test::IcoFile({image}, 1, 1), test::IcoFile({image}, 0), test::IcoFile({image}, 3),
                            test::IcoFile({}), Bytes(file.begin(), file.end() - 1), Bytes(file.begin(), file.begin() + 21)};
  // Size one over, offset one over, sizes and offsets that wrap around, an empty image.
  for (auto [at, value] : {std::pair{14, 745u}, {18, 23u}, {14, 0xFFFFFFFFu}, {18, 0xFFFFFFFFu}, {14, 0u}}) {
    test::Set32(bad.emplace_back(file), at, value);
  }
  bad.push_back(file);
  bad.back()[4] = bad.back()[5] = 0xFF;  // 65535 entries do not fit
  for (std::size_t i = 0; i < bad.size(); ++i) EXPECT_FALSE(ReadIcoBytes(bad[i])) << "case " << i;
  // 65535 entries all naming one 1 MiB image would hold 64 GiB: over the load budget.
  const Bytes large = test::BitmapImageOfSize(1 << 20);
  Bytes many = {0, 0, 1, 0, 0xFF, 0xFF};
  for (int i = 0; i < 0xFFFF; ++i) {
    many.insert(many.end(), 8, 0);
    test::Put(many, static_cast<std::uint32_t>(large.size()));
    test::Put(many, 6 + 16 * 0xFFFF);
  }
  many.insert(many.end(), large.begin(), large.end());
  EXPECT_FALSE(ReadIcoBytes(many));
}

TEST(ParseImage, TheHeaderMustFitAndTheViewsLieWithinTheBytes) {
  const IconImage twoPlanes = test::ParsedImage(BitmapImage({.width = 32, .bitCount = 2, .planes = 2}));
  EXPECT_EQ(twoPlanes.bitDepth, 4);
  EXPECT_EQ(twoPlanes.xorOffset, 40u) << "no default colour table for a bit count of 2";
  EXPECT_EQ(test::ParsedImage(BitmapImage({.bitCount = 32, .compression = 3})).xorOffset, 52u) << "bit fields";
  const Bytes image = BitmapImage({});
  EXPECT_FALSE(MakeImage(Bytes(image.begin(), image.begin() + 39)));
  EXPECT_TRUE(MakeImage(Bytes(image.begin(), image.begin() + 40))->XorBits().empty());
  EXPECT_TRUE(MakeImage(Bytes(image.begin(), image.end() - 1))->AndMask().empty()) << "one byte short";
  EXPECT_EQ(MakeImage(image)->AndMask().size(), 128u);
  for (std::uint32_t biSize : {0u, 39u, 745u, 0xFFFFFFFFu}) {
    Bytes bad = image;
    test::Set32(bad, 0, biSize);
    EXPECT_FALSE(MakeImage(bad)) << "biSize " << biSize;
  }
  EXPECT_EQ(test::ParsedImage(test::PngImage(256, 128, 8, 2)).bitDepth, 24) << "PNG: size and depth from IHDR";
  EXPECT_FALSE(MakeImage(test::PngImage(16, 16, 8, 5))) << "no such colour type";
}

TEST(EncodeIconFile, EntriesComeFromTheImageHeadersAndTheFileReadsBack) {
  const std::pair<Bytes, Bytes> cases[] = {  // image, entry: width, height, colours, 0, planes, bit count
      {BitmapImage({.fill = 3}), {32, 32, 16, 0, 1, 0, 4, 0}},
      {BitmapImage({.width = 48, .height = 48, .bitCount = 8}), {48, 48, 0, 0, 1, 0, 8, 0}},
      {BitmapImage({.width = 32, .height = 16, .bitCount = 2, .planes = 2}), {32, 16, 16, 0, 2, 0, 2, 0}},
      {test::PngImage(256, 256, 8, 6), {0, 0, 0, 0, 1, 0, 32, 0}},
  };
  IconGroup all;
  for (const auto& [image, entry] : cases) {
    all.images.push_back(test::ParsedImage(image));
    auto bytes = EncodeIconFile(test::GroupOf({image}), IconFileType::Cursor);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(Bytes(bytes->begin(), bytes->begin() + 6), (Bytes{0, 0, 2, 0, 1, 0}));
    EXPECT_EQ(Bytes(bytes->begin() + 6, bytes->begin() + 14), entry) << "planes, for cursors too";
  }
  for (IconFileType type : {IconFileType::Icon, IconFileType::Cursor}) {
    auto back = ReadIcoBytes(*EncodeIconFile(all, type));
    ASSERT_TRUE(back);
    ASSERT_EQ(back->groups[0].images.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(back->groups[0].images[i].bytes, all.images[i].bytes);
  }
  EXPECT_FALSE(EncodeIconFile(IconGroup{}, IconFileType::Icon));
  EXPECT_EQ(IconFilePath("arrow.ico", IconFileType::Cursor), "arrow.ico.cur");
}

}  // namespace
}  // namespace gd
