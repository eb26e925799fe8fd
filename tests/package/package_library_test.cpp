// The package library over a fake Themes folder: the three sort orders, icon counts and the
// selection; shortcuts; and what deleting a package removes.
#include "package/package_library.h"
#include "package/zipped_package.h"
#include "package_fixture.h"

namespace gd::package_test {
namespace {

const std::string kDir = kThemes + "\\";

// The files of the fake shell, with deletions recorded.
class FakeFiles final : public PackageFiles {
 public:
  explicit FakeFiles(test::FakeShell& shell) : shell_(shell) {}
  std::vector<Entry> ListFolder(const std::string& folder) override {
    std::vector<Entry> entries;
    for (const auto& file : shell_.FindFiles(folder, "*.*", false)) entries.push_back({FileName(file)});
    return entries;
  }
  bool RemoveFile(const std::string& path) override {
    removedFiles.push_back(path);
    std::erase_if(shell_.files, [&](const std::string& f) { return EqualsIgnoreCase(f, path); });
    shell_.shortcuts.erase(path);
    return true;
  }
  bool RemoveTree(const std::string& folder) override { removedTrees.push_back(folder); return !treesStay; }
  Names removedFiles, removedTrees;
  bool treesStay = false;  // a file in the folder is open elsewhere

 private:
  test::FakeShell& shell_;
};

class LibraryTest : public PackageTest {
 protected:
  // A package under Themes, with `icons` icon files beside it.
  std::string AddPackage(const std::string& relative, int icons = 0, const std::string& author = "") {
    Write(kDir + relative, "Package Info", {{"Author", author}});
    for (int i = 0; i < icons; ++i) shell.files.insert(FolderOf(kDir + relative) + std::to_string(i) + ".ico");
    return kDir + relative;
  }
  Names Titles(PackageSort sort) { return Titles(ScanLibrary(system, sort, "")); }
  static Names Titles(const LibraryList& list) {
    Names titles;
    for (const std::string& entry : list.entries) titles.push_back(entry == kWindowsDefaultIcons ? entry : FileTitle(entry));
    return titles;
  }

  FakeFiles files{shell};
  LibrarySystem system{shell, ini, files, registry, prompt, kThemes};
};

TEST_F(LibraryTest, SortsByNameByIconCountAsTextAndByAuthorAndKeepsTheLoadedOneSelected) {
  const std::string nine = AddPackage("b\\Nine.gdtheme", 9, "Sam");
  AddPackage("c\\hundred.gdtheme", 100, "zoe");
  AddPackage("a\\Twelve.gdtheme", 12, "");
  AddPackage("d\\x\\y\\Deep.gdtheme", 0, "sAM");  // two levels down
  // Cursors count as icons; libraries, other files and subfolders do not: 14.
  for (const char* other : {"a.CUR", "b.Ani", "a.icl", "notes.txt", "Sub\\c.ico", "x.icon"}) shell.files.insert(kDir + "a\\" + other);
  EXPECT_EQ(Titles(PackageSort::ByName), (Names{"Windows Default Icons", "Deep", "hundred", "Nine", "Twelve"}));
  // Compared as text, going down: 9, 14, 100, then 0.
  EXPECT_EQ(Titles(PackageSort::ByIconCount), (Names{"Windows Default Icons", "Nine", "Twelve", "hundred", "Deep"}));
  // No author sorts as "Unknown", between S and Z; equal authors keep path order.
  EXPECT_EQ(Titles(PackageSort::ByAuthor), (Names{"Windows Default Icons", "Nine", "Deep", "Twelve", "hundred"}));
  EXPECT_EQ(ScanLibrary(system, PackageSort::ByName, FoldCase(nine)).selected, 3u);
}

TEST_F(LibraryTest, PackagesInUseStayAndOthersInAFolderOfTheirOwnGoWithIt) {
  const std::string blue = AddPackage("Blue\\Blue.gdtheme", 3);
  backend.PutText(RegRoot::CurrentUser, kProgramKey, "Theme", FoldCase(blue));
  EXPECT_FALSE(CanDelete(system, blue, "") || CanDelete(system, kDir + "Red\\Red.gdtheme", kDir + "RED\\red.gdtheme"));
  EXPECT_TRUE(CanDelete(system, kDir + "Red\\Red.gdtheme", blue));
  LibraryList list = ScanLibrary(system, PackageSort::ByName, blue);
  prompt = test::ScriptedPrompt({PromptAnswer::No, PromptAnswer::Yes, PromptAnswer::Ok, PromptAnswer::Yes});
  EXPECT_EQ(DeletePackage(system, list, 1), DeleteOutcome::Kept);
  files.treesStay = true;
  EXPECT_EQ(DeletePackage(system, list, 1), DeleteOutcome::Kept) << "the folder could not be removed";
  EXPECT_EQ(Titles(list).size(), 2u);
  EXPECT_EQ(prompt.requests.back().text.substr(0, 39), "Could not delete the package folder:\n\n" + kDir.substr(0, 1));
  files.treesStay = false;
  EXPECT_EQ(DeletePackage(system, list, 1), DeleteOutcome::Deleted);
  EXPECT_EQ(files.removedTrees, (Names{kDir + "Blue", kDir + "Blue"}));
  EXPECT_EQ(Titles(list), Names{"Windows Default Icons"});
  EXPECT_EQ(list.selected, 0u);
  EXPECT_EQ(DeletePackage(system, list, 0), DeleteOutcome::Kept) << "the defaults stay";
}

TEST_F(LibraryTest, PackagesWithoutAFolderOfTheirOwnLoseOnlyTheirOwnFiles) {
  prompt = test::ScriptedPrompt({}, PromptAnswer::Yes);
  // One directly in Themes naming files outside too, one sharing its folder, one kept elsewhere.
  const std::string root = kDir + "Root.gdtheme";
  Write(root, "Desktop Icons", {{"My Computer", "%ThemeDir%Root.icl,0"}, {"Recycle Bin (full)", "%ThemeDir%Root.icl,1"},
                                 {"Notes", "%ThemeDir%notes.txt"}});
  Write(root, "Cursors", {{"Busy", "%ThemeDir%busy.ani"}});
  Write(root, "Custom Icons", {{".xyz", "%ThemeDir%Other\\o.ico"}});
  Write(root, "Drive Icons", {{"Hard Drive", "%ThemeDir%..\\..\\system.ico"}, {"CD-ROM Drive", "%ThemeDir%C:x.ico"}});
  const std::string pair = AddPackage("Pair\\One.gdtheme");
  AddPackage("Pair\\Two\\Two.gdtheme");
  const std::string red = "D:\\Packs\\Red.gdtheme";
  Write(red, "Desktop Icons", {{"My Computer", "%ThemeDir%red.ico"}});
  // Shortcuts in Themes add their targets; those whose target is gone are deleted, only there.
  shell.files.insert("D:\\notes.txt");
  for (const auto& [link, target] : Entries{{"Red.lnk", red}, {"Gone.lnk", "D:\\Gone.gdtheme"}, {"Notes.lnk", "D:\\notes.txt"},
                                            {"Pair\\Deeper.lnk", "D:\\Gone.gdtheme"}}) {
    shell.shortcuts[kDir + link] = {target, "", 0};
  }
  LibraryList list = ScanLibrary(system, PackageSort::ByName, "");
  ASSERT_EQ(Titles(list), (Names{"Windows Default Icons", "One", "Red", "Root", "Two"}));
  EXPECT_EQ(files.removedFiles, Names{kDir + "Gone.lnk"});
  for (const std::size_t entry : {3, 2, 1}) EXPECT_EQ(DeletePackage(system, list, entry), DeleteOutcome::Deleted);
  EXPECT_TRUE(files.removedTrees.empty());
  EXPECT_EQ(files.removedFiles, (Names{kDir + "Gone.lnk", kDir + "Root.icl", kDir + "busy.ani", root,
                                       "D:\\Packs\\red.ico", red, kDir + "Red.lnk", pair}));
  EXPECT_EQ(Titles(list), (Names{"Windows Default Icons", "Two"}));
}

class RecordingZip final : public ArchiveTool {
 public:
  bool Unzip(const std::string&, const std::string&) override { return false; }
  bool Zip(const std::string&, const std::string& from, const std::vector<std::string>& packed) override {
    return folder = from, names = packed, true;
  }
  std::string folder;
  Names names;
};

// A package directly in Themes shares its folder with every other package: zipping it takes
// its own file and the files it names that are there, nothing more.
TEST_F(LibraryTest, ZippingPacksThePackageAndTheFilesItNamesAndNothingElse) {
  const std::string root = kDir + "Root.gdtheme";
  Write(root, "Desktop Icons", {{"My Computer", "%ThemeDir%Root.icl,0"}, {"Recycle Bin (full)", "%ThemeDir%gone.ico"}});
  Write(root, "Cursors", {{"Busy", "%ThemeDir%busy.ani"}, {"Text Select", "%ThemeDir%Blue\\beam.cur"}});
  for (const char* name : {"Root.icl", "busy.ani", "notes.txt", "Blue\\beam.cur"}) shell.files.insert(kDir + name);
  AddPackage("Blue\\Blue.gdtheme", 3);
  RecordingZip zip;
  ASSERT_TRUE(PackPackageFiles(root, "D:\\Root.gd", zip, files, ini));
  EXPECT_EQ(zip.folder, kThemes);
  EXPECT_EQ(zip.names, (Names{"Root.gdtheme", "Root.icl", "busy.ani"}));
  EXPECT_EQ(files.removedFiles, Names{"D:\\Root.gd"}) << "a new archive, not one added to";
}

}  // namespace
}  // namespace gd::package_test
