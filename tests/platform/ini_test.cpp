// INI reading and section listing over the platform's profile functions.
#include <gtest/gtest.h>

#include "platform/ini_win32.h"
#include "support/scratch_folder.h"

namespace gd {
namespace {

TEST(Ini, ReadsValuesWithAnEmptyDefault) {
  test::ScratchFolder folder;
  const std::string file = folder.Write(
      "pack.gdtheme", "[Package Info]\r\nName=Blue Sky\r\nEmpty=\r\n[desktop icons]\r\nx=1\r\n");
  std::string value = "old";
  EXPECT_TRUE(ReadIniValue(SystemIni(), "Package Info", "Name", value, file));
  EXPECT_EQ(value, "Blue Sky");
  EXPECT_FALSE(ReadIniValue(SystemIni(), "Package Info", "Empty", value, file));
  EXPECT_EQ(value, "");
  EXPECT_FALSE(ReadIniValue(SystemIni(), "Package Info", "Missing", value, file));
  // Section and key names are found without regard to case.
  EXPECT_TRUE(ReadIniValue(SystemIni(), "DESKTOP ICONS", "X", value, file));
  EXPECT_EQ(value, "1");
  EXPECT_FALSE(ReadIniValue(SystemIni(), "Package Info", "Name", value, folder / "none.ini"));
}

TEST(Ini, ValuesAreCutTo399Characters) {
  test::ScratchFolder folder;
  const std::string file =
      folder.Write("long.ini", "[S]\r\nK=" + std::string(600, 'v') + "\r\n");
  std::string value;
  EXPECT_TRUE(ReadIniValue(SystemIni(), "S", "K", value, file));
  EXPECT_EQ(value, std::string(399, 'v'));
}

TEST(Ini, ListsSectionsNewestFirstAndCountsThem) {
  test::ScratchFolder folder;
  const std::string file = folder.Write("s.ini", "[One]\r\na=1\r\n[Two]\r\n[Three]\r\nb=2\r\n");
  TextList list;
  EXPECT_EQ(ListIniSections(SystemIni(), file, list), 3);
  EXPECT_EQ(list, (TextList{"Three", "Two", "One"}));
  TextList none;
  EXPECT_EQ(ListIniSections(SystemIni(), folder.Write("empty.ini", ""), none), 0);
  EXPECT_TRUE(none.empty());
}

TEST(Ini, ThousandsOfSectionsStopAtTheListBuffer) {
  test::ScratchFolder folder;
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "[Section" + std::to_string(i) + "]\r\nk=v\r\n";
  const std::string file = folder.Write("many.ini", text);
  TextList list;
  const int count = ListIniSections(SystemIni(), file, list);
  EXPECT_GT(count, 100);
  EXPECT_LT(count, 3000);  // the 5,000-byte list holds only the first ones
  EXPECT_EQ(list.back(), "Section0");
  for (const auto& name : list) EXPECT_EQ(name.rfind("Section", 0), 0u) << name;
}

TEST(Ini, WritesAndDeletesKeysAndSections) {
  test::ScratchFolder folder;
  const std::string file = folder / "w.ini";
  IniStore& ini = SystemIni();
  ASSERT_TRUE(ini.WriteString(file, "Section", std::string("Key"), std::string("value")));
  ASSERT_TRUE(ini.WriteString(file, "Section", std::string("Other"), std::string("2")));
  std::string value;
  EXPECT_TRUE(ReadIniValue(ini, "Section", "Key", value, file));
  ini.WriteString(file, "Section", std::string("Key"), std::nullopt);
  EXPECT_FALSE(ReadIniValue(ini, "Section", "Key", value, file));
  EXPECT_TRUE(ReadIniValue(ini, "Section", "Other", value, file));
  ini.WriteString(file, "Section", std::nullopt, std::nullopt);
  EXPECT_FALSE(ReadIniValue(ini, "Section", "Other", value, file));
}

}  // namespace
}  // namespace gd
