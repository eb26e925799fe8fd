// The slot model where the version listings do not reach it: the record's limits, list order,
// and the pending-icon rules of SetSlotIcon and RestoreSlot.
#include "support/builder_harness.h"

namespace gd::test {
namespace {

class SlotModel : public BuilderTest {
 protected:
  SlotModel() { MakeCatalogue(VersionInputs(Os::WindowsXp)); }
  int Add(Category category, std::string_view name, std::optional<RegRoot> root, std::string_view key,
          SlotKind kind, std::string_view defaultRef = "", int defaultIndex = 0) {
    return catalogue->AddSlot(category, name, root, key, "", defaultRef, defaultIndex, kind, 0);
  }
};

TEST_F(SlotModel, TextsThatDoNotFitTheRecordAreRefusedOrReplaced) {
  const SlotKind value = SlotKind::RegistryValue;
  EXPECT_EQ(catalogue->AddSlot(Category::Cursors, "Eleven", kHkcu, "K", "AppStarting", "", 0, value, 0), 0);
  EXPECT_EQ(catalogue->AddSlot(Category::Cursors, "Twelve", kHkcu, "K", "TwelveChars!", "", 0, value, 0), -1);
  EXPECT_EQ(Add(Category::Desktop, "Key", kHkcu, std::string(260, 'k'), value), -1);
  EXPECT_EQ(Add(Category::Desktop, "Key", kHkcu, std::string(259, 'k'), value), 0);
  EXPECT_EQ(Add(Category::Files, "", kHkcr, "." + std::string(51, 'e'), SlotKind::ExtensionDefaultIcon), -1);
  EXPECT_EQ(Add(Category::Files, "", kHkcr, "." + std::string(50, 'e'), SlotKind::ExtensionDefaultIcon), 0);
  // A stored reference that expands past the path buffer is no usable icon.
  backend.PutText(kHkcu, "Big", "", "%SystemRoot%\\" + std::string(250, 'p') + ".ico,1");
  EXPECT_EQ(Add(Category::Desktop, "Big", kHkcu, "Big", value, "", 3), 1);
  EXPECT_EQ(Current(Category::Desktop, "Big"), "C:\\WINDOWS\\system32\\shell32.dll,3");
  EXPECT_EQ(catalogue->SetSlotIcon(*catalogue->Find(Category::Desktop, "big"), std::string(260, 'x'), 0), 0);
}

TEST_F(SlotModel, ListsKeepTheirOrderButQuickLaunchIsSortedAndKept) {
  for (const char* name : {"Zeta", "alpha", "Mid"}) {
    for (Category c : {Category::Start, Category::QuickLaunch}) Add(c, name, std::nullopt, "", SlotKind::BuiltIn);
  }
  EXPECT_EQ(NamesIn(Category::Start), (Names{"Zeta", "alpha", "Mid"}));
  EXPECT_EQ(NamesIn(Category::QuickLaunch), (Names{"alpha", "Mid", "Zeta"}));
  catalogue->ClearPackageCategories();
  EXPECT_EQ(NamesIn(Category::Start).size() + NamesIn(Category::QuickLaunch).size(), 3u);
  // BuildAll runs each builder of an empty list once, cursors only when asked.
  std::string built;
  for (Category c : kAllCategories) {
    catalogue->SetBuilder(c, [c, &built](SlotCatalogue& cat) {
      built += std::to_string(Index(c));
      cat.AddSlot(c, "x", std::nullopt, "", "", "", 0, SlotKind::BuiltIn, 0);
    });
  }
  catalogue->BuildAll(false);
  catalogue->BuildAll(true);
  EXPECT_EQ(built, "0123456");
}

TEST_F(SlotModel, OnlyRealChangesAreMarkedAndRestoringFollowsCurrentOrDefault) {
  backend.PutText(kHkcu, "K", "", "C:\\cur.ico,1");
  Add(Category::Desktop, "S", kHkcu, "K", SlotKind::RegistryValue, "C:\\default.ico", 2);
  IconSlot& slot = *catalogue->Find(Category::Desktop, "S");
  const auto state = [&slot] {
    return MakeIconRef(slot.iconPath, slot.iconIndex) + " " + std::to_string(slot.flags);
  };
  EXPECT_EQ(catalogue->SetSlotIcon(slot, "c:\\CUR.ICO", 1), 0);  // already pending
  slot.flags |= slotflag::kMissingImage;
  EXPECT_EQ(catalogue->SetSlotIcon(slot, "C:\\new.ico", 3), 1);
  EXPECT_EQ(state(), "C:\\new.ico,3 8");  // changed, the missing image forgotten
  EXPECT_EQ(catalogue->SetSlotIcon(slot, "C:\\CUR.ico", 1), 1);  // back to the current icon
  EXPECT_EQ(state(), "C:\\cur.ico,1 0");
  EXPECT_EQ(catalogue->RestoreSlot(slot, true, true), 0);
  EXPECT_EQ(catalogue->RestoreSlot(slot, false, true), 1);
  EXPECT_EQ(state(), "C:\\default.ico,2 8");
  EXPECT_EQ(catalogue->RestoreSlot(slot, true, true), 1);
  EXPECT_EQ(state(), "C:\\cur.ico,1 0");
  slot.flags = slotflag::kAddedFormat;  // not marking clears the flags altogether
  EXPECT_EQ(catalogue->RestoreSlot(slot, false, false), 1);
  EXPECT_EQ(state(), "C:\\default.ico,2 0");
}

}  // namespace
}  // namespace gd::test
