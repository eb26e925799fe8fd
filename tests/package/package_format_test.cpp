// Package values read against the package folder, hostile ones included; companion file names
// in the three save modes; the Package Info form; slot names between packages and systems.
#include <gtest/gtest.h>

#include <array>

#include "package/package_format.h"
#include "package/package_info_form.h"
#include "package/slot_aliases.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"

namespace gd {
namespace {

const std::string kDir = "C:\\X\\Themes\\Blue\\";

PackageIconRef Read(std::string_view value) {
  return ResolvePackageValue(value, kDir, PathContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", Os::WindowsXp});
}
std::string Ref(std::string_view value) { return Read(value).path + "," + std::to_string(Read(value).index); }

TEST(PackageValues, TheFirstTenCharactersGiveWayToThePackageFolderAndLeavingItIsMarked) {
  EXPECT_EQ(Ref("%ThemeDir%Blue.icl,12"), kDir + "Blue.icl,12");
  EXPECT_EQ(Ref("%ThemeDir%x.dll,-104"), kDir + "x.dll,-104");
  EXPECT_EQ(Ref("%ThemeDir%a.icl,99999999999999"), kDir + "a.icl,2147483647");
  EXPECT_EQ(Ref("D:\\Icons\\Folder\\a.ico"), kDir + "older\\a.ico,0");  // an absolute path is no escape
  EXPECT_EQ(Ref("%ThemeDir%..\\..\\Windows\\a.ico,3"), kDir + "..\\..\\Windows\\a.ico,3");
  EXPECT_TRUE(Read("%themedir%sub\\..\\Blue Icon 01.ico").insidePackage);
  // A comma in the folder's name is no index, with or without one in the value.
  const PathContext context{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", Os::WindowsXp};
  for (const auto& [value, path, index] : {std::tuple{"%ThemeDir%Blue Icon 01.ico", "Blue Icon 01.ico", 0},
                                           std::tuple{"%ThemeDir%Blue.icl,3", "Blue.icl", 3}}) {
    const PackageIconRef ref = ResolvePackageValue(value, "C:\\Themes\\Blue, 2,1\\", context);
    EXPECT_EQ(ref.path, std::string("C:\\Themes\\Blue, 2,1\\") + path);
    EXPECT_EQ(ref.index, index);
    EXPECT_TRUE(ref.insidePackage) << value;
  }
  for (const char* value : {"%ThemeDir%..\\..\\Windows\\a.ico", "%ThemeDir%a\\..\\..\\x.ico", "%ThemeDir%../x.ico",
                            "%ThemeDir%.. \\x.ico", "%ThemeDir%...\\x.ico", "%ThemeDir%C:\\x.ico", "%ThemeDir%a.ico:hidden",
                            "%ThemeDir%NUL.ico", "%ThemeDir%sub\\com1.cur", "%ThemeDir%LPT\xB9.ico", "%ThemeDir%Com\xB3 .cur", "%ThemeDir%*.ico", "%ThemeDir%", "short",
                            "%ThemeDir%sub\\..", "%ThemeDir%..\\Blue\\sub\\x.ico"}) {
    EXPECT_FALSE(Read(value).insidePackage) << value;
  }
  // The longest reference that fits the 260-byte buffer, and one more.
  const std::string longest = "%ThemeDir%" + std::string(259 - kDir.size(), 'b');
  EXPECT_TRUE(Read(longest).fitsPathBuffer);
  EXPECT_FALSE(Read(longest + "b").fitsPathBuffer);
  std::string junk;
  for (unsigned seed = 7; junk.size() < 400;) junk += static_cast<char>(1 + ((seed = seed * 1103515245u + 12345u) >> 16) % 255);
  for (std::size_t length = 0; length <= junk.size(); length += 3) EXPECT_EQ(Read(junk.substr(0, length)).path.rfind(kDir, 0), 0u);
}

TEST(CompanionNames, EachSaveModeNamesItsFilesAndKeepsThemInTheFolder) {
  EXPECT_EQ((std::array{SaveModeFromSetting(10), SaveModeFromSetting(1), SaveModeFromSetting(2)}),  // 10: missing
            (std::array{SaveMode::IconLibrary, SaveMode::NumberedFiles, SaveMode::NamedFiles}));
  CompanionNames library(SaveMode::IconLibrary, "Blue");
  EXPECT_EQ(library.NextIconValue("My Computer"), "%ThemeDir%Blue.icl,0");
  EXPECT_EQ(library.NextCursorValue("Busy", "C:\\Cursors\\hourglas.ani"), "%ThemeDir%Blue Busy.ani");
  EXPECT_EQ(library.NextIconValue("Recycle Bin"), "%ThemeDir%Blue.icl,1");
  CompanionNames numbered(SaveMode::NumberedFiles, "Blue");
  std::vector<std::string> icons;
  for (int i = 0; i < 100; ++i) icons.push_back(numbered.NextIconValue("any"));
  EXPECT_EQ(icons[8] + " " + icons[9] + " " + icons[99],
            "%ThemeDir%Blue Icon 09.ico %ThemeDir%Blue Icon 10.ico %ThemeDir%Blue Icon 100.ico");
  EXPECT_EQ(numbered.NextCursorValue("Busy", "a.cur"), "%ThemeDir%Blue Cursor 01.cur");
  EXPECT_EQ(numbered.NextCursorValue("Busy", "D:\\B.ANI"), "%ThemeDir%Blue Cursor 02.ANI");
  // A plugin's or added type's name may hold anything; its file stays in the folder, read back as itself.
  CompanionNames named(SaveMode::NamedFiles, "Blue");
  EXPECT_EQ(named.NextIconValue("Shut Down"), "%ThemeDir%Blue Shut Down.ico");
  for (const char* slot : {"..\\..\\evil", "a/b:c", "CON", "*?\"<>|", "Tab\there", "Printers, Faxes,2"}) {
    const std::string value = named.NextIconValue(slot);
    EXPECT_EQ(CompanionFilePath("C:\\X\\Themes\\Blue", value).value_or("outside"), Read(value).path);
    EXPECT_TRUE(Read(value).insidePackage) << value;
  }
  EXPECT_FALSE(CompanionFilePath(kDir, "%ThemeDir%..\\x.ico"));
  // A comma in the package's name would also end the file's name when the value is read back.
  for (SaveMode mode : {SaveMode::NumberedFiles, SaveMode::NamedFiles}) {
    CompanionNames comma(mode, "Blue, Dark");
    for (const std::string& value : {comma.NextIconValue("Help"), comma.NextCursorValue("Busy", "C:\\a,b.cur")}) {
      EXPECT_EQ(CompanionFilePath("C:\\X\\Themes\\Blue", value).value_or("outside"), Read(value).path) << value;
    }
  }
  EXPECT_EQ(CompanionNames(SaveMode::IconLibrary, "Blue, Dark").NextIconValue("Help"), "%ThemeDir%Blue, Dark.icl,0");
}

// (The dialog is tested under Wine.) What it offers first, and OK storing fields cut, on one line.
TEST(PackageInfoForm, OffersWhatWasRememberedBeforeTheOwnerAndCutsWhatOkWrites) {
  test::MemoryRegistry backend;
  Registry registry{backend};
  test::MemoryIni ini;
  const std::string file = "C:\\App\\Themes\\Blue\\Blue.gdtheme", key = "Software\\Quillmoor\\Glimmerdeck";
  registry.WriteRegString(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner", "Ann");
  registry.WriteRegString(RegRoot::CurrentUser, key, "Package Author", "Bea");
  PackageInfoForm form(ini, registry, file);
  PackageInfoFields shown = form.Start();
  EXPECT_EQ(shown.author + "|" + shown.email, "Bea|");  // a missing email is no "ERROR"
  shown.email = std::string(250, 'e');
  shown.comments = "First\r\nsecond\nthird\r\rfourth";
  form.Accept(shown);
  const PackageInfo written = ReadPackageInfo(ini, file);
  EXPECT_EQ(written.author + "|" + written.email + "|" + written.comments,
            "Bea|" + std::string(199, 'e') + "|First second third  fourth");
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, key, "Package Email"), std::string(199, 'e'));
}

std::string Translated(std::string name, SlotNameDirection direction, int os, CatalogueView view) {
  TranslateSlotName(name, direction, static_cast<Os>(os), view);
  return name;
}

// A package key and its name on 95/98/NT 4.0, ME, 2000 and XP in the Local Update view.
struct Row {
  const char* key;
  std::array<const char*, 4> on;
};
constexpr Row kRows[] = {
    {"Network Neighborhood", {"Network Neighborhood", "My Network Places", "My Network Places", "My Network Places"}},
    {"Find", {"Find", "Search", "Search", "Search"}},
    {"Help", {"Help", "Help", "Help", "Help and Support"}},
    {"Shut Down", {"Shut Down...", "Shut Down...", "Shut Down...", "Turn Off Computer..."}},
    {"Settings - Printers",
     {"Settings - Printers", "Settings - Printers", "Settings - Printers", "Settings - Printers and Faxes"}},
    {"Printers", {"Printers", "Printers", "Printers", "Printers and Faxes"}},
    {"Dial-Up Networking", {"Dial-Up Networking", "Network and Dial-up Connections",
                            "Network and Dial-up Connections", "Network Connections"}},
    {"The Internet", {"Internet Explorer", "Internet Explorer", "Internet Explorer", "Internet Explorer"}},
    {"In Box", {"Microsoft Outlook", "Microsoft Outlook", "Microsoft Outlook", "Microsoft Outlook"}},
    {"Run", {"Run...", "Run...", "Run...", "Run..."}},
    {"Log Off", {"Log Off...", "Log Off...", "Log Off...", "Log Off..."}},
    {"Floppy Drive (3.5)", {"Floppy Drive 3\xBD", "Floppy Drive 3\xBD", "Floppy Drive 3\xBD", "Floppy Drive 3\xBD"}},
    {"Floppy Drive (5.25)", {"Floppy Drive 5\xBC", "Floppy Drive 5\xBC", "Floppy Drive 5\xBC", "Floppy Drive 5\xBC"}},
};

TEST(SlotAliases, PackageKeysBecomeEachSystemsNamesAndGoBackWholeAndWithoutRegardToCase) {
  constexpr auto kSystem = SlotNameDirection::SystemForm;
  constexpr auto kPackage = SlotNameDirection::PackageForm;
  constexpr auto kLocal = CatalogueView::LocalUpdate;
  for (const Row& row : kRows) {
    for (int os = 0; os <= 6; ++os) {
      SCOPED_TRACE(std::string(row.key) + " on " + std::to_string(os));
      EXPECT_EQ(Translated(row.key, kSystem, os, kLocal), row.on[os == 3 ? 1 : os == 5 ? 2 : os == 6 ? 3 : 0]);
      // The Package Builder lists keep the older names on every system.
      EXPECT_EQ(Translated(row.key, kSystem, os, CatalogueView::PackageBuilder), row.on[0]);
      // Whatever system or view saved it, a slot gets the same key, and a key stays a key.
      for (const char* name : row.on) EXPECT_EQ(Translated(name, kPackage, os, CatalogueView::PackageBuilder), row.key);
      EXPECT_EQ(Translated(row.key, kPackage, os, kLocal), row.key);
    }
  }
  EXPECT_EQ(Translated("MY NETWORK PLACES", kPackage, 6, kLocal), "Network Neighborhood");
  EXPECT_EQ(Translated("sHUT dOWN", kSystem, 6, kLocal), "Turn Off Computer...");
  std::string bytes;
  for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
  for (const std::string& junk : {std::string("Help me"), std::string("Help "), std::string(), std::string("Help\0Run", 8), bytes}) {
    EXPECT_EQ(Translated(junk, kPackage, 6, kLocal) + Translated(junk, kSystem, 6, kLocal), junk + junk);
  }
}

}  // namespace
}  // namespace gd
