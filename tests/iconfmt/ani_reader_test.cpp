// ReadAniBytes: sequences, rates and frames, chunk order, and broken or truncated files.
#include <gtest/gtest.h>

#include "iconfmt/ani_reader.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using test::AniHeader;
using test::Bytes;
using test::Chunk;
using test::Riff;
using test::Words;

Bytes FrameImage(int k) { return test::BitmapImage({.fill = static_cast<std::uint8_t>(10 + k)}); }
Bytes Frame(int k) { return test::IcoFile({FrameImage(k)}, 2); }
Chunk Frames(int count) {
  std::vector<Bytes> frames;
  for (int k = 0; k < count; ++k) frames.push_back(Frame(k));
  return test::FrameList(frames);
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
  // No rates: the default; frames the file does not have: steps without bytes; of a frame
  // only the first image, and frames beyond the steps read past.
  const Bytes twoImages = test::IcoFile({FrameImage(1), test::BitmapImage({.width = 16, .height = 16})}, 2);
  file = ReadAniBytes(Riff({AniHeader(3, 4, 3), {"seq ", Words({0, 7, -1, 1})},
                            test::FrameList({twoImages, Frame(3), Frame(4)})}));
  ASSERT_TRUE(file);
  const auto& sparse = file->groups.at(0).images;
  ASSERT_EQ(sparse.size(), 4u);
  EXPECT_EQ(sparse[0].displayRate, 5);
  EXPECT_EQ(sparse[0].bytes, FrameImage(1));
  EXPECT_TRUE(sparse[1].bytes.empty() && sparse[2].bytes.empty());
  EXPECT_EQ(sparse[3].bytes, FrameImage(3));
}

TEST(ReadAni, RefusesBrokenFilesAndChunksOutOfOrder) {
  const Chunk header = AniHeader(1, 1, 1);
  const Chunk info{"LIST", {'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 3, 0, 0, 0, 'a', 'b', 0}};  // odd: padded
  EXPECT_TRUE(ReadAniBytes(Riff({info, header, Frames(1)}))) << "a list before the header is skipped";
  EXPECT_TRUE(ReadAniBytes(Riff({header, test::FrameList({test::IcoFile({FrameImage(1)}, 5)})}))) << "a wrong type";
  Bytes noSize = Riff({header, Frames(1)});
  test::Set32(noSize, 4, 0);
  Chunk notIcon = Frames(1);
  notIcon.data[4] = 'x';
  Bytes hugeImage = Frame(1);
  test::Set32(hugeImage, 14, 0xFFFFFFFF);
  const std::vector<Bytes> broken = {
      Riff({header, Frames(1)}, "ACOX"), noSize, Riff({{"anih", Words({36, 1, 1, 0, 0, 0, 0, 5})}, Frames(1)}),
      Riff({info, info, header, Frames(1)}), Riff({header, info, Frames(1)}),  // a list after it must be frames
      Riff({header, {"LIST", {'f', 'r', 'a', 'x'}}}),
      Riff({header, {"seq ", Words({0})}, Frames(1)}),  // a sequence without the flag
      Riff({AniHeader(1, 1, 3), Frames(1)}),            // the flag without a sequence
      Riff({AniHeader(1, 2, 3), {"seq ", Words({0})}, Frames(1)}), Riff({AniHeader(1, 1, 0), Frames(1)}),
      Riff({AniHeader(1, -1, 1), Frames(1)}), Riff({AniHeader(1, 0x7FFFFFFF, 1), Frames(1)}),
      Riff({AniHeader(0x7FFFFFFF, 1, 1), Frames(1)}), Riff({header, notIcon}),
      Riff({header, test::FrameList({test::IcoFile({}, 2)})}),
      Riff({header, test::FrameList({test::IcoFile({FrameImage(1)}, 5, 1)})}), Riff({header, test::FrameList({hugeImage})}),
  };
  for (std::size_t i = 0; i < broken.size(); ++i) EXPECT_FALSE(ReadAniBytes(broken[i])) << "case " << i;
  for (std::size_t length = 0; length < kSequenced.size(); length += 5) {
    EXPECT_FALSE(ReadAniBytes(Bytes(kSequenced.begin(), kSequenced.begin() + length))) << length;
  }
  // Copies of one large frame stay within the load budget.
  const Chunk big = test::FrameList({test::IcoFile({test::BitmapImageOfSize(4 << 20)}, 2)});
  EXPECT_FALSE(ReadAniBytes(Riff({AniHeader(1, 128, 3), {"seq ", Words(std::vector<int>(128, 0))}, big})));
  EXPECT_TRUE(ReadAniBytes(Riff({AniHeader(1, 16, 3), {"seq ", Words(std::vector<int>(16, 0))}, big})));
}

}  // namespace
}  // namespace gd
