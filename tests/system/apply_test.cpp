// Applying over the in-memory system: the value text of each kind of place, the extra places
// some slots have on some versions, backups, shortcuts, and what applying leaves behind.
#include <gtest/gtest.h>

#include "system/apply.h"
#include "system/backup_files.h"
#include "system/system_fixture.h"

namespace gd::test {
namespace {

constexpr const char* kBinKey = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
constexpr const char* kBinIcons = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";
constexpr const char* kBackupIni = "C:\\Program Files\\Glimmerdeck\\backup.ini";
constexpr const char* kFileIconsIni = "C:\\Program Files\\Glimmerdeck\\file icons.ini";

class ApplyTest : public SystemTest {
 protected:
  int Apply(bool driveMode = false) {
    return ApplyToSystem(*catalogue, page, events, effects, ApplyOptions{driveMode});
  }
};

TEST_F(ApplyTest, EachKindOfPlaceGetsItsValueTextAndTheSlotsBecomeCurrent) {
  Make();
  page.packageFile = "C:\\Themes\\Blue\\blue.gdtheme";
  page.categoryOnShow = 2;
  IconSlot& computer = Changed(0, "My Computer", HKCR, "CLSID\\{20D04FE0}", "", "C:\\i\\pc.ico", 3,
                               SlotKind::ClsidDefaultIcon);
  Changed(6, "Normal Select", HKCU, "Control Panel\\Cursors", "Arrow", "C:\\c\\arrow.cur", 0);
  Changed(6, "Busy", HKCU, "Control Panel\\Cursors", "Wait",
          "C:\\Program Files\\Glimmerdeck\\GLIMMERDECK.EXE", 72);
  Changed(2, "My Music", std::nullopt, "C:\\Music\\desktop.ini", "", "C:\\i\\note.icl", 7,
          SlotKind::FolderDesktopIni);
  backend.PutText(HKCU, "Control Panel\\Cursors", "Wait", "C:\\c\\old.ani");

  EXPECT_EQ(Apply(), 4);
  EXPECT_EQ(Text(HKCR, "CLSID\\{20D04FE0}\\DefaultIcon", ""), "C:\\i\\pc.ico,3");
  EXPECT_EQ(Text(HKCU, "Control Panel\\Cursors", "Arrow"), "C:\\c\\arrow.cur");
  EXPECT_EQ(Text(HKCU, "Control Panel\\Cursors", "Wait"), "");  // the placeholder: Windows' own
  EXPECT_EQ(IniText("C:\\Music\\desktop.ini", ".ShellClassInfo", "IconFile"), "C:\\i\\note.icl");
  EXPECT_EQ(IniText("C:\\Music\\desktop.ini", ".ShellClassInfo", "IconIndex"), "7");
  EXPECT_EQ(Text(HKCU, kProgramKey, "Theme"), page.packageFile);
  EXPECT_FALSE(page.pendingChanges);
  EXPECT_FALSE(computer.IsChanged());
  EXPECT_EQ(computer.currentPath, "C:\\i\\pc.ico");
  EXPECT_EQ(computer.currentIndex, 3);
  EXPECT_EQ(events.refreshed.size(), 4u);
  EXPECT_EQ(events.repainted, std::vector<int>{2});
  EXPECT_EQ(effects.associationNotices, 1);
  EXPECT_EQ(effects.cursorReloads, 1);
}

TEST_F(ApplyTest, WithoutPendingChangesNothingHappensAndWithoutChangedSlotsOnlyThemeIsWritten) {
  Make();
  Changed(0, "My Computer", HKCU, "Desk", "Icon", "C:\\i\\pc.ico", 3);
  page.pendingChanges = false;
  EXPECT_EQ(Apply(), 0);
  EXPECT_EQ(Text(HKCU, "Desk", "Icon"), "ERROR");
  EXPECT_EQ(Text(HKCU, kProgramKey, "Theme"), "ERROR");
  EXPECT_EQ(effects.associationNotices, 0);

  catalogue->RestoreSlot(*catalogue->Find(0, "My Computer"), true, false);
  page.pendingChanges = true;
  EXPECT_EQ(Apply(), 0);
  EXPECT_EQ(Text(HKCU, "Desk", "Icon"), "ERROR");
  EXPECT_EQ(Text(HKCU, kProgramKey, "Theme"), "");
  EXPECT_EQ(effects.associationNotices, 1);
  EXPECT_EQ(effects.cursorReloads, 1);
}

TEST_F(ApplyTest, RecycleBinFollowsItsShownStateOnlyWhenTheDefaultShowsThatState) {
  for (const bool binIsEmpty : {true, false}) {
    SCOPED_TRACE(binIsEmpty ? "empty bin" : "full bin");
    backend = MemoryRegistry();
    Make();
    backend.PutText(HKCR, kBinIcons, "empty", "C:\\old\\empty.ico,0");
    backend.PutText(HKCR, kBinIcons, "full", "C:\\old\\full.ico,0");
    backend.PutText(HKCR, kBinIcons, "",
                    binIsEmpty ? "c:\\OLD\\empty.ico,0" : "C:\\old\\full.ico,0");
    Changed(0, "Recycle Bin (empty)", HKCR, kBinKey, "empty", "C:\\new\\bin.ico", 1,
            SlotKind::ClsidDefaultIcon);
    Apply();
    EXPECT_EQ(Text(HKLM, kShellIconsKey, "31"), "C:\\new\\bin.ico,1");
    EXPECT_EQ(Text(HKLM, kShellIconsKey, "32"), "ERROR");
    EXPECT_EQ(Text(HKCR, kBinIcons, "empty"), "C:\\new\\bin.ico,1");
    EXPECT_EQ(Text(HKCR, kBinIcons, ""), binIsEmpty ? "C:\\new\\bin.ico,1" : "C:\\old\\full.ico,0");
  }
  Changed(0, "recycle bin (Full)", HKCR, kBinKey, "full", "C:\\new\\full.ico", 2,
          SlotKind::ClsidDefaultIcon);
  Apply();
  EXPECT_EQ(Text(HKLM, kShellIconsKey, "32"), "C:\\new\\full.ico,2");
  EXPECT_EQ(Text(HKCR, kBinIcons, ""), "C:\\new\\full.ico,2");
}

// Url History (ME, 2000), Internet Document (2000, XP with IE 6), CD-ROM Drive and Scheduled
// Tasks (XP): each second place is written on exactly those versions.
TEST_F(ApplyTest, ExtraPlacesAreWrittenOnlyOnTheirVersions) {
  const std::string oldHtml =
      "CLSID\\{42042206-2D85-11D3-8CFF-005004838597}\\Old Icon\\htmlfile\\DefaultIcon";
  const std::string tasks =
      "Software\\Classes\\CLSID\\{D6277990-4C6A-11CF-8D87-00AA0060F5BF}\\DefaultIcon";
  const std::string driveE =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons\\E\\DefaultIcon";
  const std::string driveC =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons\\C\\DefaultIcon";
  for (int os = 1; os <= 6; ++os) {
    for (const char* ie : {"6.0.2600.0000", "5.50.4522.1800"}) {
      SCOPED_TRACE("OsVersion " + std::to_string(os) + ", IE " + ie);
      backend = MemoryRegistry();
      ini = MemoryIni();
      shell.drives = {{"C:\\", 3, ""}, {"E:\\", 5, ""}};
      backend.PutText(HKCU, kShellFoldersKey, "Recent", "C:\\Recent");
      CatalogueInputs inputs = Inputs(os);
      inputs.ieVersion = ie;
      MakeCatalogue(inputs);
      Changed(4, "Url History", HKCU, "K1", "", "C:\\i\\h.ico", 1);
      Changed(5, "Internet Document", HKCU, "K2", "", "C:\\i\\d.ico", 2);
      Changed(3, "CD-ROM Drive", HKLM, kShellIconsKey, "11", "C:\\i\\cd.ico", 3);
      Changed(4, "Scheduled Tasks", HKCU, "K3", "", "C:\\i\\t.ico", 4);
      page.needCacheRebuild = false;
      Apply();
      const bool ie6 = ie[0] == '6';
      EXPECT_EQ(IniText("C:\\Recent\\desktop.ini", ".ShellClassInfo", "IconFile") == "C:\\i\\h.ico",
                os == 3 || os == 5);
      EXPECT_EQ(Text(HKCR, oldHtml, "") == "C:\\i\\d.ico,2", (os == 5 || os == 6) && ie6);
      EXPECT_EQ(page.needCacheRebuild, (os == 5 || os == 6) && ie6);
      EXPECT_EQ(Text(HKLM, driveE, "") == "C:\\WINDOWS\\system32\\shell32.dll,11", os == 6);
      EXPECT_EQ(Text(HKLM, driveC, ""), "ERROR");  // not a CD-ROM drive
      EXPECT_EQ(Text(HKCU, tasks, "") == "C:\\i\\t.ico,4", os == 6);
      EXPECT_EQ(Text(HKCU, "K3", ""), "C:\\i\\t.ico,4");  // the slot's own place, always
    }
  }
}

TEST_F(ApplyTest, StartMenuClientsKeepTheirDefaultOnceAsBackup) {
  Make();
  const std::string key = "Software\\Clients\\StartMenuInternet";
  const int at = catalogue->AddSlot(1, "Internet", HKLM, key, "", "C:\\ie\\iexplore.exe", 0,
                                    SlotKind::ClsidDefaultIcon, 0);
  IconSlot& internet = *catalogue->Entries(1).at(static_cast<std::size_t>(at)).slot;
  catalogue->SetSlotIcon(internet, "C:\\i\\web.ico", 0);
  page.pendingChanges = true;
  Apply();
  EXPECT_EQ(Text(HKLM, key + "\\DefaultIcon", "Backup"), "C:\\ie\\iexplore.exe,0");
  backend.PutText(HKLM, key + "\\DefaultIcon", "Backup", "C:\\first.exe,2");
  catalogue->SetSlotIcon(internet, "C:\\i\\web2.ico", 0);
  page.pendingChanges = true;
  Apply();
  EXPECT_EQ(Text(HKLM, key + "\\DefaultIcon", "Backup"), "C:\\first.exe,2");
  EXPECT_EQ(Text(HKLM, key + "\\DefaultIcon", ""), "C:\\i\\web2.ico,0");
}

TEST_F(ApplyTest, ShellIconsReplaceTheirSystemImageOnlyForNonZeroValueNames) {
  Make();
  Changed(4, "Shortcut Overlay", HKLM, kShellIconsKey, "29", "C:\\i\\arrow.ico", 0);
  Changed(5, "Default Icon", HKLM, kShellIconsKey, "0", "C:\\i\\blank.ico", 1);
  Changed(6, "Help Select", HKCU, "Control Panel\\Cursors", "Help", "C:\\c\\help.cur", 0);
  Apply();
  EXPECT_EQ(effects.images, (std::vector<RecordingEffects::Image>{{29, "C:\\i\\arrow.ico", 0}}));
  EXPECT_EQ(Text(HKLM, kShellIconsKey, "0"), "C:\\i\\blank.ico,1");

  effects.iconsExtract = false;  // the value is written even when no image can be made
  Changed(4, "Shared Folder", HKLM, kShellIconsKey, "28", "C:\\i\\broken.ico", 0);
  Apply();
  EXPECT_EQ(Text(HKLM, kShellIconsKey, "28"), "C:\\i\\broken.ico,0");
}

TEST_F(ApplyTest, IndividualDriveModeRemovesTheLetterKeyOfADriveBackAtItsDefault) {
  const std::string letter =
      "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\DriveIcons\\D";
  for (const bool driveMode : {true, false}) {
    SCOPED_TRACE(driveMode ? "individual" : "shared");
    backend = MemoryRegistry();
    Make(5);
    backend.PutText(HKLM, letter + "\\DefaultIcon", "", "C:\\i\\disk.ico,0");
    catalogue->AddSlot(3, "Data (D:)", HKLM, letter + "\\DefaultIcon", "", "", 8,
                       SlotKind::ShellIconFallback, 0);
    IconSlot& drive = *catalogue->Find(3, "Data (D:)");
    catalogue->RestoreSlot(drive, false, true);
    page.pendingChanges = true;
    Apply(driveMode);
    EXPECT_EQ(backend.KeyExists(HKLM, letter + "\\DefaultIcon"), !driveMode);
    EXPECT_TRUE(backend.KeyExists(HKLM, letter));
  }
}

TEST_F(ApplyTest, AddedFileTypeKeepsItsFirstIconOnceAndIsListed) {
  Make();
  backend.PutText(HKCR, ".xyz", "", "xyzfile");
  backend.PutText(HKCR, "xyzfile\\DefaultIcon", "", "C:\\apps\\xyz.exe,1");
  shell.files.insert("C:\\apps\\xyz.exe");
  catalogue->AddSlot(5, "", HKCR, ".xyz", "", "", -1, SlotKind::ExtensionDefaultIcon,
                     slotflag::kAddedFormat);
  IconSlot& xyz = *catalogue->Entries(5).at(0).slot;
  catalogue->SetSlotIcon(xyz, "C:\\i\\x.ico", 4);
  page.pendingChanges = true;
  Apply();
  EXPECT_EQ(Text(HKCR, "xyzfile\\DefaultIcon", ""), "C:\\i\\x.ico,4");
  EXPECT_EQ(IniText(kBackupIni, "HKEY_CLASSES_ROOT\\xyzfile\\DefaultIcon", "Default"),
            "C:\\apps\\xyz.exe,1");
  std::vector<char> buffer(kIniValueBufferSize);
  ini.GetString(kFileIconsIni, std::string(".xyz"), std::string("Default"), "NOTEXIST", buffer);
  EXPECT_STREQ(buffer.data(), "");

  catalogue->SetSlotIcon(xyz, "C:\\i\\y.ico", 5);
  page.pendingChanges = true;
  Apply();
  EXPECT_EQ(Text(HKCR, "xyzfile\\DefaultIcon", ""), "C:\\i\\y.ico,5");
  EXPECT_EQ(IniText(kBackupIni, "HKEY_CLASSES_ROOT\\xyzfile\\DefaultIcon", "Default"),
            "C:\\apps\\xyz.exe,1");
}

TEST_F(ApplyTest, AddedFileTypeWithoutClassGetsOneAndAnEmptyBackup) {
  Make();
  catalogue->AddSlot(5, "", HKCR, ".QQ", "", "", -1, SlotKind::ExtensionDefaultIcon,
                     slotflag::kAddedFormat);
  catalogue->SetSlotIcon(*catalogue->Entries(5).at(0).slot, "C:\\i\\q.ico", 0);
  page.pendingChanges = true;
  Apply();
  EXPECT_EQ(Text(HKCR, ".QQ", ""), "qqfile");
  EXPECT_EQ(Text(HKCR, "qqfile\\DefaultIcon", ""), "C:\\i\\q.ico,0");
  std::vector<char> buffer(kIniValueBufferSize);
  ini.GetString(kBackupIni, std::string("HKEY_CLASSES_ROOT\\qqfile\\DefaultIcon"),
                std::string("Default"), "NOTEXIST", buffer);
  EXPECT_STREQ(buffer.data(), "");
}

TEST_F(ApplyTest, QuickLaunchShortcutsAreBackedUpAndAReadOnlyOneIsReportedWhileOthersGoOn) {
  Make();
  const std::string folder =
      "C:\\Users\\Ann\\AppData\\Microsoft\\Internet Explorer\\Quick Launch\\";
  backend.PutText(HKCU, kShellFoldersKey, "AppData", "C:\\Users\\Ann\\AppData");
  ini.WriteString(kBackupIni, "Quick Launch", std::string("Browser"),
                  std::string("C:\\first.exe,0"));
  for (const char* name : {"Browser", "Mail", "Player"}) {
    catalogue->AddSlot(7, name, std::nullopt, "", "", std::string("C:\\apps\\") + name + ".exe", 1,
                       SlotKind::BuiltIn, 0);
    catalogue->SetSlotIcon(*catalogue->Find(7, name), "C:\\i\\ql.icl", 9);
  }
  page.pendingChanges = true;
  effects.readOnlyShortcuts.insert(folder + "Mail.lnk");
  Apply();
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_EQ(prompt.requests[0].text,
            "Failed to update shortcut file 'Mail.lnk'.\n\nMake sure the shortcut file is not "
            "currupt and is not set to read-only.");
  EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Exclamation);
  EXPECT_EQ(prompt.requests[0].buttons, PromptButtons::Ok);
  EXPECT_EQ(effects.shortcuts, (std::vector<std::pair<std::string, std::string>>{
                                   {folder + "Browser.lnk", "C:\\i\\ql.icl,9"},
                                   {folder + "Player.lnk", "C:\\i\\ql.icl,9"}}));
  EXPECT_EQ(IniText(kBackupIni, "Quick Launch", "Browser"), "C:\\first.exe,0");
  EXPECT_EQ(IniText(kBackupIni, "Quick Launch", "Mail"), "C:\\apps\\Mail.exe,1");
  EXPECT_FALSE(catalogue->Find(7, "Mail")->IsChanged());
}

// Restoring a slot that has no default leaves an empty pending icon; applying it must not put
// a reference without a file anywhere, and the slot shows again what the system has.
TEST_F(ApplyTest, APendingIconWithoutFileIsNeverWritten) {
  Make(2);
  backend.PutText(HKCR, ".zip", "", "WinZip");
  backend.PutText(HKCR, "WinZip\\DefaultIcon", "", "C:\\WinZip\\winzip32.exe,0");
  catalogue->AddSlot(5, "Zip File", HKCR, ".zip", "", "", 0, SlotKind::ClassDefaultIcon, 0);
  IconSlot& zip = *catalogue->Find(5, "Zip File");
  ASSERT_TRUE(zip.defaultPath.empty());
  catalogue->RestoreSlot(zip, false, true);
  ASSERT_TRUE(zip.IsChanged());
  page.pendingChanges = true;
  EXPECT_EQ(Apply(), 0);
  EXPECT_EQ(Text(HKCR, "WinZip\\DefaultIcon", ""), "C:\\WinZip\\winzip32.exe,0");
  EXPECT_FALSE(zip.IsChanged());
  EXPECT_EQ(zip.iconPath, "C:\\WinZip\\winzip32.exe");
  EXPECT_EQ(zip.iconIndex, 0);
}

}  // namespace
}  // namespace gd::test
