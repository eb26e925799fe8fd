// The builders over whole Windows installations, one .reg fixture each, compared with their
// reviewed golden listings; and the rules every builder keeps: a list that has items is left
// as it is, and the Package Builder placeholders do not depend on the system.
#include "catalogue/drive_builder.h"
#include "support/builder_harness.h"

namespace gd::test {
namespace {

TEST(CatalogueListings, EachMachineListsItsGoldenFileInBothViews) {
  for (const version_test::WindowsMachine* machine : version_test::kMachines) {
    MemoryRegistry backend;
    ASSERT_EQ(machine->LoadInto(backend), "") << machine->file;
    Registry registry{backend};
    for (const CatalogueView view : {CatalogueView::LocalUpdate, CatalogueView::PackageBuilder}) {
      EXPECT_EQ(version_test::GoldenListingDifference(*machine, view, registry), "");
    }
  }
}

// Over the XP machine, on which every builder has something to list.
class BuilderRules : public BuilderTest {
 protected:
  BuilderRules() {
    EXPECT_EQ(version_test::kWinXp.LoadInto(backend), "");
    version_test::ShellXp(shell);
  }
};

TEST_F(BuilderRules, AListThatHasItemsIsLeftAsItIs) {
  for (Category c : kAllCategories) {
    EXPECT_FALSE(Build(c, Os::WindowsXp).empty()) << c;
    MakeCatalogue(VersionInputs(Os::WindowsXp));
    catalogue->AddSlot(c, "Already", std::nullopt, "", "", "x.ico", 0, SlotKind::BuiltIn, 0);
    kBuilders[Index(c)](*catalogue);
    if (c == Category::Drives) BuildDriveIconsInMode(*catalogue, true);
    EXPECT_EQ(NamesIn(c), Names{"Already"}) << c;
  }
}

TEST_F(BuilderRules, PackageBuilderPlaceholdersAreTheSameWhateverTheSystem) {
  // XP's placeholders (categories 0 to 5), on every version over a registry that would change
  // the Local Update lists: individual drives remembered, Run taken away.
  const auto placeholders = [this](Os os, bool newShell) {
    Names lines;
    MakeCatalogue(VersionInputs(os, newShell, CatalogueView::PackageBuilder));
    for (Category c : kAllCategories) {
      if (c > Category::Files) break;
      kBuilders[Index(c)](*catalogue);
      for (const CatalogueEntry& entry : catalogue->Entries(c)) lines.push_back(SlotLine(c, entry));
    }
    return lines;
  };
  const Names xp = placeholders(Os::WindowsXp, true);
  ASSERT_EQ(xp.size(), 8u + 15u + 18u + 8u + 8u + 18u);
  MemoryRegistry other;
  backend = std::move(other);
  backend.PutNumber(kHkcu, "Software\\Quillmoor\\Glimmerdeck", "Drive Mode", 1);
  backend.PutNumber(kHkcu, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                    "NoRun", 1);
  for (int code = 0; code <= 6; ++code) {
    const Os os = static_cast<Os>(code);
    for (const bool newShell : {true, false}) {
      EXPECT_EQ(placeholders(os, newShell), xp) << os << " new shell " << newShell;
    }
  }
}

}  // namespace
}  // namespace gd::test
