// refreshhook.dll under Wine: its exports, what a rebuild does to the shell icon size and the
// cache file, and which messages the hook procedure acts on.
#include "platform/unique_handle.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace gd::test {
namespace {

constexpr char kMetrics[] = "Control Panel\\Desktop\\WindowMetrics";

std::string StoredShellIconSize() {
  char text[64] = {};
  DWORD size = sizeof text - 1;
  return SHGetValueA(HKEY_CURRENT_USER, kMetrics, "Shell Icon Size", nullptr, text, &size) == 0 ? text : "(missing)";
}

// The shell icon sizes stored whenever a top-level window of this thread heard of a change.
std::vector<std::string> heard;
LRESULT CALLBACK Listen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTINGCHANGE && wParam == SPI_SETNONCLIENTMETRICS) heard.push_back(StoredShellIconSize());
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(RefreshHook, RebuildNudgesTheSizeAndPutsItBackAndTheHookRebuildsOnlyOnRequest) {
  char path[MAX_PATH];
  const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  UniqueModule module(LoadLibraryA((program.substr(0, program.rfind('\\')) + "\\refreshhook.dll").c_str()));
  ASSERT_TRUE(module) << "refreshhook.dll beside the test program";
  const auto rebuild = reinterpret_cast<void(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(module.get(), "RebuildIcons")));
  const auto hookProc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module.get(), "HookMsgProc")));
  ASSERT_TRUE(rebuild && hookProc);
  WNDCLASSA listener{};
  listener.lpfnWndProc = Listen, listener.hInstance = GetModuleHandleA(nullptr), listener.lpszClassName = "GdListener";
  RegisterClassA(&listener);
  const HWND window = CreateWindowExA(0, "GdListener", "", WS_OVERLAPPED, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);

  char windows[MAX_PATH];
  const std::string cache = std::string(windows, GetWindowsDirectoryA(windows, MAX_PATH)) + "\\ShellIconCache";
  UniqueFile(CreateFileA(cache.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr));
  ASSERT_NE(GetFileAttributesA(cache.c_str()), INVALID_FILE_ATTRIBUTES);
  // The prefix is shared: another test may have left a size of its own.
  SHDeleteValueA(HKEY_CURRENT_USER, kMetrics, "Shell Icon Size");
  rebuild();
  EXPECT_EQ(GetFileAttributesA(cache.c_str()), INVALID_FILE_ATTRIBUTES) << "the cache file goes";
  SHSetValueA(HKEY_CURRENT_USER, kMetrics, "Shell Icon Size", REG_SZ, "48", 3);
  rebuild();
  EXPECT_EQ(heard, (std::vector<std::string>{"31", "(missing)", "47", "48"})) << "one below the size or the default 32";

  // Installed on a thread, with its handle in the named block, the hook rebuilds when the
  // thread takes a request (1135, 1, 1) off its queue and hands it on as WM_NULL.
  const UniqueKernelHandle block(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4, "GlimmerdeckHook"));
  const UniqueMappedView view(MapViewOfFile(block.get(), FILE_MAP_WRITE, 0, 0, 4));
  const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, hookProc, module.get(), GetCurrentThreadId());
  ASSERT_TRUE(view && hook);
  const auto bits = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hook));
  std::memcpy(view.get(), &bits, sizeof bits);
  heard.clear();
  std::vector<UINT> taken;
  for (auto [wParam, lParam] : {std::pair{1, 2}, {0, 1}, {1, 1}}) {
    PostThreadMessageA(GetCurrentThreadId(), 1135, wParam, lParam);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) if (message.hwnd == nullptr) taken.push_back(message.message);
  }
  UnhookWindowsHookEx(hook);
  DestroyWindow(window);
  SHDeleteValueA(HKEY_CURRENT_USER, kMetrics, "Shell Icon Size");
  EXPECT_EQ(taken, (std::vector<UINT>{1135, 1135, WM_NULL}));
  EXPECT_EQ(heard, (std::vector<std::string>{"47", "48"}));
}

}  // namespace
}  // namespace gd::test
