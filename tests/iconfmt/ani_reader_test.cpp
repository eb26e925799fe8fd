// ReadAniBytes: chunk order, rates, sequences and their copies, frames and bad files.
#include <gtest/gtest.h>

#include "iconfmt/ani_reader.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using test::AniHeader;
using test::BitmapImage;
using test::Bytes;
using test::Chunk;
using test::FrameList;
using test::Riff;
using test::Words;

Bytes Frame(std::uint8_t fill) { return test::IcoFile({BitmapImage({.fill = fill})}, 2); }
Bytes FrameImage(std::uint8_t fill) { return BitmapImage({.fill = fill}); }

std::vector<Bytes> Frames(int count) {
  std::vector<Bytes> frames;
  for (int k = 0; k < count; ++k) frames.push_back(Frame(static_cast<std::uint8_t>(10 + k)));
  return frames;
}

TEST(ReadAni, FramesWithoutSequenceAreStepsWithTheDefaultRate) {
  auto file = ReadAniBytes(Riff({{"anih", AniHeader(3, 3, 7, 1)}, FrameList(Frames(3))}));
  ASSERT_TRUE(file);
  ASSERT_EQ(file->groups.size(), 1u);
  const IconGroup& group = file->groups[0];
  EXPECT_TRUE(group.name.empty());
  ASSERT_EQ(group.images.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(group.images[k].bytes, FrameImage(static_cast<std::uint8_t>(10 + k)));
    EXPECT_EQ(group.images[k].displayRate, 7);
    EXPECT_EQ(group.images[k].width, 32);
  }
}

TEST(ReadAni, RatesGiveEachStepItsOwn) {
  auto file = ReadAniBytes(Riff({{"anih", AniHeader(3, 3, 7, 1)}, {"rate", Words({2, 4, 8})}, FrameList(Frames(3))}));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images[0].displayRate, 2);
  EXPECT_EQ(file->groups[0].images[1].displayRate, 4);
  EXPECT_EQ(file->groups[0].images[2].displayRate, 8);
}

TEST(ReadAni, SequenceStepsGetCopiesOfTheirFrames) {
  auto file = ReadAniBytes(Riff({{"anih", AniHeader(4, 6, 5, 3)},
                                 {"rate", Words({1, 2, 3, 4, 5, 6})},
                                 {"seq ", Words({0, 1, 2, 3, 2, 1})},
                                 FrameList(Frames(4))}));
  ASSERT_TRUE(file);
  const auto& steps = file->groups[0].images;
  ASSERT_EQ(steps.size(), 6u);
  const int frameOf[] = {0, 1, 2, 3, 2, 1};
  for (std::size_t j = 0; j < 6; ++j) {
    EXPECT_EQ(steps[j].sequenceIndex, frameOf[j]);
    EXPECT_EQ(steps[j].bytes, FrameImage(static_cast<std::uint8_t>(10 + frameOf[j]))) << j;
    EXPECT_EQ(steps[j].displayRate, static_cast<int>(j) + 1);
  }
  EXPECT_NE(steps[4].bytes.data(), steps[2].bytes.data()) << "own copies";
}

TEST(ReadAni, OnlyTheFirstImageOfAFrameIsUsedAndTheNextFrameIsStillFound) {
  Bytes twoImages = test::IcoFile({FrameImage(1), BitmapImage({.width = 16, .height = 16, .fill = 2})}, 2);
  auto file = ReadAniBytes(Riff({{"anih", AniHeader(2, 2, 5, 1)}, FrameList({twoImages, Frame(3)})}));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images[0].bytes, FrameImage(1));
  EXPECT_EQ(file->groups[0].images[1].bytes, FrameImage(3));
}

TEST(ReadAni, ListBeforeTheHeaderIsSkippedButNotAfterIt) {
  Chunk info{"LIST", {}};
  test::PutTag(info.data, "INFOINAM");
  test::Put32(info.data, 3);
  test::PutTag(info.data, "ab");
  info.data.push_back(0);  // odd size: padded
  EXPECT_TRUE(ReadAniBytes(Riff({info, {"anih", AniHeader(1, 1, 5, 1)}, FrameList(Frames(1))})));
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(1, 1, 5, 1)}, info, FrameList(Frames(1))})));
  EXPECT_FALSE(ReadAniBytes(Riff({info, info, {"anih", AniHeader(1, 1, 5, 1)}, FrameList(Frames(1))})))
      << "at most one list before the header";
}

TEST(ReadAni, SequenceChunkMustMatchTheFlag) {
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(2, 2, 5, 1)}, {"seq ", Words({0, 1})}, FrameList(Frames(2))})))
      << "sequence without flag";
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(2, 2, 5, 3)}, FrameList(Frames(2))}))) << "flag without sequence";
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(2, 2, 5, 3)}, {"seq ", {}}, FrameList(Frames(2))})))
      << "empty sequence";
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(2, 2, 5, 3)}, {"seq ", Words({0})}, FrameList(Frames(2))})))
      << "sequence shorter than the steps";
}

TEST(ReadAni, SequenceNamingMissingFramesLeavesThoseStepsEmpty) {
  auto file = ReadAniBytes(Riff({{"anih", AniHeader(2, 4, 5, 3)},
                                 {"seq ", Words({0, 7, -1, 1})},
                                 FrameList(Frames(2))}));
  ASSERT_TRUE(file);
  const auto& steps = file->groups[0].images;
  EXPECT_EQ(steps[0].bytes, FrameImage(10));
  EXPECT_TRUE(steps[1].bytes.empty());
  EXPECT_TRUE(steps[2].bytes.empty());
  EXPECT_EQ(steps[3].bytes, FrameImage(11));
}

TEST(ReadAni, MoreFramesThanStepsAreReadPast) {
  auto file = ReadAniBytes(Riff({{"anih", AniHeader(3, 2, 5, 1)}, FrameList(Frames(3))}));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images.size(), 2u);
}

TEST(ReadAni, NoFramesGiveStepsWithoutBytes) {
  auto file = ReadAniBytes(Riff({{"anih", AniHeader(0, 2, 5, 1)}, FrameList({})}));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images.size(), 2u);
  EXPECT_TRUE(file->groups[0].images[0].bytes.empty());
}

TEST(ReadAni, RefusesBrokenStructure) {
  const Chunk header{"anih", AniHeader(1, 1, 5, 1)};
  EXPECT_FALSE(ReadAniBytes(Riff({header, FrameList(Frames(1))}, "ACOX")));
  Bytes zeroSize = Riff({header, FrameList(Frames(1))});
  zeroSize[4] = zeroSize[5] = zeroSize[6] = zeroSize[7] = 0;
  EXPECT_FALSE(ReadAniBytes(zeroSize)) << "RIFF size 0";
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", Words({36, 1, 1, 0, 0, 0, 0, 5})}, FrameList(Frames(1))})))
      << "header of 32 bytes";
  EXPECT_FALSE(ReadAniBytes(Riff({header, {"LIST", Bytes{'f', 'r', 'a', 'x'}}}))) << "no fram list";
  EXPECT_FALSE(ReadAniBytes(Riff({header, {"LIST", {}}}))) << "empty list";
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(1, 1, 5, 0)}, FrameList(Frames(1))}))) << "raw frames";
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(1, -1, 5, 1)}, FrameList(Frames(1))}))) << "negative steps";

  Chunk badFrame = FrameList(Frames(1));
  badFrame.data[4] = 'x';  // "icon" -> "xcon"
  EXPECT_FALSE(ReadAniBytes(Riff({header, badFrame})));
  EXPECT_FALSE(ReadAniBytes(Riff({header, FrameList({test::IcoFile({}, 2)})}))) << "frame of no images";
  EXPECT_FALSE(ReadAniBytes(Riff({header, FrameList({test::IcoFile({FrameImage(1)}, 5, 1)})})))
      << "reserved and type both wrong";
  EXPECT_TRUE(ReadAniBytes(Riff({header, FrameList({test::IcoFile({FrameImage(1)}, 5, 0)})})))
      << "a wrong type alone is accepted";
}

TEST(ReadAni, HostileCountsAndSizesStayBounded) {
  // A frame count of two billion with one frame present: the second frame is missing.
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(0x7FFFFFFF, 1, 5, 1)}, FrameList(Frames(1))})));
  // A step count of two billion is refused before anything is allocated.
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(1, 0x7FFFFFFF, 5, 1)}, FrameList(Frames(1))})));
  // A rate chunk that claims more than the file holds.
  Bytes file = Riff({{"anih", AniHeader(1, 1, 5, 1)}, {"rate", Words({1})}, FrameList(Frames(1))});
  file[12 + 8 + 36 + 4] = 0xFF;
  file[12 + 8 + 36 + 7] = 0x7F;
  EXPECT_FALSE(ReadAniBytes(file));
  // A frame whose first image claims 4 GiB.
  Bytes frame = Frame(1);
  frame[14] = frame[15] = frame[16] = frame[17] = 0xFF;
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(1, 1, 5, 1)}, FrameList({frame})})));
  // Every truncation of a good file fails cleanly.
  Bytes good = Riff({{"anih", AniHeader(4, 6, 5, 3)}, {"rate", Words({1, 2, 3, 4, 5, 6})},
                     {"seq ", Words({0, 1, 2, 3, 2, 1})}, FrameList(Frames(4))});
  ASSERT_TRUE(ReadAniBytes(good));
  for (std::size_t length = 0; length < good.size(); length += 5) {
    EXPECT_FALSE(ReadAniBytes(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)))) << length;
  }
}

TEST(ReadAni, ManyStepsShowingOneLargeFrameStayWithinTheLoadBudget) {
  Bytes big = test::IcoFile({test::BitmapImageOfSize(4 << 20)}, 2);
  std::vector<std::int32_t> sequence(128, 0);
  EXPECT_FALSE(ReadAniBytes(Riff({{"anih", AniHeader(1, 128, 5, 3)}, {"seq ", Words(sequence)}, FrameList({big})})));
  sequence.resize(16);
  EXPECT_TRUE(ReadAniBytes(Riff({{"anih", AniHeader(1, 16, 5, 3)}, {"seq ", Words(sequence)}, FrameList({big})})));
}

}  // namespace
}  // namespace gd
