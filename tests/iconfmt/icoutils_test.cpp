// Our icon files and libraries as icoutils read them: every image at its size and depth, and
// every library group extracted by wrestool holding our image bytes.
#include <gtest/gtest.h>

#include <cstdio>

#include "iconfmt/icl_writer.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

std::string Output(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, got);
    pclose(pipe);
  }
  return output;
}

// "WxH@D " for every image that icotool lists in the file, or that the group holds.
std::string Formats(const std::string& path) {
  std::string formats, listing = Output("icotool -l '" + path + "' 2>&1");
  for (std::size_t at = listing.find("--width="); at != std::string::npos; at = listing.find("--width=", at + 1)) {
    int width = 0, height = 0, depth = 0;
    std::sscanf(listing.c_str() + at, "--width=%d --height=%d --bit-depth=%d", &width, &height, &depth);
    formats += std::to_string(width) + "x" + std::to_string(height) + "@" + std::to_string(depth) + " ";
  }
  return formats;
}
std::string Formats(const IconGroup& group) {
  std::string formats;
  for (const IconImage& i : group.images) formats += std::to_string(i.width) + "x" + std::to_string(i.height) + "@" + std::to_string(i.bitDepth) + " ";
  return formats;
}

TEST(Icoutils, ReadOurIconFilesAndLibraries) {
  if (std::system("command -v icotool >/dev/null && command -v wrestool >/dev/null") != 0) GTEST_SKIP() << "no icoutils";
  std::vector<IconGroup> groups(29);  // large enough for an alignment shift, one group short
  for (std::size_t g = 0; g < groups.size(); ++g) {
    for (auto [size, bits] : {std::pair{32, 4}, {16, 1}, {48, 8}, {24, 24}, {64, 32}}) {
      const test::BitmapShape shape{.width = size, .height = size, .bitCount = std::uint16_t(bits), .fill = std::uint8_t(g)};
      groups[g].images.push_back(test::ParsedImage(test::BitmapImage(shape)));
    }
  }
  groups[3].images.resize(2);
  test::ScratchFolder dir;
  EXPECT_EQ(Formats(dir.Write("m.cur", *EncodeIconFile(groups[0], IconFileType::Cursor))), Formats(groups[0]));
  const std::string path = dir.Write("pack.icl", *EncodeIconLibrary(groups));
  ASSERT_GT(test::ReadFile(path).at(192), 0);
  const std::string listing = Output("wrestool -l '" + path + "' 2>&1");
  EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 29 + 28 * 5 + 2) << listing;
  for (std::size_t k = 1; k <= groups.size(); ++k) {
    const std::string extracted = dir / ("g" + std::to_string(k) + ".ico");
    Output("wrestool -x --type=14 --name=" + std::to_string(k) + " -o '" + extracted + "' '" + path + "'");
    EXPECT_EQ(Formats(extracted), Formats(groups[k - 1])) << "group " << k;
    const std::string file = test::ReadFile(extracted);
    std::size_t at = 6 + 16 * groups[k - 1].images.size();
    for (const IconImage& image : groups[k - 1].images) {
      EXPECT_EQ(file.substr(at, image.bytes.size()), std::string(image.bytes.begin(), image.bytes.end())) << "group " << k;
      at += image.bytes.size();
    }
  }
}

}  // namespace
}  // namespace gd
