// Saving a package over an in-memory disk: which slots it keeps and how their files are named
// in each save mode, and that replacing a package never harms the old one.
#include <map>
#include <set>
#include <stdexcept>

#include "package/package_format.h"
#include "package/package_saver.h"
#include "package_fixture.h"

namespace gd::package_test {
namespace {

// Files in memory, the INI files among them; what saving asks is recorded.
class MemoryDisk final : public IniStore, public SaveHost {
 public:
  struct File {
    std::string path, bytes;
    test::MemoryIni ini;  // an INI file's contents, kept under the name ""
  };
  std::map<std::string, File> files;  // by folded path
  std::optional<std::string> chosen;  // what the save-file dialog answers
  Names infoShown, reloaded, references;
  std::string failingCopy;  // the file name whose copy fails
  std::set<std::string> unreadable;  // references the library builder cannot read
  bool libraryFails = false;
  int throwAtConvert = 0;   // the conversion during which the program dies
  int converts = 0;

  File& At(const std::string& path) { return files.try_emplace(FoldCase(path), File{path, "", {}}).first->second; }
  std::string Bytes(const std::string& path) { return files.count(FoldCase(path)) ? At(path).bytes : "(none)"; }
  std::string Section(const std::string& file, const std::string& section) {  // "key=value|key=value"
    std::string text;
    for (const std::string& key : ReadSectionKeys(*this, file, section)) {
      std::string value;
      ReadIniValue(*this, section, key, value, file);
      text += (text.empty() ? "" : "|") + key + "=" + value;
    }
    return text;
  }
  std::set<std::string> FilesIn(const std::string& folder) const {
    std::set<std::string> names;
    for (const auto& [key, file] : files) if (EqualsIgnoreCase(FolderOf(file.path), folder + "\\")) names.insert(FileName(file.path));
    return names;
  }

  std::size_t GetString(const std::string& file, const std::optional<std::string>& section,
                        const std::optional<std::string>& key, const std::string& fallback, std::span<char> buffer) override {
    test::MemoryIni none;
    return (files.count(FoldCase(file)) ? At(file).ini : none).GetString("", section, key, fallback, buffer);
  }
  bool WriteString(const std::string& file, const std::string& section, const std::optional<std::string>& key,
                   const std::optional<std::string>& value) override {
    return At(file).ini.WriteString("", section, key, value);
  }
  std::optional<std::string> ChooseSaveFile(const std::string&) override { return chosen; }
  void ShowPackageInfo(const std::string& packageFile) override { infoShown.push_back(packageFile); }
  void ShowWaitCursor() override {}
  bool CreateFolder(const std::string&) override { return true; }
  bool CopyFileOver(const std::string& from, const std::string& to) override {
    if (!files.count(FoldCase(from)) || FileName(from) == failingCopy) return false;
    files.insert_or_assign(FoldCase(to), File{to, At(from).bytes, At(from).ini});
    return true;
  }
  bool RemoveFile(const std::string& path) override { return files.erase(FoldCase(path)) > 0; }
  std::vector<std::string> ListFiles(const std::string& folder) override { const auto names = FilesIn(folder); return {names.begin(), names.end()}; }
  void DeleteFolderTree(const std::string& folder) override {
    std::erase_if(files, [&](const auto& file) { return file.first.starts_with(FoldCase(folder) + "\\"); });
  }
  void ReloadPackage(const std::string& packageFile) override { reloaded.push_back(packageFile); }
  bool ConvertToIconFile(const std::string& source, int index, const std::string& destination) override {
    if (++converts == throwAtConvert) throw std::runtime_error("the program died");
    At(destination).bytes = "icon " + MakeIconRef(source, index);
    return true;
  }
  bool CanGatherIcon(const std::string& reference) override { return !unreadable.count(reference); }
  bool BuildIconLibrary(const std::string& library, const std::vector<std::string>& refs) override {
    references = refs;
    if (!libraryFails) At(library).bytes = "library";
    return !libraryFails;
  }
  std::tm Today() override { std::tm date{}; date.tm_mday = 5; date.tm_mon = 2; date.tm_year = 102; return date; }
};

const std::string kShell32 = "C:\\WINDOWS\\system32\\shell32.dll";
const std::string kArrow = "C:\\Cursors\\arrow.ani";

class PackageSaverTest : public PackageTest {
 protected:
  PackageSaverTest() {
    shell.files = {kShell32, kArrow};
    shell.iconCounts = {{kShell32, 40}, {kArrow, 1}};
    registry.WriteRegString(RegRoot::LocalMachine, "Software\\Quillmoor\\Vantafold\\Glimmerdeck", "Version", "2.1");
  }
  void Make(CatalogueView view, std::uint32_t saveMode) {
    registry.WriteRegNumber(RegRoot::CurrentUser, kProgramKey, "Save Mode", saveMode);
    CatalogueInputs inputs;
    inputs.osVersion = Os::WindowsXp;
    inputs.view = view;
    inputs.appPath = kAppPath;
    catalogue = std::make_unique<SlotCatalogue>(inputs, CatalogueSystem{registry, disk, shell, prompt, notice});
  }
  IconSlot& Add(Category category, const std::string& name, const std::string& path, int index, bool changed = true) {
    auto slot = std::make_unique<IconSlot>();
    slot->iconPath = path;
    slot->iconIndex = index;
    slot->flags = changed ? slotflag::kChanged : 0;
    return *catalogue->Entries(category).emplace_back(CatalogueEntry{name, std::move(slot)}).slot;
  }
  void Save(std::optional<std::string> chosen = std::nullopt) {
    disk.chosen = chosen;
    SavePackage(*catalogue, state, events, disk, chosen.has_value());
  }

  MemoryDisk disk;
};

TEST_F(PackageSaverTest, LocalUpdateLibrarySaveNamesItsEntriesAndBuildsTheLibrary) {
  Make(CatalogueView::LocalUpdate, 0);
  Add(Category::Desktop, "My Computer", kShell32, 15, false);
  Add(Category::Desktop, "Unreadable", kShell32, 16, false);  // the system counts it, our reader not
  disk.unreadable.insert(kShell32 + ",16");
  Add(Category::Desktop, "My Network Places", kShell32, 17, false);
  Add(Category::Start, "Turn Off Computer...", kShell32, 27, false);
  Add(Category::Cursors, "Normal Select", kArrow, 0, false);
  Add(Category::Cursors, "Busy", std::string(kAppPath) + "\\Glimmerdeck.exe", 70, false);  // the placeholder of a missing cursor
  Add(Category::QuickLaunch, "Launch Browser", kShell32, 3, false);  // packages carry no Quick Launch items
  Save("C:\\Packs\\Blue.gdt");

  const std::string file = "C:\\Packs\\Blue\\Blue.gdtheme";
  EXPECT_EQ(disk.Section(file, "Desktop Icons"), "My Computer=%ThemeDir%Blue.icl,0|Network Neighborhood=%ThemeDir%Blue.icl,1");
  EXPECT_EQ(disk.Section(file, "Start Icons"), "Shut Down=%ThemeDir%Blue.icl,2");
  EXPECT_EQ(disk.Section(file, "Cursors"), "Normal Select=%ThemeDir%Blue Normal Select.ani");
  EXPECT_EQ(disk.Bytes("C:\\Packs\\Blue\\Blue Normal Select.ani"), "icon " + kArrow + ",0");
  // The library builder takes the newest reference first; each number names the icon its entry
  // says, since a reference the builder would drop takes no number.
  EXPECT_EQ(disk.references, (Names{kShell32 + ",27", kShell32 + ",17", kShell32 + ",15"}));
  EXPECT_EQ(disk.infoShown, Names{file}) << "a missing \"Package Info\" setting means on";
}

TEST_F(PackageSaverTest, SkippedSlotsGetNoEntryAndUseUpNoNumber) {
  Make(CatalogueView::PackageBuilder, 1);
  Add(Category::Desktop, "Kept 1", kShell32, 0);
  Add(Category::Desktop, "Unchanged", kShell32, 1, false);
  Add(Category::Desktop, "Missing image", kShell32, 2).flags |= slotflag::kMissingImage;
  Add(Category::Desktop, "Beyond the count", kShell32, 40);
  Add(Category::Desktop, "File gone", "C:\\Icons\\gone.dll", 0);
  shell.iconCounts["C:\\Icons\\gone.dll"] = 5;
  Add(Category::Desktop, "No icons", "C:\\Icons\\text.txt", 0);
  shell.files.insert("C:\\Icons\\text.txt");
  Add(Category::Desktop, "Both negative", kShell32, -3).defaultIndex = -1;
  IconSlot& byDefault = Add(Category::Desktop, "Kept 2", kShell32, -3);
  byDefault.defaultIndex = 7;
  Add(Category::Cursors, "Busy", kArrow, 0);
  registry.WriteRegNumber(RegRoot::CurrentUser, kProgramKey, "Package Info", 0);
  state.pendingChanges = true;
  Save("C:\\Packs\\Blue\\Blue.gdtheme");

  const std::string file = "C:\\Packs\\Blue\\Blue.gdtheme";
  EXPECT_EQ(disk.Section(file, "Desktop Icons"), "Kept 1=%ThemeDir%Blue Icon 01.ico|Kept 2=%ThemeDir%Blue Icon 02.ico");
  EXPECT_EQ(disk.Section(file, "Cursors"), "Busy=%ThemeDir%Blue Cursor 01.ani");
  // A negative index stands for the default one in the file and in the slot.
  EXPECT_EQ(disk.Bytes("C:\\Packs\\Blue\\Blue Icon 02.ico") + " " + std::to_string(byDefault.iconIndex), "icon " + kShell32 + ",7 7");
  EXPECT_EQ(disk.FilesIn("C:\\Packs\\Blue"),
            (std::set<std::string>{"Blue.gdtheme", "Blue Icon 01.ico", "Blue Icon 02.ico", "Blue Cursor 01.ani"}));
  // The Package Builder view asks for the information whatever the setting says.
  EXPECT_EQ(disk.infoShown.size(), 1u);
  EXPECT_FALSE(state.pendingChanges);
}

class ReplacingSaveTest : public PackageSaverTest {
 protected:
  const std::string folder = kThemes + "\\Blue", file = folder + "\\Blue.gdtheme";

  // The package on disk: its own file, library and one icon file that a slot still uses.
  void SetUp() override {
    disk.WriteString(file, "Package Info", "Author", "Old Author");
    disk.WriteString(file, "Desktop Icons", "Old Slot", "%ThemeDir%Blue.icl,0");
    disk.At(folder + "\\Blue.icl").bytes = "old library";
    disk.At(folder + "\\Blue Icon 01.ico").bytes = "old icon";
    shell.files.insert({file, folder + "\\Blue Icon 01.ico"});
    shell.iconCounts[folder + "\\Blue Icon 01.ico"] = 1;
    Make(CatalogueView::PackageBuilder, 1);
    Add(Category::Desktop, "My Computer", kShell32, 15);
    Add(Category::Desktop, "Recycle Bin (empty)", folder + "\\Blue Icon 01.ico", 0);
    Add(Category::Desktop, "Recycle Bin (full)", kShell32, 32);
    state.packageFile = file;
    prompt = test::ScriptedPrompt({}, PromptAnswer::Yes);
  }
};

TEST_F(ReplacingSaveTest, BuildsInTheScratchFolderAndCopiesBack) {
  Save();
  EXPECT_EQ(disk.Section(file, "Desktop Icons"), "My Computer=%ThemeDir%Blue Icon 01.ico|Recycle Bin (empty)="
                                                 "%ThemeDir%Blue Icon 02.ico|Recycle Bin (full)=%ThemeDir%Blue Icon 03.ico");
  EXPECT_EQ(disk.Bytes(folder + "\\Blue Icon 01.ico"), "icon " + kShell32 + ",15");
  // The icon the old file held was read from there, not from its half-written copy.
  EXPECT_EQ(disk.Bytes(folder + "\\Blue Icon 02.ico"), "icon " + folder + "\\Blue Icon 01.ico,0");
  EXPECT_EQ(disk.Section(file, "Package Info"), "Author=Old Author|Date=March 05, 2002");
  EXPECT_EQ(disk.Bytes(folder + "\\Blue.icl"), "old library") << "files the new one does not name stay";
  EXPECT_TRUE(disk.FilesIn(kThemes + "\\Blue~").empty() && disk.infoShown.empty() && catalogue->Entries(Category::Desktop).empty());
  EXPECT_EQ(disk.reloaded, Names{file});
}

TEST_F(ReplacingSaveTest, AFailureHalfWayLeavesTheOldPackageIntact) {
  disk.throwAtConvert = 2;
  EXPECT_THROW(Save(), std::runtime_error);
  EXPECT_EQ(disk.FilesIn(folder), (std::set<std::string>{"Blue.gdtheme", "Blue.icl", "Blue Icon 01.ico"}));
  EXPECT_EQ(disk.Bytes(folder + "\\Blue Icon 01.ico"), "old icon");
  EXPECT_EQ(disk.Section(file, "Desktop Icons"), "Old Slot=%ThemeDir%Blue.icl,0");
  // The next save asks before it deletes what the failed one kept; No leaves everything.
  disk.throwAtConvert = 0;
  prompt = test::ScriptedPrompt({PromptAnswer::Yes, PromptAnswer::No});
  Save();
  EXPECT_EQ(prompt.requests.back().text.substr(0, 43), "An earlier save of this package did not fin");
  EXPECT_FALSE(disk.FilesIn(kThemes + "\\Blue~").empty());
  // A copy that fails after others went through puts them back: the old package stays whole
  // and usable, the new one waits in the scratch folder, and the user is told.
  prompt = test::ScriptedPrompt({}, PromptAnswer::Yes);
  disk.failingCopy = "Blue Icon 03.ico";
  Save();
  EXPECT_EQ(disk.Bytes(folder + "\\Blue Icon 01.ico"), "old icon");
  EXPECT_EQ(disk.Bytes(folder + "\\Blue Icon 02.ico"), "(none)");
  EXPECT_EQ(disk.Section(file, "Desktop Icons"), "Old Slot=%ThemeDir%Blue.icl,0");
  EXPECT_EQ(disk.Bytes(kThemes + "\\Blue~\\Blue Icon 01.ico"), "icon " + kShell32 + ",15");
  EXPECT_EQ(prompt.requests.back().text.substr(0, 74),
            "The saved package could not be put in place: Blue Icon 03.ico could not be");
  EXPECT_TRUE(disk.reloaded.empty());
}

TEST_F(ReplacingSaveTest, ALibraryThatCannotBeWrittenLeavesNothingHalfWrittenAndIsToldOnce) {
  Make(CatalogueView::PackageBuilder, 0);
  Add(Category::Desktop, "My Computer", kShell32, 15);
  disk.libraryFails = true;
  Save();
  ASSERT_EQ(prompt.requests.size(), 2u);
  EXPECT_EQ(prompt.requests[1].text, "Error writing library file.");
  EXPECT_EQ(prompt.requests[1].icon, PromptIcon::None);
  EXPECT_EQ(disk.FilesIn(folder), (std::set<std::string>{"Blue.gdtheme", "Blue.icl", "Blue Icon 01.ico"}));
  EXPECT_EQ(disk.Section(file, "Desktop Icons"), "Old Slot=%ThemeDir%Blue.icl,0");
  EXPECT_TRUE(disk.FilesIn(kThemes + "\\Blue~").empty() && disk.reloaded.empty());
  // A new package whose library failed leaves no package behind either.
  Save("C:\\Packs\\Red.gdtheme");
  EXPECT_TRUE(disk.FilesIn("C:\\Packs\\Red").empty());
}

// Save As onto a package kept elsewhere ends under Themes, in a folder of the same name that
// may hold an unrelated package: that one is replaced only when the user says so.
TEST_F(ReplacingSaveTest, SavingAPackageFromElsewhereAsksBeforeReplacingAnotherInThemes) {
  const std::string elsewhere = "D:\\Mine\\Blue\\Other.gdtheme";
  disk.WriteString(elsewhere, "Package Info", "Author", "Me");
  shell.files.insert(elsewhere);
  prompt = test::ScriptedPrompt({PromptAnswer::No});
  Save(elsewhere);
  EXPECT_EQ(prompt.requests.back().text.substr(0, 11), "The folder\n");
  EXPECT_EQ(disk.FilesIn(folder), (std::set<std::string>{"Blue.gdtheme", "Blue.icl", "Blue Icon 01.ico"}));
  EXPECT_EQ(disk.FilesIn(kThemes + "\\Blue~").size(), 0u) << "nothing written";
}

}  // namespace
}  // namespace gd::package_test
