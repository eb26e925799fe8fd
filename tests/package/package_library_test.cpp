// The package library over a fake Themes folder: gathering and the three sort orders, the
// selection, shortcuts, icon counts, and deleting, installing and dropping packages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "package/package_library.h"
#include "package_fixture.h"

namespace gd::package_test {
namespace {

using Names = std::vector<std::string>;

const std::string kDir = std::string(kThemes) + "\\";

class LibraryTest : public PackageTest {
 protected:
  LibraryTest() { Catalogue(os::kWindows98, {{0, "My Computer"}}); }

  // A package in its own folder under Themes, with `icons` icon files beside it.
  std::string AddPackage(const std::string& relative, int icons = 0,
                         const std::string& author = "") {
    const std::string file = kDir + relative;
    Write(file, "Package Info", {{"Author", author}});
    for (int i = 0; i < icons; ++i) shell.files.insert(FolderOf(file) + std::to_string(i) + ".ico");
    return file;
  }
  Names Titles(const LibraryList& list) {
    Names titles;
    for (const std::string& entry : list.entries) {
      titles.push_back(entry == kWindowsDefaultIcons ? entry : FileTitle(entry));
    }
    return titles;
  }
  LibraryList Scan(PackageSort sort, const std::string& loaded = "") {
    return ScanLibrary(system, sort, loaded);
  }

  FakeFiles files{shell};
  LibrarySystem system{shell, ini, files, registry, prompt, kThemes};
};

TEST_F(LibraryTest, SortsByNameByIconCountAsTextAndByAuthor) {
  const std::string nine = AddPackage("b\\Nine.gdtheme", 9, "Sam");
  AddPackage("c\\hundred.gdtheme", 100, "zoe");
  AddPackage("a\\Twelve.gdtheme", 12, "");
  AddPackage("d\\x\\y\\Deep.gdtheme", 0, "sAM");  // two levels down

  EXPECT_EQ(Titles(Scan(PackageSort::ByName)),
            (Names{"Windows Default Icons", "Deep", "hundred", "Nine", "Twelve"}));
  // Compared as text, going down: 9, 12, 100, then 0.
  EXPECT_EQ(Titles(Scan(PackageSort::ByIconCount)),
            (Names{"Windows Default Icons", "Nine", "Twelve", "hundred", "Deep"}));
  // No author sorts as "Unknown", between S and Z; equal authors keep path order.
  EXPECT_EQ(Titles(Scan(PackageSort::ByAuthor)),
            (Names{"Windows Default Icons", "Nine", "Deep", "Twelve", "hundred"}));

  // The loaded package stays selected, until it is gone from the disk.
  EXPECT_EQ(Scan(PackageSort::ByName, FoldCase(nine)).selected, 3u);
  shell.files.erase(nine);
  EXPECT_EQ(Scan(PackageSort::ByName, nine).selected, 0u);
  // No Themes directory: no search from the root of a drive.
  system.themesDir.clear();
  shell.files.insert("\\Stray\\Root.gdtheme");
  EXPECT_EQ(Titles(Scan(PackageSort::ByName)), Names{"Windows Default Icons"});
}

TEST_F(LibraryTest, IconCountTakesOnlyIconFilesOfThePackagesOwnFolder) {
  const std::string file = AddPackage("Blue\\Blue.gdtheme", 2);
  for (const char* name : {"a.CUR", "b.Ani", "Blue.icl", "notes.txt", "Sub\\c.ico", "x.icon"}) {
    shell.files.insert(kDir + "Blue\\" + name);
  }
  EXPECT_EQ(CountIcons(files, file), 4);
  EXPECT_EQ(SortKey(system, PackageSort::ByIconCount, file), "4");
  EXPECT_EQ(SortKey(system, PackageSort::ByAuthor, file), "Unknown");
}

TEST_F(LibraryTest, ShortcutsAddTheirTargetsAndDanglingOnesAreDeleted) {
  AddPackage("Blue\\Blue.gdtheme");
  const std::string red = "D:\\Packs\\Red\\Red.gdtheme";
  Write(red, "Package Info", {{"Author", "Ann"}});
  shell.shortcuts[kDir + "Red.lnk"] = {red, "", 0};
  shell.shortcuts[kDir + "Gone.lnk"] = {"D:\\Gone\\Gone.gdtheme", "", 0};
  shell.shortcuts[kDir + "Notes.lnk"] = {"D:\\notes.txt", "", 0};
  shell.files.insert("D:\\notes.txt");
  shell.shortcuts[kDir + "Blue\\Deeper.lnk"] = {"D:\\Gone\\Gone.gdtheme", "", 0};

  const LibraryList list = Scan(PackageSort::ByName, "d:\\packs\\red\\RED.gdtheme");
  EXPECT_EQ(Titles(list), (Names{"Windows Default Icons", "Blue", "Red"}));
  EXPECT_EQ(list.selected, 2u);
  // Only the shortcut in Themes itself whose target is gone.
  EXPECT_EQ(files.removedFiles, Names{kDir + "Gone.lnk"});
}

TEST_F(LibraryTest, PackagesInUseCannotBeDeleted) {
  const std::string blue = AddPackage("Blue\\Blue.gdtheme");
  backend.PutText(RegRoot::CurrentUser, kProgramKey, "Theme", FoldCase(blue));
  EXPECT_FALSE(CanDelete(system, blue, ""));
  EXPECT_FALSE(CanDelete(system, kDir + "Red\\Red.gdtheme", kDir + "RED\\red.gdtheme"));
  EXPECT_TRUE(CanDelete(system, kDir + "Red\\Red.gdtheme", blue));
  ASSERT_EQ(prompt.requests.size(), 2u);
  EXPECT_EQ(prompt.requests[0].text,
            "You cannot delete the selected package as it is currently in use.");
  EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Exclamation);
  EXPECT_EQ(prompt.requests[0].caption, "Glimmerdeck");
}

TEST_F(LibraryTest, DeletingAPackageInItsOwnFolderRemovesTheFolder) {
  const std::string blue = AddPackage("Blue\\Blue.gdtheme", 3);
  LibraryList list = Scan(PackageSort::ByName, blue);
  prompt = test::ScriptedPrompt({PromptAnswer::No, PromptAnswer::Yes});
  EXPECT_EQ(DeletePackage(system, list, 1), DeleteOutcome::Kept);
  EXPECT_EQ(prompt.requests[0].text,
            "Are you sure want to delete the Blue icon package?\n\nNote: All icons associated "
            "with this package will also be deleted.");
  EXPECT_EQ(prompt.requests[0].buttons, PromptButtons::YesNo);
  EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Question);
  EXPECT_TRUE(files.removedTrees.empty());

  EXPECT_EQ(DeletePackage(system, list, 1), DeleteOutcome::Deleted);
  EXPECT_EQ(files.removedTrees, Names{kDir + "Blue"});
  EXPECT_EQ(list.entries, Names{"Windows Default Icons"});
  EXPECT_EQ(list.selected, 0u);
  EXPECT_EQ(DeletePackage(system, list, 0), DeleteOutcome::Kept) << "the defaults stay";
}

TEST_F(LibraryTest, PackagesWithoutAFolderOfTheirOwnLoseOnlyTheirOwnFiles) {
  prompt = test::ScriptedPrompt({}, PromptAnswer::Yes);
  // Directly in Themes, naming its library, a cursor, another package's icon and a file
  // outside; and a package whose folder holds a second package.
  const std::string root = kDir + "Root.gdtheme";
  Write(root, "Desktop Icons", {{"My Computer", "%ThemeDir%Root.icl,0"},
                                 {"Recycle Bin (full)", "%ThemeDir%Root.icl,1"},
                                 {"Notes", "%ThemeDir%notes.txt"}});
  Write(root, "Cursors", {{"Busy", "%ThemeDir%busy.ani"}});
  Write(root, "Custom Icons", {{".xyz", "%ThemeDir%Other\\o.ico"}});
  Write(root, "Drive Icons", {{"Hard Drive", "%ThemeDir%..\\..\\system.ico"}});
  const std::string pair = AddPackage("Pair\\One.gdtheme");
  AddPackage("Pair\\Two\\Two.gdtheme");
  const std::string red = "D:\\Packs\\Red.gdtheme";
  Write(red, "Desktop Icons", {{"My Computer", "%ThemeDir%red.ico"}});
  shell.shortcuts[kDir + "Red.lnk"] = {red, "", 0};

  LibraryList list = Scan(PackageSort::ByName);
  ASSERT_EQ(Titles(list), (Names{"Windows Default Icons", "One", "Red", "Root", "Two"}));
  EXPECT_EQ(DeletePackage(system, list, 3), DeleteOutcome::Deleted);
  EXPECT_EQ(files.removedFiles, (Names{kDir + "Root.icl", kDir + "busy.ani", root}));
  EXPECT_EQ(DeletePackage(system, list, 2), DeleteOutcome::Deleted);
  EXPECT_EQ(DeletePackage(system, list, 1), DeleteOutcome::Deleted);
  EXPECT_TRUE(files.removedTrees.empty());
  EXPECT_EQ(files.removedFiles,
            (Names{kDir + "Root.icl", kDir + "busy.ani", root, "D:\\Packs\\red.ico", red,
                   kDir + "Red.lnk", pair}));
  EXPECT_EQ(Titles(list), (Names{"Windows Default Icons", "Two"}));
}

TEST_F(LibraryTest, InstallingAnArchiveSelectsItsPackage) {
  AddPackage("Alpha\\Alpha.gdtheme");
  LibraryList list = Scan(PackageSort::ByName);
  host.installFolder = kDir + "Blue";
  EXPECT_EQ(InstallFromFile(system, list, host, "D:\\Blue.gd"), std::nullopt);
  EXPECT_EQ(prompt.requests.back().text,
            "Error: No icon package was found in file:\n\nD:\\Blue.gd\n\nPlease try again with "
            "a different package.");
  EXPECT_EQ(prompt.requests.back().icon, PromptIcon::Exclamation);
  EXPECT_EQ(list.entries.size(), 2u);

  host.archiveContents = {"Blue.gdtheme"};
  EXPECT_EQ(InstallFromFile(system, list, host, "D:\\Blue.gd"), kDir + "Blue\\Blue.gdtheme");
  EXPECT_EQ(Titles(list), (Names{"Windows Default Icons", "Alpha", "Blue"}));
  EXPECT_EQ(list.selected, 2u);
  list.selected = 0;
  EXPECT_EQ(InstallFromFile(system, list, host, "D:\\Blue[1].gd"), kDir + "Blue\\Blue.gdtheme");
  EXPECT_EQ(list.entries.size(), 3u) << "listed once";
  EXPECT_EQ(list.selected, 2u);
}

TEST_F(LibraryTest, DroppedFilesLoadWhenTheyArePackages) {
  LibraryList list = Scan(PackageSort::ByName);
  state.packageFile = "before";
  EXPECT_FALSE(AcceptDroppedFile(system, list, "D:\\readme.txt", *catalogue, state, events, host));
  EXPECT_EQ(prompt.requests.back().text, "Not a valid package file \"D:\\readme.txt\".");
  EXPECT_EQ(prompt.requests.back().icon, PromptIcon::Information);
  // A package name that does not load leaves the loaded package as it was.
  EXPECT_FALSE(AcceptDroppedFile(system, list, "D:\\gone.GDTHEME", *catalogue, state, events, host));
  EXPECT_EQ(state.packageFile, "before");

  const std::string red = "D:\\Packs\\Red.gdtheme";
  Write(red, "Desktop Icons", {{"My Computer", "%ThemeDir%red.ico"}});
  EXPECT_TRUE(AcceptDroppedFile(system, list, red, *catalogue, state, events, host));
  EXPECT_EQ(state.packageFile, red);
  EXPECT_TRUE(Changed(0, "My Computer"));
  EXPECT_EQ(list.entries.back(), red);
  EXPECT_EQ(list.selected, 1u);
}

}  // namespace
}  // namespace gd::package_test
