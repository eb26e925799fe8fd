// Icon reference splitting and the catalogue's path variables.
#include <gtest/gtest.h>

#include "platform/path_text.h"

namespace gd {
namespace {

PathContext Context(Os os = Os::WindowsXp) { return PathContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "D:\\Apps", os}; }

TEST(ParseIconRef, SplitsPathAndIndex) {
  const std::tuple<std::string, std::string, int> cases[] = {
      {"\"C:\\Program Files\\x.dll\",-3", "C:\\Program Files\\x.dll", -3},
      {"\"C:\\no closing quote.dll,4", "C:\\no closing quote.dll", 4},
      {"%SystemRoot%\\system32\\shell32.dll,12", "C:\\WINDOWS\\system32\\shell32.dll", 12},
      {"%systemroot%\\a.dll,1", "%systemroot%\\a.dll", 1},  // matched with its case
      {"%ProgramFiles%\\b.exe,2", "D:\\Apps\\b.exe", 2},
      {"C:\\a,b\\c.dll,7", "C:\\a,b\\c.dll", 7},
      {"C:\\x.dll, 12tail", "C:\\x.dll", 12},
      {"C:\\x.dll,99999999999999", "C:\\x.dll", 2147483647},
      {"C:\\x.dll,-99999999999999", "C:\\x.dll", -2147483647 - 1},
  };
  for (auto [input, path, index] : cases) {
    std::string text = input;
    EXPECT_EQ(ParseIconRef(text, "", Context()), index) << input;
    EXPECT_EQ(text, path) << input;
  }
  std::string text = "%SystemRoot%\\a.dll,1";
  EXPECT_EQ(ParseIconRef(text, "E:\\WinNT", Context()), 1);
  EXPECT_EQ(text, "E:\\WinNT\\a.dll") << "a Windows folder given goes before the context's";
}

TEST(ExpandCatalogueVariables, KnownOnesInAnyCaseAccessoriesByFamilyAndUnknownOnesAsTheSystemFolder) {
  EXPECT_EQ(ExpandCatalogueVariables("%winpath%\\explorer.exe", Context()), "C:\\WINDOWS\\explorer.exe");
  EXPECT_EQ(ExpandCatalogueVariables("%WinSysPath%\\shell32.dll", Context()), "C:\\WINDOWS\\system32\\shell32.dll");
  EXPECT_EQ(ExpandCatalogueVariables("%PROGRAMFILES%\\x.exe", Context()), "D:\\Apps\\x.exe");
  for (int os : {1, 2, 3, 4, 5, 6}) {  // 95, 98, Me, NT 4.0, 2000, XP
    EXPECT_EQ(ExpandCatalogueVariables("%Accessories%\\wordpad.exe", Context(static_cast<Os>(os))),
              os >= 4 ? "D:\\Apps\\Windows NT\\Accessories\\wordpad.exe" : "D:\\Apps\\Accessories\\wordpad.exe");
  }
  PathContext missing = Context(Os::Windows98);
  missing.programFilesDir = "ERROR";
  EXPECT_EQ(ExpandCatalogueVariables("%Accessories%\\mspaint.exe", missing), "c:\\program files\\Accessories\\mspaint.exe");
  std::string text = "%ProgramFiles%\\b.exe,2";
  EXPECT_EQ(ParseIconRef(text, "", missing), 2);
  EXPECT_EQ(text, "ERROR\\b.exe") << "an icon reference shows the failure";
  // The first twelve characters are replaced whatever they were.
  EXPECT_EQ(ExpandCatalogueVariables("%Unknown1234\\x.dll", Context()), "C:\\WINDOWS\\system32\\x.dll");
  EXPECT_EQ(ExpandCatalogueVariables("%Short", Context()), "C:\\WINDOWS\\system32");
}

}  // namespace
}  // namespace gd
