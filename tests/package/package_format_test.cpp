// The package file: section names, the key list limit, "%ThemeDir%" values read against the
// package folder, the companion file names of the three save modes, and the information
// sections.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "catalogue/categories.h"
#include "package/package_format.h"
#include "support/memory_ini.h"

namespace gd {
namespace {

const PathContext kPaths{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", 6};
const std::string kFile = "C:\\X\\Themes\\Blue\\Blue.gdtheme";
const std::string kDir = "C:\\X\\Themes\\Blue\\";

// One section as the profile reader sees a hand-made file: keys in file order, names that
// differ only in case kept apart, a value found by the first key of its name.
class RawSection final : public IniStore {
 public:
  std::vector<std::pair<std::string, std::string>> keys;

  std::size_t GetString(const std::string&, const std::optional<std::string>&,
                        const std::optional<std::string>& key, const std::string& fallback,
                        std::span<char> buffer) override {
    std::string text;
    if (!key) {
      for (const auto& entry : keys) text += entry.first + '\0';
      const std::size_t fit = std::min(text.size(), buffer.size() - 2);
      std::memcpy(buffer.data(), text.data(), fit);
      buffer[fit] = buffer[fit + 1] = '\0';
      return fit;
    }
    text = fallback;
    for (const auto& entry : keys) {
      if (EqualsIgnoreCase(entry.first, *key)) {
        text = entry.second;
        break;
      }
    }
    const std::size_t n = std::min(text.size(), buffer.size() - 1);
    std::memcpy(buffer.data(), text.data(), n);
    buffer[n] = '\0';
    return n;
  }
  bool WriteString(const std::string&, const std::string&, const std::optional<std::string>&,
                   const std::optional<std::string>&) override {
    return false;
  }
};

TEST(PackageSections, CategoriesAndInformationByNameWithoutCase) {
  for (int category = 0; category < kPackageCategoryCount; ++category) {
    EXPECT_EQ(CategoryOfSection(UpperCase(CategorySection(category))), category);
  }
  for (const char* other : {"Custom Icons", "Quick Launch", "", "Package Info", "Desktop"}) {
    EXPECT_FALSE(CategoryOfSection(other)) << other;
  }
  EXPECT_TRUE(IsInformationSection("software credits"));
  EXPECT_TRUE(IsInformationSection("INCLUDE"));
  EXPECT_FALSE(IsInformationSection("Cursors"));
  EXPECT_FALSE(IsInformationSection("Custom Icons"));
}

TEST(PackageSections, KeysInFileOrderWithinTheListLimit) {
  RawSection section;
  section.keys = {{"My Computer", "a"}, {"MY COMPUTER", "b"}, {"Recycle Bin", ""}};
  EXPECT_EQ(ReadSectionKeys(section, kFile, "Desktop Icons"),
            (std::vector<std::string>{"My Computer", "MY COMPUTER", "Recycle Bin"}));
  std::string value;
  ReadIniValue(section, "Desktop Icons", "MY COMPUTER", value, kFile);
  EXPECT_EQ(value, "a");  // the first of the names that differ only in case

  // 10,000 keys: only the names that fit the 399-character list are read, the last one cut.
  section.keys.clear();
  for (int i = 0; i < 10000; ++i) section.keys.emplace_back("Key " + std::to_string(i), "v");
  const std::vector<std::string> keys = ReadSectionKeys(section, kFile, "Desktop Icons");
  std::size_t listed = 0;
  for (const auto& key : keys) listed += key.size() + 1;
  EXPECT_LE(listed, kSectionKeyListSize);
  EXPECT_GT(keys.size(), 40u);
  EXPECT_EQ(keys.front(), "Key 0");
  const std::string& cut = keys.back();
  EXPECT_NE(cut, "Key " + std::to_string(keys.size() - 1));
  EXPECT_EQ(("Key " + std::to_string(keys.size() - 1)).rfind(cut, 0), 0u) << cut;

  // Garbage bytes in names come through as they stand; no section reads as no keys.
  std::string junk;
  for (int c = 1; c < 256; ++c) if (c != '=' && c != '\r' && c != '\n') junk += char(c);
  section.keys = {{junk.substr(0, 120), "x"}};
  EXPECT_EQ(ReadSectionKeys(section, kFile, "S"), std::vector<std::string>{junk.substr(0, 120)});
  test::MemoryIni empty;
  EXPECT_TRUE(ReadSectionKeys(empty, kFile, "Desktop Icons").empty());
}

TEST(ThemeDirValues, ReadAgainstThePackageFolder) {
  const PackageIconRef library = ResolvePackageValue("%ThemeDir%Blue.icl,12", kDir, kPaths);
  EXPECT_EQ(library.path, kDir + "Blue.icl");
  EXPECT_EQ(library.index, 12);
  EXPECT_TRUE(library.insidePackage && library.fitsPathBuffer);
  const PackageIconRef icon = ResolvePackageValue("%ThemeDir%Blue Icon 01.ico", kDir, kPaths);
  EXPECT_EQ(icon.path, kDir + "Blue Icon 01.ico");
  EXPECT_EQ(icon.index, 0);
  // The first ten characters are dropped whatever they are: an absolute path is no escape.
  EXPECT_EQ(ResolvePackageValue("D:\\Icons\\Folder\\a.ico", kDir, kPaths).path,
            kDir + "older\\a.ico");
  EXPECT_EQ(ResolvePackageValue("%themedir%sub\\..\\b.cur", kDir, kPaths).path,
            kDir + "sub\\..\\b.cur");
  EXPECT_TRUE(ResolvePackageValue("%themedir%sub\\..\\b.cur", kDir, kPaths).insidePackage);
  EXPECT_EQ(ResolvePackageValue("%ThemeDir%x.dll,-104", kDir, kPaths).index, -104);
}

TEST(ThemeDirValues, PathsLeavingTheFolderAreReadButMarked) {
  const PackageIconRef up = ResolvePackageValue("%ThemeDir%..\\..\\Windows\\a.ico,3", kDir, kPaths);
  EXPECT_EQ(up.path, kDir + "..\\..\\Windows\\a.ico");
  EXPECT_EQ(up.index, 3);
  EXPECT_FALSE(up.insidePackage);
  for (const char* value :
       {"%ThemeDir%a\\..\\..\\x.ico", "%ThemeDir%../x.ico", "%ThemeDir%.. \\x.ico",
        "%ThemeDir%...\\x.ico", "%ThemeDir%C:\\x.ico", "%ThemeDir%a.ico:hidden",
        "%ThemeDir%NUL.ico", "%ThemeDir%sub\\com1.cur", "%ThemeDir%CON", "%ThemeDir%*.ico",
        "%ThemeDir%", "short", "%ThemeDir%sub\\..",
        // Out and back in again is still out: the folder outside may be anything.
        "%ThemeDir%..\\Blue\\sub\\x.ico"}) {
    EXPECT_FALSE(ResolvePackageValue(value, kDir, kPaths).insidePackage) << value;
  }
  EXPECT_TRUE(ResolvePackageValue("%ThemeDir%\\\\server\\x.ico", kDir, kPaths).insidePackage);
  EXPECT_TRUE(ResolvePackageValue("%ThemeDir%console.ico", kDir, kPaths).insidePackage);
  EXPECT_FALSE(ResolvePackageValue("%ThemeDir%a.ico", "", kPaths).insidePackage);
}

TEST(ThemeDirValues, LongValuesAndJunk) {
  // A value of 399 characters, the most a read gives, is whole but names no usable path.
  test::MemoryIni ini;
  const std::string long399 = "%ThemeDir%" + std::string(385, 'a') + ".ico";
  ini.WriteString(kFile, "Desktop Icons", "My Computer", long399);
  ini.WriteString(kFile, "Desktop Icons", "Recycle Bin", long399 + "x");
  std::string value;
  ReadIniValue(ini, "Desktop Icons", "My Computer", value, kFile);
  EXPECT_EQ(value, long399);
  ReadIniValue(ini, "Desktop Icons", "Recycle Bin", value, kFile);
  EXPECT_EQ(value, long399);
  const PackageIconRef ref = ResolvePackageValue(value, kDir, kPaths);
  EXPECT_EQ(ref.path, kDir + value.substr(10));
  EXPECT_FALSE(ref.fitsPathBuffer);
  const std::string longest = "%ThemeDir%" + std::string(259 - kDir.size(), 'b');
  EXPECT_TRUE(ResolvePackageValue(longest, kDir, kPaths).fitsPathBuffer);
  EXPECT_FALSE(ResolvePackageValue(longest + "b", kDir, kPaths).fitsPathBuffer);

  EXPECT_EQ(ResolvePackageValue("%ThemeDir%a.icl,99999999999999", kDir, kPaths).index,
            2147483647);
  unsigned seed = 7;
  for (int round = 0; round < 200; ++round) {
    std::string junk;
    for (int i = 0; i < round * 2; ++i) {
      seed = seed * 1103515245u + 12345u;
      junk += static_cast<char>(1 + (seed >> 16) % 255);
    }
    const PackageIconRef parsed = ResolvePackageValue(junk, kDir, kPaths);
    EXPECT_EQ(parsed.path.rfind(kDir, 0), 0u);
  }
}

TEST(CompanionNames, LibraryModeCountsIconsFromZeroAndNamesCursors) {
  EXPECT_EQ(SaveModeFromSetting(0), SaveMode::IconLibrary);
  EXPECT_EQ(SaveModeFromSetting(10), SaveMode::IconLibrary);  // a missing setting
  EXPECT_EQ(SaveModeFromSetting(1), SaveMode::NumberedFiles);
  for (std::uint32_t other : {2u, 9u, 11u, 0xFFFFFFFFu}) {
    EXPECT_EQ(SaveModeFromSetting(other), SaveMode::NamedFiles);
  }
  CompanionNames names(SaveMode::IconLibrary, "Blue");
  EXPECT_EQ(names.NextIconValue("My Computer"), "%ThemeDir%Blue.icl,0");
  EXPECT_EQ(names.NextCursorValue("Busy", "C:\\WINDOWS\\Cursors\\hourglas.ani"),
            "%ThemeDir%Blue Busy.ani");
  EXPECT_EQ(names.NextIconValue("Recycle Bin"), "%ThemeDir%Blue.icl,1");
  EXPECT_EQ(IconLibraryPath(kFile), kDir + "Blue.icl");
  EXPECT_EQ(ResolvePackageValue("%ThemeDir%Blue.icl,1", kDir, kPaths).path, IconLibraryPath(kFile));
}

TEST(CompanionNames, NumberedModeNamesFilesInTwoDigitsAndCountsCursorsApart) {
  CompanionNames names(SaveMode::NumberedFiles, "Blue");
  std::vector<std::string> icons;
  for (int i = 0; i < 100; ++i) icons.push_back(names.NextIconValue("any"));
  EXPECT_EQ(icons[0], "%ThemeDir%Blue Icon 01.ico");
  EXPECT_EQ(icons[8], "%ThemeDir%Blue Icon 09.ico");
  EXPECT_EQ(icons[9], "%ThemeDir%Blue Icon 10.ico");
  EXPECT_EQ(icons[99], "%ThemeDir%Blue Icon 100.ico");
  EXPECT_EQ(names.NextCursorValue("Busy", "a.cur"), "%ThemeDir%Blue Cursor 01.cur");
  EXPECT_EQ(names.NextCursorValue("Busy", "D:\\B.ANI"), "%ThemeDir%Blue Cursor 02.ANI");
  EXPECT_EQ(std::set<std::string>(icons.begin(), icons.end()).size(), icons.size());
}

TEST(CompanionNames, NamedModeFilesStayInThePackageFolder) {
  CompanionNames names(SaveMode::NamedFiles, "Blue");
  EXPECT_EQ(names.NextIconValue("Shut Down"), "%ThemeDir%Blue Shut Down.ico");
  EXPECT_EQ(names.NextCursorValue("Normal Select", "x.cur"), "%ThemeDir%Blue Normal Select.cur");
  // A name from a plugin or an added file type may hold anything.
  for (const char* slot : {"..\\..\\evil", "a/b:c", "CON", "*?\"<>|", "Tab\there"}) {
    const std::string value = names.NextIconValue(slot);
    const std::optional<std::string> file = CompanionFilePath(RemoveTrailingBackslash(kDir), value);
    ASSERT_TRUE(file) << value;
    const PackageIconRef read = ResolvePackageValue(value, kDir, kPaths);
    EXPECT_TRUE(read.insidePackage) << value;
    EXPECT_EQ(read.path, *file);
    EXPECT_EQ(FolderOf(*file), kDir);
  }
  EXPECT_FALSE(CompanionFilePath(kDir, "%ThemeDir%..\\x.ico"));
  EXPECT_FALSE(CompanionFilePath(kDir, "%ThemeDir%"));
}

TEST(PackageInfo, FieldsRoundTripOnOneLineWithinTheirLengths) {
  test::MemoryIni ini;
  PackageInfo info{"Ann\r\nBee", std::string(250, 'e'), "w", "one\r\ntwo\nthree\r\r\nfour", "x"};
  WritePackageInfoFields(ini, kFile, info);
  std::tm date{};
  date.tm_year = 102;
  date.tm_mon = 2;
  date.tm_mday = 5;
  WritePackageDate(ini, kFile, date);
  const PackageInfo read = ReadPackageInfo(ini, kFile);
  EXPECT_EQ(read.author, "Ann Bee");
  EXPECT_EQ(read.email, std::string(199, 'e'));
  EXPECT_EQ(read.website, "w");
  EXPECT_EQ(read.comments, "one two three  four");
  EXPECT_EQ(read.date, "March 05, 2002");
  date = std::tm{};
  date.tm_year = 99;
  date.tm_mon = 11;
  date.tm_mday = 31;
  EXPECT_EQ(FormatPackageDate(date), "December 31, 1999");
  date.tm_mon = 12;
  EXPECT_EQ(FormatPackageDate(date), "");

  WriteSoftwareInfo(ini, kFile, ThisSoftware("2.1"));
  EXPECT_EQ(ReadSectionKeys(ini, kFile, "Software Info"),
            (std::vector<std::string>{"Software", "Company", "Author", "Website", "Email"}));
  const SoftwareInfo software = ReadSoftwareInfo(ini, kFile);
  EXPECT_EQ(software.software, "Glimmerdeck 2.1");
  EXPECT_FALSE(software.company.empty() || software.email.empty());
  EXPECT_EQ(ReadPackageInfo(ini, kFile).author, "Ann Bee");  // a section of its own
}

}  // namespace
}  // namespace gd
