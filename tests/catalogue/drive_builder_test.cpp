// The Drives list: the shared list of drive kinds, one slot per drive letter in Individual
// Drive Mode, where each mode is allowed, switching modes, placeholders and broken input.
#include <string>
#include <vector>

#include "drive_fixture.h"

namespace gd::drive_test {
namespace {

using Names = std::vector<std::string>;

// A shell that reports drive roots the way a test wants them, whatever their form.
class ReportedRootsShell final : public ShellQueries {
 public:
  std::vector<std::string> roots;
  std::vector<std::string> asked;  // the roots that display names and types were asked for
  bool FileExists(const std::string&) override { return false; }
  std::optional<std::string> SpecialFolderPath(int) override { return std::nullopt; }
  std::vector<std::string> DriveRoots() override { return roots; }
  unsigned DriveType(const std::string& root) override {
    asked.push_back(root);
    return root == "C:\\" ? 3 : 5;
  }
  std::string DisplayName(const std::string& root) override {
    asked.push_back(root);
    return root == "C:\\" ? "Local Disk (C:)" : "";
  }
  std::vector<std::string> FindFiles(const std::string&, const std::string&, bool) override {
    return {};
  }
  bool ReadShortcut(const std::string&, std::string&, std::string&, int&) override { return false; }
  int IconCount(const std::string&) override { return 0; }
};

// ---- Shared mode ----

TEST_F(DriveIconsTest, EveryVersionHasTheSharedListByDefault) {
  AddTypicalDrives(shell);
  const std::vector<std::string> values{"5", "6", "8", "9", "10", "11", "7", "12"};
  for (int os = os::kUnknown; os <= os::kWindowsXp; ++os) {
    for (bool newShell : {true, false}) {
      SCOPED_TRACE("OsVersion " + std::to_string(os) + (newShell ? " new shell" : " old shell"));
      const CatalogueInputs inputs = VersionInputs(os, newShell);
      Build(inputs);
      ASSERT_EQ(ListedNames(), SharedNames());
      for (std::size_t i = 0; i < values.size(); ++i) {
        const IconSlot& slot = At(i);
        EXPECT_EQ(slot.rootKey, kHKLM);
        EXPECT_EQ(slot.keyPath, kShellIcons);
        EXPECT_EQ(slot.valueName, values[i]);
        EXPECT_EQ(slot.defaultPath, inputs.paths.systemDir + "\\shell32.dll");
        EXPECT_EQ(slot.defaultIndex, std::stoi(values[i]));
        EXPECT_EQ(slot.currentPath, slot.defaultPath);
        EXPECT_EQ(slot.currentIndex, slot.defaultIndex);
      }
    }
  }
}

TEST_F(DriveIconsTest, SharedNamesCarryTheCodePageFractions) {
  Build(VersionInputs(os::kWindows98));
  const std::string five = ListedNames().at(0);
  const std::string three = ListedNames().at(1);
  ASSERT_EQ(five.size(), 15u);
  EXPECT_EQ(static_cast<unsigned char>(five.back()), 0xBC);
  EXPECT_EQ(static_cast<unsigned char>(three.back()), 0xBD);
}

TEST_F(DriveIconsTest, SharedSlotsShowWhatShellIconsHolds) {
  backend.PutText(kHKLM, kShellIcons, "8", "C:\\Icons\\disk.icl,2");
  backend.PutNumber(kHKLM, kShellIcons, "11", 4);                   // not a text
  backend.PutText(kHKLM, kShellIcons, "9", std::string(400, 'n'));  // longer than a path
  Build(VersionInputs(os::kWindowsXp));
  EXPECT_EQ(At(2).currentPath, "C:\\Icons\\disk.icl");
  EXPECT_EQ(At(2).currentIndex, 2);
  EXPECT_EQ(At(2).iconPath, "C:\\Icons\\disk.icl");
  EXPECT_FALSE(At(2).IsChanged());
  EXPECT_EQ(At(5).currentPath, "C:\\WINDOWS\\system32\\shell32.dll");
  EXPECT_EQ(At(5).currentIndex, 11);
  EXPECT_EQ(At(3).currentPath, "C:\\WINDOWS\\system32\\shell32.dll");
  EXPECT_EQ(At(3).currentIndex, 9);
}

// ---- Individual mode ----

TEST_F(DriveIconsTest, IndividualModeListsEachDriveUnderItsLetter) {
  AddTypicalDrives(shell);
  RememberIndividualMode(backend);
  const CatalogueInputs inputs = VersionInputs(os::kWindows98);
  Build(inputs);
  EXPECT_EQ(ListedNames(), (Names{"3\xBD Floppy (A:)", "System (C:)", "Audio CD (D:)"}));
  const char letters[] = {'A', 'C', 'D'};
  const int defaults[] = {6, 8, 11};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(letters[i]);
    EXPECT_EQ(At(i).rootKey, kHKLM);
    EXPECT_EQ(At(i).keyPath, std::string(kDriveIcons) + letters[i] + "\\DefaultIcon");
    EXPECT_EQ(At(i).valueName, "");
    EXPECT_EQ(At(i).defaultPath, inputs.paths.systemDir + "\\shell32.dll");
    EXPECT_EQ(At(i).defaultIndex, defaults[i]);
    EXPECT_EQ(At(i).flags, 0u);
  }
}

TEST_F(DriveIconsTest, DriveTypesGiveTheirShellIconNumber) {
  RememberIndividualMode(backend);
  // unknown, no root directory, removable, fixed, remote, CD-ROM, RAM disk, and a type the
  // table does not know.
  const unsigned types[] = {0, 1, 2, 3, 4, 5, 6, 9};
  const int expected[] = {8, 1, 6, 8, 9, 11, 12, 9};
  for (std::size_t i = 0; i < std::size(types); ++i) {
    const std::string letter(1, static_cast<char>('E' + i));
    shell.drives.push_back({letter + ":\\", types[i], "Drive " + letter});
  }
  Build(VersionInputs(os::kWindows2000));
  ASSERT_EQ(ListedNames().size(), std::size(types));
  for (std::size_t i = 0; i < std::size(types); ++i) {
    EXPECT_EQ(At(i).defaultIndex, expected[i]) << "type " << types[i];
  }
}

TEST_F(DriveIconsTest, ALetterWithoutItsOwnIconShowsItsTypeReplacement) {
  AddTypicalDrives(shell);
  RememberIndividualMode(backend);
  backend.PutText(kHKLM, std::string(kDriveIcons) + "C\\DefaultIcon", "", "D:\\Art\\system.ico");
  backend.PutText(kHKLM, kShellIcons, "11", "D:\\Art\\cd.icl,4");
  backend.PutText(kHKLM, kShellIcons, "8", "D:\\Art\\disk.ico");  // C: has its own
  Build(VersionInputs(os::kWindowsMe));
  EXPECT_EQ(At(0).currentPath, "C:\\WINDOWS\\SYSTEM\\shell32.dll");  // nothing set for floppies
  EXPECT_EQ(At(0).currentIndex, 6);
  EXPECT_EQ(At(1).currentPath, "D:\\Art\\system.ico");
  EXPECT_EQ(At(1).currentIndex, 0);
  EXPECT_EQ(At(2).currentPath, "D:\\Art\\cd.icl");
  EXPECT_EQ(At(2).currentIndex, 4);
  EXPECT_EQ(At(2).defaultIndex, 11);
}

TEST_F(DriveIconsTest, IndividualModeOnlyWithTheNewShellAndNotOnXp) {
  AddTypicalDrives(shell);
  RememberIndividualMode(backend);
  struct Case {
    int os;
    bool newShell;
    bool individual;
  };
  const Case cases[] = {
      {os::kUnknown, true, true},      {os::kWindows95, true, true},
      {os::kWindows95, false, false},  {os::kWindows98, true, true},
      {os::kWindowsMe, true, true},    {os::kWindowsNt4, true, true},
      {os::kWindowsNt4, false, false}, {os::kWindows2000, true, true},
      {os::kWindowsXp, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("OsVersion " + std::to_string(c.os) + (c.newShell ? " new shell" : " old shell"));
    EXPECT_EQ(IndividualDriveModeAllowed(VersionInputs(c.os, c.newShell)), c.individual);
    Build(VersionInputs(c.os, c.newShell));
    EXPECT_EQ(ListedNames().size(), c.individual ? 3u : 8u);
    EXPECT_EQ(ListedNames().front(), c.individual ? "3\xBD Floppy (A:)" : SharedNames().front());
  }
}

TEST_F(DriveIconsTest, OnlyADwordOfOneRemembersIndividualMode) {
  AddTypicalDrives(shell);
  struct Case {
    const char* what;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    bool individual;
  };
  const Case cases[] = {
      {"DWORD 1", regtype::kDword, {1, 0, 0, 0}, true},
      {"DWORD 0", regtype::kDword, {0, 0, 0, 0}, false},
      {"DWORD 2", regtype::kDword, {2, 0, 0, 0}, false},
      {"DWORD 257", regtype::kDword, {1, 1, 0, 0}, false},
      {"text 1", regtype::kString, {'1', 0}, false},
      {"one byte", regtype::kBinary, {1}, false},
      {"eight bytes", regtype::kBinary, {1, 0, 0, 0, 0, 0, 0, 0}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    backend.Put(kHKCU, kProgramKey, "Drive Mode", c.type, c.data);
    Build(VersionInputs(os::kWindows98));
    EXPECT_EQ(ListedNames().size(), c.individual ? 3u : 8u);
  }
}

TEST_F(DriveIconsTest, TheModeCanBeGivenRegardlessOfTheSetting) {
  AddTypicalDrives(shell);
  // The page builds with its button; loading a package builds the shared list even while the
  // remembered mode is individual.
  SlotCatalogue& catalogue = Make(VersionInputs(os::kWindows98));
  BuildDriveIconsInMode(catalogue, true);
  EXPECT_EQ(ListedNames().size(), 3u);
  RememberIndividualMode(backend);
  SlotCatalogue& loading = Make(VersionInputs(os::kWindows98));
  BuildDriveIconsInMode(loading, false);
  EXPECT_EQ(ListedNames(), SharedNames());
  // Where individual mode is not allowed, asking for it gives the shared list.
  SlotCatalogue& xp = Make(VersionInputs(os::kWindowsXp));
  BuildDriveIconsInMode(xp, true);
  EXPECT_EQ(ListedNames(), SharedNames());
}

TEST_F(DriveIconsTest, DriveRootsAreCutToTheirRootAndLetter) {
  ReportedRootsShell roots;
  roots.roots = {"C:\\extra", "", "1:\\", "e:\\", "Z"};
  RememberIndividualMode(backend);
  SlotCatalogue catalogue(VersionInputs(os::kWindows98),
                          CatalogueSystem{registry, ini, roots, prompt, notice});
  BuildDriveIcons(catalogue);
  const auto& entries = catalogue.Entries(category::kDrives);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "Local Disk (C:)");
  EXPECT_EQ(entries[0].slot->keyPath, std::string(kDriveIcons) + "C\\DefaultIcon");
  EXPECT_EQ(entries[0].slot->defaultIndex, 8);
  // A drive the shell cannot name is listed under its root.
  EXPECT_EQ(entries[1].name, "e:\\");
  EXPECT_EQ(entries[1].slot->keyPath, std::string(kDriveIcons) + "e\\DefaultIcon");
  EXPECT_EQ(entries[1].slot->defaultIndex, 11);
  EXPECT_EQ(entries[2].name, "Z");
  for (const std::string& asked : roots.asked) EXPECT_LE(asked.size(), 3u) << asked;
}

TEST_F(DriveIconsTest, BrokenDriveIconValuesFallBackSoundly) {
  RememberIndividualMode(backend);
  shell.drives = {{"C:\\", 3, "System (C:)"},
                  {"D:\\", 5, "CD (D:)"},
                  {"E:\\", 0xFFFFFFFFu, std::string(600, 'n')},
                  {"F:\\", 4, "Net (F:)"}};
  backend.PutNumber(kHKLM, std::string(kDriveIcons) + "C\\DefaultIcon", "", 7);
  backend.PutText(kHKLM, std::string(kDriveIcons) + "D\\DefaultIcon", "", std::string(300, 'd'));
  backend.PutText(kHKLM, kShellIcons, "8", "D:\\Art\\disk.ico,3");
  backend.Put(kHKLM, std::string(kDriveIcons) + "F\\DefaultIcon", "", regtype::kString, {});
  Build(VersionInputs(os::kWindows2000));
  ASSERT_EQ(ListedNames().size(), 4u);
  EXPECT_EQ(At(0).currentPath, "D:\\Art\\disk.ico");  // wrong type: the type's replacement
  EXPECT_EQ(At(0).currentIndex, 3);
  EXPECT_EQ(At(1).currentPath, "C:\\WINDOWS\\system32\\shell32.dll");  // too long: the default
  EXPECT_EQ(At(1).currentIndex, 11);
  EXPECT_EQ(ListedNames()[2].size(), 600u);
  EXPECT_EQ(At(3).currentPath, "C:\\WINDOWS\\system32\\shell32.dll");  // empty data
  EXPECT_EQ(At(3).currentIndex, 9);
}

// ---- Switching modes ----

TEST_F(DriveIconsTest, SwitchingRebuildsTheListAndRemembersTheMode) {
  AddTypicalDrives(shell);
  SlotCatalogue& catalogue = Build(VersionInputs(os::kWindows98));
  ASSERT_EQ(ListedNames(), SharedNames());
  EXPECT_TRUE(SwitchDriveMode(catalogue, true));
  EXPECT_TRUE(prompt.requests.empty());  // nothing changed, nothing to ask
  EXPECT_EQ(ListedNames().size(), 3u);
  EXPECT_EQ(StoredMode(), 1u);
  // The remembered mode is what the next build starts with.
  Build(VersionInputs(os::kWindows98));
  EXPECT_EQ(ListedNames().size(), 3u);

  SlotCatalogue& again = Build(VersionInputs(os::kWindows98));
  EXPECT_TRUE(SwitchDriveMode(again, false));
  EXPECT_EQ(ListedNames(), SharedNames());
  EXPECT_EQ(StoredMode(), 0u);
}

TEST_F(DriveIconsTest, SwitchingAsksBeforeLosingChangedDriveIcons) {
  AddTypicalDrives(shell);
  prompt = ScriptedPrompt({PromptAnswer::No, PromptAnswer::Yes});
  SlotCatalogue& catalogue = Build(VersionInputs(os::kWindowsMe));
  IconSlot* hardDrive = catalogue.Find(category::kDrives, "Hard Drive");
  ASSERT_NE(hardDrive, nullptr);
  catalogue.SetSlotIcon(*hardDrive, "C:\\Icons\\new.ico", 0);

  EXPECT_FALSE(SwitchDriveMode(catalogue, true));
  ASSERT_EQ(prompt.requests.size(), 1u);
  const PromptRequest& question = prompt.requests[0];
  EXPECT_EQ(question.text,
            "Switching drive modes will lose any changes to drive icons you have made.\n\n"
            "Are you sure you want to continue?");
  EXPECT_EQ(question.caption, "Glimmerdeck");
  EXPECT_EQ(question.icon, PromptIcon::Question);
  EXPECT_EQ(question.buttons, PromptButtons::YesNo);
  // No: the list and its change stay, and the setting is not touched.
  EXPECT_EQ(ListedNames(), SharedNames());
  EXPECT_TRUE(catalogue.Find(category::kDrives, "Hard Drive")->IsChanged());
  EXPECT_EQ(StoredMode(), kRegNumberSentinel);

  EXPECT_TRUE(SwitchDriveMode(catalogue, true));
  EXPECT_EQ(prompt.requests.size(), 2u);
  EXPECT_EQ(ListedNames().size(), 3u);
  EXPECT_EQ(StoredMode(), 1u);
}

TEST_F(DriveIconsTest, SwitchingToIndividualIsRefusedWhereNotAllowed) {
  AddTypicalDrives(shell);
  SlotCatalogue& catalogue = Build(VersionInputs(os::kWindowsXp));
  EXPECT_FALSE(SwitchDriveMode(catalogue, true));
  EXPECT_EQ(ListedNames(), SharedNames());
  EXPECT_EQ(StoredMode(), kRegNumberSentinel);
  EXPECT_TRUE(prompt.requests.empty());
}

// ---- Package Builder and building once ----

TEST_F(DriveIconsTest, PackageBuilderShowsSharedPlaceholdersOnEveryVersion) {
  AddTypicalDrives(shell);
  RememberIndividualMode(backend);
  const std::string placeholder = std::string(kAppPath) + "\\Glimmerdeck.exe";
  for (int os = os::kUnknown; os <= os::kWindowsXp; ++os) {
    for (bool newShell : {true, false}) {
      SCOPED_TRACE("OsVersion " + std::to_string(os) + (newShell ? " new shell" : " old shell"));
      CatalogueInputs inputs = VersionInputs(os, newShell);
      inputs.view = CatalogueView::PackageBuilder;
      Build(inputs);
      ASSERT_EQ(ListedNames(), SharedNames());
      for (std::size_t i = 0; i < SharedNames().size(); ++i) {
        EXPECT_FALSE(At(i).rootKey.has_value());
        EXPECT_EQ(At(i).keyPath, "");
        EXPECT_EQ(At(i).iconPath, placeholder);
        EXPECT_EQ(At(i).iconIndex, 36 + static_cast<int>(i));
        EXPECT_EQ(At(i).defaultPath, placeholder);
        EXPECT_EQ(At(i).defaultIndex, 36 + static_cast<int>(i));
      }
      // Individual mode asked for explicitly still gives the placeholders.
      SlotCatalogue& forced = Make(inputs);
      BuildDriveIconsInMode(forced, true);
      EXPECT_EQ(ListedNames(), SharedNames());
      EXPECT_EQ(At(0).iconPath, placeholder);
    }
  }
}

TEST_F(DriveIconsTest, AListWithItemsIsNotBuiltAgain) {
  AddTypicalDrives(shell);
  SlotCatalogue& catalogue = Build(VersionInputs(os::kWindows98));
  BuildDriveIcons(catalogue);
  BuildDriveIconsInMode(catalogue, true);
  EXPECT_EQ(ListedNames(), SharedNames());
}

}  // namespace
}  // namespace gd::drive_test
