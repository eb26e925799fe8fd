// The program's driver of refreshhook.dll under Wine: the Windows XP hook on the thread of a
// "Progman" window, the same without one, the direct call, and a library that is not there.
#include "listening_window_win32.h"
#include "system/icon_cache_win32.h"
#include "support/fake_shell.h"
#include "support/memory_registry.h"
#include "support/scratch_roots_win32.h"
#include "support/scripted_prompt.h"

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

namespace gd::test {
namespace {

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.rfind('\\'));
}

class IconCacheDriver : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(roots.ok());
    inputs.appPath = ProgramFolder();
  }

  // Runs the rebuild as the given Windows version and gives its time in milliseconds.
  DWORD TimedRebuild(int osVersion, int& result) {
    inputs.osVersion = osVersion;
    const DWORD start = GetTickCount();
    result = RebuildIconCache(inputs, {registry, shell, prompt, SystemCacheRebuilder()});
    return GetTickCount() - start;
  }

  ScratchRegistryRoots roots;
  MemoryRegistry store;
  Registry registry{store};
  FakeShell shell;
  ScriptedPrompt prompt;
  CatalogueInputs inputs;
};

TEST_F(IconCacheDriver, OnXpTheRebuildRunsOnTheShellThreadAndTheHookIsRemovedAfterwards) {
  ListeningWindow progman("Progman");
  ASSERT_TRUE(progman.ok());
  int result = 0;
  EXPECT_GE(TimedRebuild(6, result), 2000u);
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(prompt.requests.empty());

  const auto changes = progman.Changes();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_FALSE(changes[0].fromOtherThread);
  EXPECT_EQ(changes[0].shellIconSize, "31");
  EXPECT_EQ(StoredShellIconSize(), "(missing)");
  EXPECT_EQ(progman.RequestsSeen(), 0);

  // No hook is left: a further request reaches the shell's loop untouched.
  PostThreadMessageA(progman.threadId(), 1135, 1, 1);
  EXPECT_TRUE(progman.WaitForRequests(1, 5000));
  EXPECT_EQ(progman.Changes().size(), 2u);
}

TEST_F(IconCacheDriver, OnXpWithoutAShellWindowNothingIsHooked) {
  ASSERT_EQ(FindWindowA("Progman", nullptr), nullptr);
  ListeningWindow bystander("GlimmerdeckBystander");
  int result = 0;
  EXPECT_LT(TimedRebuild(6, result), 2000u);
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(bystander.Changes().empty());
  EXPECT_TRUE(prompt.requests.empty());
}

TEST_F(IconCacheDriver, BeforeXpRebuildIconsIsCalledDirectly) {
  ListeningWindow progman("Progman");
  int result = 0;
  EXPECT_LT(TimedRebuild(5, result), 5000u);
  EXPECT_EQ(result, 1);
  const auto changes = progman.Changes();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_TRUE(changes[0].fromOtherThread);
}

TEST_F(IconCacheDriver, AFolderWithoutTheLibraryGivesTheLoadError) {
  inputs.appPath = ProgramFolder() + "\\missing";
  int result = 1;
  TimedRebuild(5, result);
  EXPECT_EQ(result, 0);
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_EQ(prompt.requests[0].text, kRefreshHookLoadError);
}

}  // namespace
}  // namespace gd::test
