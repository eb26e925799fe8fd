// The main window and the hand-over block under Wine. The window runs modally and invisibly;
// the silent operations close it inside its initialisation, having called their operations.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "ui/handover_block_win32.h"
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
    calls.push_back(call), seen = state;
    state.page.pendingChanges = state.page.needCacheRebuild = changesSlots;
  }
};

TEST(MainWindow, SilentOperationsApplyWhatTheyChangedAndRebuildUnlessToldAndAFailedLoadIsCancelled) {
  test::MemoryRegistry backend;
  Registry registry{backend};
  SettingsStore settings{registry};
  test::ScriptedPrompt prompt;
  RecordingOperations operations;
  // "/default2" restores all without the cache rebuild; "/lt" loads and applies.
  const StartFlags restoreAll{.restoreAndClose = true, .skipCacheRebuild = true};
  const StartFlags loadAndApply{.loadAndClose = true};
  const auto recent = [&] { return registry.ReadText(RegRoot::CurrentUser, kRecentKey, "Package1"); };
  auto run = [&](const StartFlags& flags, const std::string& packageFile) {
    WindowStart start{.appPath = "C:\\Program Files\\Glimmerdeck", .packageFile = packageFile, .flags = flags,
                      .interactive = false};
    operations.calls.clear();
    MainWindow window(start, settings, prompt, operations);
    EXPECT_NE(window.RunModal(GetModuleHandleA(nullptr), IDD_MAIN_WINDOW, nullptr), -1);
    return window.ExitCode();
  };
  const std::string blue = "C:\\Themes\\Blue\\Blue.gdtheme";
  EXPECT_EQ(run(restoreAll, ""), 0);
  EXPECT_EQ(operations.calls, (Calls{"restore icons", "restore cursors"})) << "nothing changed: nothing applied";
  EXPECT_EQ(operations.seen.page.themesDir, "C:\\Program Files\\Glimmerdeck\\Themes");
  operations.loadSucceeds = false;
  EXPECT_EQ(run(loadAndApply, "C:\\missing.gdtheme"), 4) << "cancelled";
  EXPECT_EQ(operations.calls, Calls{"load C:\\missing.gdtheme"});
  EXPECT_EQ(recent(), "ERROR");
  operations.loadSucceeds = operations.changesSlots = true;
  EXPECT_EQ(run(loadAndApply, blue), 0);
  EXPECT_EQ(operations.calls, (Calls{"load " + blue, "apply", "rebuild"}));
  EXPECT_EQ(recent(), blue);
  EXPECT_EQ(run(restoreAll, ""), 0);
  EXPECT_EQ(operations.calls, (Calls{"restore icons", "restore cursors", "apply"}));
  EXPECT_TRUE(prompt.requests.empty());
}

// Named objects are shared by the whole session, so the cases run one after another here.
TEST(HandoverBlock, TheFirstWindowFillsItASecondLeavesItAndASenderWritesThePath) {
  {
    HandoverBlock block;
    ASSERT_TRUE(block.Publish(reinterpret_cast<HWND>(0x1234), "C:\\Themes\\First\\First.gdtheme"));
    const HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, "Glimmerdeck");
    auto* bytes = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 264));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::string(bytes, 4), std::string("\x34\x12\0\0", 4)) << "the window handle";
    EXPECT_STREQ(bytes + 4, "C:\\Themes\\First\\First.gdtheme");
    EXPECT_TRUE(HandoverBlock().Publish(reinterpret_cast<HWND>(0x99), "C:\\other.gdtheme")) << "the lock was released";
    EXPECT_EQ(std::string(bytes, 4), std::string("\x34\x12\0\0", 4)) << "a second window leaves the block alone";
    std::strcpy(bytes + 4, "D:\\handed.gdtheme");
    EXPECT_EQ(block.ReadHandedPath(), std::optional<std::string>("D:\\handed.gdtheme"));
    UnmapViewOfFile(bytes);
    CloseHandle(mapping);
  }
  // The block vanished with its last handle; the next window makes a new one, cutting the path.
  HandoverBlock block;
  EXPECT_FALSE(block.ReadHandedPath().has_value());
  ASSERT_TRUE(block.Publish(nullptr, std::string(400, 'x')));
  EXPECT_EQ(block.ReadHandedPath(), std::optional<std::string>(std::string(259, 'x')));
}

}  // namespace
}  // namespace gd
