// The INI helpers over the platform's profile functions.
#include <gtest/gtest.h>

#include "platform/ini_win32.h"
#include "support/scratch_folder.h"

namespace gd {
namespace {

TEST(Ini, ValuesOfAnyCaseCutTo399CharactersAndSectionsNewestFirstWithinTheirBuffer) {
  test::ScratchFolder folder;
  std::string text = "[Package Info]\r\nEmpty=\r\nLong=" + std::string(600, 'v') + "\r\n[desktop icons]\r\nx=1\r\n";
  for (int i = 0; i < 3000; ++i) text += "[Section" + std::to_string(i) + "]\r\nk=v\r\n";
  const std::string file = folder.Write("pack.gdtheme", text);
  std::string value = "old";
  EXPECT_FALSE(ReadIniValue(SystemIni(), "Package Info", "Empty", value, file));
  EXPECT_EQ(value, "");
  EXPECT_TRUE(ReadIniValue(SystemIni(), "DESKTOP ICONS", "X", value, file));
  EXPECT_EQ(value, "1");
  EXPECT_TRUE(ReadIniValue(SystemIni(), "Package Info", "Long", value, file));
  EXPECT_EQ(value, std::string(399, 'v'));
  TextList list;
  const int count = ListIniSections(SystemIni(), file, list);
  EXPECT_GT(count, 100);
  EXPECT_LT(count, 3000) << "the 5,000-byte list holds only the first ones";
  EXPECT_EQ(list.at(list.size() - 2), "desktop icons");
  EXPECT_EQ(list.back(), "Package Info");
}

}  // namespace
}  // namespace gd
