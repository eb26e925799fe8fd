// Saving a package over an in-memory disk: where it goes, which slots it keeps and how their
// files are named in each save mode, and that replacing a package never harms the old one.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

#include "settings/settings_store.h"
#include "catalogue/categories.h"
#include "package/package_format.h"
#include "package/package_saver.h"
#include "support/catalogue_harness.h"

namespace gd {
namespace {

using test::ScriptedPrompt;

// Folders, plain files and INI files in memory; what saving asks of the program is recorded.
class MemoryDisk final : public IniStore, public SaveHost {
 public:
  struct File {
    std::string path;
    std::string bytes;  // INI files keep their contents in the profile store
    bool ini = false;
  };
  std::set<std::string> folders;  // folded paths, no trailing backslash
  std::map<std::string, File> files;

  std::optional<std::string> chosen;  // what the save-file dialog answers
  std::vector<std::string> dialogFolders, infoShownFor, reloaded, copied;
  std::vector<std::string> libraryReferences;
  std::set<std::string> failingCopies;  // file names whose copy fails
  int throwAtConvert = 0;               // the conversion during which the program dies
  int converts = 0;
  bool libraryFails = false;

  void AddFolder(const std::string& folder) { folders.insert(FoldCase(folder)); }
  void AddFile(const std::string& path, const std::string& bytes) {
    files[FoldCase(path)] = File{path, bytes, false};
  }
  bool Has(const std::string& path) const { return files.count(FoldCase(path)) > 0; }
  std::string Bytes(const std::string& path) const {
    const auto it = files.find(FoldCase(path));
    return it == files.end() ? std::string() : it->second.bytes;
  }
  std::string Value(const std::string& file, const std::string& section, const std::string& key) {
    std::string value;
    ReadIniValue(*this, section, key, value, file);
    return value;
  }
  std::vector<std::string> Keys(const std::string& file, const std::string& section) {
    return ReadSectionKeys(*this, file, section);
  }
  std::set<std::string> FilesIn(const std::string& folder) const {
    std::set<std::string> names;
    for (const auto& [key, file] : files) {
      if (EqualsIgnoreCase(FolderOf(file.path), folder + "\\")) names.insert(FileName(file.path));
    }
    return names;
  }

  // IniStore
  std::size_t GetString(const std::string& file, const std::optional<std::string>& section,
                        const std::optional<std::string>& key, const std::string& fallback,
                        std::span<char> buffer) override {
    return ini_.GetString(file, section, key, fallback, buffer);
  }
  bool WriteString(const std::string& file, const std::string& section,
                   const std::optional<std::string>& key,
                   const std::optional<std::string>& value) override {
    if (!FolderExists(file)) return false;
    files[FoldCase(file)] = File{file, {}, true};
    return ini_.WriteString(file, section, key, value);
  }

  // SaveHost
  std::optional<std::string> ChooseSaveFile(const std::string& initialFolder) override {
    dialogFolders.push_back(initialFolder);
    return chosen;
  }
  void ShowPackageInfo(const std::string& packageFile) override {
    infoShownFor.push_back(packageFile);
    WriteString(packageFile, "Package Info", "Author", "Ann");
  }
  void ShowWaitCursor() override {}
  bool CreateFolder(const std::string& folder) override {
    if (!FolderExists(folder)) return false;
    AddFolder(folder);
    return true;
  }
  bool CopyFileOver(const std::string& from, const std::string& to) override {
    copied.push_back(FileName(from));
    const auto source = files.find(FoldCase(from));
    if (source == files.end() || !FolderExists(to) || failingCopies.count(FileName(from))) {
      return false;
    }
    const File copy = source->second;
    if (copy.ini) {
      ClearIni(to);
      for (const std::string& section : Sections(from)) {
        for (const std::string& key : ReadSectionKeys(*this, from, section)) {
          WriteString(to, section, key, Value(from, section, key));
        }
      }
    } else {
      files[FoldCase(to)] = File{to, copy.bytes, false};
    }
    return true;
  }
  std::vector<std::string> ListFiles(const std::string& folder) override {
    const std::set<std::string> names = FilesIn(folder);
    return {names.begin(), names.end()};
  }
  void DeleteFolderTree(const std::string& folder) override {
    const std::string inside = FoldCase(folder) + "\\";
    for (auto it = files.begin(); it != files.end();) {
      if (!it->first.starts_with(inside)) { ++it; continue; }
      if (it->second.ini) ClearIni(it->second.path);
      it = files.erase(it);
    }
    std::erase_if(folders, [&](const std::string& f) {
      return f == FoldCase(folder) || f.starts_with(inside);
    });
  }
  void ReloadPackage(const std::string& packageFile) override { reloaded.push_back(packageFile); }
  bool ConvertToIconFile(const std::string& source, int index,
                         const std::string& destination) override {
    if (++converts == throwAtConvert) throw std::runtime_error("the program died");
    if (!FolderExists(destination)) return false;
    AddFile(destination, "icon " + MakeIconRef(source, index));
    return true;
  }
  bool BuildIconLibrary(const std::string& libraryPath,
                        const std::vector<std::string>& references) override {
    libraryReferences = references;
    if (libraryFails) return false;
    AddFile(libraryPath, "library of " + std::to_string(references.size()));
    return true;
  }
  std::tm Today() override {
    std::tm date{};
    date.tm_mday = 5;
    date.tm_mon = 2;
    date.tm_year = 102;
    return date;
  }

 private:
  bool FolderExists(const std::string& path) const {
    return folders.count(FoldCase(RemoveTrailingBackslash(FolderOf(path)))) > 0;
  }
  std::vector<std::string> Sections(const std::string& file) {
    TextList names;
    ListIniSections(*this, file, names);
    return {names.rbegin(), names.rend()};
  }
  void ClearIni(const std::string& file) {
    for (const std::string& section : Sections(file)) ini_.WriteString(file, section, {}, {});
  }

  test::MemoryIni ini_;
};

class RecordingEvents final : public PageEvents {
 public:
  std::vector<std::string> recent;
  int listRebuilds = 0;
  void PackageListChanged() override { ++listRebuilds; }
  void RecentPackageAdded(const std::string& packageFile) override {
    recent.push_back(packageFile);
  }
};

const std::string kApp = "C:\\App";
const std::string kThemes = "C:\\App\\Themes";
const std::string kShell32 = "C:\\WINDOWS\\system32\\shell32.dll";
const std::string kArrow = "C:\\Cursors\\arrow.ani";

class PackageSaverTest : public ::testing::Test, protected test::CatalogueHarness {
 protected:
  PackageSaverTest() {
    for (const char* folder : {"C:", "C:\\App", "C:\\App\\Themes", "C:\\Packs"}) {
      disk.AddFolder(folder);
    }
    state.appPath = kApp;
    state.themesDir = kThemes;
    shell.files = {kShell32, kArrow, "C:\\Icons\\a.ico"};
    shell.iconCounts = {{kShell32, 40}, {kArrow, 1}, {"C:\\Icons\\a.ico", 1}};
    registry.WriteRegString(RegRoot::LocalMachine, kInstallKey, "Version", "2.1");
  }

  void Make(CatalogueView view, int os = 6) {
    CatalogueInputs inputs;
    inputs.osVersion = os;
    inputs.view = view;
    inputs.appPath = kApp;
    catalogue = std::make_unique<SlotCatalogue>(
        inputs, CatalogueSystem{registry, disk, shell, prompt, notice});
  }
  IconSlot& Add(int category, const std::string& name, const std::string& path, int index,
                bool changed = true) {
    auto slot = std::make_unique<IconSlot>();
    slot->iconPath = path;
    slot->iconIndex = index;
    slot->flags = changed ? slotflag::kChanged : 0;
    IconSlot& added = *slot;
    catalogue->Entries(category).push_back(CatalogueEntry{name, std::move(slot)});
    return added;
  }
  void SetSaveMode(std::uint32_t mode) {
    registry.WriteRegNumber(RegRoot::CurrentUser, kProgramKey, "Save Mode", mode);
  }
  void SaveAs(const std::string& chosen) {
    disk.chosen = chosen;
    SavePackage(*catalogue, state, events, disk, true);
  }

  MemoryDisk disk;
  PageState state;
  RecordingEvents events;
};

TEST(PackageSaverFolders, NewPackagesGetTheirOwnFolderAndReplacedOnesAScratchFolder) {
  SaveLocation plan = PlanSaveLocation("C:\\Packs\\Blue.gdtheme", false, kApp);
  EXPECT_EQ(plan.packagePath, "C:\\Packs\\Blue\\Blue.gdtheme");
  EXPECT_EQ(plan.newFolder, "C:\\Packs\\Blue");
  EXPECT_TRUE(plan.finalFolder.empty());

  plan = PlanSaveLocation("C:\\Packs\\BLUE\\Blue.gdtheme", false, kApp);
  EXPECT_EQ(plan.packagePath, "C:\\Packs\\BLUE\\Blue.gdtheme");
  EXPECT_EQ(plan.packageFolder, "C:\\Packs\\BLUE");
  EXPECT_TRUE(plan.newFolder.empty());

  plan = PlanSaveLocation("D:\\Elsewhere\\Blue\\Blue.gdtheme", true, kApp);
  EXPECT_EQ(plan.packagePath, "C:\\App\\Themes\\Blue~\\Blue.gdtheme");
  EXPECT_EQ(plan.finalFolder, "C:\\App\\Themes\\Blue");

  // A package at a drive root has no folder name; its own name keeps the scratch folder in
  // the Themes folder.
  plan = PlanSaveLocation("D:\\Blue.gdtheme", true, kApp);
  EXPECT_EQ(plan.packageFolder, "C:\\App\\Themes\\Blue~");
  plan = PlanSaveLocation("D:\\Blue.gdtheme", false, kApp);
  EXPECT_EQ(plan.packagePath, "D:\\Blue\\Blue.gdtheme");
}

TEST_F(PackageSaverTest, LocalUpdateLibrarySaveNumbersIconsAndNamesCursors) {
  Make(CatalogueView::LocalUpdate);
  Add(0, "My Computer", kShell32, 15, false);
  Add(0, "My Network Places", kShell32, 17, false);
  Add(1, "Turn Off Computer...", kShell32, 27, false);
  Add(6, "Normal Select", kArrow, 0, false);
  Add(6, "Busy", kApp + "\\Glimmerdeck.exe", 70, false);  // the placeholder of a missing cursor
  IconSlot& added = Add(5, "Blue Document (.blu)", kShell32, 1, false);
  added.flags |= slotflag::kAddedFormat;
  added.fileType = ".blu";
  Add(7, "Launch Browser", kShell32, 3, false);  // packages carry no Quick Launch items

  SaveAs("C:\\Packs\\Blue.gdt");

  const std::string file = "C:\\Packs\\Blue\\Blue.gdtheme";
  EXPECT_EQ(disk.dialogFolders, std::vector<std::string>{kThemes});
  EXPECT_EQ(disk.Value(file, "Desktop Icons", "My Computer"), "%ThemeDir%Blue.icl,0");
  EXPECT_EQ(disk.Value(file, "Desktop Icons", "Network Neighborhood"), "%ThemeDir%Blue.icl,1");
  EXPECT_EQ(disk.Value(file, "Start Icons", "Shut Down"), "%ThemeDir%Blue.icl,2");
  EXPECT_EQ(disk.Value(file, "Custom Icons", ".blu"), "%ThemeDir%Blue.icl,3");
  EXPECT_EQ(disk.Value(file, "Cursors", "Normal Select"), "%ThemeDir%Blue Normal Select.ani");
  EXPECT_EQ(disk.Keys(file, "Cursors"), std::vector<std::string>{"Normal Select"});
  EXPECT_EQ(disk.Bytes("C:\\Packs\\Blue\\Blue Normal Select.ani"), "icon " + kArrow + ",0");
  // The library builder takes the newest reference first.
  EXPECT_EQ(disk.libraryReferences,
            (std::vector<std::string>{kShell32 + ",1", kShell32 + ",27", kShell32 + ",17",
                                      kShell32 + ",15"}));
  EXPECT_TRUE(disk.Has("C:\\Packs\\Blue\\Blue.icl"));
  EXPECT_EQ(disk.Value(file, "Software Info", "Software"), "Glimmerdeck 2.1");
  EXPECT_EQ(disk.Value(file, "Package Info", "Date"), "March 05, 2002");
  // "Package Info" is missing, which means on.
  EXPECT_EQ(disk.infoShownFor, std::vector<std::string>{file});
  EXPECT_EQ(disk.Value(file, "Package Info", "Author"), "Ann");
  // A new package leaves the loaded one alone.
  EXPECT_TRUE(state.packageFile.empty());
  EXPECT_TRUE(disk.reloaded.empty());
  EXPECT_EQ(events.recent, std::vector<std::string>{file});
  EXPECT_EQ(events.listRebuilds, 1);
}

TEST_F(PackageSaverTest, SkippedSlotsGetNoEntryAndUseUpNoNumber) {
  SetSaveMode(1);
  Make(CatalogueView::PackageBuilder);
  Add(0, "Kept 1", kShell32, 0);
  Add(0, "Unchanged", kShell32, 1, false);
  Add(0, "Missing image", kShell32, 2).flags |= 0x0002;
  Add(0, "Beyond the count", kShell32, 40);
  Add(0, "File gone", "C:\\Icons\\gone.dll", 0);
  shell.iconCounts["C:\\Icons\\gone.dll"] = 5;
  Add(0, "No icons", "C:\\Icons\\text.txt", 0);
  shell.files.insert("C:\\Icons\\text.txt");
  IconSlot& negative = Add(0, "Both negative", kShell32, -3);
  negative.defaultIndex = -1;
  IconSlot& byDefault = Add(0, "Kept 2", kShell32, -3);
  byDefault.defaultIndex = 7;
  registry.WriteRegNumber(RegRoot::CurrentUser, kProgramKey, "Package Info", 0);
  state.pendingChanges = true;
  disk.AddFolder("C:\\Packs\\Blue");

  SaveAs("C:\\Packs\\Blue\\Blue.gdtheme");

  const std::string file = "C:\\Packs\\Blue\\Blue.gdtheme";
  EXPECT_EQ(disk.Keys(file, "Desktop Icons"), (std::vector<std::string>{"Kept 1", "Kept 2"}));
  EXPECT_EQ(disk.Value(file, "Desktop Icons", "Kept 2"), "%ThemeDir%Blue Icon 02.ico");
  // A negative index stands for the default one in the file and in the slot.
  EXPECT_EQ(disk.Bytes("C:\\Packs\\Blue\\Blue Icon 02.ico"), "icon " + kShell32 + ",7");
  EXPECT_EQ(byDefault.iconIndex, 7);
  EXPECT_EQ(disk.FilesIn("C:\\Packs\\Blue"),
            (std::set<std::string>{"Blue.gdtheme", "Blue Icon 01.ico", "Blue Icon 02.ico"}));
  // The Package Builder view asks for the information whatever the setting says.
  EXPECT_EQ(disk.infoShownFor.size(), 1u);
  EXPECT_FALSE(state.pendingChanges);
}

TEST_F(PackageSaverTest, NumberedAndNamedFilesInTheFileModes) {
  SetSaveMode(1);
  Make(CatalogueView::PackageBuilder);
  for (int n = 1; n <= 100; ++n) Add(5, "Type " + std::to_string(n), kShell32, n % 40);
  Add(6, "Busy", kArrow, 0);
  Add(6, "Normal Select", "C:\\Cursors\\arrow.cur", 0);
  shell.files.insert("C:\\Cursors\\arrow.cur");
  shell.iconCounts["C:\\Cursors\\arrow.cur"] = 1;
  SaveAs("C:\\Packs\\Blue.gdtheme");

  const std::string file = "C:\\Packs\\Blue\\Blue.gdtheme";
  EXPECT_EQ(disk.Value(file, "File Icons", "Type 9"), "%ThemeDir%Blue Icon 09.ico");
  EXPECT_EQ(disk.Value(file, "File Icons", "Type 10"), "%ThemeDir%Blue Icon 10.ico");
  EXPECT_EQ(disk.Value(file, "File Icons", "Type 100"), "%ThemeDir%Blue Icon 100.ico");
  EXPECT_EQ(disk.Value(file, "Cursors", "Busy"), "%ThemeDir%Blue Cursor 01.ani");
  EXPECT_EQ(disk.Value(file, "Cursors", "Normal Select"), "%ThemeDir%Blue Cursor 02.cur");
  EXPECT_TRUE(disk.Has("C:\\Packs\\Blue\\Blue Icon 100.ico"));
  EXPECT_TRUE(disk.libraryReferences.empty());

  SetSaveMode(2);
  Make(CatalogueView::PackageBuilder);
  Add(2, "Favorites", kShell32, 4);
  Add(6, "Busy", kArrow, 0);
  SaveAs("C:\\Packs\\Red.gdtheme");
  const std::string red = "C:\\Packs\\Red\\Red.gdtheme";
  EXPECT_EQ(disk.Value(red, "Folder Icons", "Favorites"), "%ThemeDir%Red Favorites.ico");
  EXPECT_EQ(disk.Value(red, "Cursors", "Busy"), "%ThemeDir%Red Busy.ani");
  EXPECT_EQ(disk.Bytes("C:\\Packs\\Red\\Red Favorites.ico"), "icon " + kShell32 + ",4");
}

TEST_F(PackageSaverTest, CancelWritesNothing) {
  Make(CatalogueView::PackageBuilder);
  Add(0, "My Computer", kShell32, 15);
  state.packageFile = kThemes + "\\Blue\\Blue.gdtheme";

  prompt = ScriptedPrompt({PromptAnswer::Cancel});
  SavePackage(*catalogue, state, events, disk, false);
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_EQ(prompt.requests[0].text,
            "Are you sure you want to overwrite the icon package:\n\n" + state.packageFile);
  EXPECT_EQ(prompt.requests[0].buttons, PromptButtons::YesNoCancel);
  EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Question);
  EXPECT_TRUE(disk.dialogFolders.empty());

  // No goes on as Save As; cancelling the dialog ends there too.
  prompt = ScriptedPrompt({PromptAnswer::No});
  disk.chosen.reset();
  SavePackage(*catalogue, state, events, disk, false);
  EXPECT_EQ(disk.dialogFolders.size(), 1u);
  EXPECT_TRUE(disk.files.empty());
  EXPECT_EQ(disk.converts, 0);
  EXPECT_TRUE(events.recent.empty());
}

class ReplacingSaveTest : public PackageSaverTest {
 protected:
  const std::string oldFolder = kThemes + "\\Blue";
  const std::string oldFile = oldFolder + "\\Blue.gdtheme";

  // The package on disk: its own file, library and one icon file that the slots still use.
  void SetUpOldPackage() {
    disk.AddFolder(oldFolder);
    disk.WriteString(oldFile, "Package Info", "Author", "Old Author");
    disk.WriteString(oldFile, "Package Info", "Comments", "Kept words");
    disk.WriteString(oldFile, "Desktop Icons", "Old Slot", "%ThemeDir%Blue.icl,0");
    disk.AddFile(oldFolder + "\\Blue.icl", "old library");
    disk.AddFile(oldFolder + "\\Blue Icon 01.ico", "old icon");
    shell.files.insert(oldFile);
    shell.files.insert(oldFolder + "\\Blue Icon 01.ico");
    shell.iconCounts[oldFolder + "\\Blue Icon 01.ico"] = 1;
    SetSaveMode(1);
    Make(CatalogueView::PackageBuilder);
    Add(0, "My Computer", kShell32, 15);
    Add(0, "Recycle Bin (empty)", oldFolder + "\\Blue Icon 01.ico", 0);
    Add(0, "Recycle Bin (full)", kShell32, 32);
    state.packageFile = oldFile;
    prompt = ScriptedPrompt({PromptAnswer::Yes});
  }
};

TEST_F(ReplacingSaveTest, BuildsInTheScratchFolderAndCopiesBack) {
  SetUpOldPackage();
  SavePackage(*catalogue, state, events, disk, false);

  EXPECT_EQ(disk.Bytes(oldFolder + "\\Blue Icon 01.ico"), "icon " + kShell32 + ",15");
  // The icon that the old file held was read from there, not from its own half-written copy.
  EXPECT_EQ(disk.Bytes(oldFolder + "\\Blue Icon 02.ico"),
            "icon " + oldFolder + "\\Blue Icon 01.ico,0");
  EXPECT_EQ(disk.Value(oldFile, "Desktop Icons", "Recycle Bin (full)"),
            "%ThemeDir%Blue Icon 03.ico");
  EXPECT_EQ(disk.Value(oldFile, "Desktop Icons", "Old Slot"), "");
  EXPECT_EQ(disk.Value(oldFile, "Package Info", "Author"), "Old Author");
  EXPECT_EQ(disk.Value(oldFile, "Package Info", "Comments"), "Kept words");
  EXPECT_EQ(disk.Value(oldFile, "Package Info", "Date"), "March 05, 2002");
  EXPECT_TRUE(disk.infoShownFor.empty());
  EXPECT_TRUE(disk.FilesIn(kThemes + "\\Blue~").empty());
  EXPECT_EQ(disk.folders.count(FoldCase(kThemes + "\\Blue~")), 0u);
  // Files of the old package that the new one does not name stay.
  EXPECT_EQ(disk.Bytes(oldFolder + "\\Blue.icl"), "old library");
  for (int c = 0; c < kPackageCategoryCount; ++c) EXPECT_TRUE(catalogue->Entries(c).empty());
  EXPECT_EQ(disk.reloaded, std::vector<std::string>{oldFile});
  EXPECT_EQ(state.packageFile, oldFile);
  EXPECT_EQ(events.recent, std::vector<std::string>{oldFile});
  EXPECT_EQ(events.listRebuilds, 0);
}

TEST_F(ReplacingSaveTest, AFailureHalfWayLeavesTheOldPackageIntact) {
  SetUpOldPackage();
  disk.throwAtConvert = 2;
  EXPECT_THROW(SavePackage(*catalogue, state, events, disk, false), std::runtime_error);
  EXPECT_EQ(disk.FilesIn(oldFolder),
            (std::set<std::string>{"Blue.gdtheme", "Blue.icl", "Blue Icon 01.ico"}));
  EXPECT_EQ(disk.Bytes(oldFolder + "\\Blue Icon 01.ico"), "old icon");
  EXPECT_EQ(disk.Value(oldFile, "Desktop Icons", "Old Slot"), "%ThemeDir%Blue.icl,0");

  // A copy that fails keeps the old file of that name and the scratch folder with the new one.
  disk.throwAtConvert = 0;
  Make(CatalogueView::PackageBuilder);
  Add(0, "My Computer", kShell32, 15);
  prompt = ScriptedPrompt({PromptAnswer::Yes});
  disk.failingCopies = {"Blue Icon 01.ico"};
  SavePackage(*catalogue, state, events, disk, false);
  EXPECT_EQ(disk.Bytes(oldFolder + "\\Blue Icon 01.ico"), "old icon");
  EXPECT_EQ(disk.Bytes(kThemes + "\\Blue~\\Blue Icon 01.ico"), "icon " + kShell32 + ",15");
  EXPECT_EQ(disk.Value(oldFile, "Desktop Icons", "My Computer"), "%ThemeDir%Blue Icon 01.ico");
}

TEST_F(ReplacingSaveTest, AChosenFileThatExistsIsReplacedAndALibraryFailureIsTold) {
  SetUpOldPackage();
  SetSaveMode(0);
  disk.libraryFails = true;
  shell.files.insert("C:\\Packs\\Blue\\Blue.gdtheme");
  disk.AddFolder("C:\\Packs\\Blue");
  SaveAs("C:\\Packs\\Blue\\Blue.gdtheme");

  // Replaced packages end under the Themes folder, loaded from there.
  EXPECT_EQ(disk.reloaded, std::vector<std::string>{oldFile});
  EXPECT_EQ(disk.Value(oldFile, "Desktop Icons", "My Computer"), "%ThemeDir%Blue.icl,0");
  EXPECT_EQ(disk.Bytes(oldFolder + "\\Blue.icl"), "old library");
  ASSERT_EQ(prompt.requests.size(), 2u);
  EXPECT_EQ(prompt.requests[1].text, "Error writing library file.");
  EXPECT_EQ(prompt.requests[1].buttons, PromptButtons::Ok);
  EXPECT_EQ(events.listRebuilds, 1);
}

}  // namespace
}  // namespace gd
