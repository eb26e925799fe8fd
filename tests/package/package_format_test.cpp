// The package file: section names, the key list limit, "%ThemeDir%" values read against the
// package folder, the companion file names of the three save modes, the information sections.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "catalogue/categories.h"
#include "package/package_format.h"
#include "support/memory_ini.h"

namespace gd {
namespace {

const PathContext kPaths{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", 6};
const std::string kFile = "C:\\X\\Themes\\Blue\\Blue.gdtheme";
const std::string kDir = "C:\\X\\Themes\\Blue\\";

PackageIconRef Read(std::string_view value) { return ResolvePackageValue(value, kDir, kPaths); }

// The key list of one section of a hand-made file as the profile reader gives it: names that
// differ only in case both stand, and a list that does not fit is cut.
class RawSection final : public IniStore {
 public:
  std::vector<std::string> keys;
  std::size_t GetString(const std::string&, const std::optional<std::string>&,
                        const std::optional<std::string>&, const std::string&,
                        std::span<char> buffer) override {
    std::string text;
    for (const std::string& name : keys) text += name + '\0';
    const std::size_t fit = std::min(text.size(), buffer.size() - 2);
    std::memcpy(buffer.data(), text.data(), fit);
    buffer[fit] = buffer[fit + 1] = '\0';
    return fit;
  }
  bool WriteString(const std::string&, const std::string&, const std::optional<std::string>&,
                   const std::optional<std::string>&) override { return false; }
};

TEST(PackageSections, NamesWithoutCaseAndKeysWithinTheListLimit) {
  for (int category = 0; category < kPackageCategoryCount; ++category) {
    EXPECT_EQ(CategoryOfSection(UpperCase(CategorySection(category))), category);
  }
  for (const char* other : {"Custom Icons", "Quick Launch", "", "Desktop"}) {
    EXPECT_FALSE(CategoryOfSection(other)) << other;
  }
  EXPECT_TRUE(IsInformationSection("software credits"));
  EXPECT_FALSE(IsInformationSection("Custom Icons"));

  RawSection section;
  section.keys = {"My Computer", "MY COMPUTER", "Recycle Bin"};
  EXPECT_EQ(ReadSectionKeys(section, kFile, "Desktop Icons"),
            (std::vector<std::string>{"My Computer", "MY COMPUTER", "Recycle Bin"}));
  section.keys.clear();
  for (int i = 0; i < 10000; ++i) section.keys.push_back("Key " + std::to_string(i));
  const std::vector<std::string> keys = ReadSectionKeys(section, kFile, "Desktop Icons");
  std::size_t listed = 0;
  for (const auto& key : keys) listed += key.size() + 1;
  EXPECT_LE(listed, kSectionKeyListSize);
  ASSERT_GT(keys.size(), 40u);
  // The name the limit cuts is read cut short.
  const std::string whole = "Key " + std::to_string(keys.size() - 1);
  EXPECT_NE(keys.back(), whole);
  EXPECT_EQ(whole.rfind(keys.back(), 0), 0u) << keys.back();
  std::string junk;
  for (int c = 1; c < 256; ++c) if (c != '=' && c != '\r' && c != '\n') junk += char(c);
  // Junk names come as they stand; an empty name ends nothing, later keys are still read.
  section.keys = {junk, "", "Recycle Bin"};
  EXPECT_EQ(ReadSectionKeys(section, kFile, "S"), (std::vector<std::string>{junk, "Recycle Bin"}));
}

TEST(ThemeDirValues, ReadAgainstThePackageFolder) {
  EXPECT_EQ(Read("%ThemeDir%Blue.icl,12").path, IconLibraryPath(kFile));
  EXPECT_EQ(Read("%ThemeDir%Blue.icl,12").index, 12);
  EXPECT_EQ(Read("%ThemeDir%x.dll,-104").index, -104);
  EXPECT_EQ(Read("%ThemeDir%a.icl,99999999999999").index, 2147483647);
  const PackageIconRef icon = Read("%themedir%sub\\..\\Blue Icon 01.ico");
  EXPECT_EQ(icon.path, kDir + "sub\\..\\Blue Icon 01.ico");
  EXPECT_EQ(icon.index, 0);
  EXPECT_TRUE(icon.insidePackage && icon.fitsPathBuffer);
  // The first ten characters are dropped whatever they are: an absolute path is no escape.
  EXPECT_EQ(Read("D:\\Icons\\Folder\\a.ico").path, kDir + "older\\a.ico");
  EXPECT_TRUE(Read("%ThemeDir%\\\\server\\console.ico").insidePackage);
  EXPECT_FALSE(ResolvePackageValue("%ThemeDir%a.ico", "", kPaths).insidePackage);
}

TEST(ThemeDirValues, PathsLeavingTheFolderAreReadButMarked) {
  const PackageIconRef up = Read("%ThemeDir%..\\..\\Windows\\a.ico,3");
  EXPECT_EQ(up.path, kDir + "..\\..\\Windows\\a.ico");
  EXPECT_EQ(up.index, 3);
  EXPECT_FALSE(up.insidePackage);
  for (const char* value :
       {"%ThemeDir%a\\..\\..\\x.ico", "%ThemeDir%../x.ico", "%ThemeDir%.. \\x.ico",
        "%ThemeDir%...\\x.ico", "%ThemeDir%C:\\x.ico", "%ThemeDir%a.ico:hidden",
        "%ThemeDir%NUL.ico", "%ThemeDir%sub\\com1.cur", "%ThemeDir%*.ico", "%ThemeDir%",
        "short", "%ThemeDir%sub\\..",
        // Out and back in again is still out: the folder outside may be anything.
        "%ThemeDir%..\\Blue\\sub\\x.ico"}) {
    EXPECT_FALSE(Read(value).insidePackage) << value;
  }
}

TEST(ThemeDirValues, LongValuesAndJunk) {
  // A value of 399 characters, the most a read gives, is whole but names no usable path.
  test::MemoryIni ini;
  const std::string long399 = "%ThemeDir%" + std::string(385, 'a') + ".ico";
  ini.WriteString(kFile, "Desktop Icons", "My Computer", long399 + "x");
  std::string value;
  ReadIniValue(ini, "Desktop Icons", "My Computer", value, kFile);
  EXPECT_EQ(value, long399);
  EXPECT_EQ(Read(value).path, kDir + value.substr(10));
  EXPECT_FALSE(Read(value).fitsPathBuffer);
  const std::string longest = "%ThemeDir%" + std::string(259 - kDir.size(), 'b');
  EXPECT_TRUE(Read(longest).fitsPathBuffer);
  EXPECT_FALSE(Read(longest + "b").fitsPathBuffer);
  unsigned seed = 7;
  for (int round = 0; round < 200; ++round) {
    std::string junk;
    for (int i = 0; i < round * 2; ++i) {
      seed = seed * 1103515245u + 12345u;
      junk += static_cast<char>(1 + (seed >> 16) % 255);
    }
    EXPECT_EQ(Read(junk).path.rfind(kDir, 0), 0u);
  }
}

TEST(CompanionNames, EachSaveModeNamesItsFiles) {
  EXPECT_EQ(SaveModeFromSetting(10), SaveMode::IconLibrary);  // a missing setting
  EXPECT_EQ(SaveModeFromSetting(1), SaveMode::NumberedFiles);
  EXPECT_EQ(SaveModeFromSetting(2), SaveMode::NamedFiles);
  CompanionNames library(SaveMode::IconLibrary, "Blue");
  EXPECT_EQ(library.NextIconValue("My Computer"), "%ThemeDir%Blue.icl,0");
  EXPECT_EQ(library.NextCursorValue("Busy", "C:\\Cursors\\hourglas.ani"), "%ThemeDir%Blue Busy.ani");
  EXPECT_EQ(library.NextIconValue("Recycle Bin"), "%ThemeDir%Blue.icl,1");

  CompanionNames numbered(SaveMode::NumberedFiles, "Blue");
  std::vector<std::string> icons;
  for (int i = 0; i < 100; ++i) icons.push_back(numbered.NextIconValue("any"));
  EXPECT_EQ(icons[8], "%ThemeDir%Blue Icon 09.ico");
  EXPECT_EQ(icons[9], "%ThemeDir%Blue Icon 10.ico");
  EXPECT_EQ(icons[99], "%ThemeDir%Blue Icon 100.ico");
  EXPECT_EQ(numbered.NextCursorValue("Busy", "a.cur"), "%ThemeDir%Blue Cursor 01.cur");
  EXPECT_EQ(numbered.NextCursorValue("Busy", "D:\\B.ANI"), "%ThemeDir%Blue Cursor 02.ANI");

  CompanionNames named(SaveMode::NamedFiles, "Blue");
  EXPECT_EQ(named.NextIconValue("Shut Down"), "%ThemeDir%Blue Shut Down.ico");
  // A name from a plugin or an added file type may hold anything; its file stays in the
  // folder and reads back as the same file.
  for (const char* slot : {"..\\..\\evil", "a/b:c", "CON", "*?\"<>|", "Tab\there"}) {
    const std::string value = named.NextIconValue(slot);
    const std::optional<std::string> file = CompanionFilePath("C:\\X\\Themes\\Blue", value);
    ASSERT_TRUE(file) << value;
    EXPECT_EQ(Read(value).path, *file);
    EXPECT_TRUE(Read(value).insidePackage) << value;
  }
  EXPECT_FALSE(CompanionFilePath(kDir, "%ThemeDir%..\\x.ico"));
}

TEST(PackageInfo, FieldsRoundTripOnOneLineWithinTheirLengths) {
  test::MemoryIni ini;
  WritePackageInfoFields(ini, kFile, {"Ann\r\nBee", std::string(250, 'e'), "w",
                                      "one\r\ntwo\nthree\r\r\nfour", "x"});
  std::tm date{};
  date.tm_year = 102;
  date.tm_mon = 2;
  date.tm_mday = 5;
  WritePackageDate(ini, kFile, date);
  WriteSoftwareInfo(ini, kFile, ThisSoftware("2.1"));
  const PackageInfo read = ReadPackageInfo(ini, kFile);
  EXPECT_EQ(read.author, "Ann Bee");
  EXPECT_EQ(read.email, std::string(199, 'e'));
  EXPECT_EQ(read.comments, "one two three  four");
  EXPECT_EQ(read.date, "March 05, 2002");
  date.tm_mon = 12;
  EXPECT_EQ(FormatPackageDate(date), "");
  EXPECT_EQ(ReadSectionKeys(ini, kFile, "Software Info"),
            (std::vector<std::string>{"Software", "Company", "Author", "Website", "Email"}));
  EXPECT_EQ(ReadSoftwareInfo(ini, kFile).software, "Glimmerdeck 2.1");
}

}  // namespace
}  // namespace gd
