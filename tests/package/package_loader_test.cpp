// Loading a package into hand-made catalogues: which files load, the reading limits and
// hostile package files, the restriction notice, the shortcut to an outside package, the
// restore settings, zipped packages and what the page is told at the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "package/package_format.h"
#include "package_fixture.h"

namespace gd::package_test {
namespace {

using test::ScriptedPrompt;

const std::string kBlue = std::string(kThemes) + "\\Blue\\Blue.gdtheme";
const std::string kBlueDir = std::string(kThemes) + "\\Blue\\";

class LoaderTest : public PackageTest {
 protected:
  void SetUp() override {
    Catalogue(os::kWindows98, {{0, "My Computer"}, {0, "Recycle Bin (empty)"},
                               {1, "Programs"},    {3, "Hard Drive"},
                               {5, "Text Document"}, {6, "Busy"}});
  }
};

TEST_F(LoaderTest, OnlyExistingFilesWithAPackageNameLoad) {
  EXPECT_EQ(Load(kBlue), 0) << "missing file";
  const std::string text = std::string(kThemes) + "\\Blue\\Blue.txt";
  Write(text, "Desktop Icons", {{"My Computer", "%ThemeDir%a.ico"}});
  EXPECT_EQ(Load(text), 0);
  EXPECT_FALSE(Changed(0, "My Computer"));
  EXPECT_EQ(events.titleChanges, 0);

  for (const std::string name : {"Blue.gdt", "BLUE.GDTHEME"}) {
    const std::string file = kBlueDir + name;
    Write(file, "Desktop Icons", {{"My Computer", "%ThemeDir%" + name + ".ico"}});
    EXPECT_EQ(Load(file), 1) << name;
    EXPECT_EQ(Slot(0, "My Computer").iconPath, kBlueDir + name + ".ico");
  }
}

TEST_F(LoaderTest, ValuesBecomePathsInThePackageFolder) {
  Write(kBlue, "Desktop Icons",
        {{"my computer", "%ThemeDir%Blue.icl,12"},       // names differ in case
         {"Recycle Bin (empty)", ""},                    // key without a value
         {"No Such Slot", "%ThemeDir%x.ico"}});
  Write(kBlue, "Drive Icons", {{"Hard Drive", "C:\\Icons\\a.ico"}});  // no variable
  Write(kBlue, "Start Icons", {{"Programs", "%ThemeDir%..\\..\\x.ico"}});
  Write(kBlue, "Cursors", {{"Busy", "%ThemeDir%Busy.ani"}});
  Write(kBlue, "General Icons", {{"My Computer", "%ThemeDir%wrong.ico"}});
  ASSERT_EQ(Load(kBlue), 1);

  EXPECT_EQ(Slot(0, "My Computer").iconPath, kBlueDir + "Blue.icl");
  EXPECT_EQ(Slot(0, "My Computer").iconIndex, 12);
  EXPECT_FALSE(Changed(0, "Recycle Bin (empty)"));
  // The first ten characters go whatever they are: "C:\Icons\a" here.
  EXPECT_EQ(Slot(3, "Hard Drive").iconPath, kBlueDir + ".ico");
  // A value may read outside the package: loading only reads.
  EXPECT_EQ(Slot(1, "Programs").iconPath, kBlueDir + "..\\..\\x.ico");
  // Cursors are read whatever the include switch says.
  EXPECT_EQ(Slot(6, "Busy").iconPath, kBlueDir + "Busy.ani");
  EXPECT_TRUE(Changed(6, "Busy"));
  EXPECT_EQ(events.refreshed.size(), 4u);
}

TEST_F(LoaderTest, KeyListIsCutAt399CharactersAndLongValuesAreRefused) {
  // 35 names of ten characters and one of three fill 389 of the list's 399 characters; a
  // list that does not fit ends two characters early, so "Hard Drive" is read as "Hard Dri"
  // and nothing after it is read at all.
  std::vector<std::pair<std::string, std::string>> entries;
  for (int i = 0; i < 35; ++i) entries.emplace_back("Filler " + std::to_string(100 + i), "x");
  entries.emplace_back("F99", "x");
  entries.emplace_back("Hard Drive", "%ThemeDir%hd.ico");
  entries.emplace_back("My Computer", "%ThemeDir%pc.ico");
  entries.emplace_back("Hard Dri", "%ThemeDir%cut.ico");
  Write(kBlue, "Drive Icons", entries);
  AddSlot(3, "Hard Dri");
  AddSlot(3, "My Computer");
  // A value longer than any path: the reading stops at 399 characters, and the reference is
  // refused rather than cut into another file's name.
  Write(kBlue, "Desktop Icons", {{"My Computer", "%ThemeDir%" + std::string(5000, 'a') + ".ico"}});
  ASSERT_EQ(Load(kBlue), 1);

  EXPECT_FALSE(Changed(3, "Hard Drive"));
  EXPECT_FALSE(Changed(3, "My Computer"));
  // The cut name is looked up, and its value read, as cut.
  EXPECT_EQ(Slot(3, "Hard Dri").iconPath, kBlueDir + "cut.ico");
  EXPECT_FALSE(Changed(0, "My Computer"));
}

TEST_F(LoaderTest, HugeAndGarbageSectionsLoadWithoutHarm) {
  std::vector<std::pair<std::string, std::string>> many;
  for (int i = 0; i < 10000; ++i) many.emplace_back("K" + std::to_string(i), "%ThemeDir%k.ico");
  Write(kBlue, "Start Icons", many);
  AddSlot(1, "K5");
  AddSlot(1, "K9999");
  Write(kBlue, "Desktop Icons", {{std::string("My\x01\xff Computer"), "\x7f\x80garbage,,,-"},
                                  {"My Computer", ",,,,"},
                                  {std::string(300, 'M'), "%ThemeDir%m.ico"}});
  ASSERT_EQ(Load(kBlue), 1);
  // A value shorter than the variable leaves the bare folder.
  EXPECT_EQ(Slot(0, "My Computer").iconPath, kBlueDir);
  EXPECT_TRUE(Changed(1, "K5"));
  EXPECT_FALSE(Changed(1, "K9999")) << "far beyond the key list";
}

TEST_F(LoaderTest, CustomIconsSetKnownTypesAndAddUnknownOnes) {
  catalogue->Entries(5).front().slot->fileType = ".txt";
  shell.files.insert(kBlueDir + "Blue.icl");  // an added type keeps an icon that exists
  Write(kBlue, "Custom Icons", {{".TXT", "%ThemeDir%Blue.icl,3"},
                                 {".xyz", "%ThemeDir%Blue.icl,4"},
                                 {".none", ""},
                                 {"exefile", "%ThemeDir%Blue.icl,5"},
                                 {".a\\b", "%ThemeDir%Blue.icl,6"},
                                 {"." + std::string(80, 'q'), "%ThemeDir%Blue.icl,7"}});
  ASSERT_EQ(Load(kBlue), 1);

  EXPECT_EQ(Slot(5, "Text Document").iconIndex, 3);
  ASSERT_EQ(catalogue->Entries(5).size(), 2u) << "only .xyz is added";
  const IconSlot& added = *catalogue->Entries(5).back().slot;
  EXPECT_EQ(catalogue->Entries(5).back().name, "XYZ File (.xyz)");
  EXPECT_EQ(added.kind, SlotKind::ExtensionDefaultIcon);
  EXPECT_EQ(added.flags, slotflag::kAddedFormat | slotflag::kChanged);
  EXPECT_EQ(added.fileType, ".xyz");
  EXPECT_EQ(added.iconPath, kBlueDir + "Blue.icl");
  EXPECT_EQ(added.iconIndex, 4);
  EXPECT_EQ(added.currentPath, added.iconPath);
}

TEST_F(LoaderTest, RestrictionNoticeOnlyForSilentLoadsWithIconsExcluded) {
  Write(kBlue, "Desktop Icons", {{"My Computer", "%ThemeDir%pc.ico"}});
  // Not a silent start, or only the cursors excluded: no notice.
  state.include[0] = false;
  ASSERT_EQ(Load(kBlue), 1);
  state.loadAndClose = true;
  state.include = kDefaultIncludeFlags;
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_TRUE(notice.shown.empty());

  // Cancel: nothing loaded, yet 1.
  catalogue->RestoreSlot(*catalogue->Find(0, "My Computer"), true, false);
  state.pendingChanges = false;
  state.include[2] = false;
  notice.answer = {PromptAnswer::Cancel, false};
  EXPECT_EQ(Load(kBlue), 1);
  ASSERT_EQ(notice.shown.size(), 1u);
  EXPECT_EQ(notice.shown[0].text, kRestrictionNoticeText);
  EXPECT_EQ(notice.shown[0].caption, "Apply Glimmerkit");
  EXPECT_EQ(notice.shown[0].buttons, PromptButtons::YesNoCancel);
  EXPECT_EQ(notice.shown[0].icon, PromptIcon::Information);
  EXPECT_FALSE(Changed(0, "My Computer"));
  EXPECT_FALSE(state.pendingChanges);

  // No: the switches stay; Yes: the six icon switches go on, cursors stay off.
  notice.answer = {PromptAnswer::No, false};
  EXPECT_EQ(Load(kBlue), 1);
  EXPECT_FALSE(state.include[2]);
  EXPECT_TRUE(Changed(0, "My Computer"));
  notice.answer = {PromptAnswer::Yes, true};
  EXPECT_EQ(Load(kBlue), 1);
  EXPECT_EQ(state.include, kDefaultIncludeFlags);
  EXPECT_EQ(registry.ReadNumber(RegRoot::CurrentUser, kProgramKey, "Notice Apply"), 0u);

  // Switched off for good.
  state.include[2] = false;
  EXPECT_EQ(Load(kBlue), 1);
  EXPECT_EQ(notice.shown.size(), 3u);
}

TEST_F(LoaderTest, OutsidePackageGetsOneShortcutInThemes) {
  const std::string outside = "D:\\Packs\\Red\\Red.gdtheme";
  Write(outside, "Desktop Icons", {{"My Computer", "%ThemeDir%pc.ico"}});
  ASSERT_EQ(Load(outside), 1);
  ASSERT_EQ(Load(outside), 1);
  ASSERT_EQ(host.shortcuts.size(), 1u);
  EXPECT_EQ(host.shortcuts[0].first, std::string(kThemes) + "\\Red.lnk");
  EXPECT_EQ(host.shortcuts[0].second, outside);
  EXPECT_EQ(events.listChanges, 1);

  // Inside Themes (its case aside) no shortcut is made.
  const std::string inside = "c:\\apps\\glimmerdeck\\themes\\Blue\\Blue.gdtheme";
  Write(inside, "Desktop Icons", {{"My Computer", "%ThemeDir%pc.ico"}});
  ASSERT_EQ(Load(inside), 1);
  EXPECT_EQ(host.shortcuts.size(), 1u);
}

TEST_F(LoaderTest, RestoreSettingsDecideWhatIsRestoredFirst) {
  Write(kBlue, "Desktop Icons", {{"My Computer", "%ThemeDir%pc.ico"}});
  // Missing: icons yes (included only), cursors no.
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_EQ(host.iconRestores, std::vector<bool>{true});
  EXPECT_TRUE(host.cursorRestores.empty());

  backend.PutNumber(RegRoot::CurrentUser, kProgramKey, "Restore Icons", 0);
  backend.PutNumber(RegRoot::CurrentUser, kProgramKey, "Restore Cursors", 1);
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_EQ(host.iconRestores.size(), 1u);
  EXPECT_TRUE(host.cursorRestores.empty()) << "cursors are excluded";
  state.include[6] = true;
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_EQ(host.cursorRestores, std::vector<bool>{true});
}

TEST_F(LoaderTest, ZippedPackageLoadsTheFirstPackageFileFound) {
  const std::string archive = "D:\\Down\\Blue[1].gd";
  shell.files.insert(archive);
  host.installFolder = std::string(kThemes) + "\\Blue";
  EXPECT_EQ(Load(archive), 0) << "archive without a package file";
  EXPECT_EQ(state.packageFile, archive);

  // The search lists the file it found last first; the first found is loaded.
  host.archiveContents = {"Sub\\A.gdtheme", "Sub\\B.gdtheme"};
  const std::string first = *host.installFolder + "\\Sub\\A.gdtheme";
  Write(first, "Desktop Icons", {{"My Computer", "%ThemeDir%a.ico"}});
  Write(*host.installFolder + "\\Sub\\B.gdtheme", "Desktop Icons",
        {{"My Computer", "%ThemeDir%b.ico"}});
  ASSERT_EQ(Load(archive), 1);
  EXPECT_EQ(state.packageFile, first);
  EXPECT_EQ(Slot(0, "My Computer").iconPath, *host.installFolder + "\\Sub\\a.ico");
  EXPECT_EQ(events.recent, std::vector<std::string>{first});
  EXPECT_TRUE(host.shortcuts.empty());

  host.installFolder.reset();
  shell.files.insert("D:\\Down\\x.ZIP");
  EXPECT_EQ(Load("D:\\Down\\x.ZIP"), 0);
  EXPECT_EQ(host.installed.size(), 3u);
}

TEST_F(LoaderTest, EndOfLoadTellsThePageAndSetsTheFlags) {
  Write(kBlue, "Desktop Icons", {{"My Computer", "%ThemeDir%pc.ico"}});
  state.categoryOnShow = 3;
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_EQ(events.titleChanges, 1);
  EXPECT_EQ(events.repainted, std::vector<int>{3});
  EXPECT_EQ(events.applyEnabled, 1);
  EXPECT_TRUE(state.pendingChanges);
  EXPECT_FALSE(state.needCacheRebuild) << "Windows 98";

  // NT-family shells rebuild their cache when start, folder, drive or other icons count.
  Catalogue(os::kWindows2000, {{0, "My Computer"}});
  state.include = {true, false, false, false, false, true, true};
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_FALSE(state.needCacheRebuild);
  state.include[3] = true;
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_TRUE(state.needCacheRebuild);

  // The Package Builder view leaves Apply alone.
  Catalogue(os::kWindows2000, {{0, "My Computer"}}, CatalogueView::PackageBuilder);
  state.pendingChanges = false;
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_TRUE(Changed(0, "My Computer"));
  EXPECT_FALSE(state.pendingChanges);
  EXPECT_EQ(events.applyEnabled, 3);
}

}  // namespace
}  // namespace gd::package_test
