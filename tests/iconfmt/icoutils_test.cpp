// Our .ico, .cur and .icl files as icoutils (icotool, wrestool) read them back.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "iconfmt/icl_writer.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

std::string Capture(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, got);
    pclose(pipe);
  }
  return output;
}

// "WxH@D" for every image that icotool lists.
std::vector<std::string> IcotoolFormats(const std::string& path) {
  std::vector<std::string> formats;
  std::istringstream listing(Capture("icotool -l '" + path + "' 2>&1"));
  auto field = [](const std::string& line, const std::string& name) {
    std::size_t at = line.find("--" + name + "=");
    return at == std::string::npos ? "?" : line.substr(at + name.size() + 3, line.find(' ', at) - at - name.size() - 3);
  };
  for (std::string line; std::getline(listing, line);) {
    formats.push_back(field(line, "width") + "x" + field(line, "height") + "@" + field(line, "bit-depth"));
  }
  return formats;
}

std::vector<std::string> OurFormats(const IconGroup& group) {
  std::vector<std::string> formats;
  for (const IconImage& image : group.images) {
    formats.push_back(std::to_string(image.width) + "x" + std::to_string(image.height) + "@" + std::to_string(image.bitDepth));
  }
  return formats;
}

IconGroup Mixed(std::uint8_t seed) {
  IconGroup group;
  for (auto [size, bits] : {std::pair{32, 4}, {16, 1}, {48, 8}, {24, 24}, {64, 32}}) {
    group.images.push_back(test::ParsedImage(
        test::BitmapImage({.width = size, .height = size, .bitCount = std::uint16_t(bits), .fill = seed})));
  }
  return group;
}

class Icoutils : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v icotool >/dev/null && command -v wrestool >/dev/null") != 0) {
      GTEST_SKIP() << "icoutils are not installed";
    }
  }
  test::TempDir dir;
};

TEST_F(Icoutils, IcotoolListsAndExtractsOurIconsAndCursors) {
  IconGroup group = Mixed(0x5A);
  for (IconFileType type : {IconFileType::Icon, IconFileType::Cursor}) {
    std::string path = dir.Write(type == IconFileType::Icon ? "m.ico" : "m.cur", *EncodeIconFile(group, type));
    EXPECT_EQ(IcotoolFormats(path), OurFormats(group)) << path;
  }
  // icotool turns every image into a PNG; a broken directory or image fails that.
  std::string out = dir.Path("x");
  ASSERT_EQ(std::system(("mkdir '" + out + "' && icotool -x -o '" + out + "' '" + dir.Path("m.ico") + "'").c_str()), 0);
  EXPECT_EQ(std::stoi(Capture("ls '" + out + "' | wc -l")), 5);
}

TEST_F(Icoutils, WrestoolFindsTheGroupsAndImagesOfOurLibrary) {
  std::vector<IconGroup> groups;
  for (int g = 0; g < 30; ++g) groups.push_back(Mixed(static_cast<std::uint8_t>(g)));
  groups[3].images.resize(2);
  groups.erase(groups.begin() + 4);
  auto bytes = EncodeIconLibrary(groups);
  ASSERT_TRUE(bytes);
  ASSERT_GT(test::Get16(*bytes, 192), 0) << "large enough for an alignment shift";
  std::string path = dir.Write("pack.icl", *bytes);

  std::istringstream listing(Capture("wrestool -l '" + path + "' 2>&1"));
  int groupCount = 0, iconCount = 0;
  for (std::string line; std::getline(listing, line);) {
    groupCount += line.starts_with("--type=14 --name=" + std::to_string(groupCount + 1) + " ");
    iconCount += line.starts_with("--type=3 --name=" + std::to_string(iconCount + 1) + " ");
  }
  EXPECT_EQ(groupCount, 29);
  EXPECT_EQ(iconCount, 28 * 5 + 2);
  for (std::size_t k = 1; k <= groups.size(); ++k) {
    std::string extracted = dir.Path("g" + std::to_string(k) + ".ico");
    std::string command = "wrestool -x --type=14 --name=" + std::to_string(k) + " -o '" + extracted + "' '" + path + "'";
    ASSERT_EQ(std::system((command + " 2>/dev/null").c_str()), 0);
    EXPECT_EQ(IcotoolFormats(extracted), OurFormats(groups[k - 1])) << "group " << k;
    test::Bytes file = test::ReadAll(extracted);
    std::size_t at = 6 + 16 * groups[k - 1].images.size();
    for (const IconImage& image : groups[k - 1].images) {
      ASSERT_LE(at + image.bytes.size(), file.size());
      EXPECT_TRUE(std::equal(image.bytes.begin(), image.bytes.end(), file.begin() + at)) << "group " << k;
      at += image.bytes.size();
    }
  }
}

}  // namespace
}  // namespace gd
