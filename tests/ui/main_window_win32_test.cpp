// The real main window run modally (invisibly, with Wine's null driver): the silent operations
// close it again inside its initialisation, having called the right operations in order.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/memory_registry.h"
#include "support/scripted_prompt.h"
#include "ui/main_window_win32.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

using Calls = std::vector<std::string>;

class RecordingOperations final : public PageOperations {
 public:
  bool loadSucceeds = true, changesSlots = false;  // load and restore leave changes to apply
  Calls calls;
  AppState seen;
  bool LoadPackage(AppState& state) override { return Record("load " + state.page.packageFile, state), loadSucceeds; }
  void RestoreAllIconsQuietly(AppState& state) override { Record("restore icons", state); }
  void RestoreAllCursorsQuietly(AppState&) override { calls.push_back("restore cursors"); }
  void ApplyToSystem(AppState&) override { calls.push_back("apply"); }
  void RebuildIconCache(AppState&) override { calls.push_back("rebuild"); }
  void Record(const std::string& call, AppState& state) {
    calls.push_back(call);
    seen = state;
    state.page.pendingChanges = state.page.needCacheRebuild = changesSlots;
  }
};

TEST(MainWindow, SilentOperationsApplyWhatTheyChangedAndRebuildUnlessToldAndAFailedLoadIsCancelled) {
  test::MemoryRegistry backend;
  Registry registry{backend};
  SettingsStore settings{registry};
  test::ScriptedPrompt prompt;
  RecordingOperations operations;
  auto run = [&](CommandLineMode mode, const std::string& packageFile) {
    WindowStart start{.appPath = "C:\\Program Files\\Glimmerdeck", .packageFile = packageFile, .flags = StartFlagsFor(mode),
                      .interactive = false};
    operations.calls.clear();
    MainWindow window(start, settings, prompt, operations);
    EXPECT_NE(window.RunModal(GetModuleHandleA(nullptr), IDD_MAIN_WINDOW, nullptr), -1);
    return window.ExitCode();
  };
  const std::string blue = "C:\\Themes\\Blue\\Blue.gdtheme";
  EXPECT_EQ(run(CommandLineMode::RestoreDefaultsNoRebuild, ""), 0);
  EXPECT_EQ(operations.calls, (Calls{"restore icons", "restore cursors"})) << "nothing changed: nothing applied";
  EXPECT_EQ(operations.seen.page.themesDir, "C:\\Program Files\\Glimmerdeck\\Themes");
  EXPECT_EQ(settings.ReadText(TextSetting::WindowLeft), "ERROR") << "a window never shown leaves no position";
  operations.loadSucceeds = false;
  EXPECT_EQ(run(CommandLineMode::LoadAndApply, "C:\\missing.gdtheme"), 4) << "cancelled";
  EXPECT_EQ(operations.calls, Calls{"load C:\\missing.gdtheme"});
  EXPECT_TRUE(settings.RecentPackages(10).empty());
  operations.loadSucceeds = operations.changesSlots = true;
  EXPECT_EQ(run(CommandLineMode::LoadAndApply, blue), 0);
  EXPECT_EQ(operations.calls, (Calls{"load " + blue, "apply", "rebuild"}));
  EXPECT_EQ(settings.RecentPackages(1), Calls{blue});
  EXPECT_EQ(run(CommandLineMode::RestoreDefaultsNoRebuild, ""), 0);
  EXPECT_EQ(operations.calls, (Calls{"restore icons", "restore cursors", "apply"}));
  EXPECT_TRUE(prompt.requests.empty());
}

}  // namespace
}  // namespace gd
