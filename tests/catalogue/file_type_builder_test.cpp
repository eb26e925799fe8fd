// The "Files" list: the built-in document types and their defaults on each Windows version,
// the types left out, the user's added types from "file icons.ini", and bad input.
#include <gtest/gtest.h>

#include <cstdio>

#include "file_type_fixture.h"

namespace gd::file_type_test {
namespace {

const std::string kXpShell32 = "C:\\WINDOWS\\system32\\shell32.dll";
const std::string k2000Sys = "C:\\WINNT\\system32\\";
const std::string k9xSys = "C:\\WINDOWS\\SYSTEM\\";
const std::string kPlayer = "C:\\Program Files\\Windows Media Player\\wmplayer.exe";
const std::string kBrowser = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
const std::string kNtWordpad = "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe";
const std::string k9xWordpad = "C:\\Program Files\\Accessories\\Wordpad.exe";

TEST_F(FileTypeIconsTest, XpListsEveryTypeWithTheNewerShellFilesAsDefaults) {
  SetUpXp(backend);
  backend.PutText(kHKCR, "txtfile\\DefaultIcon", "", "%SystemRoot%\\system32\\shell32.dll,-152");
  backend.PutText(kHKLM, kShellIcons, "1", "C:\\Icons\\page.ico,0");
  Build(os::kWindowsXp);
  EXPECT_EQ(Names(), kAllBuiltInNames);
  const std::string sys = "C:\\WINDOWS\\system32\\";
  ExpectDefaults({{"Bitmap Image", sys + "shimgvw.dll", 1},
                  {"Configuration Settings", kXpShell32, 69},
                  {"Default Icon", kXpShell32, 0},
                  {"Default Document", kXpShell32, 1},
                  {"GIF Image", sys + "shimgvw.dll", 2},
                  {"Internet Document", kBrowser, 1},
                  {"JPEG Image", sys + "shimgvw.dll", 3},
                  {"Media Clip", sys + "mplay32.exe", 1},
                  {"MIDI Sequence", kPlayer, 1},
                  {"Movie Clip", kPlayer, 1},
                  {"MS-DOS Application", kXpShell32, 2},
                  {"MS-DOS Batch File", kXpShell32, 71},
                  {"Rich Text Format", kNtWordpad, 1},
                  {"Text Document", kXpShell32, 70},
                  {"Video Clip", kPlayer, 1},
                  {"Wave Sound", kPlayer, 1},
                  {"Write Document", kNtWordpad, 2},
                  {"Zip File", sys + "zipfldr.dll", 0}});

  // Document types live at their extension's class, the generic icons in "Shell Icons".
  const IconSlot& text = *Find("Text Document");
  EXPECT_EQ(text.rootKey, kHKCR);
  EXPECT_EQ(text.fileType, ".txt");
  EXPECT_EQ(text.keyPath, "txtfile\\DefaultIcon");
  EXPECT_EQ(text.currentPath, kXpShell32);
  EXPECT_EQ(text.currentIndex, -152);
  const IconSlot& document = *Find("Default Document");
  EXPECT_EQ(document.rootKey, kHKLM);
  EXPECT_EQ(document.keyPath, kShellIcons);
  EXPECT_EQ(document.valueName, "1");
  EXPECT_EQ(document.currentPath, "C:\\Icons\\page.ico");
  EXPECT_EQ(Find("MS-DOS Application")->valueName, "2");
  for (const auto& entry : catalogue->Entries(category::kFiles)) {
    EXPECT_EQ(entry.slot->flags, 0u) << entry.name;
  }
}

TEST_F(FileTypeIconsTest, MeNumbersItsShellIconsApartAndKeepsTheOldMediaPlayer) {
  SetUpMe(backend);
  Build(os::kWindowsMe);
  EXPECT_EQ(Names(), kAllBuiltInNames);
  const std::string shell32 = k9xSys + "shell32.dll";
  ExpectDefaults({{"Bitmap Image", k9xSys + "shimgvw.dll", 1},
                  {"Configuration Settings", shell32, 66},
                  {"Media Clip", "C:\\WINDOWS\\mplayer.exe", 0},
                  {"MIDI Sequence", kPlayer, 1},
                  {"MS-DOS Batch File", shell32, 68},
                  {"Rich Text Format", k9xWordpad, 1},
                  {"Text Document", shell32, 67},
                  {"Zip File", k9xSys + "zipfldr.dll", 0}});
}

TEST_F(FileTypeIconsTest, Windows2000UsesPaintHtmlAndDirectShowFilesAndHasNoZipDefault) {
  SetUp2000(backend);
  Build(os::kWindows2000);
  // No compressed folders: without a zip program there is no zip type to show.
  EXPECT_EQ(Find("Zip File"), nullptr);
  std::vector<std::string> expected = kAllBuiltInNames;
  expected.pop_back();
  EXPECT_EQ(Names(), expected);
  const std::string shell32 = k2000Sys + "shell32.dll";
  ExpectDefaults({{"Bitmap Image", k2000Sys + "Mspaint.exe", 1},
                  {"Configuration Settings", shell32, 69},
                  {"GIF Image", k2000Sys + "mshtml.dll", 9},
                  {"Internet Document", kBrowser, 1},
                  {"JPEG Image", k2000Sys + "mshtml.dll", 8},
                  {"Media Clip", k2000Sys + "mplay32.exe", 1},
                  {"MIDI Sequence", k2000Sys + "quartz.dll", 8},
                  {"Movie Clip", k2000Sys + "quartz.dll", 3},
                  {"MS-DOS Batch File", shell32, 71},
                  {"Rich Text Format", kNtWordpad, 1},
                  {"Text Document", shell32, 70},
                  {"Video Clip", k2000Sys + "quartz.dll", 0},
                  {"Wave Sound", k2000Sys + "quartz.dll", 4}});

  InstallZipProgram(backend);
  Build(os::kWindows2000);
  const IconSlot* zip = Find("Zip File");
  ASSERT_NE(zip, nullptr);
  EXPECT_EQ(zip->defaultPath, "");
  EXPECT_EQ(zip->defaultIndex, 0);
  EXPECT_EQ(zip->currentPath, "C:\\Program Files\\Zipper\\zipper.exe");
}

TEST_F(FileTypeIconsTest, Nt4TakesShell32NumbersFromTheShellVersion) {
  SetUpNt4(backend);
  shell.files.insert(k2000Sys + "mshtml.dll");
  const std::string shell32 = k2000Sys + "shell32.dll";
  struct Case {
    std::uint32_t shellVersion;
    int configuration, batch, text;
  };
  for (const Case& c : {Case{kShell471, 62, 64, 63}, Case{kShell472, 63, 65, 64},
                        Case{kShell400, 58, 60, 59}, Case{0, 58, 60, 59}}) {
    SCOPED_TRACE(c.shellVersion);
    Build(os::kWindowsNt4, c.shellVersion);
    ExpectDefaults({{"Configuration Settings", shell32, c.configuration},
                    {"MS-DOS Batch File", shell32, c.batch},
                    {"Text Document", shell32, c.text}});
  }
  ExpectDefaults({{"Bitmap Image", k2000Sys + "Mspaint.exe", 1},
                  {"GIF Image", k2000Sys + "mshtml.dll", 9},
                  {"JPEG Image", k2000Sys + "mshtml.dll", 8},
                  {"Internet Document",
                   "C:\\Program Files\\Plus!\\Microsoft Internet\\iexplore.exe", 1},
                  {"Media Clip", k2000Sys + "mplay32.exe", 1},
                  {"MIDI Sequence", k2000Sys + "mplay32.exe", 5},
                  {"Movie Clip", k2000Sys + "quartz.dll", 3},
                  {"Video Clip", k2000Sys + "mplay32.exe", 3},
                  {"Wave Sound", k2000Sys + "sndrec32.exe", 1}});
}

TEST_F(FileTypeIconsTest, Nt4WithoutTheHtmlLibraryTakesPictureIconsFromTheBrowser) {
  SetUpNt4(backend);
  Build(os::kWindowsNt4);
  const std::string browser = "C:\\Program Files\\Plus!\\Microsoft Internet\\iexplore.exe";
  ExpectDefaults({{"GIF Image", browser, 8}, {"JPEG Image", browser, 9}});

  // The IE4 record comes first; the later setup key is the next place to look.
  backend.PutText(kHKLM, "SOFTWARE\\Microsoft\\IE Setup\\Setup", "Path", "E:\\Browser");
  Build(os::kWindowsNt4);
  ExpectDefaults({{"GIF Image", browser, 8}});
  backend.PutText(kHKLM, "SOFTWARE\\Microsoft\\IE4\\Setup", "Path", "");
  Build(os::kWindowsNt4);
  ExpectDefaults({{"GIF Image", "E:\\Browser\\iexplore.exe", 8}});

  // Neither key: NT 4.0 had the browser in the Plus! folder under the program files.
  backend.PutNumber(kHKLM, "SOFTWARE\\Microsoft\\IE Setup\\Setup", "Path", 1);
  Build(os::kWindowsNt4);
  ExpectDefaults({{"Internet Document",
                   "C:\\Program Files\\Plus!\\Microsoft Internet\\iexplore.exe", 1}});
}

TEST_F(FileTypeIconsTest, Windows98FixesBatchAndTextNumbersButNotConfiguration) {
  SetUp98(backend);
  const std::string shell32 = k9xSys + "shell32.dll";
  for (const std::uint32_t version : {kShell471, kShell472, kShell400}) {
    SCOPED_TRACE(version);
    Build(os::kWindows98, version);
    ExpectDefaults({{"MS-DOS Batch File", shell32, 65}, {"Text Document", shell32, 64}});
  }
  Build(os::kWindows98, kShell472);
  ExpectDefaults({{"Configuration Settings", shell32, 63},
                  {"Bitmap Image", "C:\\Program Files\\Accessories\\Mspaint.exe", 1},
                  {"GIF Image", k9xSys + "mshtml.dll", 9},
                  {"Internet Document", kBrowser, 1},
                  {"JPEG Image", k9xSys + "mshtml.dll", 8},
                  {"Media Clip", "C:\\WINDOWS\\mplayer.exe", 0},
                  {"MIDI Sequence", k9xSys + "quartz.dll", 8},
                  {"Movie Clip", k9xSys + "quartz.dll", 3},
                  {"Rich Text Format", k9xWordpad, 1},
                  {"Video Clip", k9xSys + "quartz.dll", 0},
                  {"Wave Sound", k9xSys + "quartz.dll", 4},
                  {"Write Document", k9xWordpad, 2}});
  Build(os::kWindows98, kShell471);
  ExpectDefaults({{"Configuration Settings", shell32, 62}});

  // Zip files on 98 belong to some other program and have no Windows default.
  InstallZipProgram(backend);
  Build(os::kWindows98);
  ASSERT_NE(Find("Zip File"), nullptr);
  EXPECT_EQ(Find("Zip File")->defaultPath, "");
}

TEST_F(FileTypeIconsTest, Windows95FollowsTheShellVersionAndHasTheHtmlLibraryForPages) {
  SetUp95(backend);
  const std::string shell32 = k9xSys + "shell32.dll";
  struct Case {
    std::uint32_t shellVersion;
    int configuration, batch, text;
  };
  for (const Case& c : {Case{kShell471, 62, 64, 63}, Case{kShell472, 63, 65, 64},
                        Case{kShell400, 58, 60, 59}}) {
    SCOPED_TRACE(c.shellVersion);
    Build(os::kWindows95, c.shellVersion);
    ExpectDefaults({{"Configuration Settings", shell32, c.configuration},
                    {"MS-DOS Batch File", shell32, c.batch},
                    {"Text Document", shell32, c.text}});
  }
  ExpectDefaults({{"Internet Document", k9xSys + "mshtml.dll", 1},
                  {"Media Clip", "C:\\WINDOWS\\mplayer.exe", 0},
                  {"Bitmap Image", "C:\\Program Files\\Accessories\\Mspaint.exe", 1}});
}

TEST_F(FileTypeIconsTest, AnUnknownVersionIsTreatedLikeWindows98) {
  SetUp98(backend);
  CatalogueInputs inputs = VersionInputs(os::kUnknown);
  inputs.paths = VersionInputs(os::kWindows98).paths;
  inputs.paths.osVersion = os::kUnknown;
  inputs.shellVersion = kShell471;
  Build(inputs);
  const std::string shell32 = k9xSys + "shell32.dll";
  ExpectDefaults({{"Text Document", shell32, 64},
                  {"Configuration Settings", shell32, 62},
                  {"Internet Document", kBrowser, 1},
                  {"Media Clip", "C:\\WINDOWS\\mplayer.exe", 0}});
}

TEST_F(FileTypeIconsTest, BitmapsDrawnAsThemselvesHaveNoSlot) {
  SetUpXp(backend);
  backend.PutText(kHKCR, "Paint.Picture\\DefaultIcon", "", "%1");
  Build(os::kWindowsXp);
  ASSERT_FALSE(Names().empty());
  EXPECT_EQ(Names().front(), "Configuration Settings");
  EXPECT_EQ(Find("Bitmap Image"), nullptr);

  backend.PutText(kHKCR, "Paint.Picture\\DefaultIcon", "", "\"%1\"");
  Build(os::kWindowsXp);
  EXPECT_EQ(Find("Bitmap Image"), nullptr);

  // Another icon file, even one named like the placeholder, keeps the slot.
  backend.PutText(kHKCR, "Paint.Picture\\DefaultIcon", "", "%1.ico,0");
  Build(os::kWindowsXp);
  EXPECT_EQ(Names().front(), "Bitmap Image");
}

TEST_F(FileTypeIconsTest, TypesWithoutAClassAreLeftOut) {
  Build(os::kWindowsXp);
  EXPECT_EQ(Names(),
            (std::vector<std::string>{"Default Icon", "Default Document", "MS-DOS Application"}));

  // A class written as a number, or empty, is no class either.
  backend.Put(kHKCR, ".txt", "", regtype::kDword, {1, 0, 0, 0});
  backend.PutText(kHKCR, ".bat", "", "");
  RegisterType(backend, ".rtf", "rtffile");
  Build(os::kWindowsXp);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Default Icon", "Default Document",
                                               "MS-DOS Application", "Rich Text Format"}));
}

TEST_F(FileTypeIconsTest, AddedTypesFollowTheBuiltInOnesInTheFilesOrder) {
  SetUpXp(backend);
  backend.PutText(kHKCR, ".psd", "", "Photoshop.Image");
  backend.PutText(kHKCR, "Photoshop.Image", "", "Photoshop Image");
  AddFileTypeSection(".xyz");
  AddFileTypeSection("Settings");  // not an extension
  AddFileTypeSection(".psd");
  AddFileTypeSection(".Abc");
  Build(os::kWindowsXp);
  std::vector<std::string> expected = kAllBuiltInNames;
  expected.insert(expected.end(),
                  {"XYZ File (.xyz)", "Photoshop Image (.psd)", "ABC File (.abc)"});
  EXPECT_EQ(Names(), expected);
  const IconSlot& added = *Find("XYZ File (.xyz)");
  EXPECT_EQ(added.flags, slotflag::kAddedFormat);
  EXPECT_EQ(added.fileType, ".xyz");
  EXPECT_EQ(added.rootKey, kHKCR);
  EXPECT_EQ(added.keyPath, "xyzfile\\DefaultIcon");
  // Only added types carry the mark by which they can be removed again.
  EXPECT_EQ(Find("Text Document")->flags & slotflag::kAddedFormat, 0u);

  // With extensions hidden the names are the bare descriptions.
  backend.PutText(kHKCU, kProgramKey, "Show Extension", "0");
  Build(os::kWindowsXp);
  EXPECT_NE(Find("Photoshop Image"), nullptr);
  EXPECT_NE(Find("XYZ File"), nullptr);
}

TEST_F(FileTypeIconsTest, AddedTypesTakeTheirDefaultFromTheBackup) {
  RegisterType(backend, ".xyz", "xyzfile", "C:\\Tools\\new.ico,2");
  ini.WriteString(kBackup, "HKEY_CLASSES_ROOT\\xyzfile\\DefaultIcon", std::string("Default"),
                  std::string("C:\\Tools\\xyz.exe,1"));
  AddFileTypeSection(".xyz");
  Build(os::kWindows98);
  const IconSlot& added = *Find("XYZ File (.xyz)");
  EXPECT_EQ(added.currentPath, "C:\\Tools\\new.ico");
  EXPECT_EQ(added.currentIndex, 2);
  EXPECT_EQ(added.defaultPath, "C:\\Tools\\xyz.exe");
  EXPECT_EQ(added.defaultIndex, 1);
}

TEST_F(FileTypeIconsTest, PackageBuilderOffersEveryPlaceholderThenTheAddedTypes) {
  // A bare machine with bitmaps as their own icons: the placeholders do not depend on it.
  backend.PutText(kHKCR, ".bmp", "", "Paint.Picture");
  backend.PutText(kHKCR, "Paint.Picture\\DefaultIcon", "", "%1");
  AddFileTypeSection(".xyz");
  for (const int os : {os::kWindows95, os::kWindows2000, os::kWindowsXp}) {
    SCOPED_TRACE(os);
    Build(os, 0, CatalogueView::PackageBuilder);
    std::vector<std::string> expected = kAllBuiltInNames;
    expected.push_back("XYZ File (.xyz)");
    ASSERT_EQ(Names(), expected);
    for (std::size_t i = 0; i < kAllBuiltInNames.size(); ++i) {
      const IconSlot& slot = *catalogue->Entries(category::kFiles)[i].slot;
      EXPECT_EQ(slot.currentPath, "C:\\Program Files\\Glimmerdeck\\Glimmerdeck.exe");
      EXPECT_EQ(slot.currentIndex, 51 + static_cast<int>(i));
      EXPECT_EQ(slot.defaultIndex, 51 + static_cast<int>(i));
      EXPECT_FALSE(slot.rootKey.has_value());
    }
    EXPECT_EQ(catalogue->Entries(category::kFiles).back().slot->flags, slotflag::kAddedFormat);
  }
}

TEST_F(FileTypeIconsTest, ThousandsOfAddedTypesGiveTheSectionsThatFitInOrder) {
  SetUpXp(backend);
  std::vector<std::string> sections;
  for (int i = 0; i < 3000; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, ".t%04d", i);
    sections.push_back(name);
    AddFileTypeSection(name);
  }
  Build(os::kWindowsXp);
  const auto& entries = catalogue->Entries(category::kFiles);
  ASSERT_GT(entries.size(), kAllBuiltInNames.size() + 100);
  const std::size_t added = entries.size() - kAllBuiltInNames.size();
  EXPECT_LT(added, sections.size());
  // The added slots are the file's first sections, whole and in the file's order.
  for (std::size_t i = 0; i < added; ++i) {
    const IconSlot& slot = *entries[kAllBuiltInNames.size() + i].slot;
    ASSERT_EQ(slot.fileType, sections[i]) << i;
    ASSERT_EQ(slot.flags, slotflag::kAddedFormat);
  }
}

TEST_F(FileTypeIconsTest, JunkInTheAddedTypesFileLeavesASoundList) {
  SetUp98(backend);
  AddFileTypeSection("." + std::string(80, 'q'));  // longer than any file type
  AddFileTypeSection(".");
  AddFileTypeSection(".ok");
  backend.PutText(kHKCR, ".ok", "", std::string(300, 'c'));  // a class name too long to read
  Build(os::kWindows98);
  const auto names = Names();
  ASSERT_GE(names.size(), 2u);
  EXPECT_EQ(names.back(), "OK File (.ok)");
  for (const auto& entry : catalogue->Entries(category::kFiles)) {
    EXPECT_LE(entry.slot->keyPath.size(), kMaxSlotPath) << entry.name;
    EXPECT_LE(entry.slot->fileType.size(), kMaxFileType) << entry.name;
    EXPECT_FALSE(entry.name.empty());
  }
}

TEST_F(FileTypeIconsTest, UnreadablePlayerAndBrowserFoldersFallBackToTheirUsualPlaces) {
  SetUpXp(backend);
  backend.PutText(kHKLM, "SOFTWARE\\Microsoft\\MediaPlayer", "Installation Directory",
                  "C:\\" + std::string(250, 'm'));  // too long to hold the program's name
  backend.PutText(kHKLM, "SOFTWARE\\Microsoft\\IE Setup\\Setup", "Path", "ERROR");
  Build(os::kWindowsXp);
  ExpectDefaults({{"MIDI Sequence", kPlayer, 1}, {"Internet Document", kBrowser, 1}});

  backend.PutNumber(kHKLM, "SOFTWARE\\Microsoft\\MediaPlayer", "Installation Directory", 5);
  backend.PutText(kHKLM, "SOFTWARE\\Microsoft\\IE Setup\\Setup", "Path", "D:\\IE6\\");
  Build(os::kWindowsXp);
  ExpectDefaults({{"Wave Sound", kPlayer, 1}, {"Internet Document", "D:\\IE6\\iexplore.exe", 1}});
}

TEST_F(FileTypeIconsTest, AListThatHasItemsIsLeftAsItIs) {
  SetUpXp(backend);
  Build(os::kWindowsXp);
  AddFileTypeSection(".xyz");
  BuildFileTypeIcons(*catalogue);
  EXPECT_EQ(Names(), kAllBuiltInNames);
}

}  // namespace
}  // namespace gd::file_type_test
