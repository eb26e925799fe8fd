// Drives refreshhook.dll: calls "RebuildIcons", or hooks "HookMsgProc" into the shell's thread
// and hands it the hook handle through the shared block "GlimmerdeckHook".
#include "system/icon_cache_win32.h"

#include "companions/include/refreshhook_win32.h"
#include "platform/unique_handle.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <utility>

namespace gd {
namespace {

constexpr char kShellWindowClass[] = "Progman";
// How long the shell is given to rebuild before the hook is taken out again.
constexpr DWORD kShellHookWaitMs = 2000;

template <typename Function>
Function Export(const UniqueModule& module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module.get(), name)));
}

class LoadedRefreshHook final : public CacheRebuilder::Library {
 public:
  explicit LoadedRefreshHook(UniqueModule module) : module_(std::move(module)) {}

  void CallRebuildIcons() override {
    const auto rebuild =
        Export<refreshhook::RebuildIconsProc>(module_, refreshhook::kRebuildIconsExport);
    if (rebuild != nullptr) rebuild();
  }

  void RunShellHook() override {
    using namespace refreshhook;
    const UniqueKernelHandle block(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr,
                                                      PAGE_READWRITE, 0, kHookBlockSize,
                                                      kHookBlockName));
    if (!block) return;
    const UniqueMappedView view(MapViewOfFile(block.get(), FILE_MAP_WRITE, 0, 0, kHookBlockSize));
    if (!view) return;
    const auto procedure = Export<HOOKPROC>(module_, kHookMsgProcExport);
    // Without the shell's window a hook would go to no single thread and the request nowhere.
    const HWND shell = FindWindowA(kShellWindowClass, nullptr);
    if (shell == nullptr) return;
    const DWORD thread = GetWindowThreadProcessId(shell, nullptr);
    const UniqueHook hook(procedure == nullptr
                              ? nullptr
                              : SetWindowsHookExA(WH_GETMESSAGE, procedure, module_.get(), thread));
    const std::uint32_t bits = HookToBits(hook.get());
    std::memcpy(view.get(), &bits, sizeof(bits));
    PostThreadMessageA(thread, kRebuildMessage, kRebuildWParam, kRebuildLParam);
    Sleep(kShellHookWaitMs);
  }

 private:
  UniqueModule module_;
};

class RefreshHookLoader final : public CacheRebuilder {
 public:
  std::unique_ptr<Library> Load(const std::string& path) override {
    UniqueModule module(LoadLibraryA(path.c_str()));
    if (!module) return nullptr;
    return std::make_unique<LoadedRefreshHook>(std::move(module));
  }
};

}  // namespace

CacheRebuilder& SystemCacheRebuilder() {
  static RefreshHookLoader loader;
  return loader;
}

}  // namespace gd
