// refreshhook.dll under Wine: what RebuildIcons does to the shell icon size and the cache file,
// which messages the hook procedure acts on, and the program's driver on Windows XP with and
// without a "Progman" window.
#include "companions/include/refreshhook_win32.h"
#include "listening_window_win32.h"
#include "platform/unique_handle.h"
#include "support/fake_shell.h"
#include "support/memory_registry.h"
#include "support/scratch_roots_win32.h"
#include "support/scripted_prompt.h"
#include "system/icon_cache_win32.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace gd::test {
namespace {

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program(path);
  return program.substr(0, program.rfind('\\'));
}

class RefreshHook : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(roots.ok());
    ASSERT_TRUE(module) << "refreshhook.dll beside the test program";
    rebuild = reinterpret_cast<refreshhook::RebuildIconsProc>(
        reinterpret_cast<void*>(GetProcAddress(module.get(), "RebuildIcons")));
    hookProcedure =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module.get(), "HookMsgProc")));
    ASSERT_NE(rebuild, nullptr);
    ASSERT_NE(hookProcedure, nullptr);
  }

  // Runs the program's rebuild as Windows XP; gives its result and time in milliseconds.
  DWORD TimedXpRebuild(int& result) {
    MemoryRegistry store;
    Registry registry(store);
    FakeShell shell;
    CatalogueInputs inputs;
    inputs.osVersion = 6;
    inputs.appPath = ProgramFolder();
    const DWORD start = GetTickCount();
    result = RebuildIconCache(inputs, {registry, shell, prompt, SystemCacheRebuilder()});
    return GetTickCount() - start;
  }

  ScratchRegistryRoots roots;
  UniqueModule module{LoadLibraryA((ProgramFolder() + "\\refreshhook.dll").c_str())};
  refreshhook::RebuildIconsProc rebuild = nullptr;
  HOOKPROC hookProcedure = nullptr;
  ScriptedPrompt prompt;
};

TEST_F(RefreshHook, RebuildIconsNudgesTheSizeAndLeavesItAsItWas) {
  ListeningWindow listener("GlimmerdeckListener");
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string cacheFile = std::string(windows) + "\\ShellIconCache";
  UniqueFile created(CreateFileA(cacheFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, nullptr));
  ASSERT_TRUE(created);
  created.reset();

  const DWORD start = GetTickCount();
  rebuild();
  EXPECT_LT(GetTickCount() - start, 5000u);
  EXPECT_EQ(GetFileAttributesA(cacheFile.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(StoredShellIconSize(), "(missing)");  // deleted again

  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop\\WindowMetrics", &key), 0);
  RegSetValueExA(key, "Shell Icon Size", 0, REG_SZ, reinterpret_cast<const BYTE*>("48"), 3);
  RegCloseKey(key);
  rebuild();
  EXPECT_EQ(StoredShellIconSize(), "48");

  const auto changes = listener.Changes();
  ASSERT_EQ(changes.size(), 4u);
  EXPECT_EQ(changes[0].shellIconSize, "31");  // one below the default of 32
  EXPECT_EQ(changes[1].shellIconSize, "(missing)");
  EXPECT_EQ(changes[2].shellIconSize, "47");
  EXPECT_EQ(changes[3].shellIconSize, "48");
  EXPECT_TRUE(changes[0].fromOtherThread);
  EXPECT_EQ(changes[0].section, "WindowMetrics");
}

TEST_F(RefreshHook, TheHookActsOnlyOnTheRequestWithBothParametersOne) {
  ListeningWindow listener("GlimmerdeckListener");
  const UniqueKernelHandle block(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr,
                                                    PAGE_READWRITE, 0, 4, "GlimmerdeckHook"));
  const UniqueMappedView view(MapViewOfFile(block.get(), FILE_MAP_WRITE, 0, 0, 4));
  ASSERT_TRUE(view);
  const HHOOK hook =
      SetWindowsHookExA(WH_GETMESSAGE, hookProcedure, module.get(), listener.threadId());
  ASSERT_NE(hook, nullptr);
  const std::uint32_t bits = refreshhook::HookToBits(hook);
  std::memcpy(view.get(), &bits, sizeof(bits));

  PostThreadMessageA(listener.threadId(), 1135, 1, 2);
  PostThreadMessageA(listener.threadId(), 1135, 0, 1);
  ASSERT_TRUE(listener.WaitForRequests(2));  // passed on untouched
  EXPECT_TRUE(listener.Changes().empty());

  PostThreadMessageA(listener.threadId(), 1135, 1, 1);
  PostThreadMessageA(listener.threadId(), 1135, 1, 3);
  ASSERT_TRUE(listener.WaitForRequests(3));
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(listener.RequestsSeen(), 3);  // the request itself was consumed
  const auto changes = listener.Changes();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_FALSE(changes[0].fromOtherThread);  // the rebuild ran on the hooked thread
  EXPECT_EQ(changes[0].shellIconSize, "31");
}

TEST_F(RefreshHook, OnXpTheDriverHooksTheShellThreadForTwoSecondsThenUnhooks) {
  ListeningWindow progman("Progman");
  ASSERT_TRUE(progman.ok());
  int result = 0;
  EXPECT_GE(TimedXpRebuild(result), 2000u);
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(prompt.requests.empty());
  const auto changes = progman.Changes();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_FALSE(changes[0].fromOtherThread);
  EXPECT_EQ(StoredShellIconSize(), "(missing)");

  // No hook is left behind: a further request reaches the shell's loop untouched.
  PostThreadMessageA(progman.threadId(), 1135, 1, 1);
  EXPECT_TRUE(progman.WaitForRequests(1));
  EXPECT_EQ(progman.Changes().size(), 2u);
}

TEST_F(RefreshHook, OnXpWithoutAShellWindowTheDriverHooksNothing) {
  ASSERT_EQ(FindWindowA("Progman", nullptr), nullptr);
  ListeningWindow bystander("GlimmerdeckListener");
  int result = 0;
  EXPECT_LT(TimedXpRebuild(result), 2000u);
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(bystander.Changes().empty());
}

}  // namespace
}  // namespace gd::test
