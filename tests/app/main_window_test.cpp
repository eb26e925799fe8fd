// The real main window dialog run modally (invisibly, with Wine's null driver): the silent
// operations close it again inside its initialisation and call the right operations.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/memory_registry.h"
#include "support/scripted_prompt.h"
#include "ui/main_window_win32.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

class RecordingOperations final : public PageOperations {
 public:
  bool loadSucceeds = true;
  bool changesSlots = false;  // load and restore leave changes for Apply, and a cache rebuild
  std::vector<std::string> calls;
  AppState seen;

  bool LoadPackage(AppState& state) override {
    calls.push_back("load " + state.page.packageFile);
    seen = state;
    LeaveChanges(state);
    return loadSucceeds;
  }
  void RestoreAllIconsQuietly(AppState& state) override {
    calls.push_back("restore icons");
    seen = state;
    LeaveChanges(state);
  }
  void LeaveChanges(AppState& state) const {
    state.page.pendingChanges = changesSlots;
    state.page.needCacheRebuild = changesSlots;
  }
  void RestoreAllCursorsQuietly(AppState&) override { calls.push_back("restore cursors"); }
  void ApplyToSystem(AppState&) override { calls.push_back("apply"); }
  void RebuildIconCache(AppState&) override { calls.push_back("rebuild"); }
};

class MainWindowTest : public ::testing::Test {
 protected:
  int RunWindow(CommandLineMode mode, const std::string& packageFile) {
    WindowStart start;
    start.appPath = "C:\\Program Files\\Glimmerdeck";
    start.packageFile = packageFile;
    start.flags = StartFlagsFor(mode);
    MainWindow window(start, settings, prompt, operations);
    const INT_PTR result = window.RunModal(GetModuleHandleA(nullptr), IDD_MAIN_WINDOW, nullptr);
    EXPECT_NE(result, -1);
    return window.ExitCode();
  }

  test::MemoryRegistry backend;
  Registry registry{backend};
  SettingsStore settings{registry};
  test::ScriptedPrompt prompt;
  RecordingOperations operations;
};

TEST_F(MainWindowTest, RestoreDefaultsClosesWithoutShowingAndSetsTheDirectories) {
  EXPECT_EQ(RunWindow(CommandLineMode::RestoreDefaultsNoRebuild, ""), 0);
  EXPECT_EQ(operations.calls, (std::vector<std::string>{"restore icons", "restore cursors"}));
  EXPECT_EQ(operations.seen.page.themesDir, "C:\\Program Files\\Glimmerdeck\\Themes");
  EXPECT_FALSE(operations.seen.windowsDir.empty());
  EXPECT_FALSE(operations.seen.systemDir.empty());
  EXPECT_GE(operations.seen.osVersion, 4);
  EXPECT_TRUE(prompt.requests.empty());
  // A window that was never shown leaves no position behind.
  EXPECT_EQ(settings.ReadText(TextSetting::WindowLeft), "ERROR");
}

TEST_F(MainWindowTest, LoadAndApplyLoadsTheGivenPackageAndRemembersIt) {
  EXPECT_EQ(RunWindow(CommandLineMode::LoadAndApply, "C:\\Themes\\Blue\\Blue.gdtheme"), 0);
  EXPECT_EQ(operations.calls, (std::vector<std::string>{"load C:\\Themes\\Blue\\Blue.gdtheme"}));
  // Nothing changed a slot, so Apply stayed disabled and nothing was written.
  EXPECT_EQ(settings.RecentPackages(1), (std::vector<std::string>{"C:\\Themes\\Blue\\Blue.gdtheme"}));
}

TEST_F(MainWindowTest, SilentOperationsApplyWhatTheyChangedAndRebuildTheCacheUnlessTold) {
  operations.changesSlots = true;
  EXPECT_EQ(RunWindow(CommandLineMode::LoadAndApply, "C:\\Themes\\Blue\\Blue.gdtheme"), 0);
  EXPECT_EQ(operations.calls, (std::vector<std::string>{"load C:\\Themes\\Blue\\Blue.gdtheme",
                                                        "apply", "rebuild"}));
  operations.calls.clear();
  EXPECT_EQ(RunWindow(CommandLineMode::RestoreDefaultsNoRebuild, ""), 0);
  EXPECT_EQ(operations.calls,
            (std::vector<std::string>{"restore icons", "restore cursors", "apply"}));
}

TEST_F(MainWindowTest, AFailedSilentLoadIsCancelledAndAppliesNothing) {
  operations.loadSucceeds = false;
  EXPECT_EQ(RunWindow(CommandLineMode::LoadAndApply, "C:\\missing.gdtheme"), kExitCancelled);
  EXPECT_EQ(operations.calls, (std::vector<std::string>{"load C:\\missing.gdtheme"}));
  EXPECT_TRUE(settings.RecentPackages(10).empty());
}

}  // namespace
}  // namespace gd
