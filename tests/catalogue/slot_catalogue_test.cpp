// The slot model: how AddSlot reads current and default icons for each kind, the record's
// limits, list order, and the pending-icon rules of SetSlotIcon and RestoreSlot.
#include <gtest/gtest.h>

#include <set>

#include "catalogue/slot_catalogue.h"
#include "support/fake_shell.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"
#include "support/scripted_prompt.h"

namespace gd {
namespace {

constexpr RegRoot HKCR = RegRoot::ClassesRoot;
constexpr RegRoot HKCU = RegRoot::CurrentUser;

class CatalogueTest : public ::testing::Test {
 protected:
  CatalogueTest() : catalogue(Inputs(), CatalogueSystem{registry, ini, shell, prompt, notice}) {}

  static CatalogueInputs Inputs() {
    CatalogueInputs inputs;
    inputs.osVersion = 6;
    inputs.paths = PathContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", 6};
    inputs.appPath = "C:\\Program Files\\Glimmerdeck";
    return inputs;
  }

  const IconSlot& Slot(int category, int index) {
    return *catalogue.Entries(category).at(static_cast<std::size_t>(index)).slot;
  }
  const std::string& Name(int category, int index) {
    return catalogue.Entries(category).at(static_cast<std::size_t>(index)).name;
  }

  test::MemoryRegistry backend;
  Registry registry{backend};
  test::MemoryIni ini;
  test::FakeShell shell;
  test::ScriptedPrompt prompt;
  test::RecordingNotice notice;
  SlotCatalogue catalogue;
};

constexpr const char* kShell32 = "C:\\WINDOWS\\system32\\shell32.dll";

TEST_F(CatalogueTest, RegistryValueReferencesAreSplitAndExpanded) {
  backend.PutText(HKCU, "Place", "Quoted", "\"C:\\Program Files\\Icons Here\\set.icl\",2");
  backend.PutText(HKCU, "Place", "Root", "%SystemRoot%\\system32\\shell32.dll,-154");
  backend.PutText(HKCU, "Place", "Bare", "C:\\icons\\one.ico");
  ASSERT_EQ(catalogue.AddSlot(0, "A", HKCU, "Place", "Quoted", "", 0, SlotKind::RegistryValue, 0), 0);
  ASSERT_EQ(catalogue.AddSlot(0, "B", HKCU, "Place", "Root", "", 0, SlotKind::RegistryValue, 0), 1);
  ASSERT_EQ(catalogue.AddSlot(0, "C", HKCU, "Place", "Bare", "", 0, SlotKind::RegistryValue, 0), 2);
  EXPECT_EQ(Slot(0, 0).currentPath, "C:\\Program Files\\Icons Here\\set.icl");
  EXPECT_EQ(Slot(0, 0).currentIndex, 2);
  EXPECT_EQ(Slot(0, 1).currentPath, "C:\\WINDOWS\\system32\\shell32.dll");
  EXPECT_EQ(Slot(0, 1).currentIndex, -154);
  EXPECT_EQ(Slot(0, 2).currentPath, "C:\\icons\\one.ico");
  EXPECT_EQ(Slot(0, 2).currentIndex, 0);
  // The pending icon starts as the current one, and nothing is marked.
  EXPECT_EQ(Slot(0, 0).iconPath, Slot(0, 0).currentPath);
  EXPECT_FALSE(Slot(0, 0).IsChanged());
}

TEST_F(CatalogueTest, DefaultsAreResolvedFromVariablesOrShell32) {
  catalogue.AddSlot(0, "Plain", HKCU, "Nowhere", "", "", 17, SlotKind::RegistryValue, 0);
  catalogue.AddSlot(0, "Var", HKCU, "Nowhere", "", "%WinPath%\\explorer.exe", 0,
                    SlotKind::RegistryValue, 0);
  catalogue.AddSlot(0, "Zip File", HKCU, "Nowhere", "", "", 0, SlotKind::RegistryValue, 0);
  catalogue.AddSlot(0, "Quoted", HKCU, "Nowhere", "", "\"%WinSysPath%\\x.dll\"", 3,
                    SlotKind::RegistryValue, 0);
  EXPECT_EQ(Slot(0, 0).defaultPath, kShell32);
  EXPECT_EQ(Slot(0, 0).defaultIndex, 17);
  EXPECT_EQ(Slot(0, 0).currentPath, kShell32);  // nothing stored: the default shows
  EXPECT_EQ(Slot(0, 1).defaultPath, "C:\\WINDOWS\\explorer.exe");
  EXPECT_EQ(Slot(0, 2).defaultPath, "");
  EXPECT_EQ(Slot(0, 3).defaultPath, "C:\\WINDOWS\\system32\\x.dll");
}

TEST_F(CatalogueTest, ShellIconsSlotsTakeTheirIndexFromTheValueName) {
  catalogue.AddSlot(4, "Shortcut", RegRoot::LocalMachine, "Software\\X\\Shell Icons", "19", "",
                    -1, SlotKind::RegistryValue, 0);
  EXPECT_EQ(Slot(4, 0).defaultIndex, 19);
  EXPECT_EQ(Slot(4, 0).currentIndex, 19);
}

TEST_F(CatalogueTest, ShellIconFallbackReadsTheShellIconsValue) {
  const std::string shellIcons = "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
  backend.PutText(HKCU, shellIcons, "8", "C:\\drives.icl,4");
  catalogue.AddSlot(3, "Drive", HKCU, "Software\\Own", "Icon", "", 8, SlotKind::ShellIconFallback, 0);
  EXPECT_EQ(Slot(3, 0).currentPath, "C:\\drives.icl");
  EXPECT_EQ(Slot(3, 0).currentIndex, 4);
  backend.PutText(HKCU, "Software\\Own", "Icon", "C:\\own.ico,1");
  catalogue.AddSlot(3, "Drive2", HKCU, "Software\\Own", "Icon", "", 8, SlotKind::ShellIconFallback, 0);
  EXPECT_EQ(Slot(3, 1).currentPath, "C:\\own.ico");
}

TEST_F(CatalogueTest, ClsidSlotsReadTheirDefaultIconSubkey) {
  backend.PutText(HKCU, "CLSID\\{X}\\DefaultIcon", "Full", "C:\\bin.ico,1");
  catalogue.AddSlot(0, "Bin", HKCU, "CLSID\\{X}", "Full", "", 32, SlotKind::ClsidDefaultIcon, 0);
  EXPECT_EQ(Slot(0, 0).keyPath, "CLSID\\{X}\\DefaultIcon");
  EXPECT_EQ(Slot(0, 0).valueName, "Full");
  EXPECT_EQ(Slot(0, 0).currentPath, "C:\\bin.ico");
  EXPECT_EQ(Slot(0, 0).defaultIndex, 32);
}

TEST_F(CatalogueTest, ClassSlotsFollowTheExtensionToItsClass) {
  backend.PutText(HKCR, ".txt", "", "txtfile");
  backend.PutText(HKCR, "txtfile\\DefaultIcon", "", "\"C:\\Program Files\\ed.exe\",3");
  backend.PutText(HKCR, ".bmp", "", "Paint.Picture");
  backend.PutText(HKCR, "Paint.Picture\\DefaultIcon", "", "%1");
  ASSERT_EQ(catalogue.AddSlot(5, "Text", HKCR, ".txt", "", "", 5, SlotKind::ClassDefaultIcon, 0), 0);
  ASSERT_EQ(catalogue.AddSlot(5, "Bitmap", HKCR, ".bmp", "", "", 9, SlotKind::ClassDefaultIcon, 0), 1);
  EXPECT_EQ(catalogue.AddSlot(5, "None", HKCR, ".none", "", "", 0, SlotKind::ClassDefaultIcon, 0), -1);
  EXPECT_EQ(catalogue.Entries(5).size(), 2u);
  EXPECT_EQ(Slot(5, 0).fileType, ".txt");
  EXPECT_EQ(Slot(5, 0).keyPath, "txtfile\\DefaultIcon");
  EXPECT_EQ(Slot(5, 0).currentPath, "C:\\Program Files\\ed.exe");
  EXPECT_EQ(Slot(5, 0).currentIndex, 3);
  // "%1" (the file draws itself) counts as no icon: the default shows.
  EXPECT_EQ(Slot(5, 1).currentPath, kShell32);
  EXPECT_EQ(Slot(5, 1).currentIndex, 9);
}

TEST_F(CatalogueTest, ExtensionSlotsDeriveClassNameAndDefault) {
  ASSERT_EQ(catalogue.AddSlot(5, "", HKCR, ".XyZ", "", "", 0, SlotKind::ExtensionDefaultIcon,
                              slotflag::kAddedFormat), 0);
  EXPECT_EQ(Name(5, 0), "XYZ File (.xyz)");
  EXPECT_EQ(Slot(5, 0).keyPath, "xyzfile\\DefaultIcon");
  EXPECT_EQ(Slot(5, 0).rootKey, HKCR);
  EXPECT_EQ(Slot(5, 0).flags, slotflag::kAddedFormat);
  // Nothing stored and no backup: shell32 shows, and there is no default.
  EXPECT_EQ(Slot(5, 0).currentPath, kShell32);
  EXPECT_EQ(Slot(5, 0).defaultPath, "");

  backend.PutText(HKCU, "Software\\Quillmoor\\Glimmerdeck", "Show Extension", "0");
  backend.PutText(HKCR, ".doc", "", "Word.Document");
  backend.PutText(HKCR, "Word.Document", "", "Word Document");
  backend.PutText(HKCR, "Word.Document\\DefaultIcon", "", "C:\\Office\\word.exe,1");
  shell.files.insert("C:\\Office\\word.exe");
  ASSERT_EQ(catalogue.AddSlot(5, "", HKCR, ".doc", "", "", 0, SlotKind::ExtensionDefaultIcon, 0), 1);
  EXPECT_EQ(Name(5, 1), "Word Document");
  EXPECT_EQ(Slot(5, 1).currentPath, "C:\\Office\\word.exe");
  // With no backup entry, an existing current icon also becomes the default.
  EXPECT_EQ(Slot(5, 1).defaultPath, "C:\\Office\\word.exe");
  EXPECT_EQ(Slot(5, 1).defaultIndex, 1);
}

TEST_F(CatalogueTest, ExtensionSlotsTakeTheirDefaultFromTheBackupFile) {
  const std::string backupFile = "C:\\Program Files\\Glimmerdeck\\backup.ini";
  backend.PutText(HKCR, ".abc", "", "abcclass");
  backend.PutText(HKCR, "abcclass\\DefaultIcon", "", "C:\\gone.ico,2");
  ini.WriteString(backupFile, "HKEY_CLASSES_ROOT\\abcclass\\DefaultIcon", std::string("Default"),
                  std::string("C:\\orig.dll,5"));
  catalogue.AddSlot(5, "Abc", HKCR, ".abc", "", "", 0, SlotKind::ExtensionDefaultIcon, 0);
  EXPECT_EQ(Name(5, 0), "Abc (.abc)");
  EXPECT_EQ(Slot(5, 0).defaultPath, "C:\\orig.dll");
  EXPECT_EQ(Slot(5, 0).defaultIndex, 5);
  EXPECT_EQ(Slot(5, 0).currentPath, "C:\\gone.ico");  // a backup keeps even a missing file

  ini.WriteString(backupFile, "HKEY_CLASSES_ROOT\\abcclass\\DefaultIcon", std::string("Default"),
                  std::string("%1"));
  catalogue.AddSlot(5, "Abc2", HKCR, ".abc", "", "", 0, SlotKind::ExtensionDefaultIcon, 0);
  EXPECT_EQ(Slot(5, 1).defaultPath, kShell32);

  // A given default reference is the current icon as it stands.
  catalogue.AddSlot(5, "Given", HKCR, ".abc", "", "C:\\given.ico", 4,
                    SlotKind::ExtensionDefaultIcon, 0);
  EXPECT_EQ(Slot(5, 2).currentPath, "C:\\given.ico");
  EXPECT_EQ(Slot(5, 2).currentIndex, 4);
}

TEST_F(CatalogueTest, FolderSlotsReadTheirDesktopIni) {
  ini.WriteString("D:\\Music\\desktop.ini", ".ShellClassInfo", std::string("IconFile"),
                  std::string("%SystemRoot%\\music.dll"));
  ini.WriteString("D:\\Music\\desktop.ini", ".ShellClassInfo", std::string("IconIndex"),
                  std::string("-12"));
  catalogue.AddSlot(2, "Music", std::nullopt, "D:\\Music\\desktop.ini", "", "", 40,
                    SlotKind::FolderDesktopIni, 0);
  catalogue.AddSlot(2, "Empty", std::nullopt, "D:\\None\\desktop.ini", "", "", 4,
                    SlotKind::FolderDesktopIni, 0);
  EXPECT_EQ(Slot(2, 0).currentPath, "C:\\WINDOWS\\music.dll");
  EXPECT_EQ(Slot(2, 0).currentIndex, -12);
  EXPECT_FALSE(Slot(2, 0).rootKey.has_value());
  EXPECT_EQ(Slot(2, 1).currentPath, kShell32);
  EXPECT_EQ(Slot(2, 1).currentIndex, 4);
}

TEST_F(CatalogueTest, BuiltInSlotsTakeTheGivenReferenceUnexpanded) {
  catalogue.AddSlot(0, "My Computer", std::nullopt, "", "", "C:\\App\\Glimmerdeck.exe", 2,
                    SlotKind::BuiltIn, 0);
  EXPECT_EQ(Slot(0, 0).currentPath, "C:\\App\\Glimmerdeck.exe");
  EXPECT_EQ(Slot(0, 0).currentIndex, 2);
  EXPECT_EQ(Slot(0, 0).defaultIndex, 2);
}

TEST_F(CatalogueTest, TextsThatDoNotFitTheRecordAreRefusedOrReplaced) {
  EXPECT_EQ(catalogue.AddSlot(6, "Cursor", HKCU, "Control Panel\\Cursors", "AppStarting", "", 0,
                              SlotKind::RegistryValue, 0), 0);
  EXPECT_EQ(catalogue.AddSlot(6, "Long", HKCU, "K", "TwelveChars!", "", 0,
                              SlotKind::RegistryValue, 0), -1);
  EXPECT_EQ(catalogue.AddSlot(0, "Key", HKCU, std::string(260, 'k'), "", "", 0,
                              SlotKind::RegistryValue, 0), -1);
  EXPECT_EQ(catalogue.AddSlot(5, "", HKCR, "." + std::string(51, 'e'), "", "", 0,
                              SlotKind::ExtensionDefaultIcon, 0), -1);
  // A stored reference that expands past the path buffer is no usable icon.
  backend.PutText(HKCU, "Big", "", "%SystemRoot%\\" + std::string(250, 'p') + ".ico,1");
  ASSERT_EQ(catalogue.AddSlot(0, "Big", HKCU, "Big", "", "", 3, SlotKind::RegistryValue, 0), 0);
  EXPECT_EQ(Slot(0, 0).currentPath, kShell32);
  EXPECT_EQ(Slot(0, 0).currentIndex, 3);
  IconSlot& slot = *catalogue.Find(0, "big");
  EXPECT_EQ(catalogue.SetSlotIcon(slot, std::string(260, 'x'), 0), 0);
}

TEST_F(CatalogueTest, ListsKeepAddingOrderExceptQuickLaunch) {
  for (const char* name : {"Zeta", "alpha", "Mid"}) {
    catalogue.AddSlot(1, name, std::nullopt, "", "", "", 0, SlotKind::BuiltIn, 0);
    catalogue.AddSlot(7, name, std::nullopt, "", "", "", 0, SlotKind::BuiltIn, 0);
  }
  EXPECT_EQ(Name(1, 0), "Zeta");
  EXPECT_EQ(Name(1, 2), "Mid");
  EXPECT_EQ(Name(7, 0), "alpha");
  EXPECT_EQ(Name(7, 1), "Mid");
  EXPECT_EQ(Name(7, 2), "Zeta");
  EXPECT_NE(catalogue.Find(7, "ZETA"), nullptr);
  EXPECT_EQ(catalogue.Find(1, "Nope"), nullptr);
  catalogue.ClearCategory(-1);
  EXPECT_TRUE(catalogue.Entries(1).empty());
  EXPECT_EQ(catalogue.Entries(7).size(), 3u);  // Quick Launch is not cleared with the rest
}

TEST_F(CatalogueTest, BuildAllRunsEachBuilderOnceOnAnEmptyList) {
  std::vector<int> built;
  for (int c = 0; c < kCategoryCount; ++c) {
    catalogue.SetBuilder(c, [c, &built](SlotCatalogue& cat) {
      built.push_back(c);
      cat.AddSlot(c, "x", std::nullopt, "", "", "", 0, SlotKind::BuiltIn, 0);
    });
  }
  catalogue.BuildAll(false);
  EXPECT_EQ(built, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  catalogue.BuildAll(true);
  EXPECT_EQ(built, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST_F(CatalogueTest, SetSlotIconMarksOnlyRealChanges) {
  catalogue.AddSlot(0, "S", std::nullopt, "", "", "C:\\cur.ico", 1, SlotKind::BuiltIn, 0);
  IconSlot& slot = *catalogue.Find(0, "S");
  EXPECT_EQ(catalogue.SetSlotIcon(slot, "c:\\CUR.ICO", 1), 0);  // already pending
  EXPECT_FALSE(slot.IsChanged());
  slot.flags |= slotflag::kMissingImage;
  EXPECT_EQ(catalogue.SetSlotIcon(slot, "C:\\new.ico", 3), 1);
  EXPECT_TRUE(slot.IsChanged());
  EXPECT_EQ(slot.flags & slotflag::kMissingImage, 0u);
  EXPECT_EQ(slot.iconPath, "C:\\new.ico");
  EXPECT_EQ(catalogue.SetSlotIcon(slot, "C:\\CUR.ico", 1), 1);  // back to the current icon
  EXPECT_FALSE(slot.IsChanged());
  EXPECT_EQ(slot.iconPath, "C:\\cur.ico");
}

TEST_F(CatalogueTest, RestoreSlotToCurrentOrDefault) {
  backend.PutText(HKCU, "K", "", "C:\\custom.ico,0");
  catalogue.AddSlot(0, "S", HKCU, "K", "", "C:\\default.ico", 2, SlotKind::RegistryValue, 0);
  IconSlot& slot = *catalogue.Find(0, "S");
  EXPECT_EQ(catalogue.RestoreSlot(slot, true, true), 0);  // already the current icon
  EXPECT_EQ(catalogue.RestoreSlot(slot, false, true), 1);
  EXPECT_EQ(slot.iconPath, "C:\\default.ico");
  EXPECT_TRUE(slot.IsChanged());
  EXPECT_EQ(catalogue.RestoreSlot(slot, true, true), 1);
  EXPECT_FALSE(slot.IsChanged());
  // Not marking: the flags are cleared altogether.
  slot.flags = slotflag::kAddedFormat;
  EXPECT_EQ(catalogue.RestoreSlot(slot, false, false), 1);
  EXPECT_EQ(slot.flags, 0u);

  // A slot whose default is its current icon stays unmarked.
  catalogue.AddSlot(0, "Same", HKCU, "Missing", "", "C:\\default.ico", 2, SlotKind::RegistryValue, 0);
  IconSlot& same = *catalogue.Find(0, "Same");
  catalogue.SetSlotIcon(same, "C:\\other.ico", 0);
  EXPECT_EQ(catalogue.RestoreSlot(same, false, true), 1);
  EXPECT_FALSE(same.IsChanged());
}

TEST(NewShell, OldShellsOnlyWithoutTheLaterLibrary) {
  EXPECT_FALSE(IsNewShell(1, 70));
  EXPECT_FALSE(IsNewShell(4, 0));
  EXPECT_TRUE(IsNewShell(4, 78));
  EXPECT_TRUE(IsNewShell(2, 0));
  EXPECT_TRUE(IsNewShell(6, 0));
}

}  // namespace
}  // namespace gd
