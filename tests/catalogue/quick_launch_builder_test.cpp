// The "Quick Launch" list: one slot per shortcut of the user's Quick Launch folder, its icon read
// from the shortcut, its default from "backup.ini", and folders or shortcuts that are broken.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/builders.h"
#include "platform/os_version.h"
#include "support/catalogue_harness.h"

namespace gd {
namespace {

constexpr RegRoot kHKCU = RegRoot::CurrentUser;
constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kAppData = "C:\\Documents and Settings\\Ann\\Application Data";
constexpr const char* kBackup = "C:\\Program Files\\Glimmerdeck\\backup.ini";
const std::string kFolder =
    std::string(kAppData) + "\\Microsoft\\Internet Explorer\\Quick Launch\\";

class QuickLaunchIconsTest : public ::testing::Test, protected test::CatalogueHarness {
 protected:
  QuickLaunchIconsTest() { backend.PutText(kHKCU, kShellFolders, "AppData", kAppData); }

  SlotCatalogue& Build(CatalogueView view = CatalogueView::LocalUpdate) {
    CatalogueInputs inputs;
    inputs.osVersion = os::kWindowsXp;
    inputs.view = view;
    inputs.paths = PathContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files",
                               os::kWindowsXp};
    inputs.appPath = "C:\\Program Files\\Glimmerdeck";
    MakeCatalogue(inputs);
    BuildQuickLaunchIcons(*catalogue);
    return *catalogue;
  }
  void AddShortcut(const std::string& name, std::string target, std::string iconFile,
                   int iconIndex) {
    shell.shortcuts[kFolder + name] = {std::move(target), std::move(iconFile), iconIndex};
  }
  std::vector<std::string> Names() const { return NamesIn(category::kQuickLaunch); }
  const IconSlot& Slot(std::string_view name) { return SlotIn(category::kQuickLaunch, name); }
};

TEST_F(QuickLaunchIconsTest, EveryShortcutInTheFolderIsASlotSortedByName) {
  AddShortcut("Windows Media Player.lnk", "C:\\Program Files\\Windows Media Player\\wmplayer.exe",
              "%ProgramFiles%\\Windows Media Player\\wmplayer.exe", 0);
  AddShortcut("Launch Internet Explorer Browser.lnk",
              "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE", "", 0);
  AddShortcut("Outlook Express.LNK", "C:\\Program Files\\Outlook Express\\msimn.exe",
              "\"C:\\Program Files\\Outlook Express\\msimn.exe\"", 2);
  AddShortcut("Tools\\Nested.lnk", "C:\\nested.exe", "", 0);  // subfolders are not searched
  shell.files.insert(kFolder + "Show Desktop.scf");            // not a shortcut
  shell.shortcuts["C:\\Documents and Settings\\Ann\\Desktop\\Elsewhere.lnk"] = {"C:\\e.exe", "", 0};
  Build();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Launch Internet Explorer Browser",
                                               "Outlook Express", "Windows Media Player"}));

  EXPECT_EQ(Slot("Windows Media Player").currentPath,
            "C:\\Program Files\\Windows Media Player\\wmplayer.exe");
  EXPECT_EQ(Slot("Outlook Express").currentPath, "C:\\Program Files\\Outlook Express\\msimn.exe");
  EXPECT_EQ(Slot("Outlook Express").currentIndex, 2);
  // No icon location: the shortcut shows its target's icon.
  EXPECT_EQ(Slot("Launch Internet Explorer Browser").currentPath,
            "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE");
  for (const auto& entry : catalogue->Entries(category::kQuickLaunch)) {
    SCOPED_TRACE(entry.name);
    const IconSlot& slot = *entry.slot;
    EXPECT_EQ(slot.iconPath, slot.currentPath);
    EXPECT_EQ(slot.iconIndex, slot.currentIndex);
    // Nothing noted in the backup: the shortcut's present icon is its default.
    EXPECT_EQ(slot.defaultPath, slot.currentPath);
    EXPECT_EQ(slot.defaultIndex, slot.currentIndex);
    EXPECT_FALSE(slot.rootKey.has_value());
    EXPECT_EQ(slot.flags, 0u);
  }
}

TEST_F(QuickLaunchIconsTest, TheDefaultIsTheIconNotedBeforeTheFirstChange) {
  AddShortcut("Outlook Express.lnk", "C:\\OE\\msimn.exe", "C:\\Icons\\mail.ico", 0);
  AddShortcut("Notes.lnk", "C:\\Tools\\notes.exe", "C:\\Icons\\notes.icl", 4);
  AddShortcut("Fresh.lnk", "C:\\Tools\\fresh.exe", "", 1);
  ini.WriteString(kBackup, "Quick Launch", std::string("Outlook Express"),
                  std::string("C:\\OE\\msimn.exe,0"));
  ini.WriteString(kBackup, "Quick Launch", std::string("Notes"),
                  std::string("%SystemRoot%\\system32\\shell32.dll,-21"));
  ini.WriteString(kBackup, "Quick Launch", std::string("Fresh"), std::string());
  Build();
  EXPECT_EQ(Slot("Outlook Express").currentPath, "C:\\Icons\\mail.ico");
  EXPECT_EQ(Slot("Outlook Express").defaultPath, "C:\\OE\\msimn.exe");
  EXPECT_EQ(Slot("Outlook Express").defaultIndex, 0);
  EXPECT_EQ(Slot("Notes").defaultPath, "C:\\WINDOWS\\system32\\shell32.dll");
  EXPECT_EQ(Slot("Notes").defaultIndex, -21);
  EXPECT_EQ(Slot("Fresh").defaultPath, "C:\\Tools\\fresh.exe");
  EXPECT_EQ(Slot("Fresh").defaultIndex, 1);

  // Restoring the default of a noted shortcut changes it; without a note nothing changes.
  IconSlot& notes = *catalogue->Find(category::kQuickLaunch, "Notes");
  IconSlot& fresh = *catalogue->Find(category::kQuickLaunch, "Fresh");
  EXPECT_EQ(catalogue->RestoreSlot(notes, false, true), 1);
  EXPECT_TRUE(notes.IsChanged());
  EXPECT_EQ(catalogue->RestoreSlot(fresh, false, true), 0);
  EXPECT_EQ(fresh.iconPath, "C:\\Tools\\fresh.exe");
}

TEST_F(QuickLaunchIconsTest, NoUsableApplicationDataFolderGivesNoSlots) {
  AddShortcut("Anything.lnk", "C:\\a.exe", "", 0);
  // With an empty folder name the path would start at the root of the current drive.
  shell.shortcuts["\\Microsoft\\Internet Explorer\\Quick Launch\\Rooted.lnk"] = {"C:\\r.exe", "",
                                                                                 0};
  backend.DeleteValue(kHKCU, kShellFolders, "AppData");
  Build();
  EXPECT_TRUE(Names().empty());
  backend.PutNumber(kHKCU, kShellFolders, "AppData", 26);
  Build();
  EXPECT_TRUE(Names().empty());
  backend.PutText(kHKCU, kShellFolders, "AppData", "");
  Build();
  EXPECT_TRUE(Names().empty());
  // A folder name so long that no shortcut path below it would fit a path buffer.
  const std::string longAppData = "C:\\" + std::string(240, 'a');
  backend.PutText(kHKCU, kShellFolders, "AppData", longAppData);
  shell.shortcuts[longAppData + "\\Microsoft\\Internet Explorer\\Quick Launch\\Far.lnk"] = {
      "C:\\far.exe", "", 0};
  Build();
  EXPECT_TRUE(Names().empty());
}

TEST_F(QuickLaunchIconsTest, BrokenShortcutsAreSkippedAndTheOthersKept) {
  AddShortcut("Good.lnk", "C:\\good.exe", "", 0);
  shell.files.insert(kFolder + "Broken.lnk");  // a file that does not load as a shortcut
  AddShortcut(".lnk", "C:\\nameless.exe", "", 0);
  // Texts too long for any path buffer: the next usable source of the icon is taken.
  AddShortcut("Long Icon.lnk", "C:\\target.exe", "C:\\" + std::string(300, 'i') + ".ico", 3);
  AddShortcut("Long Both.lnk", "C:\\" + std::string(300, 't'), "C:\\" + std::string(300, 'i'),
              0);
  AddShortcut("Comma Only.lnk", "C:\\comma.exe", ",7", 7);
  AddShortcut("Long Note.lnk", "C:\\note.exe", "", 0);
  ini.WriteString(kBackup, "Quick Launch", std::string("Long Note"),
                  "C:\\" + std::string(380, 'n') + ",1");
  Build();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Comma Only", "Good", "Long Both", "Long Icon",
                                               "Long Note"}));
  EXPECT_EQ(Slot("Long Icon").currentPath, "C:\\target.exe");
  EXPECT_EQ(Slot("Long Icon").currentIndex, 3);
  EXPECT_EQ(Slot("Long Both").currentPath, "");
  EXPECT_EQ(Slot("Comma Only").currentPath, "C:\\comma.exe");
  EXPECT_EQ(Slot("Comma Only").currentIndex, 7);
  EXPECT_EQ(Slot("Long Note").defaultPath, "C:\\note.exe");
  for (const auto& entry : catalogue->Entries(category::kQuickLaunch)) {
    EXPECT_LE(entry.slot->currentPath.size(), kMaxSlotPath) << entry.name;
    EXPECT_LE(entry.slot->defaultPath.size(), kMaxSlotPath) << entry.name;
  }
}

TEST_F(QuickLaunchIconsTest, HundredsOfShortcutsAreAllListedInOrder) {
  std::vector<std::string> expected;
  for (int i = 599; i >= 0; --i) {
    char name[32];
    std::snprintf(name, sizeof name, "Program %03d", i);
    expected.push_back(name);
    AddShortcut(std::string(name) + ".lnk", std::string("C:\\Apps\\") + name + ".exe", "", i % 5);
  }
  std::sort(expected.begin(), expected.end());
  Build();
  ASSERT_EQ(Names(), expected);
  EXPECT_EQ(Slot("Program 123").currentPath, "C:\\Apps\\Program 123.exe");
  EXPECT_EQ(Slot("Program 123").currentIndex, 3);
}

TEST_F(QuickLaunchIconsTest, AListThatHasItemsIsLeftAsItIs) {
  AddShortcut("First.lnk", "C:\\first.exe", "", 0);
  Build();
  AddShortcut("Later.lnk", "C:\\later.exe", "", 0);
  BuildQuickLaunchIcons(*catalogue);
  EXPECT_EQ(Names(), std::vector<std::string>{"First"});
  // Switching views or building every package list leaves the Quick Launch list alone.
  catalogue->ClearCategory(-1);
  EXPECT_EQ(Names(), std::vector<std::string>{"First"});
}

}  // namespace
}  // namespace gd
