// Our .ico, .cur and .icl files as icoutils (icotool, wrestool) read them back.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "iconfmt/icl_writer.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/icon_bytes.h"

namespace gd {
namespace {

using test::BitmapImage;

std::string Capture(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, got);
    pclose(pipe);
  }
  return output;
}

bool HaveTool(const char* tool) { return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0; }

// "WxH@D" for every image that icotool -l lists.
std::vector<std::string> IcotoolFormats(const std::string& path) {
  std::vector<std::string> formats;
  std::istringstream listing(Capture("icotool -l '" + path + "' 2>&1"));
  auto field = [](const std::string& line, const std::string& name) {
    std::size_t at = line.find("--" + name + "=");
    if (at == std::string::npos) return std::string("?");
    at += name.size() + 3;
    return line.substr(at, line.find(' ', at) - at);
  };
  for (std::string line; std::getline(listing, line);) {
    formats.push_back(field(line, "width") + "x" + field(line, "height") + "@" + field(line, "bit-depth"));
  }
  return formats;
}

std::vector<std::string> OurFormats(const IconGroup& group) {
  std::vector<std::string> formats;
  for (const IconImage& image : group.images) {
    formats.push_back(std::to_string(image.width) + "x" + std::to_string(image.height) + "@" +
                      std::to_string(image.bitDepth));
  }
  return formats;
}

IconGroup Mixed(std::uint8_t seed) {
  return test::GroupOf({BitmapImage({.width = 32, .height = 32, .bitCount = 4, .fill = seed}),
                        BitmapImage({.width = 16, .height = 16, .bitCount = 1, .fill = seed}),
                        BitmapImage({.width = 48, .height = 48, .bitCount = 8, .fill = seed}),
                        BitmapImage({.width = 24, .height = 24, .bitCount = 24, .fill = seed}),
                        BitmapImage({.width = 64, .height = 64, .bitCount = 32, .fill = seed})});
}

class Icoutils : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTool("icotool") || !HaveTool("wrestool")) GTEST_SKIP() << "icoutils are not installed";
  }
  test::TempDir dir;
};

TEST_F(Icoutils, IcotoolListsTheFormatsOfOurIconsAndCursors) {
  IconGroup group = Mixed(0);
  for (IconFileType type : {IconFileType::Icon, IconFileType::Cursor}) {
    std::string name = type == IconFileType::Icon ? "mixed.ico" : "mixed.cur";
    std::string path = dir.Write(name, *EncodeIconFile(group, type));
    EXPECT_EQ(IcotoolFormats(path), OurFormats(group)) << name;
  }
}

TEST_F(Icoutils, IcotoolExtractsOurImagesIntact) {
  // icotool turns each image into a PNG; a broken directory or image would fail that.
  std::string path = dir.Write("mixed.ico", *EncodeIconFile(Mixed(0x5A), IconFileType::Icon));
  std::string out = dir.Path("x");
  ASSERT_EQ(std::system(("mkdir '" + out + "' && icotool -x -o '" + out + "' '" + path + "' 2>/dev/null").c_str()), 0);
  std::string listing = Capture("ls '" + out + "' | wc -l");
  EXPECT_EQ(std::stoi(listing), 5);
}

TEST_F(Icoutils, WrestoolFindsTheGroupsImagesAndFormatsOfOurLibrary) {
  std::vector<IconGroup> groups;
  for (int g = 0; g < 30; ++g) groups.push_back(Mixed(static_cast<std::uint8_t>(g)));
  groups[3].images.resize(2);
  groups[4].name = "#del#";
  auto bytes = EncodeIconLibrary(groups);
  ASSERT_TRUE(bytes);
  ASSERT_GT(test::Get16(*bytes, 192), 0) << "large enough for an alignment shift";
  std::string path = dir.Write("pack.icl", *bytes);

  std::istringstream listing(Capture("wrestool -l '" + path + "' 2>&1"));
  int groupCount = 0, iconCount = 0;
  for (std::string line; std::getline(listing, line);) {
    if (line.rfind("--type=14 --name=" + std::to_string(groupCount + 1) + " ", 0) == 0) ++groupCount;
    if (line.rfind("--type=3 --name=" + std::to_string(iconCount + 1) + " ", 0) == 0) ++iconCount;
  }
  EXPECT_EQ(groupCount, 29);
  EXPECT_EQ(iconCount, 28 * 5 + 2);

  std::vector<const IconGroup*> written;
  for (const IconGroup& group : groups) {
    if (group.name != "#del#") written.push_back(&group);
  }
  for (std::size_t k = 1; k <= written.size(); ++k) {
    std::string extracted = dir.Path("g" + std::to_string(k) + ".ico");
    ASSERT_EQ(std::system(("wrestool -x --type=14 --name=" + std::to_string(k) + " -o '" + extracted + "' '" + path +
                           "' 2>/dev/null").c_str()),
              0);
    EXPECT_EQ(IcotoolFormats(extracted), OurFormats(*written[k - 1])) << "group " << k;
    // The images follow the directory in the extracted file, byte for byte as we hold them.
    test::Bytes file = test::ReadAll(extracted);
    std::size_t at = 6 + 16 * written[k - 1]->images.size();
    for (const IconImage& image : written[k - 1]->images) {
      ASSERT_LE(at + image.bytes.size(), file.size());
      EXPECT_TRUE(std::equal(image.bytes.begin(), image.bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at)));
      at += image.bytes.size();
    }
  }
}

}  // namespace
}  // namespace gd
