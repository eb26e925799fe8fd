// The main window's start sequence: what loads, restores, closes and shows, in which order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/window_start.h"
#include "support/memory_registry.h"

namespace gd {
namespace {

class RecordingHost final : public WindowStartHost {
 public:
  bool loadSucceeds = true;
  std::vector<std::string> calls;

  void SelectPage(int entry) override { calls.push_back("select " + std::to_string(entry)); }
  void ShowSelectedPage() override { calls.push_back("show"); }
  bool LoadPackage(const std::string& file) override {
    calls.push_back("load " + file);
    return loadSucceeds;
  }
  void RestoreAllIconsQuietly() override { calls.push_back("restore icons"); }
  void RestoreAllCursorsQuietly() override { calls.push_back("restore cursors"); }
  void CancelWindow() override { calls.push_back("cancel"); }
  void OkAction() override { calls.push_back("ok"); }
  void MoveWindowTo(int left, int top) override {
    calls.push_back("move " + std::to_string(left) + "," + std::to_string(top));
  }
};

using Calls = std::vector<std::string>;

class WindowStartTest : public ::testing::Test {
 protected:
  WindowStartResult Start(StartFlags flags, bool remember = false) {
    return RunWindowStart(flags, "C:\\p.gdtheme", remember, settings, host);
  }
  test::MemoryRegistry backend;
  Registry registry{backend};
  SettingsStore settings{registry};
  RecordingHost host;
};

TEST_F(WindowStartTest, LoadAndCloseAppliesThroughOk) {
  EXPECT_EQ(Start(StartFlagsFor(CommandLineMode::LoadAndApply)), WindowStartResult::Closed);
  EXPECT_EQ(host.calls, (Calls{"select 1", "show", "load C:\\p.gdtheme", "ok"}));
}

TEST_F(WindowStartTest, AFailedSilentLoadCancelsBeforeTheOkAction) {
  host.loadSucceeds = false;
  EXPECT_EQ(Start(StartFlagsFor(CommandLineMode::LoadAndApply)), WindowStartResult::Closed);
  EXPECT_EQ(host.calls, (Calls{"select 1", "show", "load C:\\p.gdtheme", "cancel", "ok"}));
}

TEST_F(WindowStartTest, RestoreRestoresIconsThenCursorsWithoutLoading) {
  for (auto mode : {CommandLineMode::RestoreDefaults, CommandLineMode::RestoreDefaultsNoRebuild}) {
    host.calls.clear();
    EXPECT_EQ(Start(StartFlagsFor(mode)), WindowStartResult::Closed);
    EXPECT_EQ(host.calls, (Calls{"select 1", "show", "restore icons", "restore cursors", "ok"}));
  }
}

TEST_F(WindowStartTest, InteractiveStartShowsPackagesWhenTheLoadFails) {
  host.loadSucceeds = false;
  EXPECT_EQ(Start(StartFlags{}), WindowStartResult::Shown);
  EXPECT_EQ(host.calls, (Calls{"select 1", "show", "load C:\\p.gdtheme", "select 0", "show"}));
}

TEST_F(WindowStartTest, InteractiveStartKeepsIconsAndCursorsAfterALoad) {
  EXPECT_EQ(Start(StartFlags{}), WindowStartResult::Shown);
  EXPECT_EQ(host.calls, (Calls{"select 1", "show", "load C:\\p.gdtheme", "show"}));
}

TEST_F(WindowStartTest, RememberedPositionMovesTheWindow) {
  settings.WriteText(TextSetting::WindowLeft, "140");
  settings.WriteText(TextSetting::WindowTop, "-20");
  Start(StartFlags{}, true);
  EXPECT_EQ(host.calls.back(), "move 140,-20");

  host.calls.clear();
  registry.DeleteRegValue(RegRoot::CurrentUser, kProgramKey, "Window Top");
  Start(StartFlags{}, true);
  EXPECT_EQ(host.calls.back(), "move 140,0");  // a missing top counts as 0

  host.calls.clear();
  Start(StartFlags{}, false);
  EXPECT_EQ(host.calls.back(), "show");  // not remembering: no move

  host.calls.clear();
  registry.DeleteRegValue(RegRoot::CurrentUser, kProgramKey, "Window Left");
  Start(StartFlags{}, true);
  EXPECT_EQ(host.calls.back(), "show");  // no left: the place is not changed
}

}  // namespace
}  // namespace gd
