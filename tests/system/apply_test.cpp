// Applying over the in-memory system: value texts, extra places on some versions, backups written
// once, shortcuts, images, drive letters; the write journal; restoring the defaults.
#include <set>

#include "support/catalogue_harness.h"
#include "support/recording_events.h"
#include "system/apply.h"
#include "system/restore.h"
#include "system/write_journal.h"

namespace gd::test {
namespace {

constexpr RegRoot HKCR = RegRoot::ClassesRoot, HKCU = RegRoot::CurrentUser, HKLM = RegRoot::LocalMachine;
constexpr const char* kProgramKey = "Software\\Quillmoor\\Glimmerdeck";
constexpr const char* kShellIcons = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";

class RecordingEffects final : public SystemEffects {
 public:
  std::vector<std::string> images, shortcuts;  // "image: file,index", "shortcut: file,index"
  std::set<std::string> readOnlyShortcuts;
  bool iconsExtract = true;
  int notices = 0;  // association changes and cursor reloads
  bool ReplaceSystemImage(int image, const std::string& file, int index) override {
    if (iconsExtract) images.push_back(std::to_string(image) + ": " + file + "," + std::to_string(index));
    return iconsExtract;
  }
  bool SetShortcutIcon(const std::string& path, const std::string& file, int index) override {
    if (!readOnlyShortcuts.count(path)) shortcuts.push_back(path + ": " + file + "," + std::to_string(index));
    return !readOnlyShortcuts.count(path);
  }
  void NotifyAssociationsChanged() override { ++notices; }
  void ReloadCursors() override { ++notices; }
};

class ApplyTest : public ::testing::Test, protected CatalogueHarness {
 protected:
  static CatalogueInputs Inputs(int os, const char* ieVersion = "6.0.2800.1106") {
    CatalogueInputs inputs;
    inputs.osVersion = static_cast<Os>(os);
    inputs.ieVersion = ieVersion;
    inputs.paths = PathContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", static_cast<Os>(os)};
    inputs.appPath = "C:\\Program Files\\Glimmerdeck";
    return inputs;
  }
  void Make(int os = 6, const char* ieVersion = "6.0.2800.1106") {
    backend = MemoryRegistry();
    ini = MemoryIni();
    page = EditState{};
    MakeCatalogue(Inputs(os, ieVersion));
  }
  // Adds a slot (its default `defaultRef`) and gives it a new pending icon, marking it changed.
  IconSlot& Changed(int category, const std::string& name, std::optional<RegRoot> root, const std::string& key,
                    const std::string& value, const std::string& file, int index,
                    SlotKind kind = SlotKind::RegistryValue, const std::string& defaultRef = "") {
    const auto at = static_cast<std::size_t>(catalogue->AddSlot(static_cast<Category>(category), name, root, key, value, defaultRef, 0, kind, 0));
    IconSlot& slot = *catalogue->Entries(static_cast<Category>(category)).at(at).slot;
    catalogue->SetSlotIcon(slot, file, index);
    page.pendingChanges = true;
    return slot;
  }
  int Apply(bool driveMode = false) { return ApplyToSystem(*catalogue, page, events, effects, ApplyOptions{driveMode}); }
  std::string Text(RegRoot root, const std::string& key, const std::string& name) { return registry.ReadText(root, key, name); }
  std::string IniText(const std::string& file, const std::string& section, const std::string& key, const std::string& missing = "") {
    std::vector<char> buffer(400);
    return std::string(buffer.data(), ini.GetString(file, section, key, missing, buffer));
  }

  EditState page;
  RecordingEvents events;
  RecordingEffects effects;
};


constexpr const char* kBackupIni = "C:\\Program Files\\Glimmerdeck\\backup.ini";
constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

TEST_F(ApplyTest, EachKindOfPlaceGetsItsValueTextAndTheSlotsBecomeCurrent) {
  Make();
  page.packageFile = "C:\\Themes\\Blue\\blue.gdtheme";
  IconSlot& pc = Changed(0, "My Computer", HKCR, "CLSID\\{20D04FE0}", "", "C:\\i\\pc.ico", 3, SlotKind::ClsidDefaultIcon);
  Changed(6, "Normal Select", HKCU, "Control Panel\\Cursors", "Arrow", "C:\\c\\arrow.cur", 0);
  // The program's own executable stands for Windows' own cursor: an empty value.
  Changed(6, "Busy", HKCU, "Control Panel\\Cursors", "Wait", "C:\\Program Files\\Glimmerdeck\\GLIMMERDECK.EXE", 72);
  Changed(2, "My Music", std::nullopt, "C:\\Music\\desktop.ini", "", "C:\\i\\note.icl", 7, SlotKind::FolderDesktopIni);
  backend.PutText(HKCU, "Control Panel\\Cursors", "Wait", "C:\\c\\old.ani");
  EXPECT_EQ(Apply(), 4);
  EXPECT_EQ(Text(HKCR, "CLSID\\{20D04FE0}\\DefaultIcon", ""), "C:\\i\\pc.ico,3");
  EXPECT_EQ(Text(HKCU, "Control Panel\\Cursors", "Arrow") + "|" + Text(HKCU, "Control Panel\\Cursors", "Wait"), "C:\\c\\arrow.cur|");
  EXPECT_EQ(IniText("C:\\Music\\desktop.ini", ".ShellClassInfo", "IconFile") + "," +
                IniText("C:\\Music\\desktop.ini", ".ShellClassInfo", "IconIndex"), "C:\\i\\note.icl,7");
  EXPECT_EQ(Text(HKCU, kProgramKey, "Theme"), page.packageFile);
  EXPECT_FALSE(page.pendingChanges || pc.IsChanged() || pc.currentPath != "C:\\i\\pc.ico");
  EXPECT_EQ(events.listsChanged, 1);
  EXPECT_EQ(effects.notices, 2);
  Changed(0, "Desk", HKCU, "Desk", "Icon", "C:\\i\\d.ico", 3);
  page.pendingChanges = false;
  EXPECT_EQ(Apply(), 0);
  EXPECT_EQ(Text(HKCU, "Desk", "Icon") + std::to_string(effects.notices), "ERROR2") << "nothing pending, nothing done";
}

// Restoring a slot without a default leaves no file: never written, the slot shows the system's.
TEST_F(ApplyTest, APendingIconWithoutFileIsNeverWritten) {
  Make(2);
  backend.PutText(HKCR, ".zip", "", "WinZip");
  backend.PutText(HKCR, "WinZip\\DefaultIcon", "", "C:\\WinZip\\winzip32.exe,0");
  catalogue->AddSlot(Category::Files, "Zip File", HKCR, ".zip", "", "", 0, SlotKind::ClassDefaultIcon, 0);
  IconSlot& zip = *catalogue->Find(Category::Files, "Zip File");
  page.pendingChanges = catalogue->RestoreSlot(zip, false, true) == 1 && zip.IsChanged();
  EXPECT_EQ(Apply(), 0);
  EXPECT_EQ(Text(HKCR, "WinZip\\DefaultIcon", ""), "C:\\WinZip\\winzip32.exe,0");
  EXPECT_FALSE(zip.IsChanged() || zip.iconPath != "C:\\WinZip\\winzip32.exe");
}

// Url History (ME, 2000), Internet Document (2000, XP; IE 6), CD-ROM Drive and Scheduled Tasks (XP).
TEST_F(ApplyTest, ExtraPlacesAreWrittenOnlyOnTheirVersions) {
  const std::string drives = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons\\";
  for (int os = 1; os <= 6; ++os) {
    for (const char* ie : {"6.0.2600.0000", "5.50.4522.1800"}) {
      SCOPED_TRACE("OsVersion " + std::to_string(os) + ", IE " + ie);
      Make(os, ie);
      shell.drives = {{"C:\\", 3, ""}, {"E:\\", 5, ""}};
      backend.PutText(HKCU, kShellFolders, "Recent", "C:\\Recent");
      Changed(4, "Url History", HKCU, "K1", "", "C:\\i\\h.ico", 1);
      Changed(5, "Internet Document", HKCU, "K2", "", "C:\\i\\d.ico", 2);
      Changed(3, "CD-ROM Drive", HKLM, kShellIcons, "11", "C:\\i\\cd.ico", 3);
      Changed(4, "Scheduled Tasks", HKCU, "K3", "", "C:\\i\\t.ico", 4);
      Apply();
      const bool html = (os == 5 || os == 6) && ie[0] == '6';
      EXPECT_EQ(IniText("C:\\Recent\\desktop.ini", ".ShellClassInfo", "IconFile") == "C:\\i\\h.ico", os == 3 || os == 5);
      EXPECT_EQ(Text(HKCR, "CLSID\\{42042206-2D85-11D3-8CFF-005004838597}\\Old Icon\\htmlfile\\DefaultIcon", "") ==
                    "C:\\i\\d.ico,2", html);
      EXPECT_EQ(page.needCacheRebuild, html);
      EXPECT_EQ(Text(HKLM, drives + "E\\DefaultIcon", "") == "C:\\WINDOWS\\system32\\shell32.dll,11", os == 6);
      EXPECT_EQ(Text(HKLM, drives + "C\\DefaultIcon", ""), "ERROR");  // not a CD-ROM drive
      EXPECT_EQ(Text(HKCU, "Software\\Classes\\CLSID\\{D6277990-4C6A-11CF-8D87-00AA0060F5BF}\\DefaultIcon", "") ==
                    "C:\\i\\t.ico,4", os == 6);
    }
  }
}

// The bin also sets its "Shell Icons" image, and the key's shown state when that shows its own.
TEST_F(ApplyTest, RecycleBinFollowsItsShownStateOnlyWhenTheDefaultShowsThatState) {
  const std::string bin = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}", icons = bin + "\\DefaultIcon";
  for (const bool shownEmpty : {true, false}) {
    Make();
    backend.PutText(HKCR, icons, "empty", "C:\\old\\empty.ico,0");
    backend.PutText(HKCR, icons, "", shownEmpty ? "c:\\OLD\\empty.ico,0" : "C:\\old\\full.ico,0");
    Changed(0, "Recycle Bin (empty)", HKCR, bin, "empty", "C:\\new\\bin.ico", 1, SlotKind::ClsidDefaultIcon);
    Apply();
    EXPECT_EQ(Text(HKLM, kShellIcons, "31") + " " + Text(HKLM, kShellIcons, "32") + " " + Text(HKCR, icons, ""),
              "C:\\new\\bin.ico,1 ERROR " + std::string(shownEmpty ? "C:\\new\\bin.ico,1" : "C:\\old\\full.ico,0"));
  }
}

TEST_F(ApplyTest, BackupsAreWrittenOnceAndAddedTypesGetAClass) {
  Make();
  const std::string client = "Software\\Clients\\StartMenuInternet\\DefaultIcon";
  IconSlot& internet = Changed(1, "Internet", HKLM, "Software\\Clients\\StartMenuInternet", "", "C:\\i\\web.ico", 0,
                               SlotKind::ClsidDefaultIcon, "C:\\ie\\iexplore.exe");
  backend.PutText(HKCR, ".xyz", "", "xyzfile");
  backend.PutText(HKCR, "xyzfile\\DefaultIcon", "", "C:\\apps\\xyz.exe,1");
  for (const char* type : {".xyz", ".QQ"}) {
    catalogue->AddSlot(Category::Files, "", HKCR, type, "", "", -1, SlotKind::ExtensionDefaultIcon, slotflag::kAddedFormat);
  }
  IconSlot& xyz = *catalogue->Entries(Category::Files).at(0).slot;
  catalogue->SetSlotIcon(xyz, "C:\\i\\x.ico", 4);
  catalogue->SetSlotIcon(*catalogue->Entries(Category::Files).at(1).slot, "C:\\i\\q.ico", 0);
  Apply();
  EXPECT_EQ(Text(HKLM, client, "Backup"), "C:\\ie\\iexplore.exe,0");
  EXPECT_EQ(Text(HKCR, "xyzfile\\DefaultIcon", ""), "C:\\i\\x.ico,4");
  EXPECT_EQ(IniText(kBackupIni, "HKEY_CLASSES_ROOT\\xyzfile\\DefaultIcon", "Default"), "C:\\apps\\xyz.exe,1");
  EXPECT_EQ(IniText("C:\\Program Files\\Glimmerdeck\\file icons.ini", ".xyz", "Default", "(none)"), "");
  // A type without a class gets one, and its empty backup says it had no icon.
  EXPECT_EQ(Text(HKCR, ".QQ", "") + " " + Text(HKCR, "qqfile\\DefaultIcon", ""), "qqfile C:\\i\\q.ico,0");
  EXPECT_EQ(IniText(kBackupIni, "HKEY_CLASSES_ROOT\\qqfile\\DefaultIcon", "Default", "(none)"), "");
  backend.PutText(HKLM, client, "Backup", "C:\\first.exe,2");
  catalogue->SetSlotIcon(internet, "C:\\i\\web2.ico", 0);
  catalogue->SetSlotIcon(xyz, "C:\\i\\y.ico", 5);
  page.pendingChanges = true;
  Apply();
  EXPECT_EQ(Text(HKLM, client, "Backup") + " " + Text(HKLM, client, ""), "C:\\first.exe,2 C:\\i\\web2.ico,0");
  EXPECT_EQ(IniText(kBackupIni, "HKEY_CLASSES_ROOT\\xyzfile\\DefaultIcon", "Default"), "C:\\apps\\xyz.exe,1");

  // Quick Launch shortcuts: backed up once; a read-only one is reported while the others go on.
  const std::string folder = "C:\\Users\\Ann\\AppData\\Microsoft\\Internet Explorer\\Quick Launch\\";
  backend.PutText(HKCU, kShellFolders, "AppData", "C:\\Users\\Ann\\AppData");
  ini.WriteString(kBackupIni, "Quick Launch", std::string("Browser"), std::string("C:\\first.exe,0"));
  for (const std::string name : {"Browser", "Mail", "Player"}) {
    catalogue->AddSlot(Category::QuickLaunch, name, std::nullopt, "", "", "C:\\apps\\" + name + ".exe", 1, SlotKind::BuiltIn, 0);
    catalogue->SetSlotIcon(*catalogue->Find(Category::QuickLaunch, name), "C:\\i\\ql.icl", 9);
  }
  page.pendingChanges = true;
  effects.readOnlyShortcuts.insert(folder + "Mail.lnk");
  Apply();
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_NE(prompt.requests[0].text.find("Failed to update shortcut file 'Mail.lnk'."), std::string::npos);
  EXPECT_EQ(effects.shortcuts, (std::vector<std::string>{folder + "Browser.lnk: C:\\i\\ql.icl,9",
                                                          folder + "Player.lnk: C:\\i\\ql.icl,9"}));
  EXPECT_EQ(IniText(kBackupIni, "Quick Launch", "Browser") + " " + IniText(kBackupIni, "Quick Launch", "Mail"),
            "C:\\first.exe,0 C:\\apps\\Mail.exe,1");
}

TEST_F(ApplyTest, ImagesAreReplacedForNonZeroValueNamesAndDriveLettersAtTheirDefaultLoseTheirKey) {
  Make();
  Changed(4, "Shortcut Overlay", HKLM, kShellIcons, "29", "C:\\i\\arrow.ico", 0);
  Changed(5, "Default Icon", HKLM, kShellIcons, "0", "C:\\i\\blank.ico", 1);
  Changed(6, "Help Select", HKCU, "Control Panel\\Cursors", "Help", "C:\\c\\help.cur", 0);
  Apply();
  EXPECT_EQ(effects.images, std::vector<std::string>{"29: C:\\i\\arrow.ico,0"});
  EXPECT_EQ(Text(HKLM, kShellIcons, "0"), "C:\\i\\blank.ico,1");
  effects.iconsExtract = false;  // the value is written even when no image can be made
  Changed(4, "Shared Folder", HKLM, kShellIcons, "28", "C:\\i\\broken.ico", 0);
  Apply();
  EXPECT_EQ(Text(HKLM, kShellIcons, "28"), "C:\\i\\broken.ico,0");
  const std::string letter = "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\DriveIcons\\D";
  for (const bool driveMode : {true, false}) {
    Make(5);
    backend.PutText(HKLM, letter + "\\DefaultIcon", "", "C:\\i\\disk.ico,0");
    catalogue->AddSlot(Category::Drives, "Data (D:)", HKLM, letter + "\\DefaultIcon", "", "", 8, SlotKind::ShellIconFallback, 0);
    page.pendingChanges = catalogue->RestoreSlot(*catalogue->Find(Category::Drives, "Data (D:)"), false, true) == 1;
    Apply(driveMode);
    EXPECT_EQ(backend.KeyExists(HKLM, letter + "\\DefaultIcon"), !driveMode);
    EXPECT_TRUE(backend.KeyExists(HKLM, letter));
  }
}

std::vector<std::string> Lines(const WriteJournal& journal) {
  std::vector<std::string> lines;
  for (const JournalEntry& entry : journal.entries()) lines.push_back(FormatJournalLine(entry));
  return lines;
}

// The dry run writes nothing yet reads back its writes; the real run makes them, a refused one FAILED.
TEST_F(ApplyTest, JournalOfADryRunListsTheRealRunsWritesAndWritesNothing) {
  const auto apply = [&](WriteJournal& journal) {
    JournalRegistry registryThrough(backend, journal);
    Registry registryOver(registryThrough);
    JournalIni iniThrough(ini, journal);
    JournalEffects effectsThrough(effects, shell, journal);
    SlotCatalogue applied(Inputs(6), CatalogueSystem{registryOver, iniThrough, shell, prompt, notice});
    applied.AddSlot(Category::Others, "Shortcut Overlay", HKLM, kShellIcons, "29", "", -1, SlotKind::RegistryValue, 0);
    applied.AddSlot(Category::Folders, "My Music", std::nullopt, "C:\\Music\\desktop.ini", "", "", 0, SlotKind::FolderDesktopIni, 0);
    applied.SetSlotIcon(*applied.Find(Category::Others, "Shortcut Overlay"), "C:\\i\\arrow.ico", 2);
    applied.SetSlotIcon(*applied.Find(Category::Folders, "My Music"), "C:\\i\\note.ico", 0);
    page.pendingChanges = true;
    ApplyToSystem(applied, page, events, effectsThrough, {});
    std::string iconFile;
    ReadIniValue(iniThrough, ".ShellClassInfo", "IconFile", iconFile, "C:\\Music\\desktop.ini");
    return registryOver.ReadText(HKLM, kShellIcons, "29") + " " + iconFile;
  };
  WriteJournal dry(true), real;
  EXPECT_EQ(apply(dry), "C:\\i\\arrow.ico,2 C:\\i\\note.ico");
  EXPECT_EQ(Text(HKLM, kShellIcons, "29") + Text(HKCU, kProgramKey, "Theme"), "ERRORERROR");
  EXPECT_TRUE(effects.images.empty() && effects.notices == 0 && IniText("C:\\Music\\desktop.ini", ".ShellClassInfo", "IconFile").empty());
  EXPECT_EQ(dry.Count(WriteOutcome::DryRun), 5u);  // value, image, IconFile, IconIndex, Theme
  backend.DenyWrites(HKCU, "Software\\Quillmoor");
  apply(real);
  std::vector<std::string> expected;
  for (const std::string& line : Lines(dry)) {
    expected.push_back(line.substr(0, line.rfind('\t')) + (line.find("\tTheme\t") != std::string::npos ? "\tFAILED" : "\tdone"));
  }
  EXPECT_EQ(Lines(real), expected);
  EXPECT_EQ(Text(HKLM, kShellIcons, "29") + " " + Text(HKCU, kProgramKey, "Theme"), "C:\\i\\arrow.ico,2 ERROR");
}

class RestoreTest : public ApplyTest {
 protected:
  // In each category (Quick Launch once built) a slot showing neither its default nor its pending icon.
  void MakeChangedEverywhere(int os = 6) {
    Make(os);
    events = RecordingEvents{};
    for (int c = 0; c < kPackageCategoryCount; ++c) AddChanged(*catalogue, c);
    catalogue->SetBuilder(Category::QuickLaunch, [this](SlotCatalogue& built) { AddChanged(built, 7); });
  }
  void AddChanged(SlotCatalogue& built, int c) {
    const std::string name = "Slot " + std::to_string(c);
    backend.PutText(HKCU, name, "Icon", "C:\\system\\now.ico,1");
    built.AddSlot(static_cast<Category>(c), name, HKCU, name, "Icon", "C:\\defaults\\d.icl", c, SlotKind::RegistryValue, 0);
    built.SetSlotIcon(*built.Find(static_cast<Category>(c), name), "C:\\package\\p.icl", 40 + c);
  }
  std::string AtDefault() {  // "1" per category whose slot is back at its default
    std::string marks;
    for (int c = 0; c < kCategoryCount; ++c) {
      const IconSlot* slot = catalogue->Find(static_cast<Category>(c), "Slot " + std::to_string(c));
      marks += slot && slot->iconPath == "C:\\defaults\\d.icl" && slot->IsChanged() ? '1' : '0';
    }
    return marks;
  }
};

TEST_F(RestoreTest, QuietRestoreTakesTheIncludedCategoriesAndQuickLaunchAndPreparesApply) {
  MakeChangedEverywhere();
  page.include = {true, false, false, false, false, true, true};
  RestoreAllIcons(*catalogue, page, events, true, true);
  EXPECT_EQ(AtDefault(), "10000101");
  EXPECT_EQ(events.refreshed, (std::vector<std::pair<Category, int>>{{Category::Desktop, 0}, {Category::Files, 0}, {Category::QuickLaunch, 0}}));
  EXPECT_EQ(events.listsChanged, 1);
  EXPECT_EQ(events.applyEnabled, 1);
  EXPECT_TRUE(page.pendingChanges && page.needCacheRebuild && prompt.requests.empty());
  RestoreAllCursors(*catalogue, page, events, true, true);
  EXPECT_EQ(AtDefault(), "10000111");
  // Everything; on a 9x system no cache rebuild; with the cursors' switch off they stay.
  MakeChangedEverywhere(2);
  RestoreAllIcons(*catalogue, page, events, true, false);
  RestoreAllCursors(*catalogue, page, events, true, true);  // the cursors' switch is off
  EXPECT_EQ(AtDefault(), "11111101");
  EXPECT_FALSE(page.needCacheRebuild || events.listsChanged != 1);
  // "Restore Icons Launch" 0 leaves Quick Launch alone; missing means on.
  MakeChangedEverywhere();
  backend.PutNumber(HKCU, kProgramKey, "Restore Icons Launch", 0);
  RestoreAllIcons(*catalogue, page, events, true, false);
  EXPECT_EQ(AtDefault(), "11111100");
  // A slot without a default is left as it is.
  backend.PutText(HKCR, ".zip", "", "WinZip");
  backend.PutText(HKCR, "WinZip\\DefaultIcon", "", "C:\\WinZip\\winzip32.exe,0");
  ASSERT_GE(catalogue->AddSlot(Category::Files, "Zip File", HKCR, ".zip", "", "", 0, SlotKind::ClassDefaultIcon, 0), 0);
  RestoreAllIcons(*catalogue, page, events, true, false);
  EXPECT_FALSE(catalogue->Find(Category::Files, "Zip File")->IsChanged());
}

}  // namespace
}  // namespace gd::test
