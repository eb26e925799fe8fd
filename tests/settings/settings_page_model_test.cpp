// The Settings page's rows over the in-memory registry: what they start from, what a click or
// a step asks of Apply, and which values Apply writes.
#include <gtest/gtest.h>

#include "settings/settings_page_model.h"
#include "support/memory_registry.h"

namespace gd {
namespace {

constexpr std::string_view kMetrics = "Control Panel\\desktop\\WindowMetrics";
constexpr std::string_view kExplorer = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";

// The tab's library registers by creating its key, as the real one does.
class KeyTab final : public PropertyTabRegistrar {
 public:
  KeyTab(test::MemoryRegistry& backend, bool available) : backend_(backend), available_(available) {}
  bool Available() override { return available_; }
  bool SetRegistered(bool registered) override {
    ++calls;
    Registry registry(backend_);
    if (registered) return registry.CreateRegKey(RegRoot::ClassesRoot, kPropertyTabKey) == regerr::kSuccess;
    registry.DeleteRegKey(RegRoot::ClassesRoot, "*\\shellex\\PropertySheetHandlers",
                          "{93CCF120-E053-45CA-B7E0-7DC963928598}");
    return true;
  }
  int calls = 0;

 private:
  test::MemoryRegistry& backend_;
  bool available_;
};

struct Page {
  explicit Page(Os os = Os::WindowsXp, bool newShell = true, bool tabAvailable = true)
      : tab(backend, tabAvailable), os(os), newShell(newShell) {}
  SettingsPageModel Open() { return SettingsPageModel(registry, tab, os, newShell); }
  std::string Text(RegRoot root, std::string_view key, std::string_view name) {
    return registry.ReadText(root, key, name);
  }
  test::MemoryRegistry backend;
  Registry registry{backend};
  KeyTab tab;
  Os os;
  bool newShell;
};

TEST(SettingsPage, StartsFromTheRegistryAndFallsBackOnValuesOutOfRange) {
  Page fresh;
  auto model = fresh.Open();
  // A user without the program key: missing switches that count as on unless 0 are ticked.
  std::string ticked;
  for (int i = 0; i < kSettingsRowCount; ++i) {
    if (model.Checked(static_cast<SettingsRow>(i))) ticked += std::to_string(i) + " ";
  }
  EXPECT_EQ(ticked, "1 9 11 14 15 ") << "no colour setting on XP: all colours";
  Page windows95(Os::Windows95);
  EXPECT_FALSE(windows95.Open().Checked(SettingsRow::AllColors));
  EXPECT_EQ(model.Value(SettingsRow::IconSize), 32);
  EXPECT_EQ(model.Value(SettingsRow::IconCacheSize), 1024);

  Page set;
  set.backend.PutText(RegRoot::CurrentUser, kMetrics, "Shell Icon Size", "48");
  set.backend.PutText(RegRoot::CurrentUser, kMetrics, "Shell Icon BPP", "32");
  set.backend.PutText(RegRoot::LocalMachine, kExplorer, "Max Cached Icons", "2048");
  set.backend.PutText(RegRoot::ClassesRoot, "lnkfile", "IsShortcut", "");
  set.backend.PutText(RegRoot::ClassesRoot, ".ico", "", "Icon.File");
  set.backend.PutText(RegRoot::ClassesRoot, "Icon.File\\DefaultIcon", "", "%1");
  set.backend.PutNumber(RegRoot::CurrentUser, kProgramKey, "Quick Launch", 0);
  set.registry.CreateRegKey(RegRoot::ClassesRoot, kPropertyTabKey);
  const auto stored = set.Open();
  for (SettingsRow row : {SettingsRow::AllColors, SettingsRow::ShortcutOverlays, SettingsRow::IconFilesAsImage,
                          SettingsRow::LargeIcons, SettingsRow::HideQuickLaunch, SettingsRow::PropertyTab}) {
    EXPECT_TRUE(stored.Checked(row)) << stored.Label(row);
  }
  EXPECT_EQ(stored.Value(SettingsRow::IconSize), 48);
  EXPECT_EQ(stored.Value(SettingsRow::IconCacheSize), 2048);

  for (const char* bad : {"96", "0", "500", "abc", "48px"}) {
    Page odd;
    odd.backend.PutText(RegRoot::CurrentUser, kMetrics, "Shell Icon Size", bad);
    odd.backend.PutText(RegRoot::LocalMachine, kExplorer, "Max Cached Icons", bad);
    const auto fallback = odd.Open();
    EXPECT_EQ(fallback.Value(SettingsRow::IconSize), 32) << bad;
    EXPECT_EQ(fallback.Value(SettingsRow::IconCacheSize), 1024) << bad;
    EXPECT_FALSE(fallback.Checked(SettingsRow::LargeIcons)) << bad;
  }
}

TEST(SettingsPage, ClicksAndStepsAskForARebuildOrARestartAndMarkTheirGroup) {
  Page xp;
  auto model = xp.Open();
  SettingsEffect effect = model.Toggle(SettingsRow::LargeIcons);
  EXPECT_TRUE(effect.needCacheRebuild && !effect.restartNeeded);
  EXPECT_EQ(model.Value(SettingsRow::IconSize), 48);
  model.Step(SettingsRow::IconSize, -1);
  EXPECT_EQ(model.Value(SettingsRow::IconSize), 47);
  model.Toggle(SettingsRow::LargeIcons);
  EXPECT_EQ(model.Value(SettingsRow::IconSize), 32) << "whatever the size row showed";
  EXPECT_TRUE(model.Toggle(SettingsRow::AllColors).needCacheRebuild) << "the NT shell rebuilds";
  EXPECT_TRUE(model.GroupChanged(SettingsGroup::General) && !model.GroupChanged(SettingsGroup::Advanced));

  effect = model.Step(SettingsRow::IconCacheSize, 1);
  EXPECT_TRUE(effect.restartNeeded && !effect.needCacheRebuild);
  EXPECT_EQ(model.Value(SettingsRow::IconCacheSize), 1536);
  model.Step(SettingsRow::IconCacheSize, -1);
  model.Step(SettingsRow::IconCacheSize, -1);
  model.Step(SettingsRow::IconCacheSize, -1);
  EXPECT_EQ(model.Value(SettingsRow::IconCacheSize), 512) << "down from 1024 once, then held at the minimum";
  EXPECT_TRUE(model.GroupChanged(SettingsGroup::Advanced));

  // Windows 95 without the new shell: the Quick Launch row cannot change and marks nothing;
  // the colour depth needs a restart there.
  Page old(Os::Windows95, false);
  auto windows95 = old.Open();
  EXPECT_EQ(windows95.Kind(SettingsRow::HideQuickLaunch), RowKind::Greyed);
  effect = windows95.Toggle(SettingsRow::HideQuickLaunch);
  EXPECT_FALSE(effect.needCacheRebuild || effect.restartNeeded || windows95.changed());
  EXPECT_FALSE(windows95.Toggle(SettingsRow::Others).needCacheRebuild || windows95.changed()) << "headings do nothing";
  EXPECT_TRUE(windows95.Toggle(SettingsRow::AllColors).restartNeeded);
}

TEST(SettingsPage, ApplyWritesOnlyTheGroupsThatChanged) {
  Page page;
  page.backend.PutText(RegRoot::CurrentUser, kMetrics, "Shell Icon BPP", "32");
  auto model = page.Open();
  EXPECT_TRUE(model.Apply().failedRows.empty());
  EXPECT_EQ(page.Text(RegRoot::CurrentUser, kProgramKey, "Smart Load"), "ERROR") << "nothing changed, nothing written";

  const SettingsEffect effect = model.Toggle(SettingsRow::SmartLoad);
  EXPECT_FALSE(effect.needCacheRebuild || effect.restartNeeded);
  model.Toggle(SettingsRow::SaveSettings);
  const SettingsApplied applied = model.Apply();
  EXPECT_TRUE(applied.othersWritten && !applied.rememberWindow && applied.failedRows.empty());
  EXPECT_EQ(page.registry.ReadNumber(RegRoot::CurrentUser, kProgramKey, "Smart Load"), 0u);
  EXPECT_EQ(page.registry.ReadNumber(RegRoot::CurrentUser, kProgramKey, "Quick Launch"), 1u) << "the whole group";
  EXPECT_EQ(page.registry.ReadNumber(RegRoot::CurrentUser, kProgramKey, "Package Info"), 1u);
  EXPECT_EQ(page.tab.calls, 1);
  EXPECT_FALSE(page.registry.RegKeyExists(RegRoot::ClassesRoot, kPropertyTabKey)) << "as it started";
  EXPECT_EQ(page.Text(RegRoot::CurrentUser, kMetrics, "Shell Icon Size"), "ERROR") << "no display setting";
  EXPECT_FALSE(model.changed() || model.GroupChanged(SettingsGroup::Others));

  // A deeper colour setting survives a write of the General group.
  model.Toggle(SettingsRow::ShortcutOverlays);
  model.Apply();
  EXPECT_EQ(page.Text(RegRoot::CurrentUser, kMetrics, "Shell Icon BPP"), "32");
  EXPECT_EQ(page.Text(RegRoot::CurrentUser, kMetrics, "Shell Icon Size"), "32");
}

TEST(SettingsPage, RestoreDefaultsWritesEveryGroupWithTheVersionsColourDepth) {
  for (Os os : {Os::Windows95, Os::Windows98, Os::WindowsMe, Os::WindowsNt4, Os::Windows2000, Os::WindowsXp}) {
    Page page(os);
    page.backend.PutText(RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.ico",
                         "Application", "paint.exe");
    auto model = page.Open();
    model.Step(SettingsRow::IconCacheSize, 1);
    model.RestoreDefaults();
    model.Apply();
    const bool allColors = os != Os::Windows95 && os != Os::WindowsNt4;
    const std::string where = "Windows " + std::to_string(static_cast<int>(os));
    EXPECT_EQ(page.Text(RegRoot::CurrentUser, kMetrics, "Shell Icon BPP"), allColors ? "16" : "4") << where;
    EXPECT_EQ(page.Text(RegRoot::LocalMachine, kExplorer, "Max Cached Icons"), "1024") << where;
    EXPECT_EQ(page.Text(RegRoot::ClassesRoot, "piffile", "IsShortcut"), "") << where;
    EXPECT_EQ(page.Text(RegRoot::ClassesRoot, "icofile\\DefaultIcon", ""), "%1") << where;
    EXPECT_EQ(page.Text(RegRoot::CurrentUser,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.ico", "Application"),
              "ERROR")
        << where;
    EXPECT_EQ(page.registry.ReadNumber(RegRoot::CurrentUser, kProgramKey, "Restore Icons"), 0u) << where;
  }
}

TEST(SettingsPage, AValueThatCannotBeWrittenIsNamedAndTheOthersAreStillWritten) {
  Page page;
  page.registry.CreateRegKey(RegRoot::LocalMachine, kExplorer);
  page.backend.DenyWrites(RegRoot::LocalMachine, kExplorer);
  auto model = page.Open();
  model.RestoreDefaults();
  SettingsApplied applied = model.Apply();
  EXPECT_EQ(applied.failedRows, std::vector<std::string>{"Icon cache size"});
  EXPECT_EQ(page.Text(RegRoot::CurrentUser, kMetrics, "Shell Icon Size"), "32");

  // Without the tab's library the row cannot change and Apply does not try.
  Page noTab(Os::WindowsXp, true, false);
  auto withoutTab = noTab.Open();
  EXPECT_EQ(withoutTab.Kind(SettingsRow::PropertyTab), RowKind::Greyed);
  withoutTab.RestoreDefaults();
  applied = withoutTab.Apply();
  EXPECT_TRUE(applied.failedRows.empty());
  EXPECT_EQ(noTab.tab.calls, 0);
}

}  // namespace
}  // namespace gd
