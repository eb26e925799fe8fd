// A package saved on Windows XP, loaded into the real catalogues of Windows 98, 2000 and XP
// built from the version fixtures: every key reaches the slot that system calls by another
// name, and in the Package Builder view the keys match the names listed there.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "package/slot_aliases.h"
#include "package_fixture.h"
#include "support/reg_file.h"
#include "version_fixture.h"

namespace gd::package_test {
namespace {

using version_test::WindowsMachine;

const std::string kPackage = std::string(kThemes) + "\\Blue\\Blue.gdtheme";
const std::string kPackageDir = std::string(kThemes) + "\\Blue\\";

// An XP slot, and the slot that takes its icon on 98, 2000 and XP (none where there is no
// such slot).
struct Row {
  int category;
  const char* xpName;
  std::array<const char*, 3> on;
};
constexpr std::array<Row, 9> kRows{{
    {0, "My Network Places", {"Network Neighborhood", "My Network Places", "My Network Places"}},
    {0, "Internet Explorer", {"Internet Explorer", nullptr, "Internet Explorer"}},
    {1, "Search", {"Find", "Search", "Search"}},
    {1, "Help and Support", {"Help", "Help", "Help and Support"}},
    {1, "Turn Off Computer...", {"Shut Down...", "Shut Down...", nullptr}},
    {1, "Run...", {"Run...", nullptr, "Run..."}},
    {2, "Network Connections",
     {"Dial-Up Networking", "Network and Dial-up Connections", "Network Connections"}},
    {2, "Printers and Faxes", {"Printers", "Printers", "Printers and Faxes"}},
    {3, "Floppy Drive 3\xBD", {"Floppy Drive 3\xBD", "Floppy Drive 3\xBD", "Floppy Drive 3\xBD"}},
}};

class LoaderVersionsTest : public PackageTest {
 protected:
  void Build(const WindowsMachine& machine, CatalogueView view) {
    ASSERT_EQ(test::LoadRegFile(backend, version_test::FixturePath(machine.file)), "");
    machine.setUpShell(shell);
    CatalogueInputs inputs = version_test::MachineInputs(machine, registry);
    inputs.view = view;
    MakeCatalogue(inputs);
    InstallBuilders(*catalogue);
    // Only what the package names directly.
    backend.PutNumber(RegRoot::CurrentUser, kProgramKey, "Smart Load", 0);
  }

  // The package as a save on XP writes it: every name in its package form.
  void WriteXpPackage() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
      std::string key = kRows[i].xpName;
      TranslateSlotName(key, SlotNameDirection::PackageForm, os::kWindowsXp,
                        CatalogueView::LocalUpdate);
      Write(kPackage, std::string(CategorySection(kRows[i].category)),
            {{key, "%ThemeDir%Blue.icl," + std::to_string(i)}});
    }
  }

  void ExpectLoadedOn(const WindowsMachine& machine, std::size_t column) {
    SCOPED_TRACE(machine.file);
    Build(machine, CatalogueView::LocalUpdate);
    WriteXpPackage();
    ASSERT_EQ(Load(kPackage), 1);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
      const char* name = kRows[i].on[column];
      if (name == nullptr) continue;
      SCOPED_TRACE(name);
      const IconSlot& slot = Slot(kRows[i].category, name);
      EXPECT_TRUE(slot.IsChanged());
      EXPECT_EQ(slot.iconPath, kPackageDir + "Blue.icl");
      EXPECT_EQ(slot.iconIndex, static_cast<int>(i));
    }
  }
};

TEST_F(LoaderVersionsTest, PackageFromXpLoadsOnWindows98) { ExpectLoadedOn(version_test::kWin98, 0); }
TEST_F(LoaderVersionsTest, PackageFromXpLoadsOnWindows2000) {
  ExpectLoadedOn(version_test::kWin2000, 1);
}
TEST_F(LoaderVersionsTest, PackageFromXpLoadsOnWindowsXp) { ExpectLoadedOn(version_test::kWinXp, 2); }

TEST_F(LoaderVersionsTest, PackageBuilderViewMatchesTheNamesListedThere) {
  Build(version_test::kWin2000, CatalogueView::PackageBuilder);
  WriteXpPackage();
  ASSERT_EQ(Load(kPackage), 1);
  EXPECT_TRUE(Changed(0, "Network Neighborhood"));
  EXPECT_EQ(catalogue->Find(0, "My Network Places"), nullptr);
  EXPECT_FALSE(state.pendingChanges);
}

}  // namespace
}  // namespace gd::package_test
