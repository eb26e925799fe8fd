// refreshhook.dll on its own: both exports, what RebuildIcons does to the shell icon size and
// the cache file, and which messages the hook procedure acts on.
#include "companions/refreshhook/refreshhook.h"
#include "listening_window_win32.h"
#include "platform/unique_handle.h"
#include "support/scratch_roots_win32.h"

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
  std::string folder(path);
  return folder.substr(0, folder.rfind('\\'));
}

std::string CacheFilePath() {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\ShellIconCache";
}

void StoreShellIconSize(const char* text) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kMetricsKey, &key), ERROR_SUCCESS);
  RegSetValueExA(key, kShellIconSize, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>(std::strlen(text) + 1));
  RegCloseKey(key);
}

class RefreshHookLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(roots.ok());
    ASSERT_TRUE(module) << "refreshhook.dll beside the test program";
    rebuild = reinterpret_cast<refreshhook::RebuildIconsProc>(
        reinterpret_cast<void*>(GetProcAddress(module.get(), refreshhook::kRebuildIconsExport)));
    hookProcedure = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(module.get(), refreshhook::kHookMsgProcExport)));
    ASSERT_NE(rebuild, nullptr);
    ASSERT_NE(hookProcedure, nullptr);
    ASSERT_TRUE(listener.ok());
  }

  // Runs RebuildIcons and gives its time in milliseconds.
  DWORD TimedRebuild() {
    const DWORD start = GetTickCount();
    rebuild();
    return GetTickCount() - start;
  }

  ScratchRegistryRoots roots;
  UniqueModule module{LoadLibraryA((ProgramFolder() + "\\refreshhook.dll").c_str())};
  refreshhook::RebuildIconsProc rebuild = nullptr;
  HOOKPROC hookProcedure = nullptr;
  ListeningWindow listener{"GlimmerdeckRefreshListener"};
};

TEST_F(RefreshHookLibrary, RebuildIconsNudgesAMissingSizeAndDeletesItAgain) {
  const std::string cacheFile = CacheFilePath();
  UniqueFile created(CreateFileA(cacheFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, nullptr));
  ASSERT_TRUE(created);
  created.reset();

  EXPECT_LT(TimedRebuild(), 5000u);

  EXPECT_EQ(StoredShellIconSize(), "(missing)");
  EXPECT_EQ(GetFileAttributesA(cacheFile.c_str()), INVALID_FILE_ATTRIBUTES);
  const auto changes = listener.Changes();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].shellIconSize, "31");  // one below the default of 32
  EXPECT_EQ(changes[1].shellIconSize, "(missing)");
  EXPECT_TRUE(changes[0].fromOtherThread);
  EXPECT_EQ(changes[0].section, "WindowMetrics");
}

TEST_F(RefreshHookLibrary, RebuildIconsPutsAStoredSizeBackExactly) {
  StoreShellIconSize("48");
  EXPECT_LT(TimedRebuild(), 5000u);
  EXPECT_EQ(StoredShellIconSize(), "48");
  const auto changes = listener.Changes();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].shellIconSize, "47");
  EXPECT_EQ(changes[1].shellIconSize, "48");

  // Not a number the shell would use: nudged from the default, then restored as it was.
  StoreShellIconSize("large");
  rebuild();
  EXPECT_EQ(StoredShellIconSize(), "large");
  ASSERT_EQ(listener.Changes().size(), 4u);
  EXPECT_EQ(listener.Changes()[2].shellIconSize, "31");
}

TEST_F(RefreshHookLibrary, TheHookActsOnlyOnTheRequestWithBothParametersOne) {
  const UniqueKernelHandle block(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr,
                                                    PAGE_READWRITE, 0, refreshhook::kHookBlockSize,
                                                    refreshhook::kHookBlockName));
  const UniqueMappedView view(
      MapViewOfFile(block.get(), FILE_MAP_WRITE, 0, 0, refreshhook::kHookBlockSize));
  ASSERT_TRUE(view);
  const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, hookProcedure, module.get(),
                                       listener.threadId());
  ASSERT_NE(hook, nullptr);
  const std::uint32_t bits = refreshhook::HookToBits(hook);
  std::memcpy(view.get(), &bits, sizeof(bits));

  PostThreadMessageA(listener.threadId(), refreshhook::kRebuildMessage, 1, 2);
  PostThreadMessageA(listener.threadId(), refreshhook::kRebuildMessage, 0, 1);
  ASSERT_TRUE(listener.WaitForRequests(2, 5000));  // passed on untouched
  EXPECT_TRUE(listener.Changes().empty());

  PostThreadMessageA(listener.threadId(), refreshhook::kRebuildMessage, 1, 1);
  PostThreadMessageA(listener.threadId(), refreshhook::kRebuildMessage, 1, 3);
  ASSERT_TRUE(listener.WaitForRequests(3, 5000));
  UnhookWindowsHookEx(hook);

  // The request itself is consumed; the rebuild ran on the listener's own thread.
  EXPECT_EQ(listener.RequestsSeen(), 3);
  const auto changes = listener.Changes();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_FALSE(changes[0].fromOtherThread);
  EXPECT_EQ(changes[0].shellIconSize, "31");
}

}  // namespace
}  // namespace gd::test
