// Loading a package into hand-made catalogues: which files load, slot names per system and view,
// reading limits and hostile values, added file types, zipped packages, and Smart Load.
#include "package/smart_load.h"
#include "package/zipped_package.h"
#include "package_fixture.h"

namespace gd::package_test {
namespace {

class LoaderTest : public PackageTest {
 protected:
  void SetUp() override {
    Catalogue(Os::Windows98, {{0, "My Computer"}, {0, "Recycle Bin (empty)"}, {1, "Programs"},
                               {3, "Hard Drive"}, {5, "Text Document"}, {6, "Busy"}});
    Write(kBlue, "Desktop Icons", {{"My Computer", "%ThemeDir%pc.ico"}});
  }
  std::string Icon(int category, const std::string& name) { const IconSlot& slot = Slot(category, name); return MakeIconRef(slot.iconPath, slot.iconIndex); }
};

TEST_F(LoaderTest, OnlyExistingFilesWithAPackageNameLoad) {
  const std::pair<std::string, int> files[] = {{"Gone.gdtheme", 0}, {"Blue.txt", 0}, {"Blue.gdt", 1}, {"BLUE.GDTHEME", 1}};
  for (const auto& [name, loads] : files) {
    if (name != "Gone.gdtheme") Write(kBlueDir + name, "Desktop Icons", {{"My Computer", "%ThemeDir%" + name + ".ico"}});
    EXPECT_EQ(Load(kBlueDir + name), loads) << name;
    EXPECT_EQ(Slot(Category::Desktop, "My Computer").iconPath, loads ? kBlueDir + name + ".ico" : "C:\\Sys\\My Computer.dll") << name;
  }
}

TEST_F(LoaderTest, ValuesBecomePathsInThePackageFolderWhateverTheyHold) {
  const std::string file = kBlueDir + "Values.gdtheme";
  Write(file, "Desktop Icons", {{"my computer", "%ThemeDir%Blue.icl,12"},  // names differ in case
                                  {"Recycle Bin (empty)", ""},               // a key without a value
                                  {"My\x01\xff Computer", "\x7f\x80garbage,,,-"},
                                  {std::string(300, 'M'), "%ThemeDir%m.ico"}});
  Write(file, "Drive Icons", {{"Hard Drive", "C:\\Icons\\a.ico"}});  // "C:\Icons\a" gives way
  Write(file, "Start Icons", {{"Programs", "%ThemeDir%..\\..\\x.ico"}});  // loading only reads
  Write(file, "Cursors", {{"Busy", "%ThemeDir%Busy.ani"}});  // whatever the include switch says
  Write(file, "General Icons", {{"My Computer", "%ThemeDir%wrong.ico"}});
  ASSERT_EQ(Load(file), 1);
  EXPECT_EQ(Icon(0, "My Computer") + " " + Icon(0, "Recycle Bin (empty)"), kBlueDir + "Blue.icl,12 C:\\Sys\\Recycle Bin (empty).dll,0");
  EXPECT_EQ(Icon(3, "Hard Drive") + " " + Icon(1, "Programs") + " " + Icon(6, "Busy"),
            kBlueDir + ".ico,0 " + kBlueDir + "..\\..\\x.ico,0 " + kBlueDir + "Busy.ani,0");
  Write(file, "Desktop Icons", {{"My Computer", ",,,,"}});
  ASSERT_EQ(Load(file), 1);
  EXPECT_EQ(Icon(0, "My Computer"), kBlueDir + ",0") << "shorter than the variable";
}

// A silent load with categories switched off offers to take them all; Cancel loads nothing and
// leaves the recent list alone, though the start goes on to its OK.
TEST_F(LoaderTest, CancelAtTheRestrictionNoticeLoadsNothingAndNamesNoRecentPackage) {
  state.loadAndClose = true;
  state.include[Index(Category::Files)] = false;
  notice.answer = {PromptAnswer::Cancel, false};
  EXPECT_EQ(Load(kBlue), 1);
  EXPECT_FALSE(Changed(Category::Desktop, "My Computer"));
  EXPECT_TRUE(events.recent.empty());
  notice.answer = {PromptAnswer::Yes, false};
  EXPECT_EQ(Load(kBlue), 1);
  EXPECT_TRUE(Changed(Category::Desktop, "My Computer") && state.include[Index(Category::Files)]);
  EXPECT_EQ(events.recent, std::vector<std::string>{kBlue});
  EXPECT_EQ(notice.shown.size(), 2u);
}

// Keys name slots as older systems do; the running system and view give the names they stand for.
TEST_F(LoaderTest, KeysAreReadAsTheRunningSystemAndViewNameTheirSlots) {
  Write(kBlue, "Start Icons", {{"Shut Down", "%ThemeDir%off.ico"}, {"Help", "%ThemeDir%help.ico"}});
  const std::tuple<int, CatalogueView, const char*, const char*> cases[] = {
      {6, CatalogueView::LocalUpdate, "Turn Off Computer...", "Help and Support"},
      {6, CatalogueView::PackageBuilder, "Shut Down...", "Help"}};
  for (const auto& [os, view, off, help] : cases) {
    Catalogue(os, {{1, off}, {1, help}}, view);
    ASSERT_EQ(Load(kBlue), 1);
    EXPECT_EQ(Slot(Category::Start, off).iconPath + " " + Slot(Category::Start, help).iconPath, kBlueDir + "off.ico " + kBlueDir + "help.ico") << os;
  }
}

TEST_F(LoaderTest, KeyListIsCutAt399CharactersAndOverlongValuesAreRefused) {
  // 35 names of ten characters and "F99" fill 389 of 399; a list that does not fit ends two
  // early, so "Hard Drive" is read as "Hard Dri" and nothing after it at all.
  Entries entries;
  for (int i = 0; i < 35; ++i) entries.emplace_back("Filler " + std::to_string(100 + i), "x");
  entries.insert(entries.end(), {{"F99", "x"}, {"Hard Drive", "%ThemeDir%hd.ico"},
                                 {"My Computer", "%ThemeDir%pc.ico"}, {"Hard Dri", "%ThemeDir%cut.ico"}});
  Write(kBlue, "Drive Icons", entries);
  AddSlot(Category::Drives, "Hard Dri");
  AddSlot(Category::Drives, "My Computer");
  // Read up to 399 characters, and refused rather than cut into another file's name.
  Write(kBlue, "Desktop Icons", {{"My Computer", "%ThemeDir%" + std::string(5000, 'a') + ".ico"}});
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_FALSE(Changed(3, "Hard Drive") || Changed(3, "My Computer") || Changed(0, "My Computer"));
  EXPECT_EQ(Slot(Category::Drives, "Hard Dri").iconPath, kBlueDir + "cut.ico");
}

TEST_F(LoaderTest, CustomIconsSetKnownTypesAndAddOnlyPlainExtensions) {
  catalogue->Entries(Category::Files).front().slot->fileType = ".txt";
  shell.files.insert(kBlueDir + "Blue.icl");  // an added type keeps only an icon that exists
  Write(kBlue, "Custom Icons", {{".TXT", "%ThemeDir%Blue.icl,3"}, {".xyz", "%ThemeDir%Blue.icl,4"}, {".none", ""},
                                 {"exefile", "%ThemeDir%Blue.icl,5"}, {".a\\b", "%ThemeDir%Blue.icl,6"},
                                 {"." + std::string(80, 'q'), "%ThemeDir%Blue.icl,7"}});
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_EQ(Slot(Category::Files, "Text Document").iconIndex, 3);
  ASSERT_EQ(catalogue->Entries(Category::Files).size(), 2u) << "only .xyz is added";
  EXPECT_EQ(Icon(5, "XYZ File (.xyz)"), kBlueDir + "Blue.icl,4");
  EXPECT_EQ(Slot(Category::Files, "XYZ File (.xyz)").flags, slotflag::kAddedFormat | slotflag::kChanged);
}

TEST_F(LoaderTest, ZippedPackageUnpacksIntoAFolderOfItsOwnAndLoadsTheFirstPackageFileFound) {
  EXPECT_EQ(InstallFolderFor(kAppPath, "D:\\Down\\Blue[1].gd"), kThemes + "\\Blue");
  EXPECT_EQ(InstallFolderFor(kAppPath, "D:\\Blue[12].ZIP"), kThemes + "\\Blue[12]");
  // Names that would unpack over the Themes folder or beside it.
  for (const std::string& archive : Names{"D:\\[1].gd", "D:\\.gd", "D:\\...gd", "D:\\..[1].gd", "D:\\con.gd",
                                          "D:\\" + std::string(240, 'n') + ".gd"}) {
    EXPECT_EQ(InstallFolderFor(kAppPath, archive), std::nullopt) << archive;
  }
  const std::string archive = "D:\\Down\\Blue[1].gd", folder = kThemes + "\\Green\\";
  shell.files.insert({archive, "D:\\Down\\x.ZIP"});
  host.installFolder = kThemes + "\\Green";
  EXPECT_EQ(Load(archive), 0) << "archive without a package file";
  // The search lists the file it found last first; the first found is loaded.
  host.archiveContents = {"Sub\\A.gdtheme", "Sub\\B.gdtheme"};
  Write(folder + "Sub\\A.gdtheme", "Desktop Icons", {{"My Computer", "%ThemeDir%a.ico"}});
  Write(folder + "Sub\\B.gdtheme", "Desktop Icons", {{"My Computer", "%ThemeDir%b.ico"}});
  ASSERT_EQ(Load(archive), 1);
  EXPECT_EQ(state.packageFile + " " + Slot(Category::Desktop, "My Computer").iconPath, folder + "Sub\\A.gdtheme " + folder + "Sub\\a.ico");
  EXPECT_TRUE(shell.shortcuts.empty()) << "unpacked under Themes, so no shortcut";
  host.installFolder.reset();
  EXPECT_EQ(Load("D:\\Down\\x.ZIP"), 0);
}

using SmartLoadTest = PackageTest;

// Every fill row: a slot given an icon (the source) passes it on to one the package left unset,
// found by the beginning of its name (Quick Launch items: any part); three rows only on XP.
struct Fill {
  int os;
  int target;
  const char* targetName;
  int source;
  const char* sourceName;
  bool fills = true;
};
constexpr Fill kFills[] = {
    {5, 0, "My Documents", 1, "Documents"},           {5, 1, "Programs", 2, "Program Group"},
    {5, 1, "Favorites", 2, "Favorites"},              {5, 1, "Documents", 0, "My Documents"},
    {5, 1, "Settings - Control Panel", 2, "Control Panel"}, {5, 1, "Settings - Printers", 2, "Printers"},
    {5, 2, "Programs Group", 1, "Programs"},          {5, 2, "Users Program Group", 2, "Program Group"},
    {5, 2, "Control Panel", 1, "Settings - Control Panel"}, {5, 2, "Printers and Faxes", 1, "Settings - Printers"},
    {5, 2, "Administrative Tools", 2, "Control Panel"}, {5, 2, "Web Folders", 2, "ActiveX Cache"},
    {5, 2, "Network Connections", 2, "Web Folders"},  {5, 2, "Favorites", 1, "Favorites"},
    {5, 3, "Floppy Drive 5\xBC", 3, "Floppy Drive 3\xBD"}, {5, 3, "Floppy Drive 3\xBD", 3, "Floppy Drive 5\xBC"},
    {5, 3, "Network Drive (connected)", 3, "Hard Drive"}, {5, 3, "Network Drive (offline)", 3, "Hard Drive"},
    {5, 4, "Network Service", 4, "Entire Network"},   {5, 4, "Audio CD", 3, "CD-ROM Drive"},
    {6, 1, "Internet", 0, "Internet Explorer"},       {6, 1, "E-mail", 0, "Microsoft Outlook"},
    {6, 1, "E-mail", 0, "In Box"},                    {5, 7, "Windows Explorer", 0, "My Computer"},
    {5, 7, "Launch Internet Explorer Browser", 0, "Internet Explorer"},
    {5, 7, "Outlook Express", 0, "In Box"},           {5, 7, "Outlook Express", 1, "E-mail"},
    // Rows go one way only, and the XP rows nowhere else.
    {5, 3, "Hard Drive", 3, "Network Drive (connected)", false}, {5, 4, "Entire Network", 4, "Network Service", false},
    {5, 1, "Internet", 0, "Internet Explorer", false}, {2, 1, "E-mail", 0, "Microsoft Outlook", false},
};

TEST_F(SmartLoadTest, EachRowFillsItsTargetFromItsSource) {
  backend.PutNumber(RegRoot::CurrentUser, kProgramKey, "Quick Launch Load", 1);
  Write(kBlue, "Package Info", {{"Author", "Ann"}});
  for (const Fill& row : kFills) {
    Catalogue(row.os, {{row.target, row.targetName}, {row.source, row.sourceName}});
    catalogue->SetSlotIcon(*catalogue->Find(static_cast<Category>(row.source), row.sourceName), kBlueDir + "s.ico", 5);
    ASSERT_EQ(Load(kBlue), 1);
    const IconSlot& target = Slot(row.target, row.targetName);
    EXPECT_EQ(target.IsChanged(), row.fills) << row.targetName << " from " << row.sourceName;
    EXPECT_EQ(target.iconPath == kBlueDir + "s.ico" && target.iconIndex == 5, row.fills) << row.targetName;
  }
}

// Rows run in order, the package's own icons stay, and the applied package loads again the same.
TEST_F(SmartLoadTest, RowsRunInOrderAndLoadingTheAppliedPackageAgainFillsTheSameSlots) {
  Catalogue(Os::Windows2000, {{1, "Programs"}, {2, "Program Group"}, {2, "Programs Group"}, {3, "Hard Drive"},
                               {3, "Network Drive (connected)"}, {3, "Network Drive (offline)"}});
  Write(kBlue, "Drive Icons", {{"Hard Drive", "%ThemeDir%Blue.icl,1"}, {"Network Drive (offline)", "%ThemeDir%Blue.icl,2"}});
  Write(kBlue, "Folder Icons", {{"program group", "%ThemeDir%Blue.icl,3"}});
  const auto each = [&](auto act) { for (Category c : {Category::Start, Category::Folders, Category::Drives}) for (auto& entry : catalogue->Entries(c)) act(*entry.slot); };
  host.restoreIcons = [&] { each([&](IconSlot& slot) { catalogue->RestoreSlot(slot, false, true); }); };
  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(Load(kBlue), 1);
    std::string indexes;
    each([&](IconSlot& slot) { indexes += std::to_string(slot.iconIndex); });
    EXPECT_EQ(indexes, "333112") << "round " << round;
    // Applied: what each slot shows is now the package's.
    each([](IconSlot& slot) { slot.currentPath = slot.iconPath; slot.currentIndex = slot.iconIndex; slot.flags = 0; });
  }
}

TEST_F(SmartLoadTest, IncludeSwitchesAndSettingsLimitTheTargets) {
  Write(kBlue, "Start Icons", {{"Settings - Printers", "%ThemeDir%Blue.icl,4"}});
  for (const bool smartLoad : {true, false}) {
    Catalogue(Os::Windows2000, {{1, "Settings - Printers"}, {2, "Printers"}});
    state.include[2] = !smartLoad;  // excluded, or Smart Load off
    backend.PutNumber(RegRoot::CurrentUser, kProgramKey, "Smart Load", smartLoad ? 1 : 0);
    ASSERT_EQ(Load(kBlue), 1);
    EXPECT_FALSE(Changed(2, "Printers"));
  }
}

TEST_F(SmartLoadTest, WindowsXpMailComesFromThePackagesOwnInBox) {
  Write(kBlue, "Desktop Icons", {{"In Box", "%ThemeDir%mail.ico"}});
  // With no desktop mail slot the package's own "In Box" value reaches E-mail: on XP, if included.
  const std::tuple<int, bool, std::string> cases[] = {{6, true, "mail.ico"}, {6, false, ""}, {5, true, ""}};
  for (const auto& [os, startIncluded, icon] : cases) {
    Catalogue(os, {{1, "E-mail"}});
    state.include[1] = startIncluded;
    ASSERT_EQ(Load(kBlue), 1);
    EXPECT_EQ(Slot(Category::Start, "E-mail").iconPath, icon.empty() ? "C:\\Sys\\E-mail.dll" : kBlueDir + icon) << os << startIncluded;
  }
}

}  // namespace
}  // namespace gd::package_test
