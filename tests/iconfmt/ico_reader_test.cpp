// ReadIcoBytes: header rules, directory entries, and files that lie about their sizes.
#include <gtest/gtest.h>

#include "iconfmt/ico_reader.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::Bytes;

void SetWord(Bytes& bytes, std::size_t at, std::uint16_t value) {
  bytes.at(at) = static_cast<std::uint8_t>(value);
  bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void SetDword(Bytes& bytes, std::size_t at, std::uint32_t value) {
  SetWord(bytes, at, static_cast<std::uint16_t>(value));
  SetWord(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

TEST(ReadIco, ReadsEveryImageInDirectoryOrderIntoOneUnnamedGroup) {
  Bytes big = BitmapImage({.width = 32, .height = 32, .bitCount = 4, .fill = 1});
  Bytes small = BitmapImage({.width = 16, .height = 16, .bitCount = 8, .fill = 2});
  Bytes png = test::PngImage(256, 256, 8, 6);
  auto file = ReadIcoBytes(test::IcoFile({big, small, png}));
  ASSERT_TRUE(file);
  ASSERT_EQ(file->groups.size(), 1u);
  const IconGroup& group = file->groups[0];
  EXPECT_TRUE(group.name.empty());
  ASSERT_EQ(group.images.size(), 3u);
  EXPECT_EQ(group.images[0].bytes, big);
  EXPECT_EQ(group.images[1].bytes, small);
  EXPECT_EQ(group.images[2].bytes, png);
  EXPECT_EQ(group.images[1].width, 16);
  EXPECT_EQ(group.images[1].bitDepth, 8);
  EXPECT_EQ(group.images[2].bitDepth, 32);
  EXPECT_TRUE(file->resourceNames.empty());
}

TEST(ReadIco, HeaderRules) {
  Bytes image = BitmapImage({});
  EXPECT_TRUE(ReadIcoBytes(test::IcoFile({image}, 1)));
  EXPECT_TRUE(ReadIcoBytes(test::IcoFile({image}, 2))) << "a cursor reads like an icon";
  EXPECT_FALSE(ReadIcoBytes(test::IcoFile({image}, 1, 1))) << "reserved 1";
  EXPECT_FALSE(ReadIcoBytes(test::IcoFile({image}, 0)));
  EXPECT_FALSE(ReadIcoBytes(test::IcoFile({image}, 3)));
  EXPECT_FALSE(ReadIcoBytes(test::IcoFile({}, 1))) << "count 0";
  EXPECT_FALSE(ReadIcoBytes(Bytes{}));
  EXPECT_FALSE(ReadIcoBytes(Bytes{0, 0, 1, 0, 1})) << "header cut short";
}

TEST(ReadIco, EntryFieldsOtherThanSizeAndOffsetAreIgnored) {
  Bytes file = test::IcoFile({BitmapImage({.width = 48, .height = 48, .bitCount = 8})}, 2);
  // Width, height, colours, reserved, and the hotspot words of a cursor.
  for (std::size_t at = 6; at < 14; ++at) file[at] = 0xAB;
  auto read = ReadIcoBytes(file);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->groups[0].images[0].width, 48);
  EXPECT_EQ(read->groups[0].images[0].height, 48);
  EXPECT_EQ(read->groups[0].images[0].bitDepth, 8);
}

TEST(ReadIco, UsesTheEntryOffsetNotTheDirectoryEnd) {
  Bytes a = BitmapImage({.fill = 1});
  Bytes b = BitmapImage({.width = 16, .height = 16, .fill = 2});
  Bytes file = test::IcoFile({a, b});
  // Swap the two offsets and sizes: images are read where the entries say.
  Bytes swapped = file;
  std::copy(file.begin() + 14, file.begin() + 22, swapped.begin() + 30);
  std::copy(file.begin() + 30, file.begin() + 38, swapped.begin() + 14);
  auto read = ReadIcoBytes(swapped);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->groups[0].images[0].bytes, b);
  EXPECT_EQ(read->groups[0].images[1].bytes, a);
}

// The image at the end of the file: exactly fitting, one byte over, and sizes that overflow.
TEST(ReadIco, ImageBoundsExactFitOneOverAndOverflow) {
  Bytes file = test::IcoFile({BitmapImage({})});
  const std::uint32_t size = test::Get32(file, 14);
  const std::uint32_t offset = test::Get32(file, 18);
  ASSERT_EQ(offset + size, file.size());
  EXPECT_TRUE(ReadIcoBytes(file));

  Bytes over = file;
  SetDword(over, 14, size + 1);
  EXPECT_FALSE(ReadIcoBytes(over)) << "size one byte over";
  over = file;
  SetDword(over, 18, offset + 1);
  EXPECT_FALSE(ReadIcoBytes(over)) << "offset one byte over";
  over = file;
  SetDword(over, 14, 0xFFFFFFFF);
  EXPECT_FALSE(ReadIcoBytes(over)) << "size of 4 GiB";
  over = file;
  SetDword(over, 18, 0xFFFFFFFF);
  EXPECT_FALSE(ReadIcoBytes(over)) << "offset at 4 GiB";
  over = file;
  SetDword(over, 14, 0xFFFFFFFF);
  SetDword(over, 18, 0xFFFFFFFF);
  EXPECT_FALSE(ReadIcoBytes(over)) << "offset plus size wraps in 32 bits";
  over = file;
  SetDword(over, 14, 0);
  EXPECT_FALSE(ReadIcoBytes(over)) << "size 0";
  Bytes truncated(file.begin(), file.end() - 1);
  EXPECT_FALSE(ReadIcoBytes(truncated));
}

TEST(ReadIco, DirectoryBoundsAndHugeCounts) {
  Bytes file = test::IcoFile({BitmapImage({})});
  Bytes claimsMore = file;
  SetWord(claimsMore, 4, 2);  // the second entry would overlap the image: still inside the file
  EXPECT_FALSE(ReadIcoBytes(claimsMore)) << "second entry is image bytes with a bad offset";
  SetWord(claimsMore, 4, 0xFFFF);
  EXPECT_FALSE(ReadIcoBytes(claimsMore)) << "a directory of 65535 entries does not fit";
  Bytes directoryOnly(file.begin(), file.begin() + 22);
  EXPECT_FALSE(ReadIcoBytes(directoryOnly));
  Bytes shortDirectory(file.begin(), file.begin() + 21);
  EXPECT_FALSE(ReadIcoBytes(shortDirectory));
}

TEST(ReadIco, ManyEntriesNamingOneImageStayWithinTheLoadBudget) {
  // 65535 entries that all name one 1 MiB image would be 64 GiB of copies.
  Bytes image = test::BitmapImageOfSize(1 << 20);
  Bytes file;
  test::Put16(file, 0);
  test::Put16(file, 1);
  test::Put16(file, 0xFFFF);
  const std::uint32_t offset = 6 + 16 * 0xFFFF;
  for (int i = 0; i < 0xFFFF; ++i) {
    file.insert(file.end(), 8, 0);
    test::Put32(file, static_cast<std::uint32_t>(image.size()));
    test::Put32(file, offset);
  }
  file.insert(file.end(), image.begin(), image.end());
  EXPECT_FALSE(ReadIcoBytes(file));
}

TEST(ReadIco, AnImageWithoutAHeaderFailsTheRead) {
  Bytes bad = BitmapImage({});
  bad[1] = 0x10;  // biSize past the image
  EXPECT_FALSE(ReadIcoBytes(test::IcoFile({BitmapImage({}), bad})));
}

TEST(ReadIco, ReadsFromFilesAndFailsOnMissingOnes) {
  test::TempDir dir;
  Bytes bytes = test::IcoFile({BitmapImage({})});
  auto file = ReadIcoFile(dir.Write("a.ico", bytes));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images.size(), 1u);
  EXPECT_FALSE(ReadIcoFile(dir.Path("missing.ico")));
}

}  // namespace
}  // namespace gd
