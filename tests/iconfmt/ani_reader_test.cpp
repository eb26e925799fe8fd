// ReadAniBytes: chunk order, rates, sequences and their copies, frames, and broken files.
#include <gtest/gtest.h>

#include "iconfmt/ani_reader.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using test::AniHeader;
using test::Bytes;
using test::Chunk;
using test::FrameList;
using test::Riff;
using test::Words;

Bytes FrameImage(int k) { return test::BitmapImage({.fill = static_cast<std::uint8_t>(10 + k)}); }
Bytes Frame(int k) { return test::IcoFile({FrameImage(k)}, 2); }
std::vector<Bytes> Frames(int count) {
  std::vector<Bytes> frames;
  for (int k = 0; k < count; ++k) frames.push_back(Frame(k));
  return frames;
}

TEST(ReadAni, SequenceStepsGetOwnCopiesOfTheirFramesAndOwnRates) {
  auto file = ReadAniBytes(Riff({{"anih", AniHeader(4, 6, 5, 3)}, {"rate", Words({1, 2, 3, 4, 5, 6})},
                                 {"seq ", Words({0, 1, 2, 3, 2, 1})}, FrameList(Frames(4))}));
  ASSERT_TRUE(file);
  ASSERT_EQ(file->groups.size(), 1u);
  const auto& steps = file->groups[0].images;
  ASSERT_EQ(steps.size(), 6u);
  const int frameOf[] = {0, 1, 2, 3, 2, 1};
  for (std::size_t j = 0; j < 6; ++j) {
    EXPECT_EQ(steps[j].sequenceIndex, frameOf[j]);
    EXPECT_EQ(steps[j].bytes, FrameImage(frameOf[j])) << j;
    EXPECT_EQ(steps[j].displayRate, static_cast<int>(j) + 1);
    EXPECT_EQ(steps[j].width, 32);
  }
  EXPECT_NE(steps[4].bytes.data(), steps[2].bytes.data());
}

TEST(ReadAni, WithoutRatesEveryStepHasTheDefaultRate) {
  auto file = ReadAniBytes(Riff({{"anih", AniHeader(3, 3, 7, 1)}, FrameList(Frames(3))}));
  ASSERT_TRUE(file);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(file->groups[0].images.at(k).displayRate, 7);
    EXPECT_EQ(file->groups[0].images[k].bytes, FrameImage(k));
  }
}

TEST(ReadAni, OnlyTheFirstImageOfAFrameIsUsed) {
  Bytes twoImages = test::IcoFile({FrameImage(1), test::BitmapImage({.width = 16, .height = 16})}, 2);
  auto file = ReadAniBytes(Riff({{"anih", AniHeader(2, 2, 5, 1)}, FrameList({twoImages, Frame(3)})}));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images.at(0).bytes, FrameImage(1));
  EXPECT_EQ(file->groups[0].images.at(1).bytes, FrameImage(3)) << "the next frame is still found";
}

TEST(ReadAni, MissingFramesLeaveStepsEmptyAndExtraFramesAreReadPast) {
  auto file = ReadAniBytes(Riff({{"anih", AniHeader(2, 4, 5, 3)}, {"seq ", Words({0, 7, -1, 1})}, FrameList(Frames(2))}));
  ASSERT_TRUE(file);
  const auto& steps = file->groups[0].images;
  EXPECT_EQ(steps.at(0).bytes, FrameImage(0));
  EXPECT_TRUE(steps.at(1).bytes.empty() && steps.at(2).bytes.empty());
  EXPECT_EQ(steps.at(3).bytes, FrameImage(1));
  file = ReadAniBytes(Riff({{"anih", AniHeader(3, 2, 5, 1)}, FrameList(Frames(3))}));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images.size(), 2u);
  file = ReadAniBytes(Riff({{"anih", AniHeader(0, 2, 5, 1)}, FrameList({})}));
  ASSERT_TRUE(file) << "no frames: steps without bytes";
  EXPECT_TRUE(file->groups[0].images.at(1).bytes.empty());
}

TEST(ReadAni, ChunkOrderRules) {
  const Chunk header{"anih", AniHeader(2, 2, 5, 1)};
  Chunk info{"LIST", {'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 3, 0, 0, 0, 'a', 'b', 0}};  // odd: padded
  EXPECT_TRUE(ReadAniBytes(Riff({info, header, FrameList(Frames(2))}))) << "a list before the header is skipped";
  EXPECT_FALSE(ReadAniBytes(Riff({info, info, header, FrameList(Frames(2))})));
  EXPECT_FALSE(ReadAniBytes(Riff({header, info, FrameList(Frames(2))}))) << "a list after it must be the frames";
  EXPECT_FALSE(ReadAniBytes(Riff({header, {"seq ", Words({0, 1})}, FrameList(Frames(2))}))) << "sequence, no flag";
  const Chunk sequenced{"anih", AniHeader(2, 2, 5, 3)};
  EXPECT_FALSE(ReadAniBytes(Riff({sequenced, FrameList(Frames(2))}))) << "flag, no sequence";
  EXPECT_FALSE(ReadAniBytes(Riff({sequenced, {"seq ", {}}, FrameList(Frames(2))})));
  EXPECT_FALSE(ReadAniBytes(Riff({sequenced, {"seq ", Words({0})}, FrameList(Frames(2))}))) << "too short";
}

TEST(ReadAni, RefusesBrokenFiles) {
  const Chunk header{"anih", AniHeader(1, 1, 5, 1)};
  Bytes noSize = Riff({header, FrameList(Frames(1))});
  test::Set32(noSize, 4, 0);
  Chunk notIcon = FrameList(Frames(1));
  notIcon.data[4] = 'x';
  Bytes hugeImage = Frame(1);
  test::Set32(hugeImage, 14, 0xFFFFFFFF);
  const std::vector<Bytes> broken = {
      Riff({header, FrameList(Frames(1))}, "ACOX"),
      noSize,
      Riff({{"anih", Words({36, 1, 1, 0, 0, 0, 0, 5})}, FrameList(Frames(1))}),
      Riff({header, {"LIST", {'f', 'r', 'a', 'x'}}}),
      Riff({{"anih", AniHeader(1, 1, 5, 0)}, FrameList(Frames(1))}),  // frames not in icon form
      Riff({{"anih", AniHeader(1, -1, 5, 1)}, FrameList(Frames(1))}),
      Riff({{"anih", AniHeader(1, 0x7FFFFFFF, 5, 1)}, FrameList(Frames(1))}),
      Riff({{"anih", AniHeader(0x7FFFFFFF, 1, 5, 1)}, FrameList(Frames(1))}),
      Riff({header, notIcon}),
      Riff({header, FrameList({test::IcoFile({}, 2)})}),
      Riff({header, FrameList({test::IcoFile({FrameImage(1)}, 5, 1)})}),
      Riff({header, FrameList({hugeImage})}),
  };
  for (std::size_t i = 0; i < broken.size(); ++i) EXPECT_FALSE(ReadAniBytes(broken[i])) << "case " << i;
  EXPECT_TRUE(ReadAniBytes(Riff({header, FrameList({test::IcoFile({FrameImage(1)}, 5, 0)})})))
      << "a wrong type alone is taken";

  const Bytes good = Riff({{"anih", AniHeader(4, 6, 5, 3)}, {"rate", Words({1, 2, 3, 4, 5, 6})},
                           {"seq ", Words({0, 1, 2, 3, 2, 1})}, FrameList(Frames(4))});
  for (std::size_t length = 0; length < good.size(); length += 5) {
    EXPECT_FALSE(ReadAniBytes(Bytes(good.begin(), good.begin() + length))) << length;
  }
}

TEST(ReadAni, CopiesOfOneLargeFrameStayWithinTheLoadBudget) {
  Bytes big = test::IcoFile({test::BitmapImageOfSize(4 << 20)}, 2);
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(1, 128, 5, 3)}, {"seq ", Words(std::vector<int>(128, 0))},
                                  FrameList({big})})));
  EXPECT_TRUE(ReadAniBytes(Riff({{"anih", AniHeader(1, 16, 5, 3)}, {"seq ", Words(std::vector<int>(16, 0))},
                                 FrameList({big})})));
}

}  // namespace
}  // namespace gd
