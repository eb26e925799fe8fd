// The catalogue built from a real registry that none of us wrote: the Wine prefix's own,
// untouched, for every Windows version code and both views.
#include <gtest/gtest.h>

#include <set>

#include "catalogue/builders.h"
#include "catalogue/catalogue_inputs_win32.h"
#include "catalogue/slot_listing.h"
#include "platform/ini_win32.h"
#include "platform/registry_win32.h"
#include "support/fake_shell.h"
#include "support/scripted_prompt.h"

namespace gd {
namespace {

class SystemCatalogue : public ::testing::TestWithParam<int> {};

TEST_P(SystemCatalogue, EveryCategoryBuildsSoundlyInBothViews) {
  for (CatalogueView view : {CatalogueView::LocalUpdate, CatalogueView::PackageBuilder}) {
    CatalogueInputs inputs =
        SystemCatalogueInputs(SystemRegistry(), SystemShell(), view, "C:\\Program Files\\Glimmerdeck");
    inputs.osVersion = GetParam();
    inputs.paths.osVersion = GetParam();
    inputs.silentStart = true;
    test::ScriptedPrompt prompt;
    test::RecordingNotice notice;
    SlotCatalogue catalogue(inputs, CatalogueSystem{SystemRegistry(), SystemIni(), SystemShell(),
                                                    prompt, notice});
    InstallBuilders(catalogue);
    int total = 0;
    for (int c = 0; c < kCategoryCount; ++c) {
      catalogue.BuildCategory(c);
      std::set<std::string> names;
      for (const CatalogueEntry& entry : catalogue.Entries(c)) {
        const IconSlot& slot = *entry.slot;
        EXPECT_FALSE(entry.name.empty()) << c;
        EXPECT_TRUE(names.insert(entry.name).second) << "twice: " << SlotLine(c, entry);
        EXPECT_LE(slot.iconPath.size(), kMaxSlotPath);
        EXPECT_LE(slot.keyPath.size(), kMaxSlotPath);
        EXPECT_LE(slot.valueName.size(), kMaxValueName);
        EXPECT_EQ(slot.flags & slotflag::kChanged, 0u) << SlotLine(c, entry);
        ++total;
      }
    }
    // Every version has at least the desktop objects, file types and cursors.
    EXPECT_GT(total, 20) << "view " << static_cast<int>(view);
    EXPECT_TRUE(prompt.requests.empty());
    EXPECT_TRUE(notice.shown.empty());  // silent starts show no notices
  }
}

INSTANTIATE_TEST_SUITE_P(OsVersions, SystemCatalogue, ::testing::Range(0, 7));

}  // namespace
}  // namespace gd
