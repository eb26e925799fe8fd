// A category builder's test: any Windows version's catalogue over the in-memory system, set
// up by hand or from a .reg file of tests/catalogue/fixtures/cases, and one-line views of a
// slot (its place, current and default icon) for compact expectations.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/printers.h"
#include "catalogue/slot_listing.h"
#include "support/catalogue_harness.h"
#include "support/reg_file.h"
#include "support/windows_machines.h"

namespace gd::test {

using Names = std::vector<std::string>;
using version_test::VersionInputs;
constexpr RegRoot kHkcr = RegRoot::ClassesRoot;
constexpr RegRoot kHkcu = RegRoot::CurrentUser;
constexpr RegRoot kHklm = RegRoot::LocalMachine;

inline void (*const kBuilders[kCategoryCount])(SlotCatalogue&) = {
    BuildDesktopIcons, BuildStartMenuIcons, BuildFolderIcons, BuildDriveIcons,
    BuildOtherIcons,   BuildFileTypeIcons,  BuildCursors,     BuildQuickLaunchIcons};

class BuilderTest : public ::testing::Test, protected CatalogueHarness {
 protected:
  void LoadCase(const std::string& file) {
    ASSERT_EQ(LoadRegFile(backend, version_test::FixturePath("cases/" + file)), "");
  }
  // A fresh catalogue of that version with one list built; its names.
  Names Build(Category category, Os os, bool newShell = true,
              CatalogueView view = CatalogueView::LocalUpdate) {
    CatalogueInputs inputs = VersionInputs(os, newShell, view);
    inputs.ieVersion = ieVersion;
    inputs.shellVersion = shellVersion;
    inputs.silentStart = silent;
    kBuilders[Index(category)](MakeCatalogue(inputs));
    return NamesIn(category);
  }
  bool Has(Category category, std::string_view name) {
    return catalogue->Find(category, name) != nullptr;
  }
  // "HKCU\key [value]".
  std::string Place(Category category, std::string_view name) {
    const IconSlot& slot = SlotIn(category, name);
    return RootName(slot.rootKey) + "\\" + slot.keyPath +
           (slot.valueName.empty() ? "" : " [" + slot.valueName + "]");
  }
  std::string Current(Category category, std::string_view name) {
    return MakeIconRef(SlotIn(category, name).currentPath, SlotIn(category, name).currentIndex);
  }
  std::string Default(Category category, std::string_view name) {
    return MakeIconRef(SlotIn(category, name).defaultPath, SlotIn(category, name).defaultIndex);
  }

  std::string ieVersion = "6.0.2900.2180";
  std::uint32_t shellVersion = 0;
  bool silent = false;
};

}  // namespace gd::test
