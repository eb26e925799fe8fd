// Restoring all icons and cursors: which categories the switches let through, the Quick Launch
// setting, the questions, and what is left for Apply.
#include <gtest/gtest.h>

#include "system/restore.h"
#include "system/system_fixture.h"

namespace gd::test {
namespace {

class RestoreTest : public SystemTest {
 protected:
  // One changed slot in each category 0 to 6 and, once its builder runs, in Quick Launch.
  void MakeChangedEverywhere(int osVersion = 6) {
    page = PageState{};
    Make(osVersion);
    events = RecordingEvents{};
    quickLaunchBuilds = 0;
    for (int c = 0; c < category::kQuickLaunch; ++c) AddChanged(*catalogue, c);
    catalogue->SetBuilder(category::kQuickLaunch, [this](SlotCatalogue& built) {
      ++quickLaunchBuilds;
      AddChanged(built, category::kQuickLaunch);
    });
  }
  // The system shows another icon than the default, and a package set a third one.
  void AddChanged(SlotCatalogue& built, int c) {
    const std::string name = "Slot " + std::to_string(c);
    const std::string key = "Place" + std::to_string(c);
    backend.PutText(HKCU, key, "Icon", "C:\\system\\now.ico,1");
    built.AddSlot(c, name, HKCU, key, "Icon", "C:\\defaults\\d.icl", c, SlotKind::RegistryValue, 0);
    built.SetSlotIcon(*built.Find(c, name), "C:\\package\\p.icl", 40 + c);
  }
  bool AtDefault(int c) {
    const IconSlot* slot = catalogue->Find(c, "Slot " + std::to_string(c));
    return slot && slot->iconPath == "C:\\defaults\\d.icl" && slot->iconIndex == c &&
           slot->IsChanged();
  }

  int quickLaunchBuilds = 0;
};

TEST_F(RestoreTest, QuietRestoreOfIncludedCategoriesLeavesTheOthersAndPreparesApply) {
  MakeChangedEverywhere();
  page.include = {true, false, false, false, false, true, true};
  RestoreAllIcons(*catalogue, page, events, true, true);
  for (int c = 0; c < kCategoryCount; ++c) {
    EXPECT_EQ(AtDefault(c), c == 0 || c == 5 || c == 7) << "category " << c;
  }
  EXPECT_EQ(events.refreshed, (std::vector<std::pair<int, int>>{{0, 0}, {5, 0}, {7, 0}}));
  EXPECT_EQ(events.repainted, std::vector<int>{0});
  EXPECT_EQ(events.applyEnabled, 1);
  EXPECT_EQ(events.titleChanges, 0);
  EXPECT_TRUE(page.pendingChanges);
  EXPECT_TRUE(page.needCacheRebuild);
  EXPECT_TRUE(prompt.requests.empty());

  // Everything, and on a 9x system no cache rebuild is asked for.
  MakeChangedEverywhere(2);
  page.categoryOnShow = 6;
  ASSERT_FALSE(page.needCacheRebuild);
  RestoreAllIcons(*catalogue, page, events, true, false);
  for (int c = 0; c < kCategoryCount; ++c) EXPECT_EQ(AtDefault(c), c != 6) << "category " << c;
  EXPECT_FALSE(page.needCacheRebuild);
  EXPECT_TRUE(events.repainted.empty());  // cursors on show: no repaint
}

TEST_F(RestoreTest, RestoreIconsLaunchDecidesOnQuickLaunchMissingMeaningOn) {
  MakeChangedEverywhere();
  RestoreAllIcons(*catalogue, page, events, true, false);
  EXPECT_EQ(quickLaunchBuilds, 1);
  EXPECT_TRUE(AtDefault(7));

  backend.PutNumber(HKCU, kProgramKey, "Restore Icons Launch", 0);
  MakeChangedEverywhere();
  RestoreAllIcons(*catalogue, page, events, true, false);
  EXPECT_EQ(quickLaunchBuilds, 0);
  EXPECT_FALSE(AtDefault(7));
  EXPECT_TRUE(AtDefault(1));
}

TEST_F(RestoreTest, TheQuestionDecides) {
  MakeChangedEverywhere();
  page.packageFile = "C:\\Themes\\Blue\\blue.gdtheme";
  prompt = ScriptedPrompt({PromptAnswer::No, PromptAnswer::No});
  RestoreAllIcons(*catalogue, page, events, false, false);
  RestoreAllCursors(*catalogue, page, events, false, false);
  ASSERT_EQ(prompt.requests.size(), 2u);
  EXPECT_EQ(prompt.requests[0].text,
            "Glimmerdeck will now restore all your icons to the Windows defaults.\n\n"
            "Are you sure you want to continue?");
  EXPECT_EQ(prompt.requests[1].text,
            "Glimmerdeck will now restore all your cursors to the Windows defaults.\n\n"
            "Are you sure you want to continue?");
  EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Question);
  EXPECT_EQ(prompt.requests[0].buttons, PromptButtons::YesNo);
  for (int c = 0; c < kCategoryCount; ++c) EXPECT_FALSE(AtDefault(c)) << "category " << c;
  EXPECT_EQ(page.packageFile, "C:\\Themes\\Blue\\blue.gdtheme");
  EXPECT_EQ(events.titleChanges, 0);
  EXPECT_EQ(events.applyEnabled, 0);
  EXPECT_FALSE(page.pendingChanges);

  prompt = ScriptedPrompt({PromptAnswer::Yes}, PromptAnswer::Yes);
  RestoreAllCursors(*catalogue, page, events, false, true);  // the switch is off: asked, no more
  EXPECT_FALSE(AtDefault(6));
  RestoreAllCursors(*catalogue, page, events, false, false);
  EXPECT_TRUE(AtDefault(6));
  EXPECT_EQ(page.packageFile, "C:\\Themes\\Blue\\blue.gdtheme");
  RestoreAllIcons(*catalogue, page, events, false, false);
  EXPECT_TRUE(AtDefault(0));
  EXPECT_EQ(page.packageFile, "");
  EXPECT_EQ(events.titleChanges, 1);
}

TEST_F(RestoreTest, QuietCursorRestoreWithTheSwitchOffDoesNothingAtAll) {
  MakeChangedEverywhere();
  int cursorBuilds = 0;
  catalogue->ClearCategory(6);
  catalogue->SetBuilder(6, [&](SlotCatalogue&) { ++cursorBuilds; });
  RestoreAllCursors(*catalogue, page, events, true, true);
  EXPECT_EQ(cursorBuilds, 0);
  EXPECT_EQ(events.applyEnabled, 0);
  EXPECT_TRUE(events.repainted.empty());
  EXPECT_FALSE(page.pendingChanges);

  page.include[6] = true;
  page.categoryOnShow = 6;
  RestoreAllCursors(*catalogue, page, events, true, true);
  EXPECT_EQ(cursorBuilds, 1);
  EXPECT_EQ(events.repainted, std::vector<int>{6});
  EXPECT_EQ(events.applyEnabled, 1);
  EXPECT_TRUE(page.pendingChanges);
  EXPECT_FALSE(page.needCacheRebuild);
}

TEST_F(RestoreTest, ASlotWithoutDefaultIsLeftAsItIs) {
  Make();
  backend.PutText(HKCR, ".zip", "", "WinZip");
  backend.PutText(HKCR, "WinZip\\DefaultIcon", "", "C:\\WinZip\\winzip32.exe,0");
  catalogue->AddSlot(5, "Zip File", HKCR, ".zip", "", "", 0, SlotKind::ClassDefaultIcon, 0);
  RestoreAllIcons(*catalogue, page, events, true, false);
  const IconSlot& zip = *catalogue->Find(5, "Zip File");
  EXPECT_EQ(zip.iconPath, "C:\\WinZip\\winzip32.exe");
  EXPECT_FALSE(zip.IsChanged());
  EXPECT_TRUE(events.refreshed.empty());
}

}  // namespace
}  // namespace gd::test
