// Icon, cursor and animated cursor files: what the readers refuse (cut short, reaching outside
// the file, lying headers), what they read byte for byte, and the icon file writer.
#include <gtest/gtest.h>

#include "iconfmt/ani_reader.h"
#include "iconfmt/ico_reader.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using namespace test;

TEST(ReadIco, RefusesBadHeadersAndImagesReachingOutsideTheFile) {
  const Bytes image = BitmapImage({});
  const Bytes file = IcoFile({image});  // the 744-byte image at 22 ends the file
  ASSERT_TRUE(ReadIcoBytes(file));
  std::vector<Bytes> bad = {IcoFile({image}, 1, 1), IcoFile({image}, 0), IcoFile({image}, 3),
                            IcoFile({}), Bytes(file.begin(), file.end() - 1), Bytes(file.begin(), file.begin() + 21)};
  // Size one over, offset one over, sizes and offsets that wrap around, an empty image.
  for (auto [at, value] : {std::pair{14, 745u}, {18, 23u}, {14, 0xFFFFFFFFu}, {18, 0xFFFFFFFFu}, {14, 0u}}) {
    Set32(bad.emplace_back(file), at, value);
  }
  bad.push_back(file);
  bad.back()[4] = bad.back()[5] = 0xFF;  // 65535 entries do not fit
  for (std::size_t i = 0; i < bad.size(); ++i) EXPECT_FALSE(ReadIcoBytes(bad[i])) << "case " << i;
  // 65535 entries all naming one 1 MiB image would hold 64 GiB: over the load budget.
  const Bytes large = BitmapImageOfSize(1 << 20);
  Bytes many = {0, 0, 1, 0, 0xFF, 0xFF};
  for (int i = 0; i < 0xFFFF; ++i) {
    many.insert(many.end(), 8, 0);
    Put(many, static_cast<std::uint32_t>(large.size()));
    Put(many, 6 + 16 * 0xFFFF);
  }
  many.insert(many.end(), large.begin(), large.end());
  EXPECT_FALSE(ReadIcoBytes(many));
  // Image headers that lie: biSize short of the header or past the bytes, cut-off masks.
  for (std::uint32_t biSize : {0u, 39u, 745u, 0xFFFFFFFFu}) Set32(bad.emplace_back(image), 0, biSize);
  for (std::size_t i = bad.size() - 4; i < bad.size(); ++i) EXPECT_FALSE(MakeImage(bad[i])) << "biSize case " << i;
  EXPECT_FALSE(MakeImage(Bytes(image.begin(), image.begin() + 39)));
  EXPECT_TRUE(MakeImage(Bytes(image.begin(), image.end() - 1))->AndMask().empty()) << "one byte short";
  EXPECT_EQ(MakeImage(image)->AndMask().size(), 128u);
  EXPECT_FALSE(MakeImage(PngImage(16, 16, 8, 5))) << "no such colour type";
}

TEST(EncodeIconFile, EntriesComeFromTheImageHeadersAndTheFileReadsBackByteForByte) {
  const std::pair<Bytes, Bytes> cases[] = {  // image, entry: width, height, colours, 0, planes, bit count
      {BitmapImage({.fill = 3}), {32, 32, 16, 0, 1, 0, 4, 0}},
      {BitmapImage({.width = 48, .height = 48, .bitCount = 8}), {48, 48, 0, 0, 1, 0, 8, 0}},
      {BitmapImage({.width = 32, .height = 16, .bitCount = 2, .planes = 2}), {32, 16, 16, 0, 2, 0, 2, 0}},
      {PngImage(256, 256, 8, 6), {0, 0, 0, 0, 1, 0, 32, 0}},
  };
  IconGroup all;
  for (const auto& [image, entry] : cases) {
    all.images.push_back(MakeImage(image).value());
    auto bytes = EncodeIconFile(GroupOf({image}), IconFileType::Cursor);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(Bytes(bytes->begin(), bytes->begin() + 6), (Bytes{0, 0, 2, 0, 1, 0}));
    EXPECT_EQ(Bytes(bytes->begin() + 6, bytes->begin() + 14), entry) << "planes, for cursors too";
  }
  for (IconFileType type : {IconFileType::Icon, IconFileType::Cursor}) {
    Bytes file = *EncodeIconFile(all, type);
    std::fill(file.begin() + 6, file.begin() + 14, 0xAB);  // the reader trusts only the image headers
    auto back = ReadIcoBytes(file);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->groups[0].images.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(back->groups[0].images[i].bytes, all.images[i].bytes);
  }
}

Bytes FrameImage(int k) { return BitmapImage({.fill = static_cast<std::uint8_t>(10 + k)}); }
Bytes Frame(int k) { return IcoFile({FrameImage(k)}, 2); }
Chunk Frames(int count) {
  std::vector<Bytes> frames;
  for (int k = 0; k < count; ++k) frames.push_back(Frame(k));
  return FrameList(frames);
}
const Bytes kSequenced = Riff({AniHeader(4, 6, 3), {"rate", Words({1, 2, 3, 4, 5, 6})},
                               {"seq ", Words({0, 1, 2, 3, 2, 1})}, Frames(4)});

TEST(ReadAni, StepsShowTheirSequencedFrameAtTheirOwnRateElseTheDefault) {
  auto file = ReadAniBytes(kSequenced);
  ASSERT_TRUE(file);
  const auto& steps = file->groups.at(0).images;
  ASSERT_EQ(steps.size(), 6u);
  const int frameOf[] = {0, 1, 2, 3, 2, 1};
  for (std::size_t j = 0; j < 6; ++j) {
    EXPECT_EQ(steps[j].sequenceIndex, frameOf[j]);
    EXPECT_EQ(steps[j].bytes, FrameImage(frameOf[j])) << j;
    EXPECT_EQ(steps[j].displayRate, static_cast<int>(j) + 1);
  }
  // No rates: the default; missing frames: steps without bytes; of a frame only its first image.
  const Bytes twoImages = IcoFile({FrameImage(1), BitmapImage({.width = 16, .height = 16})}, 2);
  file = ReadAniBytes(Riff({AniHeader(3, 4, 3), {"seq ", Words({0, 7, -1, 1})},
                            FrameList({twoImages, Frame(3), Frame(4)})}));
  ASSERT_TRUE(file);
  const auto& sparse = file->groups.at(0).images;
  ASSERT_EQ(sparse.size(), 4u);
  EXPECT_EQ(sparse[0].displayRate, 5);
  EXPECT_EQ(sparse[0].bytes, FrameImage(1));
  EXPECT_TRUE(sparse[1].bytes.empty() && sparse[2].bytes.empty());
  EXPECT_EQ(sparse[3].bytes, FrameImage(3));
}

// Without a sequence step k shows frame k: steps past the last frame keep no bytes, and frames
// past the last step are read past unparsed, so a broken image there costs the file nothing.
TEST(ReadAni, UnsequencedStepsShowTheFrameOfTheirOwnNumber) {
  auto file = ReadAniBytes(Riff({AniHeader(2, 65535, 1), {"rate", Words(std::vector<int>(65535, 9))}, Frames(2)}));
  ASSERT_TRUE(file);
  const auto& steps = file->groups.at(0).images;
  ASSERT_EQ(steps.size(), 65535u);
  EXPECT_EQ(steps[1].bytes, FrameImage(1));
  EXPECT_EQ(steps[1].width, 32);
  EXPECT_TRUE(steps[2].bytes.empty() && steps[65534].bytes.empty());
  EXPECT_EQ(steps[65534].displayRate, 9);
  EXPECT_EQ(steps[65534].sequenceIndex, 0);
  // Without rates or a sequence a step beyond the frames would hold nothing: none is made.
  file = ReadAniBytes(Riff({AniHeader(2, 65535, 1), Frames(2)}));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups.at(0).images.size(), 2u);
  const Bytes brokenImage = IcoFile({BitmapImageOfSize(39)}, 2);
  file = ReadAniBytes(Riff({AniHeader(3, 2, 1), FrameList({Frame(0), Frame(1), brokenImage})}));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups.at(0).images.at(1).displayRate, 5);
  EXPECT_FALSE(ReadAniBytes(Riff({AniHeader(3, 3, 1), FrameList({Frame(0), Frame(1), brokenImage})})));
}

TEST(ReadAni, RefusesBrokenFilesAndChunksOutOfOrder) {
  const Chunk header = AniHeader(1, 1, 1);
  const Chunk info{"LIST", {'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 3, 0, 0, 0, 'a', 'b', 0}};  // odd: padded
  EXPECT_TRUE(ReadAniBytes(Riff({info, header, Frames(1)}))) << "a list before the header is skipped";
  Bytes noSize = Riff({header, Frames(1)});
  Set32(noSize, 4, 0);
  Chunk notIcon = Frames(1);
  notIcon.data[4] = 'x';
  Bytes hugeImage = Frame(1);
  Set32(hugeImage, 14, 0xFFFFFFFF);
  const std::vector<Bytes> broken = {
      Riff({header, Frames(1)}, "ACOX"), noSize, Riff({{"anih", Words({36, 1, 1, 0, 0, 0, 0, 5})}, Frames(1)}),
      Riff({info, info, header, Frames(1)}), Riff({header, info, Frames(1)}),  // a list after it must be frames
      Riff({header, {"LIST", {'f', 'r', 'a', 'x'}}}),
      Riff({header, {"seq ", Words({0})}, Frames(1)}),  // a sequence without the flag
      Riff({AniHeader(1, 1, 3), Frames(1)}),            // the flag without a sequence
      Riff({AniHeader(1, 2, 3), {"seq ", Words({0})}, Frames(1)}), Riff({AniHeader(1, 1, 0), Frames(1)}),
      Riff({AniHeader(1, -1, 1), Frames(1)}), Riff({AniHeader(1, 0x7FFFFFFF, 1), Frames(1)}),
      Riff({AniHeader(0x7FFFFFFF, 1, 1), Frames(1)}), Riff({header, notIcon}),
      Riff({header, FrameList({IcoFile({}, 2)})}),
      Riff({header, FrameList({IcoFile({FrameImage(1)}, 5, 1)})}), Riff({header, FrameList({hugeImage})}),
  };
  for (std::size_t i = 0; i < broken.size(); ++i) EXPECT_FALSE(ReadAniBytes(broken[i])) << "case " << i;
  for (std::size_t length = 0; length < kSequenced.size(); length += 5) {
    EXPECT_FALSE(ReadAniBytes(Bytes(kSequenced.begin(), kSequenced.begin() + length))) << length;
  }
  // Copies of one large frame stay within the load budget.
  const Chunk big = FrameList({IcoFile({BitmapImageOfSize(4 << 20)}, 2)});
  EXPECT_FALSE(ReadAniBytes(Riff({AniHeader(1, 128, 3), {"seq ", Words(std::vector<int>(128, 0))}, big})));
}

}  // namespace
}  // namespace gd
